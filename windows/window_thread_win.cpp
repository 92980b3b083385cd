// The UI thread on Windows. It holds its own reference to the module from
// its start and gives it up as its very last step (FreeLibraryAndExitThread),
// so the host's FreeLibrary never unmaps code that the thread still runs and
// never has to wait for it: with a window open FreeLibrary returns at once
// and the windows stay until the operator ends the main window (Enter or
// Escape), when the module unloads. On process exit Windows has ended the
// thread before the module's unload runs, so nothing waits there either.
#include "windows/window_thread.h"

#include <windows.h>
#include <commctrl.h>

#include <atomic>

#include "resources/resource.h"
#include "windows/module_windows_win.h"

namespace {

// From StartWindowThread until the thread has freed its window objects.
std::atomic<bool> g_threadRunning{false};
// The main window object while it exists (set and cleared by the UI thread).
std::atomic<MainDialog*> g_mainWindow{nullptr};
// Host thread only: the running thread, kept for StopWindowThread's wait.
HANDLE g_thread = nullptr;
// Written by the host thread before the thread starts, read by the thread.
ModuleData g_threadData;

// Bound of StopWindowThread's wait. Closing the windows takes a few
// milliseconds; the UI thread may be inside a call into the host, which the
// wait serves by pumping.
constexpr DWORD kStopWaitMs = 5000;

DWORD WINAPI WindowThreadProc(LPVOID moduleReference) {
    HMODULE module = static_cast<HMODULE>(moduleReference);
    if (g_mainWindow) FreeLibraryAndExitThread(module, 1);
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        UiContext ui;
        ui.data = g_threadData;
        auto* main = new MainDialog(&ui);
        g_mainWindow = main;
        main->RunModal(IDD_SETUP_CQ_WW, nullptr);
        // However the window ended (shutdown, Enter, Escape), the child
        // windows go with it and the next thread starts with none.
        main->Shutdown();
        g_mainWindow = nullptr;
        delete main;
    }
    g_threadRunning = false;
    FreeLibraryAndExitThread(module, 0);
    return 0;
}

// Waits for the thread while serving the calling thread's messages: the UI
// thread's calls into the host's apartment (and its last release of the
// host's object) are answered by this very thread.
bool WaitPumping(HANDLE thread, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        const DWORD wait =
            MsgWaitForMultipleObjects(1, &thread, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0) return true;
        if (wait == WAIT_FAILED) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace

bool MainWindowExists() { return g_threadRunning; }

void StartWindowThread(const ModuleData& data) {
    if (g_threadRunning) StopWindowThread();
    // A thread that outlived the wait still owns the windows: no second one.
    if (g_threadRunning) return;
    if (g_thread) CloseHandle(g_thread);
    g_thread = nullptr;

    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&WindowThreadProc), &module)) {
        return;
    }
    g_threadData = data;
    g_threadRunning = true;
    g_thread = CreateThread(nullptr, 0, WindowThreadProc, module, 0, nullptr);
    if (!g_thread) {
        g_threadRunning = false;
        FreeLibrary(module);
    }
}

void StopWindowThread() {
    if (!g_threadRunning || !g_thread) return;
    // The window may still be on its way: post once it exists.
    const DWORD start = GetTickCount();
    bool posted = false;
    while (!posted && g_threadRunning && GetTickCount() - start < kStopWaitMs) {
        HWND window = g_mainWindowHandle;
        if (window && PostMessageA(window, kWmStopWindows, 0, 0)) {
            posted = true;
        } else {
            WaitPumping(g_thread, 20);
        }
    }
    const DWORD elapsed = GetTickCount() - start;
    // When the wait runs out the thread is left running with its windows and
    // its own module reference; it ends when its window does, and until then
    // no other UI thread is started.
    if (WaitPumping(g_thread, elapsed < kStopWaitMs ? kStopWaitMs - elapsed : 0)) {
        CloseHandle(g_thread);
        g_thread = nullptr;
    }
}

void PostCallInfoRefresh() {
    if (HWND window = g_mainWindowHandle) PostMessageA(window, kWmCallInfo, 0, 0);
}
