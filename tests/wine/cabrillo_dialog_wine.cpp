// The Cabrillo header dialog run for real under Wine. The main thread calls
// ShowCabrilloDialog; a second thread finds the dialog by its caption,
// checks what it shows (texts, combo lists and selections, focus, tab
// order, styles, positions, labels), edits or types into it and ends it by
// OK, Enter, CANCEL, Esc or the close message. The main thread then checks
// the result and the header. Prints
//   cabrillo_dialog_wine: N passed, M failed
// and exits 0 only when nothing failed. A watchdog ends the run after 25 s.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog.h"
#include "cabrillo/cabrillo_dialog_logic.h"
#include "resources/resource.h"

namespace {

const char kCaption[] = "CQ WW CW/SSB DX Contest ";

volatile LONG g_passed = 0;
volatile LONG g_failed = 0;
DWORD g_dialogThread = 0;
volatile LONG g_dialogReturned = 0;  // ShowCabrilloDialog has returned

bool Check(bool ok, const char* format, ...) {
    if (ok) {
        InterlockedIncrement(&g_passed);
        return true;
    }
    InterlockedIncrement(&g_failed);
    std::printf("FAIL: ");
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
    return false;
}

void PrintSummary() {
    std::printf("cabrillo_dialog_wine: %ld passed, %ld failed\n", g_passed, g_failed);
    std::fflush(stdout);
}

// The controls as the dialog must lay them out, in creation order.
enum : unsigned { kTab = 1, kAutoHScroll = 2, kSorted = 4 };
struct ControlSpec {
    int id;
    const char* label;  // null for the buttons
    int x, y, width, height;
    unsigned flags;
};
const ControlSpec kControls[] = {
    {IDC_CABRILLO_SOAPBOX, "SOAPBOX", 55, 252, 191, 31, kTab},
    {IDC_CABRILLO_ADDRESS, "ADDRESS", 55, 156, 191, 14, 0},
    {IDCANCEL, nullptr, 143, 302, 46, 21, 0},
    {IDOK, nullptr, 81, 302, 51, 21, 0},
    {IDC_CABRILLO_EMAIL, "E-MAIL", 55, 283, 191, 12, kAutoHScroll},
    {IDC_CABRILLO_CLUB, "CLUB", 55, 240, 191, 12, kAutoHScroll},
    {IDC_CABRILLO_OPERATORS, "OPERATORS", 55, 227, 191, 12, kAutoHScroll},
    {IDC_CABRILLO_NAME, "NAME", 55, 144, 191, 12, kAutoHScroll},
    {IDC_CABRILLO_CLAIMED, "CLAIMED", 184, 23, 61, 12, kAutoHScroll},
    {IDC_CABRILLO_CONTEST, "CONTEST", 55, 9, 190, 12, kAutoHScroll},
    {IDC_CABRILLO_CALLSIGN, "CALLSIGN", 55, 23, 88, 12, kAutoHScroll},
    {IDC_CABRILLO_CATEGORY_OPERATOR, "CATEGORY-OPERATOR", 92, 36, 79, 86, kTab},
    {IDC_CABRILLO_CATEGORY_BAND, "CATEGORY-BAND", 92, 50, 79, 72, kTab},
    {IDC_CABRILLO_CATEGORY_MODE, "CATEGORY-MODE", 91, 78, 79, 13, kTab | kAutoHScroll},
    {IDC_CABRILLO_CATEGORY_POWER, "CATEGORY-POWER", 91, 105, 80, 51, kTab | kSorted},
    {IDC_CABRILLO_CATEGORY_TRANSMITTER, "CATEGORY-TRANSMITTER", 105, 131, 66, 49, kTab | kSorted},
    {IDC_CABRILLO_CATEGORY_OVERLAY, "CATEGORY-OVERLAY", 91, 92, 80, 51, kTab | kSorted},
    {IDC_CABRILLO_LOCATION, "LOCATION", 213, 38, 30, 85, kTab},
    {IDC_CABRILLO_ADDRESS_CITY, "ADDRESS-CITY", 67, 170, 179, 14, 0},
    {IDC_CABRILLO_ADDRESS_STATE_PROVINCE, "ADDRESS-STATE-PROVINCE", 112, 184, 134, 14, 0},
    {IDC_CABRILLO_ADDRESS_POSTALCODE, "ADDRESS-POSTALCODE", 100, 198, 146, 14, 0},
    {IDC_CABRILLO_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", 100, 212, 146, 14, 0},
    {IDC_CABRILLO_CATEGORY_STATION, "CATEGORY-STATION", 91, 118, 80, 71, kTab | kSorted},
    {IDC_CABRILLO_CATEGORY_ASSISTED, "CATEGORY-ASSISTED", 91, 64, 79, 45, kTab},
};

std::string Text(HWND window) {
    char buffer[4096] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsCombo(int id) { return !CabrilloComboItems(id).empty(); }

CabrilloHeader Prefilled() {
    CabrilloHeader h;
    h.ownCall = "K1ABC";
    h.claimed = "123456";
    h.club = "Yankee Clipper Contest Club";
    h.categoryOperator = "";  // selects the first item
    h.contest = "CQ-160-CW";
    h.email = "k1abc@example.com";
    h.name = "Pat Doe";
    h.operators = "K1ABC K1XYZ";
    h.soapBox = "first line\nsecond line";  // shown, and so returned, with CR LF
    h.address = "1 Main Street";
    h.categoryBand = "160M";  // in no list: stays typed text
    h.categoryMode = "CW";
    h.categoryTransmitter = "unl";
    h.categoryOverlay = "NONE";
    h.location = "dx";
    h.addressCity = "Boston";
    h.addressStateProv = "MA";
    h.addressPostalCode = "02101";
    h.addressCountry = "USA";
    h.categoryStation = "mob";  // 2nd as added, 4th as shown
    h.categoryAssisted = "NON-ASSISTED";
    h.categoryPower = "low";
    return h;
}

// What OK without edits gives for Prefilled(): each combo's selected item.
CabrilloHeader PrefilledAfterOk() {
    CabrilloHeader h = Prefilled();
    h.categoryOperator = "SINGLE-OP";
    h.soapBox = "first line\r\nsecond line";
    h.categoryTransmitter = "UNLIMITED";
    h.location = "DX";
    h.categoryStation = "MOBILE";
    h.categoryPower = "LOW";
    return h;
}

void CheckHeader(const CabrilloHeader& expected, const CabrilloHeader& actual, const char* run) {
    for (const CabrilloDialogField& f : CabrilloDialogFields()) {
        Check(expected.*f.member == actual.*f.member, "%s: field of %d is \"%s\", expected \"%s\"",
              run, f.controlId, (actual.*f.member).c_str(), (expected.*f.member).c_str());
    }
}

template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

HWND FindDialog(DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitFor(
        [&] {
            if (g_dialogReturned) return true;
            dialog = FindWindowA(nullptr, kCaption);
            return dialog && GetWindowThreadProcessId(dialog, nullptr) == g_dialogThread &&
                   IsWindowVisible(dialog);
        },
        timeoutMs);
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

RECT DialogUnits(HWND dialog, int x, int y, int width, int height) {
    RECT r = {x, y, x + width, y + height};
    MapDialogRect(dialog, &r);
    return r;
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FindLabel(HWND dialog, const char* text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Static" && Text(child) == text) return child;
    }
    return nullptr;
}

void CheckLayout(HWND dialog) {
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    const LONG wanted = DS_MODALFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    Check((style & wanted) == wanted, "dialog style %08lx", style);
    RECT client;
    GetClientRect(dialog, &client);
    const RECT size = DialogUnits(dialog, 0, 0, 255, 351);
    Check(client.right == size.right && client.bottom == size.bottom,
          "dialog client %ldx%ld, expected %ldx%ld", client.right, client.bottom, size.right,
          size.bottom);
    const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    Check(HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == IDOK, "default button %lx", defId);

    // Creation order: the listed controls are the first children, in order.
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ControlSpec& c : kControls) {
        Check(child && GetDlgCtrlID(child) == c.id, "creation order: %d expected, %d found", c.id,
              child ? GetDlgCtrlID(child) : 0);
        if (child) child = GetWindow(child, GW_HWNDNEXT);
    }

    HDC dc = GetDC(dialog);
    const LRESULT font = SendMessageA(dialog, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(font));
    for (const ControlSpec& c : kControls) {
        HWND control = GetDlgItem(dialog, c.id);
        if (!Check(control != nullptr, "control %d missing", c.id)) continue;
        const LONG s = GetWindowLongA(control, GWL_STYLE);
        const std::string cls = ClassOf(control);
        Check(((s & WS_TABSTOP) != 0) == ((c.flags & kTab) != 0), "%d: tab stop %d", c.id,
              (s & WS_TABSTOP) != 0);
        if (c.id == IDOK || c.id == IDCANCEL) {
            const LONG kind = c.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            Check(cls == "Button" && (s & 0x0F) == kind,
                  "%d: button style %08lx", c.id, s);
        } else if (IsCombo(c.id)) {
            Check(cls == "ComboBox" && (s & 3) == CBS_DROPDOWN, "%d: %s %08lx", c.id,
                  cls.c_str(), s);
            Check(((s & CBS_SORT) != 0) == ((c.flags & kSorted) != 0), "%d: CBS_SORT", c.id);
        } else {
            Check(cls == "Edit", "%d: class %s", c.id, cls.c_str());
            Check(((s & ES_AUTOHSCROLL) != 0) == ((c.flags & kAutoHScroll) != 0),
                  "%d: ES_AUTOHSCROLL", c.id);
            const LONG multi = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
            Check((s & multi) == (c.id == IDC_CABRILLO_SOAPBOX ? multi : 0), "%d: multi-line styles %08lx",
                  c.id, s);
        }

        // The dialog maps position and size each on its own.
        const RECT at = DialogUnits(dialog, c.x, c.y, 0, 0);
        const RECT size = DialogUnits(dialog, 0, 0, c.width, c.height);
        const RECT got = ClientRectOf(dialog, control);
        // A combo box's height is that of its closed field; the list gets the rest.
        const bool sameHeight = IsCombo(c.id) || got.bottom - got.top == size.bottom;
        Check(got.left == at.left && got.top == at.top && got.right - got.left == size.right &&
                  sameHeight,
              "%d at (%ld,%ld) %ldx%ld, expected (%ld,%ld) %ldx%ld", c.id, got.left, got.top,
              got.right - got.left, got.bottom - got.top, at.left, at.top, size.right, size.bottom);
        if (IsCombo(c.id)) {
            RECT dropped;
            SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&dropped), 2);
            // The list keeps whole items, so it may fall short of the
            // template's height by up to an item and the closed field.
            const LONG drop = dropped.bottom - dropped.top;
            Check(dropped.top == got.top && drop <= size.bottom && drop > size.bottom - 30,
                  "%d: dropped height %ld, template %ld", c.id, drop, size.bottom);
        }

        if (!c.label) continue;
        HWND label = FindLabel(dialog, c.label);
        if (!Check(label != nullptr, "label %s missing", c.label)) continue;
        const RECT l = ClientRectOf(dialog, label);
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, c.label, static_cast<int>(std::string(c.label).size()), &extent);
        Check(extent.cx <= l.right - l.left && extent.cy <= l.bottom - l.top,
              "label %s: text %ldx%ld in %ldx%ld", c.label, extent.cx, extent.cy, l.right - l.left,
              l.bottom - l.top);
        Check(l.right <= got.left && l.top >= got.top && l.top < (got.top + got.bottom) / 2,
              "label %s at (%ld,%ld)-(%ld,%ld) beside control at (%ld,%ld)", c.label, l.left, l.top,
              l.right, l.bottom, got.left, got.top);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(dialog, dc);
}

void CheckFocusAndTabOrder(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    Check(GetGUIThreadInfo(g_dialogThread, &info) &&
              info.hwndFocus == GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX),
          "focus at open on %d", GetDlgCtrlID(info.hwndFocus));

    std::vector<int> expected;
    for (const ControlSpec& c : kControls) {
        if (c.flags & kTab) expected.push_back(c.id);
    }
    expected.push_back(IDC_CABRILLO_SOAPBOX);  // and round again
    HWND at = GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        at = GetNextDlgTabItem(dialog, at, FALSE);
        Check(GetDlgCtrlID(at) == expected[i], "tab %zu: %d, expected %d", i, GetDlgCtrlID(at),
              expected[i]);
    }
}

// Every control shows its field; each combo lists its items in display order
// and selects what the portable rule says.
void CheckShown(HWND dialog, const CabrilloHeader& header) {
    for (const CabrilloDialogField& f : CabrilloDialogFields()) {
        HWND control = GetDlgItem(dialog, f.controlId);
        const std::string& member = header.*f.member;
        if (f.kind == CabrilloControlKind::kEdit) {
            const std::string want =
                f.controlId == IDC_CABRILLO_SOAPBOX ? WithCrLfLineBreaks(member) : member;
            Check(Text(control) == want, "%d shows \"%s\"", f.controlId, Text(control).c_str());
            continue;
        }
        const std::vector<std::string> items = CabrilloComboDisplayItems(f.controlId);
        const LRESULT count = SendMessageA(control, CB_GETCOUNT, 0, 0);
        Check(count == static_cast<LRESULT>(items.size()), "%d: %ld items", f.controlId, count);
        for (LRESULT i = 0; i < count && i < static_cast<LRESULT>(items.size()); ++i) {
            char item[64] = "";
            SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            Check(items[i] == item, "%d: item %ld is %s, expected %s", f.controlId, i, item,
                  items[i].c_str());
        }
        const int selection = CabrilloComboSelection(f.controlId, member);
        const LRESULT current = SendMessageA(control, CB_GETCURSEL, 0, 0);
        Check(current == selection, "%d: selection %ld, expected %d", f.controlId, current,
              selection);
        const std::string want = selection >= 0 ? items[selection] : member;
        Check(Text(control) == want, "%d: text \"%s\", expected \"%s\"", f.controlId,
              Text(control).c_str(), want.c_str());
    }
    // The same, spelt out for the cases that matter most.
    HWND band = GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_BAND);
    Check(SendMessageA(band, CB_GETCURSEL, 0, 0) == CB_ERR && Text(band) == "160M", "band 160M");
    HWND assisted = GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_ASSISTED);
    Check(SendMessageA(assisted, CB_GETCURSEL, 0, 0) == 1 && Text(assisted) == "NON-ASSISTED",
          "assisted NON-ASSISTED");
    Check(SendMessageA(GetDlgItem(dialog, IDC_CABRILLO_LOCATION), CB_GETCOUNT, 0, 0) == 64, "64 locations");
}

void PostChars(HWND control, const char* text) {
    for (const char* p = text; *p; ++p) {
        PostMessageA(control, WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
}

void PostKey(HWND control, UINT vk, UINT scanCode) {
    PostMessageA(control, WM_KEYDOWN, vk, 1 | (scanCode << 16));
    PostMessageA(control, WM_KEYUP, vk, 1 | (scanCode << 16) | 0xC0000000u);
}

// Scenarios: each drives the open dialog and ends it.

void InspectEditAndClickOk(HWND dialog) {
    CheckLayout(dialog);
    CheckFocusAndTabOrder(dialog);
    CheckShown(dialog, Prefilled());

    SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, "Chris Roe");
    SetDlgItemTextA(dialog, IDC_CABRILLO_SOAPBOX, "Line one\r\nLine two");
    SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_POWER, CB_SETCURSEL, 2, 0);  // QRP
    SendDlgItemMessageA(dialog, IDC_CABRILLO_LOCATION, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("ny"));
    SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_OVERLAY, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("ROOKIE"));
    SetDlgItemTextA(dialog, IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-TWO");  // typed into the field
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

CabrilloHeader AfterInspectEditAndClickOk() {
    CabrilloHeader h = PrefilledAfterOk();
    h.name = "Chris Roe";
    h.soapBox = "Line one\r\nLine two";
    h.categoryPower = "QRP";
    h.location = "NY";
    h.categoryOverlay = "ROOKIE";
    h.categoryOperator = "MULTI-TWO";
    return h;
}

// Enter in the soapbox makes a new line; Enter in another control is OK.
void TypeSoapBoxThenEnter(HWND dialog) {
    HWND soapBox = GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX);
    SetWindowTextA(soapBox, "");
    PostChars(soapBox, "73 de");
    PostKey(soapBox, VK_RETURN, 0x1C);
    Check(WaitFor([&] { return Text(soapBox) == "73 de\r\n"; }, 3000),
          "Enter in the soapbox: \"%s\"", Text(soapBox).c_str());
    Check(IsWindowVisible(dialog) != FALSE, "Enter in the soapbox closed the dialog");
    PostChars(soapBox, "K1ABC");
    Check(WaitFor([&] { return Text(soapBox) == "73 de\r\nK1ABC"; }, 3000),
          "second soapbox line: \"%s\"", Text(soapBox).c_str());
    HWND club = GetDlgItem(dialog, IDC_CABRILLO_CLUB);
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(club), TRUE);
    PostKey(club, VK_RETURN, 0x1C);
}

CabrilloHeader AfterTypeSoapBoxThenEnter() {
    CabrilloHeader h = PrefilledAfterOk();
    h.soapBox = "73 de\r\nK1ABC";
    return h;
}

void EditThenClickCancel(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, "not kept");
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

void EditThenEscape(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_CABRILLO_CALLSIGN, "not kept");
    PostKey(GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX), VK_ESCAPE, 0x01);
}

void EditThenClose(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_CABRILLO_CONTEST, "not kept");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

struct Scenario {
    const char* name;
    void (*drive)(HWND dialog);
    bool result;
    CabrilloHeader (*expected)();
};

const Scenario kScenarios[] = {
    {"inspect, edit, OK", InspectEditAndClickOk, true, AfterInspectEditAndClickOk},
    {"type soapbox, Enter", TypeSoapBoxThenEnter, true, AfterTypeSoapBoxThenEnter},
    {"CANCEL", EditThenClickCancel, false, Prefilled},
    {"Esc", EditThenEscape, false, Prefilled},
    {"close", EditThenClose, false, Prefilled},
};

BOOL CALLBACK CancelWindow(HWND window, LPARAM) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

DWORD WINAPI Drive(void* parameter) {
    const Scenario& scenario = *static_cast<const Scenario*>(parameter);
    HWND dialog = FindDialog(4000);
    if (!Check(dialog != nullptr, "%s: no dialog", scenario.name)) {
        EnumThreadWindows(g_dialogThread, CancelWindow, 0);
        return 0;
    }
    scenario.drive(dialog);
    if (!Check(WaitFor([&] { return !IsWindow(dialog); }, 5000), "%s: dialog still open",
               scenario.name)) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

DWORD WINAPI Watchdog(void*) {
    Sleep(25000);
    Check(false, "watchdog: the run did not end within 25 s");
    PrintSummary();
    ExitProcess(1);
}

}  // namespace

int main() {
    g_dialogThread = GetCurrentThreadId();
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));

    for (const Scenario& scenario : kScenarios) {
        CabrilloHeader header = Prefilled();
        InterlockedExchange(&g_dialogReturned, 0);
        HANDLE driver =
            CreateThread(nullptr, 0, Drive, const_cast<Scenario*>(&scenario), 0, nullptr);
        const bool result = ShowCabrilloDialog(&header);
        InterlockedExchange(&g_dialogReturned, 1);
        Check(WaitForSingleObject(driver, 10000) == WAIT_OBJECT_0, "%s: driver hangs",
              scenario.name);
        CloseHandle(driver);
        Check(result == scenario.result, "%s: returned %d", scenario.name, result);
        CheckHeader(scenario.expected(), header, scenario.name);
    }
    Check(!ShowCabrilloDialog(nullptr), "null header");

    PrintSummary();
    return g_failed == 0 ? 0 : 1;
}
