#include "tools/cq160/host_operator.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <thread>

namespace {

// The control that holds a message box's text, on Windows and in Wine.
constexpr int kMessageBoxTextId = 0xFFFF;

struct Scan {
    DWORD process;
    std::set<HWND>* answered;
};

BOOL CALLBACK AnswerDialog(HWND window, LPARAM param) {
    Scan* scan = reinterpret_cast<Scan*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != scan->process || !IsWindowVisible(window)) return TRUE;
    char className[16] = {0};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;  // the dialog class
    if (scan->answered->insert(window).second) {
        // Shown once: the box may need a moment to take the OK.
        char text[4096] = {0};
        if (GetDlgItemTextA(window, kMessageBoxTextId, text, sizeof text) > 0) {
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
    std::atomic<bool> running{false};
    std::thread watcher;
    std::set<HWND> answered;
};

OperatorStandIn::OperatorStandIn() : state_(new State) {}

OperatorStandIn::~OperatorStandIn() { Stop(); }

void OperatorStandIn::Start() {
    if (state_->running.exchange(true)) return;
    state_->watcher = std::thread([this] {
        Scan scan{GetCurrentProcessId(), &state_->answered};
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
