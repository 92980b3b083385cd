// The exports as the host's MSVC build declares them, for the decorated
// names: scripts/check-exports.sh compiles this file with clang for
// i686-pc-windows-msvc and compares the names it references with Stats.def.
// Not part of any build.
typedef const char* Text;
class COleDateTime;
namespace ATL {
class COleDateTime;
}

unsigned long setVersion(Text);
int GetNumberOfSets();
int StatsGetExchgCount0(Text, Text, Text);
Text GetSetName(int);
void SetupSet0();
int CheckCallFunc0(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text, Text, Text,
                   Text, Text, Text, int, int, int, double, double, Text, Text, Text, Text, Text,
                   Text, Text, char*, char*);
int StatsIsValidExchg0(Text, Text, Text, Text, int, int, int);

#define QSO_PARAMS(Date)                                                                    \
    Text, Text, Date*, Date*, Date*, Date*, unsigned, unsigned, Text, Text, Text, Text, Text, \
        Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, int, int, int, double,    \
        double, Text, Text, Text, Text, Text
#define RESET_PARAMS(Date)                                                                  \
    Text, int, Text, Date*, Date*, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, \
        int, int, int, double, double, Text, Text, Text

int AddData0(QSO_PARAMS(COleDateTime));
int RemoveData0(QSO_PARAMS(COleDateTime));
int ResetStats0(RESET_PARAMS(COleDateTime));
int AddData0(QSO_PARAMS(ATL::COleDateTime));
int RemoveData0(QSO_PARAMS(ATL::COleDateTime));
int ResetStats0(RESET_PARAMS(ATL::COleDateTime));
Text GetResult0(int*);

extern void* const kReferences[];
void* const kReferences[] = {
    (void*)&setVersion, (void*)&GetNumberOfSets, (void*)&StatsGetExchgCount0,
    (void*)&GetSetName, (void*)&SetupSet0, (void*)&CheckCallFunc0, (void*)&StatsIsValidExchg0,
    (void*)(int (*)(QSO_PARAMS(COleDateTime)))&AddData0,
    (void*)(int (*)(QSO_PARAMS(COleDateTime)))&RemoveData0,
    (void*)(int (*)(RESET_PARAMS(COleDateTime)))&ResetStats0,
    (void*)(int (*)(QSO_PARAMS(ATL::COleDateTime)))&AddData0,
    (void*)(int (*)(QSO_PARAMS(ATL::COleDateTime)))&RemoveData0,
    (void*)(int (*)(RESET_PARAMS(ATL::COleDateTime)))&ResetStats0,
    (void*)&GetResult0,
};
