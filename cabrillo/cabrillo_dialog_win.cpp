#include "cabrillo/cabrillo_dialog.h"

#include <windows.h>

#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog_logic.h"
#include "resources/resource.h"

namespace {

// The module that holds this code and so the dialog template: Stats.dll,
// or a test program that links the resource script in itself.
HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ShowCabrilloDialog), &module);
    return module;
}

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

INT_PTR CALLBACK CabrilloDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        HeaderToControls(dialog, *reinterpret_cast<const CabrilloHeader*>(lParam));
        // Caret at the start of the soapbox rather than all of it selected.
        SetFocus(GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX));
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            LONG_PTR header = GetWindowLongPtrA(dialog, DWLP_USER);
            ControlsToHeader(dialog, reinterpret_cast<CabrilloHeader*>(header));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:  // also Esc and the close box
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

bool ShowCabrilloDialog(CabrilloHeader* header) {
    if (!header) return false;
    // Only OK writes the controls back into *header.
    return DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(IDD_CABRILLO), GetActiveWindow(),
                           CabrilloDialogProc, reinterpret_cast<LPARAM>(header)) == IDOK;
}
