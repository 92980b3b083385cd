#include "cabrillo/cabrillo_dialog.h"

#include <windows.h>

#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog_logic.h"
#include "platform/dialog_win.h"
#include "resources/resource.h"

namespace {

std::string ControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void FillCombo(HWND dialog, int controlId, const std::string& text) {
    HWND combo = GetDlgItem(dialog, controlId);
    for (const std::string& item : CabrilloComboItems(controlId)) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    const int selection = CabrilloComboSelection(controlId, text);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    if (selection < 0) SetWindowTextA(combo, text.c_str());
}

void HeaderToControls(HWND dialog, const CabrilloHeader& header) {
    for (const CabrilloDialogField& field : CabrilloDialogFields()) {
        const std::string& text = header.*field.member;
        if (field.kind == CabrilloControlKind::kCombo) {
            FillCombo(dialog, field.controlId, text);
        } else if (field.controlId == IDC_CABRILLO_SOAPBOX) {
            SetDlgItemTextA(dialog, field.controlId, WithCrLfLineBreaks(text).c_str());
        } else {
            SetDlgItemTextA(dialog, field.controlId, text.c_str());
        }
    }
}

void ControlsToHeader(HWND dialog, CabrilloHeader* header) {
    for (const CabrilloDialogField& field : CabrilloDialogFields()) {
        header->*field.member = ControlText(dialog, field.controlId);
    }
}

// Filled from the header at initialisation; OK copies the controls back.
class CabrilloDialog : public Dialog {
public:
    explicit CabrilloDialog(CabrilloHeader* header) : header_(header) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) override {
        switch (message) {
        case WM_INITDIALOG:
            HeaderToControls(hwnd(), *header_);
            // Caret at the start of the soapbox rather than all of it selected.
            SetFocus(GetDlgItem(hwnd(), IDC_CABRILLO_SOAPBOX));
            *result = FALSE;
            return true;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
                ControlsToHeader(hwnd(), header_);
                EndDialog(hwnd(), IDOK);
                *result = TRUE;
                return true;
            case IDCANCEL:  // also Esc and the close box
                EndDialog(hwnd(), IDCANCEL);
                *result = TRUE;
                return true;
            }
            break;
        }
        return false;
    }

private:
    CabrilloHeader* header_;
};

}  // namespace

bool ShowCabrilloDialog(CabrilloHeader* header) {
    if (!header) return false;
    CabrilloDialog dialog(header);
    return dialog.RunModal(IDD_CABRILLO, GetActiveWindow()) == IDOK;
}
