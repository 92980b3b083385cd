// The operator at the module's modal windows, played by a thread of the
// program that drives the module (cq160.exe, the test host, the Wine
// tests) while its own thread is blocked in an export: it watches this
// process's visible dialogs and message boxes and answers each one that a
// rule matches, once, with that rule's action. A rule may also press a
// button again on every look while the window stays (a box may need a
// moment before it takes the press). Windows only; header only.
//
// The actions run on the watcher thread; what they share with the caller
// must be safe to share (they end before Stop() returns).
#ifndef STATS_TOOLS_DRIVER_DIALOG_OPERATOR_WIN_H_
#define STATS_TOOLS_DRIVER_DIALOG_OPERATOR_WIN_H_

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace driver {

// The control that holds a message box's text, on Windows and in Wine.
constexpr int kMessageBoxTextId = 0xFFFF;

inline std::string CaptionOf(HWND window) {
    char caption[256] = {0};
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

inline bool IsMessageBox(HWND window) { return GetDlgItem(window, kMessageBoxTextId) != nullptr; }

inline std::string MessageBoxText(HWND box) {
    char text[4096] = {0};
    GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
    return text;
}

// A button press as the dialog's thread sees a click (posted, so the
// watcher never waits for that thread).
inline void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class DialogOperator {
public:
    using Match = std::function<bool(HWND)>;
    using Action = std::function<void(HWND)>;

    DialogOperator() = default;
    ~DialogOperator() { Stop(); }
    DialogOperator(const DialogOperator&) = delete;
    DialogOperator& operator=(const DialogOperator&) = delete;

    // Before Start(): the first rule that matches a window answers it.
    // pressAgain: a button id pressed on every later look while the window
    // stays, or 0.
    void On(Match match, Action action, int pressAgain = 0) {
        rules_.push_back(Rule{std::move(match), std::move(action), pressAgain});
    }
    void OnCaption(const std::string& caption, Action action, int pressAgain = 0) {
        On([caption](HWND w) { return CaptionOf(w) == caption; }, std::move(action), pressAgain);
    }

    // Starts watching (every 10 ms); returns at once.
    void Start() {
        if (running_.exchange(true)) return;
        watcher_ = std::thread([this] {
            while (running_) {
                Look();
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }

    // Stops watching; returns once no action runs.
    void Stop() {
        if (!running_.exchange(false)) return;
        watcher_.join();
    }

    // How many windows were answered so far.
    int Answered() const { return answeredCount_; }

    // Waits until n windows were answered or ms milliseconds passed.
    bool WaitForAnswers(int n, int ms) const {
        for (int waited = 0; answeredCount_ < n && waited < ms; waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return answeredCount_ >= n;
    }

private:
    struct Rule {
        Match match;
        Action action;
        int pressAgain;
    };
    struct Scan {
        DialogOperator* self;
        DWORD process;
    };

    void Look() {
        // Window handles are reused: forget the windows that are gone.
        for (auto it = answered_.begin(); it != answered_.end();) {
            it = IsWindow(it->first) ? std::next(it) : answered_.erase(it);
        }
        Scan scan{this, GetCurrentProcessId()};
        EnumWindows(&DialogOperator::Visit, reinterpret_cast<LPARAM>(&scan));
    }

    static BOOL CALLBACK Visit(HWND window, LPARAM param) {
        Scan* scan = reinterpret_cast<Scan*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != scan->process || !IsWindowVisible(window)) return TRUE;
        char className[16] = {0};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770") return TRUE;  // dialogs and message boxes
        scan->self->Answer(window);
        return TRUE;
    }

    void Answer(HWND window) {
        const auto done = answered_.find(window);
        if (done != answered_.end()) {
            if (done->second) PressButton(window, done->second);
            return;
        }
        for (const Rule& rule : rules_) {
            if (!rule.match(window)) continue;
            answered_.emplace(window, rule.pressAgain);
            rule.action(window);
            ++answeredCount_;
            return;
        }
    }

    std::vector<Rule> rules_;
    std::map<HWND, int> answered_;  // watcher thread only: window, button to press again
    std::atomic<bool> running_{false};
    std::atomic<int> answeredCount_{0};
    std::thread watcher_;
};

}  // namespace driver

#endif  // STATS_TOOLS_DRIVER_DIALOG_OPERATOR_WIN_H_
