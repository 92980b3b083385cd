#include "tools/cq160/host/host_windows.h"

#include <windows.h>

#include <atomic>
#include <climits>

#include "resources/resource.h"
#include "tools/cq160/host/host_automation_win.h"

namespace {

// Set by the thread that reads standard input: one per process, since a
// read cannot be called off and the thread may outlive every WindowedHost
// (it ends with the process).
std::atomic<bool> g_lineRead{false};
std::atomic<bool> g_inputEnded{false};
std::atomic<bool> g_readerStarted{false};

DWORD WINAPI ReadInput(LPVOID) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    for (;;) {
        char c = 0;
        DWORD read = 0;
        if (!ReadFile(input, &c, 1, &read, nullptr) || read == 0) {
            g_inputEnded = true;
            return 0;
        }
        if (c == '\n' || c == '\r') {
            g_lineRead = true;
            return 0;
        }
    }
}

void StartReadingInput() {
    if (g_readerStarted.exchange(true)) return;
    HANDLE thread = CreateThread(nullptr, 0, ReadInput, nullptr, 0, nullptr);
    if (thread) {
        CloseHandle(thread);
    } else {
        g_inputEnded = true;
    }
}

struct Search {
    DWORD process;
    HWND found;
};

// The module's contest window: this process's top-level window with the
// weekend boxes.
BOOL CALLBACK FindContestWindow(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && GetDlgItem(window, IDC_SETUP_CW) &&
        GetDlgItem(window, IDC_SETUP_SSB)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ContestWindow() {
    Search search{GetCurrentProcessId(), nullptr};
    EnumWindows(FindContestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Captions {
    DWORD process;
    std::vector<std::string>* captions;
};

BOOL CALLBACK AddCaption(HWND window, LPARAM param) {
    Captions* list = reinterpret_cast<Captions*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != list->process || !IsWindowVisible(window)) return TRUE;
    char caption[256] = "";
    if (GetWindowTextA(window, caption, sizeof caption) > 0) list->captions->push_back(caption);
    return TRUE;
}

int CountOf(const HostAutomation& host, long dispid) {
    int n = 0;
    for (const HostAutomation::Invocation& call : host.Invocations()) n += call.dispid == dispid;
    return n;
}

constexpr long kGetFrequency = 2;  // the last host call of the module's update
constexpr int kCloseWaitMs = 5000;
constexpr int kShowWaitMs = 5000;

}  // namespace

struct WindowedHost::State {
    bool comEntered = false;
    HostAutomation* host = nullptr;  // owned; created by Start
    int frequencyAsked = 0;          // GetFrequency calls served by the last wait
};

WindowedHost::WindowedHost() : state_(new State) {}

WindowedHost::~WindowedHost() {
    Close();
    delete state_->host;  // revokes the object
    if (state_->comEntered) CoUninitialize();
}

bool WindowedHost::Start(const std::string& call, double frequencyHz, std::string* error) {
    if (state_->host) return true;
    // The host's thread is a single-threaded apartment: the UI thread's
    // calls arrive as messages that this thread serves while it pumps.
    state_->comEntered = SUCCEEDED(CoInitialize(nullptr));
    state_->host = new HostAutomation;
    if (!state_->host->Register()) {
        *error = "cannot register the host's automation object Harlo2.Application";
        return false;
    }
    state_->host->SetCall(call);
    state_->host->SetFrequency(frequencyHz);
    return true;
}

bool WindowedHost::WaitForUpdate(int timeoutMs) {
    if (!state_->host) return false;
    const HostAutomation& host = *state_->host;
    const int before = state_->frequencyAsked;
    const bool updated = PumpUntil([&] { return CountOf(host, kGetFrequency) > before; }, timeoutMs);
    // The rest of the update: a "<SP1>" macro, the windows drawn. The
    // contest window's template is not visible: its modal loop shows it
    // when the UI thread's queue first runs empty, which on a loaded
    // machine can come after the update.
    PumpUntil([] { return false; }, 200);
    PumpUntil(
        [] {
            HWND window = ContestWindow();
            return window && IsWindowVisible(window);
        },
        kShowWaitMs);
    state_->frequencyAsked = CountOf(host, kGetFrequency);
    return updated;
}

std::vector<std::string> WindowedHost::ShownWindows() const {
    std::vector<std::string> captions;
    Captions list{GetCurrentProcessId(), &captions};
    EnumWindows(AddCaption, reinterpret_cast<LPARAM>(&list));
    return captions;
}

void WindowedHost::Hold(int holdSeconds) {
    if (!state_->host) return;
    StartReadingInput();
    const bool timed = holdSeconds >= 0;
    PumpUntil(
        [timed] {
            return g_lineRead || (!timed && g_inputEnded) || !ContestWindow();
        },
        timed ? holdSeconds * 1000 : INT_MAX);
}

void WindowedHost::Close() {
    HWND window = ContestWindow();
    if (!window) return;
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, GetWindowThreadProcessId(window, nullptr));
    // Escape: the contest window ends, its child windows with it, and then
    // the UI thread, whose last calls (releasing the host object) this
    // thread serves while it waits.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (thread) {
        PumpUntil([thread] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; },
                  kCloseWaitMs);
        CloseHandle(thread);
    } else {
        PumpUntil([] { return ContestWindow() == nullptr; }, kCloseWaitMs);
    }
}

bool ModuleOpensWindows() { return true; }
