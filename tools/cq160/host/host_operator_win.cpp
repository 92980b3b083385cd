#include "tools/cq160/host/host_operator.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "tools/driver/dialog_operator_win.h"

namespace {

// The Cabrillo header dialog, told from a message box by its controls.
bool IsHeaderDialog(HWND dialog) {
    return GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_OPERATOR) &&
           GetDlgItem(dialog, IDC_CABRILLO_CALLSIGN);
}

}  // namespace

struct OperatorStandIn::State {
    std::vector<DialogEdit> headerEdits;
    driver::DialogOperator op;
};

// The real dialog is on the desktop: the module's hook is not needed. The
// module's operator windows are dialogs too, and are left alone.
OperatorStandIn::OperatorStandIn(const ModuleApi&, std::vector<DialogEdit> headerEdits)
    : state_(new State) {
    state_->headerEdits = std::move(headerEdits);
    const std::vector<DialogEdit>* edits = &state_->headerEdits;
    state_->op.On(
        IsHeaderDialog,
        [edits](HWND dialog) {
            // WM_SETTEXT has been handled by the dialog's thread when the
            // call returns, so the OK posted after it finds every edit in
            // place. A combo box passes the text on to its edit field.
            for (const DialogEdit& edit : *edits) {
                SetDlgItemTextA(dialog, edit.controlId, edit.text.c_str());
            }
            driver::PressButton(dialog, IDOK);
        },
        IDOK);
    state_->op.On(
        driver::IsMessageBox,
        [](HWND box) {
            const std::string text = driver::MessageBoxText(box);
            if (!text.empty()) {
                std::fprintf(stderr, "%s: %s\n", driver::CaptionOf(box).c_str(), text.c_str());
                std::fflush(stderr);
            }
            driver::PressButton(box, IDOK);
        },
        IDOK);
}

OperatorStandIn::~OperatorStandIn() { Stop(); }

void OperatorStandIn::Start() { state_->op.Start(); }

void OperatorStandIn::Stop() { state_->op.Stop(); }
