// The final report through Stats.dll's exports under Wine, with a second
// thread playing the operator: it reads and edits the Cabrillo header
// dialog that ResetStats0 shows, presses OK (and, in a second run, CANCEL),
// and closes the message boxes of SetupSet0 and GetResult0. The Cabrillo
// file and the settings keys are then checked whole.
//   report_dialog_wine STATS_DLL
// Prints "report_dialog_wine: N passed, M failed"; exit 0 only when none
// failed.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "interface/exports.h"
#include "resources/resource.h"
#include "tests/wine/wine_harness.h"
#include "tools/driver/export_calls.h"
#include "tools/driver/ole_days.h"

namespace {

using namespace harness;

struct Module {
    decltype(&SetupSet0) setup;
    decltype(&ResetStats0) reset;
    decltype(&AddData0) add;
    decltype(&GetResult0) result;
};

void Reset(const Module& m, int report) {
    driver::Reset r;
    r.reportRequest = report;
    r.ownCall = "W3ABC/P";
    r.periodStart = COleDateTime(driver::OleDays(2027, 2, 26, 22, 0));
    r.periodEnd = COleDateTime(driver::OleDays(2027, 2, 28, 22, 0));
    r.ownCountry = "K";
    r.ownContinent = "NA";
    driver::CallReset(m.reset, r);
}

void Add(const Module& m, const char* call, int hh, unsigned hz, const char* exch,
         const char* country, const char* continent) {
    driver::Qso q;
    q.ownCall = "W3ABC";
    q.call = call;
    q.time = COleDateTime(driver::OleDays(2027, 2, 27, hh, 0));
    q.freqHz = hz;
    q.mode = "SSB";
    q.rstSent = "59";
    q.rstRcvd = "59";
    q.exchSent = "5";
    q.exchRcvd = exch;
    q.detailedPrefix = country;
    q.countryPrefix = country;
    q.continent = continent;
    q.band = "160m";
    driver::CallQso(m.add, q);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HMODULE dll = LoadLibraryA(argv[1]);
    if (!dll) {
        std::printf("report_dialog_wine: cannot load %s\n", argv[1]);
        return 2;
    }
    Module m;
    m.setup = reinterpret_cast<decltype(&SetupSet0)>(GetProcAddress(dll, "SetupSet0"));
    m.reset = reinterpret_cast<decltype(&ResetStats0)>(GetProcAddress(dll, "ResetStats0"));
    m.add = reinterpret_cast<decltype(&AddData0)>(GetProcAddress(dll, "AddData0"));
    m.result = reinterpret_cast<decltype(&GetResult0)>(GetProcAddress(dll, "GetResult0"));
    if (!m.setup || !m.reset || !m.add || !m.result) return 2;

    CreateDirectoryA("report_dialog.tmp", nullptr);
    SetCurrentDirectoryA("report_dialog.tmp");
    CreateDirectoryA("Plugins", nullptr);
    DeleteFileA("W3ABC_P.cbr");
    if (std::FILE* f = std::fopen("Plugins\\CQ-WW-160-CW-SSB.ini", "wb")) {
        std::fputs("[Settings]\r\nMode=0\r\nName=Old Name\r\nSoapBox=one<CR><LF>two\r\n", f);
        std::fclose(f);
    }

    {
        // No caption given: the system's own, "Error".
        std::string text;
        Operator op("Error", [&text](HWND box) {
            text = ItemText(box, 0xFFFF);
            Press(box, IDOK);
        });
        m.setup();
        Check(op.Found(), "SetupSet0 shows a box captioned Error");
        CheckEqual(text, "No additional setup for this contest", "SetupSet0 text");
    }

    {
        std::string name, soapBox, contest, mode;
        Operator op("CQ WW CW/SSB DX Contest ", [&](HWND dialog) {
            name = ItemText(dialog, IDC_CABRILLO_NAME);
            soapBox = ItemText(dialog, IDC_CABRILLO_SOAPBOX);
            contest = ItemText(dialog, IDC_CABRILLO_CONTEST);
            mode = ItemText(dialog, IDC_CABRILLO_CATEGORY_MODE);
            SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, "Pat Doe");
            SetDlgItemTextA(dialog, IDC_CABRILLO_CALLSIGN, "W3ABC");
            SetDlgItemTextA(dialog, IDC_CABRILLO_CLAIMED, "999");
            SetDlgItemTextA(dialog, IDC_CABRILLO_SOAPBOX, "Low dipole\r\n73!");
            SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_POWER, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("LOW"));
            Press(dialog, IDOK);
        });
        Reset(m, 1);
        Check(op.Found(), "ResetStats0 in report mode shows the header dialog");
        CheckEqual(name, "Old Name", "NAME prefilled from the settings");
        CheckEqual(soapBox, "one\r\ntwo", "SOAPBOX decoded for the dialog");
        CheckEqual(contest, "CQ-160-SSB", "CONTEST default");
        CheckEqual(mode, "SSB", "CATEGORY-MODE default");
    }
    Add(m, "DL2XYZ", 1, 1843000, "14", "DL", "EU");
    Add(m, "K1AB", 2, 1844500, "MA", "K", "NA");
    {
        std::string message;
        Operator op("Output", [&message](HWND box) {
            message = ItemText(box, 0xFFFF);
            Press(box, IDOK);
        });
        int out = 0;
        m.result(&out);
        Check(op.Found(), "GetResult0 in report mode shows the Output box");
        CheckEqual(message, "File produced: W3ABC_P.cbr", "Output message");
    }
    CheckEqual(ReadAll("W3ABC_P.cbr"),
               "START-OF-LOG: 3.0\r\nCALLSIGN: W3ABC\r\nCONTEST: CQ-160-SSB\r\n"
               "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\n"
               "CATEGORY-BAND: 160M\r\nCATEGORY-MODE: SSB\r\nCATEGORY-POWER: LOW\r\n"
               "CATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: ONE\r\nCLAIMED-SCORE: 24\r\n"
               "CLUB: \r\nCREATED-BY: Harlo Harlo\r\nLOCATION: DX\r\nEMAIL: \r\nNAME: Pat Doe\r\n"
               "ADDRESS: \r\nADDRESS-CITY: \r\nADDRESS-STATE-PROVINCE: \r\n"
               "ADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\nOPERATORS: W3ABC/P\r\n"
               "SOAPBOX: Low dipole\r\nSOAPBOX: 73!\r\n"
               "QSO:  1843 PH 2027-02-27 0100 W3ABC         59  5      DL2XYZ        59  14\r\n"
               "QSO:  1844 PH 2027-02-27 0200 W3ABC         59  5      K1AB          59  MA\r\n"
               "END-OF-LOG:\r\n",
               "Cabrillo file");
    CheckEqual(ReadAll("Plugins\\CQ-WW-160-CW-SSB.ini"),
               "[Settings]\r\nMode=0\r\nName=Pat Doe\r\nSoapBox=Low dipole<CR><LF>73!\r\n"
               "Operators=W3ABC/P\r\nAddress=\r\nAddress_City=\r\n"
               "Address_St_Prov=\r\nAddress_PostalCode=\r\nAddress_Country=\r\n"
               "Category=SINGLE-OP\r\nCategory_Overlay=NONE\r\nContest=CQ-160-SSB\r\n"
               "Email=\r\nClub=\r\nStart=0\r\nClaimed=24\r\n",
               "settings after OK");

    // CANCEL abandons the export: no file, no message.
    DeleteFileA("W3ABC_P.cbr");
    {
        Operator op("CQ WW CW/SSB DX Contest ", [](HWND dialog) { Press(dialog, IDCANCEL); });
        Reset(m, 1);
        Check(op.Found(), "second header dialog");
    }
    Add(m, "DL2XYZ", 1, 1843000, "14", "DL", "EU");
    {
        Operator op("Output", [](HWND box) { Press(box, IDOK); });
        int out = 0;
        m.result(&out);
        Check(!op.Found(), "no Output box after CANCEL");
    }
    Check(GetFileAttributesA("W3ABC_P.cbr") == INVALID_FILE_ATTRIBUTES, "no file after CANCEL");

    return Summary("report_dialog_wine");
}
