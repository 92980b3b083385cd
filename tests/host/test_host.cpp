// A stand-in for the host in tests: loads the module by name only, resolves
// every export, and drives a scripted contest run through them with the
// host's real argument types. Writes what it saw to "calls.txt" in the
// current directory; the module leaves its own files beside it.
//
//   test_host MODULE
//
// Exit status 0 when the module loaded and every export resolved.
#include <cstdio>
#include <cstring>
#include <string>

#include "interface/exports.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/driver/export_calls.h"
#include "tools/driver/ole_days.h"

#if defined(_WIN32)
#include <windows.h>

#include "tools/driver/dialog_operator_win.h"
#else
#include <sys/stat.h>
#endif

namespace {

std::FILE* g_out = nullptr;

void Say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), g_out);
    std::fwrite("\r\n", 1, 2, g_out);
}

bool WriteFile(const char* path, const char* bytes) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fwrite(bytes, 1, std::strlen(bytes), f);
    return std::fclose(f) == 0;
}

void MakeFolder(const char* name) {
#if defined(_WIN32)
    CreateDirectoryA(name, nullptr);
#else
    mkdir(name, 0777);
#endif
}

double OleDate(int y, int m, int d, int hh, int mm) { return driver::OleDays(y, m, d, hh, mm); }

using Module = ModuleApi;

#if defined(_WIN32)
// Every export must also be found under its decorated names, and lead to
// the same function as the plain name.
bool CheckDecoratedNames(const char* path, const Module& m) {
    HMODULE module = GetModuleHandleA(path);
    struct Name {
        const char* decorated;
        const void* plain;
    } names[] = {
        {"?setVersion@@YAKPBD@Z", reinterpret_cast<const void*>(m.setVersion)},
        {"?GetNumberOfSets@@YAHXZ", reinterpret_cast<const void*>(m.getNumberOfSets)},
        {"?StatsGetExchgCount0@@YAHPBD00@Z", reinterpret_cast<const void*>(m.getExchgCount)},
        {"?GetSetName@@YAPBDH@Z", reinterpret_cast<const void*>(m.getSetName)},
        {"?SetupSet0@@YAXXZ", reinterpret_cast<const void*>(m.setupSet)},
        {"?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z",
         reinterpret_cast<const void*>(m.checkCall)},
        {"?StatsIsValidExchg0@@YAHPBD000HHH@Z", reinterpret_cast<const void*>(m.isValidExchg)},
        {"?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z",
         reinterpret_cast<const void*>(m.addData)},
        {"?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z",
         reinterpret_cast<const void*>(m.addData)},
        {"?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z",
         reinterpret_cast<const void*>(m.removeData)},
        {"?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z",
         reinterpret_cast<const void*>(m.removeData)},
        {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z",
         reinterpret_cast<const void*>(m.resetStats)},
        {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z",
         reinterpret_cast<const void*>(m.resetStats)},
        {"?GetResult0@@YAPBDPAH@Z", reinterpret_cast<const void*>(m.getResult)},
    };
    bool ok = module != nullptr;
    for (const Name& n : names) {
        if (reinterpret_cast<const void*>(GetProcAddress(module, n.decorated)) != n.plain) {
            std::fprintf(stderr, "test_host: %s missing or not the plain export\n", n.decorated);
            ok = false;
        }
    }
    return ok;
}
#endif

// One QSO as the host hands it over. status: 0 valid, 1 invalid, 2 null,
// -1 no date object at all.
struct Qso {
    const char* call;
    int y, mo, d, hh, mm, status;
    unsigned hz;
    const char* mode;
    const char* exchRcvd;
    const char* detailedPrefix;
    const char* countryPrefix;
    const char* continent;
    const char* band;
    const char* exchSent;
};

const char kOwnCall[] = "DL1ABC";

// Every argument the host passes is filled, the ignored ones with texts and
// numbers that must not matter, so that a misplaced parameter shows.
int Call(decltype(&AddData0) f, const Qso& q) {
    driver::Qso h;
    h.ownCall = kOwnCall;
    h.call = q.call;
    h.time = COleDateTime(OleDate(q.y, q.mo, q.d, q.hh, q.mm),
                          static_cast<COleDateTime::DateTimeStatus>(q.status < 0 ? 0 : q.status));
    h.noTime = q.status < 0;
    h.freqHz = q.hz;
    h.mode = q.mode;
    h.rstSent = "599";
    h.rstRcvd = "579";
    h.exchSent = q.exchSent;
    h.exchRcvd = q.exchRcvd;
    h.detailedPrefix = q.detailedPrefix;
    h.countryPrefix = q.countryPrefix;
    h.continent = q.continent;
    h.band = q.band;
    return driver::CallQso(f, h, driver::Unused::kNoise);
}

void Reset(const Module& m, int report, const COleDateTime& start, const COleDateTime& end) {
    driver::Reset r;
    r.reportRequest = report;
    r.ownCall = kOwnCall;
    r.periodStart = start;
    r.periodEnd = end;
    r.ownCountry = "DL";
    r.ownContinent = "EU";
    const int result = driver::CallReset(m.resetStats, r, driver::Unused::kNoise);
    Say("ResetStats0 -> " + std::to_string(result));
}

void Check(const Module& m, const char* call, const char* mode, const char* country, int zone,
           const char* band, const char* band2) {
    char hint[100];
    std::strcpy(hint, "untouched");
    driver::TypedCall c;
    c.call = call;
    c.mode = mode;
    c.countryPrefix = country;
    c.zone = zone;
    c.continent = "NA";
    c.band = band;
    c.band2 = band2;
    const int r = driver::CallCheck(m.checkCall, c, hint, driver::Unused::kNoise);
    Say(std::string("CheckCall0 ") + (call ? call : "(null)") + " " + mode + " " + country + " " +
        std::to_string(zone) + " " + (band ? band : "(null)") + "/" + (band2 ? band2 : "(null)") +
        " -> " + std::to_string(r) + " hint [" + hint + "]");
}

void Valid(const Module& m, const char* exchange, const char* country, int index) {
    int r = m.isValidExchg(exchange, "x2", country, "x4", 5, 6, index);
    Say(std::string("IsValidExchg0 [") + exchange + "] " + country + " " + std::to_string(index) +
        " -> " + std::to_string(r));
}

void CopyFile(const char* from, const char* to) {
    std::FILE* in = std::fopen(from, "rb");
    std::FILE* out = std::fopen(to, "wb");
    if (in && out) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) std::fwrite(buffer, 1, n, out);
    }
    if (in) std::fclose(in);
    if (out) std::fclose(out);
}

void SaveResult(const Module& m, const char* file) {
    int out = 0;
    const char* text = m.getResult(&out);
    Say(std::string("GetResult0 -> ") + std::to_string(out) + " " + file);
    if (std::FILE* f = std::fopen(file, "wb")) {
        if (text) std::fwrite(text, 1, std::strlen(text), f);
        std::fclose(f);
    }
}

#if defined(_WIN32)
// Plays the operator while the module shows its modal windows: confirms the
// Cabrillo header dialog as shown and closes the "Output" message box.
class DialogWatcher {
public:
    DialogWatcher() {
        for (const char* caption : {"CQ WW CW/SSB DX Contest ", "Output"}) {
            op_.OnCaption(
                caption,
                [caption](HWND box) {
                    std::printf("test_host: closing \"%s\" %s\n", caption,
                                driver::MessageBoxText(box).c_str());
                    driver::PressButton(box, IDOK);
                },
                IDOK);
        }
        op_.Start();
    }

private:
    driver::DialogOperator op_;
};
#else
// No dialogs here: the module takes the header as shown.
struct DialogWatcher {};
#endif

// The CW weekend 2027-01-29 22:00 to 2027-01-31 22:00; the mode comes from
// the settings the host found ("Mode=1").
const Qso kLog[] = {
    {"K1AB", 2027, 1, 29, 22, 5, 0, 1822000, "CW", "MA", "K", "K", "NA", "160m", "14"},
    {"K1ABC", 2027, 1, 29, 22, 6, 0, 1822500, "CW", "ct", "K", "K", "NA", "160m", "14"},
    {"DL2XYZ", 2027, 1, 29, 22, 7, 0, 1830000, "CW", "14", "DL", "DL", "EU", "160m", "14"},
    {"OK1AA", 2027, 1, 29, 22, 8, 0, 1831200, "CW", "15", "OK", "OK", "EU", "160m", "14"},
    {"JA1ZZ", 2027, 1, 29, 22, 10, 0, 1810000, "CW", "25", "JA", "JA", "AS", "160m", "14"},
    {"KL7XX", 2027, 1, 29, 22, 12, 0, 1823000, "CW", "AK", "K", "K", "NA", "160m", "14"},
    {"K7ABC", 2027, 1, 29, 22, 13, 0, 1823100, "CW", "HI", "K", "K", "NA", "160m", "14"},
    {"VE3XX", 2027, 1, 29, 22, 15, 0, 1824000, "CW", "on", "VE", "VE", "NA", "160m", "14"},
    {"VY2ZM", 2027, 1, 29, 22, 16, 0, 1824100, "CW", "pe", "VE", "VE", "NA", "160m", "14"},
    {"VE1AA", 2027, 1, 29, 22, 17, 0, 1824200, "CW", "PEI", "VE", "VE", "NA", "160m", "14"},
    {"K5XX", 2027, 1, 29, 22, 20, 0, 1825000, "CW", " tx ", "K", "K", "NA", "160m", "14"},
    {"DL2XYZ", 2027, 1, 29, 22, 30, 0, 1830000, "CW", "14", "DL", "DL", "EU", "160m", "14"},
    {"DL2XYZ", 2027, 1, 29, 22, 40, 0, 1830000, "CW", "14", "DL", "DL", "EU", "160m", "14"},
    {"IT9ABC", 2027, 1, 29, 22, 45, 0, 1832000, "CW", "15", "IT9", "I", "EU", "160m", "14"},
    {"IT9ZZZ", 2027, 1, 29, 22, 46, 0, 1832100, "CW", "15", "IT9X", "I", "EU", "160m", "14"},
    {"TA1AA", 2027, 1, 29, 22, 50, 0, 1833000, "CW", "20", "TA1", "TA", "EU", "160m", "14"},
    {"G4ABC", 2027, 1, 29, 23, 0, 0, 3520000, "CW", "14", "G", "G", "EU", "80m", "14"},
    {"G4XYZ", 2027, 1, 29, 23, 1, 0, 1840000, "CW", "14", "G", "G", "EU", "160M", "14"},
    {"F5AA", 2027, 1, 29, 23, 2, 0, 1835000, "SSB", "14", "F", "F", "EU", "160m", "14"},
    {"F5BB", 2027, 1, 29, 23, 3, 0, 1835100, "cw", "14", "F", "F", "EU", "160m", "14"},
    {"F5CC", 2027, 1, 29, 23, 4, 0, 1835200, "RTTY", "14", "F", "F", "EU", "160m", "14"},
    {"OH2AA", 2027, 1, 29, 23, 5, 0, 1836000, "CW", "", "OH", "OH", "EU", "160m", "14"},
    {"OH2BB", 2027, 1, 29, 23, 6, 0, 1836100, "CW", "15", "OH", "OH", "EU", "160m", ""},
    {"OH2CC", 2027, 1, 29, 23, 7, 0, 1836200, "CW", nullptr, "OH", "OH", "EU", "160m", "14"},
    {"SM5AA", 2027, 1, 30, 0, 10, 0, 1830500, "CW", "", "SM", "SM", "EU", "160m", "14"},
    {"OK1AA", 2027, 1, 30, 0, 20, 1, 1831200, "CW", "15", "OK", "OK", "EU", "160m", "14"},
    {"UA3AA", 2027, 1, 30, 0, 30, -1, 1837000, "CW", "16", "UA", "UA", "EU", "80m", "14"},
    {"UA9AA", 2027, 1, 30, 1, 0, 0, 1838000, "CW", "17", "UA9", "UA9", "AS", "160m", "14"},
    {"VK2AA", 2027, 1, 30, 19, 0, 0, 1819000, "CW", "30", "VK", "VK", "OC", "160m", "14"},
    {"ZL1AA", 2027, 1, 30, 19, 5, 0, 1819500, "CW", "32", "ZL", "ZL", "OC", "160m", "14"},
    {"PY1AA", 2027, 1, 30, 1, 30, 0, 1826000, "CW", "11", "PY", "PY", "SA", "160m", "14"},
    {"ZS6AA", 2027, 1, 30, 2, 0, 0, 1827000, "CW", "38", "ZS", "ZS", "AF", "160m", "14"},
    {"4X4AA", 2027, 1, 30, 2, 10, 0, 1828000, "CW", "20", "4X", "4X", "AS", "160m", "14"},
    {"K1AB", 2027, 1, 30, 18, 30, 0, 1822000, "CW", "MA", "K", "K", "NA", "160m", "14"},
    {"K1ABC", 2027, 1, 30, 18, 30, 0, 1822500, "CW", "CT", "K", "K", "NA", "160m", "14"},
    {"K1AB", 2027, 1, 30, 20, 0, 0, 1830000, "CW", "MA", "K", "K", "NA", "160m", "14"},
    {"W9XX", 2027, 1, 30, 20, 10, 0, 1821000, "CW", "IL", "K", "K", "NA", "160m", "14"},
    {"VE7XX", 2027, 1, 30, 20, 20, 0, 1821500, "CW", "BC", "VE", "VE", "NA", "160m", "14"},
    {"Z61AA", 2027, 1, 30, 21, 0, 0, 1829000, "CW", "15", "Z6", "YU", "EU", "160m", "14"},
    {"4U1ITU", 2027, 1, 30, 21, 10, 0, 1829500, "CW", "14", "4U1", "HB", "EU", "160m", "14"},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: test_host MODULE\n");
        return 2;
    }
    Module m;
    std::string error;
    if (!LoadModule(argv[1], &m, &error)) {
        std::fprintf(stderr, "test_host: %s\n", error.c_str());
        return 2;
    }
#if defined(_WIN32)
    if (!CheckDecoratedNames(argv[1], m)) return 1;
#endif
    g_out = std::fopen("calls.txt", "wb");
    if (!g_out) return 2;

    // The host's working folder: its own settings file and the plug-in's,
    // which already chooses the CW weekend (the main window copies
    // "setup_mode_cw" into "Mode" as it opens) and whose start toggle lets
    // only the last reset open the window.
    MakeFolder("Plugins");
    WriteFile("Plugins/CQ-WW-160-CW-SSB.ini",
              "[Settings]\r\nMode=1\r\nsetup_mode_cw=1\r\nStart=1\r\n");
    WriteFile("Harlo2.ini", "[Main]\r\nHarlo=2.21\r\nPath=.\r\n");

    Say("GetNumberOfSets -> " + std::to_string(m.getNumberOfSets()));
    Say("GetExchgCount0 -> " + std::to_string(m.getExchgCount(nullptr, "a", "b")));
    Say(std::string("GetSetName -5 -> ") + m.getSetName(-5));

    const COleDateTime cwStart(OleDate(2027, 1, 29, 22, 0)), cwEnd(OleDate(2027, 1, 31, 22, 0));
    Reset(m, 0, cwStart, cwEnd);
    for (const Qso& q : kLog) {
        Say(std::string("AddData0 ") + q.call + " -> " + std::to_string(Call(m.addData, q)));
    }
    CopyFile("BadQSO_StatsCQWW160CWSSB_31_01_2027.txt", "report-before-removal.txt");

    Check(m, "DL2XYZ", "CW", "DL", 14, "160m", "160m");
    Check(m, "DL3AAA", "CW", "DL", 14, "160m", "160M");
    Check(m, "JA1XX", "CW", "JA", 25, "160m", "160m");
    Check(m, "VK3ZZ", "CW", "VK", 30, "160m", "160m");
    Check(m, "BY1AA", "CW", "BY", 24, "160m", "160m");
    Check(m, "K9ZZ", "CW", "K", 4, "160m", "160m");
    Check(m, "DL3AAA", "SSB", "DL", 14, "160m", "160m");
    Check(m, "DL3AAA", "CW", "DL", 14, "80m", "80m");
    Check(m, "DL3AAA", "CW", "DL", 14, "160m", "80m");
    Check(m, "K1AB", "CW", "", 5, "160m", "160m");
    Check(m, nullptr, "CW", "DL", 14, nullptr, nullptr);
    Valid(m, "05", "DL", 0);
    Valid(m, "40", "JA", 0);
    Valid(m, "41", "JA", 0);
    Valid(m, "5", "VE", 0);
    Valid(m, "5", "DL", 0);
    Valid(m, "2", "VE", 0);
    Valid(m, "2", "K", 0);
    Valid(m, "TX", "K", 0);
    Valid(m, "14", "DL", 1);

    // An edit in the host: the K1AB QSO of 18:30 goes, and so does the only
    // JA. Neither K1ABC's line of 18:30 nor K1AB's line on 1830 kHz may go.
    const Qso& k1ab = kLog[33];
    const Qso& ja = kLog[4];
    Say("RemoveData0 K1AB -> " + std::to_string(Call(m.removeData, k1ab)));
    Say("RemoveData0 JA1ZZ -> " + std::to_string(Call(m.removeData, ja)));
    Check(m, "JA1XX", "CW", "JA", 25, "160m", "160m");
    Check(m, "K1AB", "CW", "K", 5, "160m", "160m");

    CopyFile("BadQSO_StatsCQWW160CWSSB_31_01_2027.txt", "report-after-removal.txt");

    // The host's statistics pane: plain text until the host announces its
    // version, HTML from then on.
    SaveResult(m, "results.txt");
    Say("setVersion -> " + std::to_string(m.setVersion("2.21")));
    SaveResult(m, "results.html");

    // The final report: the header dialog during the reset (confirmed as
    // shown), the Cabrillo file with the next result.
    {
        [[maybe_unused]] DialogWatcher watcher;
        Reset(m, 1, cwStart, cwEnd);
        for (int i : {0, 1, 2, 3, 4, 5, 11, 16}) {
            Say(std::string("AddData0 ") + kLog[i].call + " -> " +
                std::to_string(Call(m.addData, kLog[i])));
        }
        SaveResult(m, "results-report.html");
    }

    // The host rebuilds its statistics for the SSB weekend: a new report.
    const COleDateTime ssbStart(OleDate(2027, 2, 26, 22, 0)), ssbEnd(OleDate(2027, 2, 28, 22, 0));
    Reset(m, 0, ssbStart, ssbEnd);
    Check(m, "DL2XYZ", "CW", "DL", 14, "160m", "160m");
    std::fclose(g_out);
#if defined(_WIN32)
    // That reset opened the main window: the host exits while it is open,
    // once its settings are written.
    for (int i = 0; i < 500 && !IsWindowVisible(FindWindowA(nullptr, "Setup CQ-WW-160M-CW-2027"));
         ++i) {
        Sleep(10);
    }
    if (!FindWindowA(nullptr, "Setup CQ-WW-160M-CW-2027")) {
        std::fprintf(stderr, "test_host: the main window did not open\n");
        return 1;
    }
#endif
    return 0;
}
