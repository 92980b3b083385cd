#include "tools/cq160/host_operator.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "resources/resource.h"

namespace {

// The control that holds a message box's text, on Windows and in Wine.
constexpr int kMessageBoxTextId = 0xFFFF;

struct Scan {
    DWORD process;
    std::set<HWND>* answered;
    const std::vector<DialogEdit>* headerEdits;
};

// The Cabrillo header dialog, told from a message box by its controls.
bool IsHeaderDialog(HWND dialog) {
    return GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_OPERATOR) &&
           GetDlgItem(dialog, IDC_CABRILLO_CALLSIGN);
}

// Types the edits into the dialog. The text goes to each control by
// WM_SETTEXT, which the dialog's thread has handled when the call returns,
// so the OK posted after it finds every edit in place. A combo box passes
// the text on to its edit field.
void EnterHeaderEdits(HWND dialog, const std::vector<DialogEdit>& edits) {
    for (const DialogEdit& edit : edits) {
        SetDlgItemTextA(dialog, edit.controlId, edit.text.c_str());
    }
}

BOOL CALLBACK AnswerDialog(HWND window, LPARAM param) {
    Scan* scan = reinterpret_cast<Scan*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != scan->process || !IsWindowVisible(window)) return TRUE;
    char className[16] = {0};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;  // the dialog class
    // The module's operator windows are dialogs too, and must stay up.
    const bool messageBox = GetDlgItem(window, kMessageBoxTextId) != nullptr;
    if (!messageBox && !IsHeaderDialog(window)) return TRUE;
    if (scan->answered->insert(window).second) {
        // Shown once: the box may need a moment to take the OK.
        char text[4096] = {0};
        if (!messageBox) {
            EnterHeaderEdits(window, *scan->headerEdits);
        } else if (GetDlgItemTextA(window, kMessageBoxTextId, text, sizeof text) > 0) {
            char caption[256] = {0};
            GetWindowTextA(window, caption, sizeof caption);
            std::fprintf(stderr, "%s: %s\n", caption, text);
            std::fflush(stderr);
        }
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    return TRUE;
}

}  // namespace

struct OperatorStandIn::State {
    std::vector<DialogEdit> headerEdits;
    std::atomic<bool> running{false};
    std::thread watcher;
    std::set<HWND> answered;
};

// The real dialog is on the desktop: the module's hook is not needed.
OperatorStandIn::OperatorStandIn(const ModuleApi&, std::vector<DialogEdit> headerEdits)
    : state_(new State) {
    state_->headerEdits = std::move(headerEdits);
}

OperatorStandIn::~OperatorStandIn() { Stop(); }

void OperatorStandIn::Start() {
    if (state_->running.exchange(true)) return;
    state_->watcher = std::thread([this] {
        Scan scan{GetCurrentProcessId(), &state_->answered, &state_->headerEdits};
        while (state_->running) {
            // Window handles are reused: forget the windows that are gone.
            for (auto it = state_->answered.begin(); it != state_->answered.end();) {
                it = IsWindow(*it) ? std::next(it) : state_->answered.erase(it);
            }
            EnumWindows(AnswerDialog, reinterpret_cast<LPARAM>(&scan));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
}

void OperatorStandIn::Stop() {
    if (!state_->running.exchange(false)) return;
    state_->watcher.join();
}
