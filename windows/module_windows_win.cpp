#include "windows/module_windows_win.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "resources/resource.h"
#include "windows/entity_pages.h"
#include "windows/info_panel.h"
#include "windows/mem_dc_win.h"
#include "windows/placement.h"
#include "windows/window_thread.h"

std::atomic<HWND> g_mainWindowHandle{nullptr};

namespace {

constexpr COLORREF kBackground = RGB(255, 250, 198);
// The State/Province and CQ-zone windows draw text on a slightly other shade.
constexpr COLORREF kStatProvTextBackground = RGB(255, 240, 198);

// The module keeps its texts as Windows-1251 bytes (the host and the files
// see them so); on its windows they go as Unicode, converted from that code
// page whatever the system's own is, so the Russian texts read right on an
// English Windows too.
std::wstring FromWindows1251(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(1251, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0) MultiByteToWideChar(1251, 0, text.data(), length, &wide[0], needed);
    return wide;
}

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

ScreenRect WindowRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

// Only the boxes whose state changes are set: every update transfers all
// flags of some 400 boxes, and each box set is redrawn at once.
void CheckBoxes(HWND page, const EntityPage& table, const std::vector<int>& flags) {
    for (const EntityBox& box : table.boxes) {
        const std::size_t flag = static_cast<std::size_t>(box.flagIndex);
        const UINT wanted = flag < flags.size() && flags[flag] != 0 ? BST_CHECKED : BST_UNCHECKED;
        if (IsDlgButtonChecked(page, box.controlId) != wanted) {
            CheckDlgButton(page, box.controlId, wanted);
        }
    }
}

// Text background of a window's controls; 0 = the window colours nothing.
COLORREF TextBackground(WindowKind kind) {
    switch (kind) {
    case WindowKind::kStatProv:
    case WindowKind::kZone: return kStatProvTextBackground;
    default: return kBackground;
    }
}

// A page of the extended window: a child dialog that only colours itself.
class PageDialog : public Dialog {
public:
    PageDialog() : brush_(CreateSolidBrush(kBackground)) {}
    ~PageDialog() override { DeleteObject(brush_); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) override {
        if (message == WM_INITDIALOG) {
            *result = TRUE;
            return true;
        }
        if (IsCtlColor(message)) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, kBackground);
            *result = reinterpret_cast<INT_PTR>(brush_);
            return true;
        }
        return false;
    }

private:
    HBRUSH brush_;
};

// The State/Province window and the CQ-zone window: initialisation and the
// common messages only; clicks on their boxes and buttons change nothing.
class ChildDialog : public ModuleDialog {
public:
    using ModuleDialog::ModuleDialog;

protected:
    bool OnOwnMessage(UINT message, WPARAM, LPARAM, INT_PTR* result) override {
        if (message != WM_INITDIALOG) return false;
        InitChildWindow(*this, ui_->settings, *ui_->state);
        *result = TRUE;
        return true;
    }
};

// The single multiplier window: the info panel fills its client area.
class MultiplierDialog : public ModuleDialog {
public:
    explicit MultiplierDialog(UiContext* ui) : ModuleDialog(WindowKind::kMultiplier, ui) {}

protected:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
        switch (message) {
        case WM_INITDIALOG:
            InitChildWindow(*this, ui_->settings, *ui_->state);
            *result = TRUE;
            return true;
        case WM_SIZE: {
            HWND panel = GetDlgItem(hwnd(), IDC_MULTIPLIER_PANEL);
            RECT client;
            if (panel && GetClientRect(hwnd(), &client)) {
                MoveWindow(panel, client.left + 1, client.top + 1, client.right - 4,
                           client.bottom - 4, TRUE);
            }
            return false;
        }
        case WM_DRAWITEM:
            if (wParam != IDC_MULTIPLIER_PANEL) return false;
            DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            *result = TRUE;
            return true;
        }
        return false;
    }

private:
    void DrawPanel(const DRAWITEMSTRUCT& item) {
        PanelData data;
        data.currentCall = ui_->state->currentCall;
        data.currentBand = ui_->state->currentBand;
        {
            MutexLock lock(ui_->data.lock);
            data.row0 = ui_->data.store->prevQsoRows[0];
            if (data.currentBand >= 0 && data.currentBand < kBandSlots) {
                data.countries = ui_->data.store->bandCountries[data.currentBand];
            }
        }
        const RECT& r = item.rcItem;
        const std::vector<DrawOp> ops =
            DrawInfoPanel(PanelRect{r.left, r.top, r.right, r.bottom}, data);
        CMemDC memory(item.hDC);
        HDC dc = memory.dc();
        for (const DrawOp& op : ops) {
            switch (op.kind) {
            case DrawOp::kFill: {
                RECT fill = {op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
                HBRUSH brush = CreateSolidBrush(op.colour);
                FillRect(dc, &fill, brush);
                DeleteObject(brush);
                break;
            }
            case DrawOp::kTransparent: SetBkMode(dc, TRANSPARENT); break;
            case DrawOp::kText: {
                const std::wstring text = FromWindows1251(op.text);
                TextOutW(dc, op.x, op.y, text.c_str(), static_cast<int>(text.size()));
                break;
            }
            }
        }
    }
};

// The extended multiplier window: six continent pages under a tab control.
class MultiplierExtDialog : public ModuleDialog {
public:
    explicit MultiplierExtDialog(UiContext* ui) : ModuleDialog(WindowKind::kMultiplierExt, ui) {}
    // The pages are child windows: destroy them while their objects live.
    ~MultiplierExtDialog() override {
        if (hwnd()) DestroyWindow(hwnd());
    }

    void TransferFlags(int page, const std::vector<int>& flags) override {
        if (page < 0 || page >= kContinentPages || !pages_[page].hwnd()) return;
        CheckBoxes(pages_[page].hwnd(), ContinentPages()[page], flags);
    }

protected:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
        switch (message) {
        case WM_INITDIALOG:
            Init();
            *result = TRUE;
            return true;
        case WM_SHOWWINDOW:
            // Every showing starts on the "   EU " page.
            if (wParam) SelectPage(0);
            return false;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_MULTIPLIER_EXT_TABS && header->code == TCN_SELCHANGE) {
                SelectPage(static_cast<int>(SendMessageA(Tabs(), TCM_GETCURFOCUS, 0, 0)));
            }
            return false;
        }
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<INT_PTR>(
                LoadImageA(ThisModule(), MAKEINTRESOURCEA(IDI_STATS), IMAGE_ICON, 0, 0, LR_SHARED));
            return true;
        }
        return false;
    }

private:
    HWND Tabs() const { return GetDlgItem(hwnd(), IDC_MULTIPLIER_EXT_TABS); }

    void Init() {
        InitChildWindow(*this, ui_->settings, *ui_->state);
        RECT tabs = {};
        GetWindowRect(Tabs(), &tabs);
        pageLeft_ = 13;
        pageTop_ = 44;
        pageWidth_ = (tabs.right - tabs.left) - 7;
        pageHeight_ = (tabs.bottom - tabs.top) - 38;
        for (int i = 0; i < kContinentPages; ++i) {
            pages_[i].CreateModeless(ContinentPages()[i].templateId, hwnd());
        }
        SelectPage(0);
        for (int i = 0; i < kContinentPages; ++i) {
            std::wstring text = FromWindows1251(ContinentPages()[i].tabText);
            TCITEMW item = {};
            item.mask = TCIF_TEXT;
            item.pszText = &text[0];
            SendMessageW(Tabs(), TCM_INSERTITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
        }
    }

    void SelectPage(int index) {
        if (index < 0 || index >= kContinentPages) return;
        for (int i = 0; i < kContinentPages; ++i) {
            HWND page = pages_[i].hwnd();
            if (!page) continue;
            if (i == index) {
                SetWindowPos(page, HWND_TOP, pageLeft_, pageTop_, pageWidth_, pageHeight_,
                             SWP_SHOWWINDOW);
                SendMessageA(Tabs(), TCM_SETCURSEL, static_cast<WPARAM>(i), 0);
            } else {
                ShowWindow(page, SW_HIDE);
            }
        }
    }

    std::array<PageDialog, kContinentPages> pages_;
    int pageLeft_ = 13;
    int pageTop_ = 44;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
};

}  // namespace

ModuleDialog::ModuleDialog(WindowKind kind, UiContext* ui) : ui_(ui), kind_(kind) {
    if (kind != WindowKind::kMultiplier) brush_ = CreateSolidBrush(kBackground);
}

ModuleDialog::~ModuleDialog() {
    if (hwnd()) DestroyWindow(hwnd());
    if (brush_) DeleteObject(brush_);
}

void ModuleDialog::SetCaption(const std::string& text) {
    SetWindowTextW(hwnd(), FromWindows1251(text).c_str());
}

void ModuleDialog::SetItemText(int controlId, const std::string& text) {
    SetDlgItemTextW(hwnd(), controlId, FromWindows1251(text).c_str());
}

void ModuleDialog::SetCheck(int controlId, bool checked) {
    CheckDlgButton(hwnd(), controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ModuleDialog::TransferFlags(int page, const std::vector<int>& flags) {
    if (kind_ == WindowKind::kStatProv && page == 0) CheckBoxes(hwnd(), StatProvPage(), flags);
}

void ModuleDialog::MoveTo(int x, int y) {
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModuleDialog::MakeTopmost() {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ModuleDialog::SetIcons(bool big, bool small) {
    if (big) {
        HANDLE icon = LoadImageA(ThisModule(), MAKEINTRESOURCEA(IDI_STATS), IMAGE_ICON, 32, 32,
                                 LR_SHARED);
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }
    if (small) {
        HANDLE icon = LoadImageA(ThisModule(), MAKEINTRESOURCEA(IDI_STATS), IMAGE_ICON, 16, 16,
                                 LR_SHARED);
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void ModuleDialog::DisableClose() {
    EnableMenuItem(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

void ModuleDialog::RepaintPanel() {
    if (HWND panel = GetDlgItem(hwnd(), IDC_MULTIPLIER_PANEL)) InvalidateRect(panel, nullptr, FALSE);
}

void ModuleDialog::OnSetCursor() {
    SavePlacement(kind_, WindowRectOf(hwnd()), ui_->settings, *ui_->state);
}

bool ModuleDialog::OnOwnMessage(UINT, WPARAM, LPARAM, INT_PTR*) { return false; }

bool ModuleDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    if (brush_ && IsCtlColor(message)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, TextBackground(kind_));
        *result = reinterpret_cast<INT_PTR>(brush_);
        return true;
    }
    if (message == WM_SETCURSOR) {
        OnSetCursor();
        return false;  // the system sets the cursor
    }
    if (OnOwnMessage(message, wParam, lParam, result)) return true;
    if (message == WM_COMMAND && kind_ != WindowKind::kMain &&
        (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        // Close box, Enter or Escape: the window is hidden; the module keeps it.
        ShowWindow(hwnd(), SW_HIDE);
        *result = TRUE;
        return true;
    }
    return false;
}

MainDialog::MainDialog(UiContext* ui)
    : ModuleDialog(WindowKind::kMain, ui),
      logic_(*this, *this, host_, ui->settings, ui->data, *ui->state) {}

bool MainDialog::OnOwnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) {
    switch (message) {
    case WM_INITDIALOG:
        g_mainWindowHandle = hwnd();
        logic_.OnInitDialog();
        *result = TRUE;
        return true;
    case WM_NCDESTROY:
        g_mainWindowHandle = nullptr;  // later posts fail and are dropped
        return false;
    case kWmCallInfo:
        logic_.OnCallInfo();
        *result = 0;
        return true;
    case kWmStopWindows:
        logic_.CloseChildren();
        EndDialog(hwnd(), IDCANCEL);
        *result = TRUE;
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return false;
        switch (LOWORD(wParam)) {
        case IDC_SETUP_CW: logic_.OnModeCw(); return true;
        case IDC_SETUP_SSB: logic_.OnModeSsb(); return true;
        case IDC_SETUP_STAT_PROV: logic_.OnToggleView(WindowKind::kStatProv); return true;
        case IDC_SETUP_MULTIPLIER: logic_.OnToggleView(WindowKind::kMultiplier); return true;
        case IDC_SETUP_MULTIPLIER_EXT: logic_.OnToggleView(WindowKind::kMultiplierExt); return true;
        case IDC_SETUP_NOT_WORKED_ZONE: logic_.OnToggleView(WindowKind::kZone); return true;
        case IDC_SETUP_ON_TOP: logic_.OnWindowOnTop(); return true;
        case IDC_SETUP_NEW_STYLE:
        case IDC_SETUP_CALL_DETAILS: return true;
        case IDOK:
        case IDCANCEL:
            // Enter, Escape, or WM_CLOSE through the default handling: the
            // modal loop ends and the UI thread with it.
            EndDialog(hwnd(), LOWORD(wParam));
            return true;
        }
        return false;
    }
    return false;
}

void MainDialog::OnSetCursor() { logic_.OnSetCursor(WindowRectOf(hwnd())); }

ModuleWindow* MainDialog::OpenChild(WindowKind kind) {
    std::unique_ptr<ModuleDialog> window;
    switch (kind) {
    case WindowKind::kMultiplier: window = std::make_unique<MultiplierDialog>(ui_); break;
    case WindowKind::kMultiplierExt: window = std::make_unique<MultiplierExtDialog>(ui_); break;
    case WindowKind::kStatProv:
    case WindowKind::kZone: window = std::make_unique<ChildDialog>(kind, ui_); break;
    case WindowKind::kMain: return nullptr;
    }
    if (!window->CreateModeless(KindInfo(kind).templateId, nullptr)) return nullptr;
    ShowWindow(window->hwnd(), SW_SHOW);
    return window.release();
}

void MainDialog::CloseChild(ModuleWindow* window) {
    auto* dialog = static_cast<ModuleDialog*>(window);
    if (dialog->hwnd()) SendMessageA(dialog->hwnd(), WM_CLOSE, 0, 0);
    delete dialog;  // destroys the window
}

void MainDialog::PostCallInfo() {
    if (hwnd()) PostMessageA(hwnd(), kWmCallInfo, 0, 0);
}

void MainDialog::Shutdown() {
    logic_.CloseChildren();
    host_.Detach();
}
