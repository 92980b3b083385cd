// The operator windows of Stats.dll under Wine, driven as the host drives
// them: this program is the host. Its main thread registers the stand-in
// automation object "Harlo2.Application" in its apartment and pumps
// messages between export calls, so the module's UI thread is answered the
// way the real host answers it. What the windows show is read back through
// Win32 (captions, check states, rectangles, styles, pixels).
//   windows_wine STATS_DLL
// Prints "windows_wine: N passed, M failed"; exit 0 only when none failed.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "interface/exports.h"
#include "resources/resource.h"
#include "tests/wine/wine_harness.h"
#include "tools/cq160/host/host_automation_win.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/driver/export_calls.h"
#include "tools/driver/ole_days.h"
#include "windows/entity_pages.h"

namespace {

using namespace harness;

ModuleApi g_m;
const char* g_pictures = nullptr;  // folder for pictures of the windows, or null
HostAutomation* g_host = nullptr;

const char kIni[] = "Plugins\\CQ-WW-160-CW-SSB.ini";

double OleDate(int day, int hh, int mm) { return driver::OleDays(2027, 1, day, hh, mm); }

std::string Setting(const char* key) {
    char buffer[100] = "";
    GetPrivateProfileStringA("Settings", key, "", buffer, sizeof buffer, kIni);
    return buffer;
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

// The panel's pixel at (x, y) once it reads `color`, or what it reads after
// 3 s: the panel is drawn on the UI thread after the update, which on a
// loaded machine may lag behind the host's side.
COLORREF PixelWhenDrawn(HWND panel, int x, int y, COLORREF color) {
    COLORREF pixel = CLR_INVALID;
    PumpUntil(
        [&] {
            HDC dc = GetDC(panel);
            pixel = GetPixel(dc, x, y);
            ReleaseDC(panel, dc);
            return pixel == color;
        },
        3000);
    return pixel;
}

HWND WaitForWindow(const char* caption) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            found = FindWindowA(nullptr, caption);
            return found && IsWindowVisible(found);
        },
        15000);
    return found && IsWindowVisible(found) ? found : nullptr;
}

void Reset(const char* ownCountry = "DL") {
    driver::Reset r;
    r.ownCall = "DL1ABC";
    r.periodStart = COleDateTime(OleDate(29, 22, 0));
    r.periodEnd = COleDateTime(OleDate(31, 22, 0));
    r.ownCountry = ownCountry;
    r.ownContinent = "EU";
    driver::CallReset(g_m.resetStats, r);
}

int Add(decltype(g_m.addData) fn, const char* call, int minute, const char* exch,
        const char* detailed, const char* country, const char* continent) {
    driver::Qso q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = COleDateTime(OleDate(30, 1, minute));
    q.freqHz = 1830000;
    q.mode = "CW";
    q.rstSent = "599";
    q.rstRcvd = "599";
    q.exchSent = "14";
    q.exchRcvd = exch;
    q.detailedPrefix = detailed;
    q.countryPrefix = country;
    q.continent = continent;
    q.band = "160m";
    return driver::CallQso(fn, q);
}

int CheckCall(const char* call) {
    char hint[100] = "";
    driver::TypedCall c;
    c.call = call;
    c.mode = "CW";
    c.countryPrefix = "DL";
    c.zone = 14;
    c.continent = "EU";
    c.band = "160m";
    c.band2 = "160m";
    return driver::CallCheck(g_m.checkCall, c, hint);
}

int Count(long dispid) {
    int n = 0;
    for (const HostAutomation::Invocation& call : g_host->Invocations()) n += call.dispid == dispid;
    return n;
}

// With STATS_PICTURES set, saves the window as it is drawn (frame
// included) to FOLDER/NAME.bmp; scripts/window-pictures.sh makes the
// README's pictures from them.
void Picture(HWND window, const char* name) {
    if (!g_pictures || !window) return;
    Pump(300);
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * h;
    const std::string path = std::string(g_pictures) + "\\" + name + ".bmp";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, f);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        std::fwrite(bits, 1, rowBytes * h, f);
        std::fclose(f);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

// Clicks a box of the module's windows the way the mouse would, without
// waiting for the UI thread (which may be calling into this apartment).
void Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

bool Checked(HWND window, int id) {
    return SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Lets the UI thread finish what it was asked: one more call check can only
// be answered once the update before it has re-armed the module.
// The host checks the call on every keystroke; a check while an update is
// still under way posts nothing, so keep typing until one is answered.
bool WaitForUpdate() {
    const int before = Count(8);
    for (int i = 0; i < 30; ++i) {
        CheckCall("DL1ABC");
        if (PumpUntil([&] { return Count(8) > before; }, 100)) {
            Pump(100);  // the rest of the update
            return true;
        }
    }
    return false;
}

// The visible top-level window with this caption that has the control; the
// two multiplier windows can share a caption.
HWND WaitForWindowWith(const char* caption, int controlId) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            for (HWND w = FindWindowA(nullptr, caption); w;
                 w = FindWindowExA(nullptr, w, nullptr, caption)) {
                if (IsWindowVisible(w) && GetDlgItem(w, controlId)) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        15000);
    return found;
}

// The continent page of the extended window that holds control id with the
// given label.
HWND PageWith(HWND ext, int id, const char* label) {
    for (HWND child = GetWindow(ext, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HWND box = GetDlgItem(child, id);
        if (box && WindowText(box) == label) return child;
    }
    return nullptr;
}

std::vector<std::string> CheckedLabels(HWND page, const EntityPage& table) {
    std::vector<std::string> labels;
    for (const EntityBox& box : table.boxes) {
        if (Checked(page, box.controlId)) labels.push_back(box.label);
    }
    return labels;
}

// Every shown check box and label of the window has room for its text (in
// the window's font, beside the check mark), blanks around it left out.
void LabelsWhole(HWND window, const std::string& name) {
    int cut = 0;
    std::string first;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        wchar_t className[32] = L"";
        GetClassNameW(child, className, 32);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const bool checkBox = lstrcmpiW(className, L"Button") == 0 &&
                              (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        if (!checkBox && lstrcmpiW(className, L"Static") != 0) continue;
        wchar_t text[64] = L"";
        GetWindowTextW(child, text, 64);
        std::wstring label = text;
        label.erase(0, label.find_first_not_of(L' '));
        label.erase(label.find_last_not_of(L' ') + 1);
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        RECT client;
        GetClientRect(child, &client);
        const int room = client.right - (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
        if (extent.cx > room) {
            if (cut++ == 0) first = std::to_string(extent.cx) + " > " + std::to_string(room);
        }
    }
    Check(cut == 0, name + ": labels whole (" + std::to_string(cut) + " cut, first " + first + ")");
}

std::string Join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

void MainWindowOpensAsSaved(HWND main) {
    RECT r;
    GetWindowRect(main, &r);
    Check(r.left == 10 && r.top == 400, "main window at (10, 400)");
    Check((GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "main window topmost");
    Check((GetMenuState(GetSystemMenu(main, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) != 0,
          "Close disabled");
    Check(SendMessageA(main, WM_GETICON, ICON_BIG, 0) != 0, "icon set");
    Check(Checked(main, IDC_SETUP_CW) && !Checked(main, IDC_SETUP_SSB), "CW box checked");
    Check(!IsWindowVisible(GetDlgItem(main, IDC_SETUP_NOT_WORKED_ZONE)), "zone box hidden");
    Check(!IsWindowEnabled(GetDlgItem(main, IDC_SETUP_NEW_STYLE)), "New style disabled");
    CheckEqual(ItemText(main, IDC_SETUP_MODE_LABEL), "Mode", "Mode label");
    Picture(main, "main");
    Check(PumpUntil([] { return g_host->Macros().size() >= 2; }, 3000), "start macros arrive");
    std::vector<std::string> macros = g_host->Macros();
    macros.resize(2);  // the first update's "<SP1>" follows
    CheckEqual(Join(macros), "<MODE:CW> <BAUDRATE:27>", "start macros");
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// No position saved yet: every window opens at its own default, beside the
// others, on a 1024 x 768 screen.
void FirstStartWindowsStandApart(HWND main) {
    Click(main, IDC_SETUP_MULTIPLIER);
    Click(main, IDC_SETUP_MULTIPLIER_EXT);
    Click(main, IDC_SETUP_STAT_PROV);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NOT_WORKED_ZONE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_SETUP_NOT_WORKED_ZONE)));
    const struct {
        const char* name;
        HWND window;
    } windows[] = {
        {"contest", main},
        {"multiplier", WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m",
                                         IDC_MULTIPLIER_PANEL)},
        {"extended", WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m",
                                       IDC_MULTIPLIER_EXT_TABS)},
        {"State/Province", WaitForWindow("State/Province worked on 160m")},
        {"CQ zone", WaitForWindow("Zone")},
    };
    const RECT screen = {0, 0, 1024, 768};
    for (const auto& a : windows) {
        Check(a.window != nullptr, std::string(a.name) + " window opens");
        if (!a.window) return;
        RECT r;
        GetWindowRect(a.window, &r);
        Check(r.left >= screen.left && r.top >= screen.top && r.right <= screen.right &&
                  r.bottom <= screen.bottom,
              std::string(a.name) + " window on a 1024 x 768 screen");
        for (const auto& b : windows) {
            RECT other;
            if (&b <= &a || !b.window || !GetWindowRect(b.window, &other)) continue;
            Check(!Overlap(r, other), std::string(a.name) + " and " + b.name + " windows apart");
        }
    }
    Click(main, IDC_SETUP_MULTIPLIER);
    Click(main, IDC_SETUP_MULTIPLIER_EXT);
    Click(main, IDC_SETUP_STAT_PROV);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NOT_WORKED_ZONE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_SETUP_NOT_WORKED_ZONE)));
    PumpUntil([&] {
        for (const auto& w : windows) {
            if (w.window != main && IsWindow(w.window)) return false;
        }
        return true;
    }, 3000);
    Pump(100);
}

void ModeSwitchesTellTheHost(HWND main) {
    g_host->ClearLog();
    Click(main, IDC_SETUP_SSB);
    Check(PumpUntil([] { return !g_host->Macros().empty(); }, 3000), "SSB macro arrives");
    CheckEqual(Join(g_host->Macros()), "<MODE:SSB>", "SSB macro");
    // The report follows the macro.
    PumpUntil([] { return !ReadAll("BadQSO_StatsCQWWCWSSB__31_01_2027.txt").empty(); }, 3000);
    CheckEqual(WindowText(main), "Setup CQ-WW-160M-SSB-2027", "SSB caption");
    CheckEqual(Setting("Mode") + Setting("setup_mode_ssb") + Setting("setup_mode_cw"), "010",
               "SSB keys");
    CheckEqual(ReadAll("BadQSO_StatsCQWWCWSSB__31_01_2027.txt"),
               "CQ WW SSB DX Contest UBN file \r\n", "SSB switch report");
    g_host->ClearLog();
    Click(main, IDC_SETUP_CW);
    Check(PumpUntil([] { return !g_host->Macros().empty(); }, 3000), "CW macro arrives");
    CheckEqual(Join(g_host->Macros()), "<MODE:CW>", "CW macro without the baud rate");
    Click(main, IDC_SETUP_CW);  // already chosen: stays checked
    Pump(200);
    Check(Checked(main, IDC_SETUP_CW), "second CW click keeps CW checked");
    CheckEqual(Join(g_host->Macros()), "<MODE:CW>", "second CW click sends nothing");
}

void RefreshIsPostedOnceUntilRearmed() {
    Pump(300);
    const int before = Count(8);
    // Without pumping, the UI thread's update waits for this apartment, so
    // the module is not re-armed between the two checks.
    CheckCall("DL1A");
    CheckCall("DL1AB");
    Pump(500);
    Check(Count(8) == before + 1, "two call checks, one update: " +
                                      std::to_string(Count(8) - before));
    CheckCall("DL1ABC");
    Pump(500);
    Check(Count(8) == before + 2, "re-armed after the update");
}

void ViewToggles(HWND main) {
    Click(main, IDC_SETUP_MULTIPLIER);
    // The update that the click posts captions it at once.
    HWND multiplier =
        WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m", IDC_MULTIPLIER_PANEL);
    Check(multiplier != nullptr, "Multiplier opens from its box");
    CheckEqual(Setting("setup_view_multiplier"), "1", "multiplier key on");
    Click(main, IDC_SETUP_MULTIPLIER);
    PumpUntil([&] { return !IsWindow(multiplier); }, 3000);
    Pump(100);
    Check(!IsWindow(multiplier), "Multiplier closed and destroyed");
    CheckEqual(Setting("setup_view_multiplier"), "0", "multiplier key off");
}

// The QSOs of the worked-entity checks, with the country and detailed
// prefix the host hands over (as cq160 resolves them with the country
// file): the entities counted by their detailed prefix, and some that the
// first pages had no box or no key for.
void LogWorkedEntities() {
    Add(g_m.addData, "DL2XYZ", 1, "14", "DL", "DL", "EU");
    Add(g_m.addData, "IT9ABC", 2, "15", "IT9", "I", "EU");
    Add(g_m.addData, "W1AW", 3, "MA", "K", "K", "NA");
    Add(g_m.addData, "VY2ZM", 4, "PEI", "VE", "VE", "NA");
    Add(g_m.addData, "4U1ITU", 5, "14", "4U1", "4U1I", "EU");
    Add(g_m.addData, "IH9ABC", 6, "33", "IG9", "I", "AF");
    Add(g_m.addData, "CT3AB", 7, "33", "CT3", "CT3", "AF");
    Add(g_m.addData, "GM3ZZZ", 8, "14", "GM/s", "GM", "EU");
    Add(g_m.addData, "SV2ASP/A", 9, "20", "SV/a", "SV/a", "EU");
    Add(g_m.addData, "HB0AA", 10, "14", "HB0", "HB0", "EU");
}

void WorkedEntitiesAreChecked(HWND main) {
    LogWorkedEntities();
    int out = 0;
    g_m.getResult(&out);  // rebuilds the band lists

    g_host->SetCall("");
    g_host->SetFrequency(1830000);
    Click(main, IDC_SETUP_MULTIPLIER_EXT);
    Click(main, IDC_SETUP_STAT_PROV);
    HWND ext = WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m",
                                 IDC_MULTIPLIER_EXT_TABS);
    HWND stat = WaitForWindow("State/Province worked on 160m");
    Check(ext && stat, "both windows open with their band captions");
    if (!ext || !stat) return;
    Check(WaitForUpdate(), "update answered");

    const std::vector<EntityPage>& pages = ContinentPages();
    // Read back from the boxes themselves (BM_GETCHECK).
    const char* expected[] = {"4U1I DL HB0 IT GM/s SV/a", "CT3 IG9", "", "K VE", "", ""};
    for (int p = 0; p < kContinentPages; ++p) {
        const EntityBox& first = pages[p].boxes[0];
        HWND page = PageWith(ext, first.controlId, first.label);
        Check(page != nullptr, std::string("page ") + pages[p].tabText);
        if (page) {
            CheckEqual(Join(CheckedLabels(page, pages[p])), expected[p],
                       std::string("checked on ") + pages[p].tabText);
        }
    }
    CheckEqual(Join(CheckedLabels(stat, StatProvPage())), "MA PEI", "checked states");
    Picture(stat, "stat-prov");
    for (int p = 0; p < kContinentPages && g_pictures; ++p) {
        // The tab change as a click would send it.
        HWND tabs = GetDlgItem(ext, IDC_MULTIPLIER_EXT_TABS);
        SendMessageA(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(p), 0);
        NMHDR change = {tabs, IDC_MULTIPLIER_EXT_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageTimeoutA(ext, WM_NOTIFY, IDC_MULTIPLIER_EXT_TABS,
                            reinterpret_cast<LPARAM>(&change), SMTO_BLOCK, 2000, nullptr);
        const std::string name = std::string("extended-") + (pages[p].tabText + 3);
        Picture(ext, name.substr(0, name.size() - 1).c_str());
    }
    HWND africa = PageWith(ext, 1022, "3W");
    Check(africa && !IsWindowVisible(GetDlgItem(africa, 1022)), "3W stays hidden");
    for (HWND page = GetWindow(ext, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
        if (page != GetDlgItem(ext, IDC_MULTIPLIER_EXT_TABS)) LabelsWhole(page, "continent page");
    }
    LabelsWhole(stat, "State/Province window");
    LabelsWhole(main, "contest window");

    HWND tabs = GetDlgItem(ext, IDC_MULTIPLIER_EXT_TABS);
    Check(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) == 6, "six tabs");
    char text[32] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    CheckEqual(text, "   EU ", "first tab text");
    // Another page, then the window hidden and shown again: back on EU.
    SendMessageA(tabs, TCM_SETCURSEL, 3, 0);
    ShowWindowAsync(ext, SW_HIDE);
    Pump(100);
    ShowWindowAsync(ext, SW_SHOW);
    Pump(200);
    Check(SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 0, "showing again selects EU");
    HWND europe = PageWith(ext, 1015, "1A0");
    Check(europe && IsWindowVisible(europe), "EU page visible");

    // "Window on top": both windows close and come back topmost.
    Click(main, IDC_SETUP_ON_TOP);
    PumpUntil([&] { return !IsWindow(ext) && !IsWindow(stat); }, 3000);
    Check(!IsWindow(ext) && !IsWindow(stat), "Window on top closes the windows");
    ext = WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m", IDC_MULTIPLIER_EXT_TABS);
    stat = WaitForWindow("State/Province worked on 160m");
    Check(ext && (GetWindowLongA(ext, GWL_EXSTYLE) & WS_EX_TOPMOST), "extended window topmost");
    Check(stat && (GetWindowLongA(stat, GWL_EXSTYLE) & WS_EX_TOPMOST), "State/Prov topmost");
    CheckEqual(Setting("setup_window_on_top"), "1", "on-top key");
    if (!ext || !stat) return;
    WaitForUpdate();
    CheckEqual(Join(CheckedLabels(stat, StatProvPage())), "MA PEI", "states after re-opening");

    // The host moves to 80 m: nothing worked there.
    g_host->SetFrequency(3510000);
    WaitForUpdate();
    CheckEqual(Join(CheckedLabels(stat, StatProvPage())), "", "80 m clears the states");
    CheckEqual(WindowText(stat), "State/Province worked on 80m", "80 m caption");
    g_host->SetFrequency(1830000);
    WaitForUpdate();
}

void FrequencyMovesSendSp1() {
    g_host->ClearLog();
    g_host->SetFrequency(1831000);
    WaitForUpdate();
    g_host->SetFrequency(1831300);
    WaitForUpdate();
    g_host->SetFrequency(1831301);
    WaitForUpdate();
    const std::vector<std::string> macros = g_host->Macros();
    CheckEqual(Join(macros), "<SP1> <SP1>", "<SP1> on moves beyond 300 Hz");
}

void ZoneWindow(HWND main) {
    // Its box is hidden and disabled: the command reaches the window directly.
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NOT_WORKED_ZONE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_SETUP_NOT_WORKED_ZONE)));
    HWND zone = WaitForWindow("Zone");
    Check(zone != nullptr, "CQ-zone window opens");
    if (!zone) return;
    int enabled = 0;
    for (int z = 1; z <= 40; ++z) enabled += IsWindowEnabled(GetDlgItem(zone, IDC_ZONE_BUTTON_0 + z));
    Check(enabled == 40, "forty enabled zone buttons");
    const std::string before = ReadAll(kIni);
    Click(zone, IDC_ZONE_BUTTON_0 + 14);
    Pump(200);
    CheckEqual(WindowText(zone), "Zone", "zone click changes nothing");
    Picture(zone, "zone");
    Check(IsWindowVisible(zone), "zone window still shown");
}

// Whether the country grid's cell k (five pixels in, 40 apart, a new line
// of 15 pixels where the next would pass the panel's right edge less 40)
// holds any pixel other than the background.
bool CellHasText(HDC dc, const RECT& panel, int k) {
    int x = 5, y = 15;
    for (int i = 0; i < k; ++i) {
        x += 40;
        if (x > panel.right - 40) {
            y += 15;
            x = 5;
        }
    }
    for (int py = y; py < y + 14; ++py) {
        for (int px = x; px < x + 36; ++px) {
            if (GetPixel(dc, px, py) != RGB(255, 250, 198)) return true;
        }
    }
    return false;
}

void PanelShowsThePictures(HWND main) {
    Click(main, IDC_SETUP_MULTIPLIER);
    HWND multiplier =
        WaitForWindowWith("CQ-WW-160M-CW 2027  DXCC worked on 160m", IDC_MULTIPLIER_PANEL);
    Check(multiplier != nullptr, "multiplier window opens with its band caption");
    if (!multiplier) return;
    HWND panel = GetDlgItem(multiplier, IDC_MULTIPLIER_PANEL);
    RECT client;
    GetClientRect(panel, &client);
    WaitForUpdate();
    const COLORREF listPixel = PixelWhenDrawn(panel, 3, 3, RGB(255, 250, 198));
    Check(listPixel == RGB(255, 250, 198), "country list background " + std::to_string(listPixel));
    // Eight countries count (4U1 CT3 DL GM/s HB0 IG9 IT9 SV/a); the band's
    // K and VE QSOs count through their states, so the grid has no cell for
    // them: the eighth cell is written, the ninth and tenth are not.
    HDC dc = GetDC(panel);
    Check(CellHasText(dc, client, 7), "eighth country drawn");
    Check(!CellHasText(dc, client, 8) && !CellHasText(dc, client, 9), "no K or VE in the grid");
    ReleaseDC(panel, dc);
    Picture(multiplier, "multiplier-countries");

    g_host->SetCall("DL2XYZ");
    WaitForUpdate();
    PumpUntil([&] { return WindowText(multiplier) == "CQ-WW-160M-CW worked with DL2XYZ"; }, 3000);
    CheckEqual(WindowText(multiplier), "CQ-WW-160M-CW worked with DL2XYZ", "worked-with caption");
    GetClientRect(panel, &client);
    const int h = client.bottom / 7;
    Check(PixelWhenDrawn(panel, 3, 3, RGB(255, 255, 198)) == RGB(255, 255, 198),
          "call details background");
    Check(PixelWhenDrawn(panel, 3, h + 12, RGB(198, 255, 255)) == RGB(198, 255, 255),
          "160 m row highlighted");
    Picture(multiplier, "multiplier-call");
    dc = GetDC(panel);
    Check(GetPixel(dc, 3, 2 * h + 12) == RGB(255, 255, 198), "80 m row not highlighted");
    ReleaseDC(panel, dc);

    // A resize moves the panel to (1, 1) with 3 pixels spare right and below.
    RECT frame, inner;
    GetWindowRect(multiplier, &frame);
    GetClientRect(multiplier, &inner);
    const int extraW = (frame.right - frame.left) - inner.right;
    const int extraH = (frame.bottom - frame.top) - inner.bottom;
    SetWindowPos(multiplier, nullptr, 0, 0, 300 + extraW, 200 + extraH,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    Pump(300);
    RECT placed;
    GetWindowRect(panel, &placed);
    POINT origin = {0, 0};
    ClientToScreen(multiplier, &origin);
    Check(placed.left - origin.x == 1 && placed.top - origin.y == 1 &&
              placed.right - placed.left == 296 && placed.bottom - placed.top == 196,
          "panel follows the resize");
    g_host->SetCall("");
    WaitForUpdate();
}

std::wstring WideText(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// An operator in Ukraine: the weekend switch shows the Russian texts, which
// read right whatever the system's code page (ctest runs this with
// Windows-1252, an English Windows).
void RussianTexts(HWND main) {
    std::printf("windows_wine: system code page %u\n", GetACP());
    Reset("UR");
    Click(main, IDC_SETUP_SSB);
    PumpUntil([&] { return Checked(main, IDC_SETUP_SSB); }, 3000);
    Pump(100);
    Check(WideText(main) == L"\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0438 CQ-WW-160M-SSB-2027",
          "Russian caption");
    Check(WideText(GetDlgItem(main, IDC_SETUP_VIEW_LABEL)) ==
              L"\u041e\u0442\u043e\u0431\u0440\u0430\u0436\u0430\u0442\u044c",
          "Russian View label");
    Check(WideText(GetDlgItem(main, IDC_SETUP_MODE_LABEL)) ==
              L"\u0412\u0438\u0434 \u0440\u0430\u0434\u0438\u043e\u0441\u0432\u044f\u0437\u0438",
          "Russian Mode label");
    Picture(main, "main-ru");
    // The State/Province window (open since the worked-entity checks) gets
    // its caption with the next update.
    WaitForUpdate();
    HWND stat = nullptr;
    PumpUntil([&] {
        stat = FindWindowW(nullptr, L"\u0428\u0442\u0430\u0442\u044b/\u041f\u0440\u043e\u0432\u0438\u043d\u0446\u0438\u0438 "
                                    L"\u043e\u0442\u0440\u0430\u0431\u043e\u0442\u0430\u043d\u043e \u043d\u0430 160m");
        return stat != nullptr;
    }, 5000);
    Check(stat != nullptr, "Russian State/Province caption");
}

void StressBothThreads() {
    const DWORD start = GetTickCount();
    int rounds = 0;
    const int updatesBefore = Count(8);
    // Three seconds of both threads at work, longer (up to 15 s) while the
    // UI thread has not yet answered ten updates: a loaded machine may give
    // it little time, which is slow, not wrong.
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= 15000 || (spent >= 3000 && Count(8) > updatesBefore + 10)) break;
        Add(g_m.addData, "OK1AA", rounds % 50, "15", "OK", "OK", "EU");
        CheckCall("OK1AA");
        Add(g_m.removeData, "OK1AA", rounds % 50, "15", "OK", "OK", "EU");
        if (rounds % 10 == 0) {
            int out = 0;
            g_m.getResult(&out);
        }
        Pump(1);
        ++rounds;
    }
    Check(Count(8) > updatesBefore + 10, "updates keep coming under load");
    Check(WaitForUpdate(), "still answering after the load");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    g_pictures = std::getenv("STATS_PICTURES");
    CreateDirectoryA("windows_run", nullptr);
    SetCurrentDirectoryA("windows_run");
    CreateDirectoryA("Plugins", nullptr);
    DeleteFileA("BadQSO_StatsCQWWCWSSB__31_01_2027.txt");
    WriteAll(kIni, "[Settings]\r\nMode=1\r\nsetup_mode_cw=1\r\nStart=0\r\n");
    WriteAll("Harlo2.ini", "[Main]\r\nHarlo=2.21\r\n");

    CoInitialize(nullptr);
    HostAutomation host;
    g_host = &host;
    if (!host.Register()) {
        std::printf("windows_wine: cannot register the stand-in host object\n");
        return 2;
    }
    host.SetFrequency(1830000);
    std::string error;
    if (!LoadModule(argv[1], &g_m, &error)) {
        std::printf("windows_wine: %s\n", error.c_str());
        return 2;
    }

    Reset();
    HWND main = WaitForWindow("Setup CQ-WW-160M-CW-2027");
    Check(main != nullptr, "the reset opens the main window");
    if (main) {
        MainWindowOpensAsSaved(main);
        FirstStartWindowsStandApart(main);
        ModeSwitchesTellTheHost(main);
        RefreshIsPostedOnceUntilRearmed();
        ViewToggles(main);
        WorkedEntitiesAreChecked(main);
        FrequencyMovesSendSp1();
        ZoneWindow(main);
        PanelShowsThePictures(main);
        StressBothThreads();
        RussianTexts(main);

        // The host unloads the module with the window open: FreeLibrary
        // returns at once and the window keeps working until the operator
        // ends it, when the module goes.
        HMODULE dll = GetModuleHandleA("Stats.dll");
        const DWORD before = GetTickCount();
        FreeLibrary(dll);
        Check(GetTickCount() - before < 1000, "FreeLibrary returns at once");
        PostMessageA(main, 0x900, 0, 0);
        Pump(300);
        Check(IsWindow(main), "window alive after FreeLibrary");
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);  // Escape
        PumpUntil([] { return GetModuleHandleA("Stats.dll") == nullptr; }, 15000);
        Check(GetModuleHandleA("Stats.dll") == nullptr, "module unloads when its window ends");
        Pump(200);
    }
    host.Revoke();
    const int status = Summary("windows_wine");
    CoUninitialize();
    return status;
}
