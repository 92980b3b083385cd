// cq160 check --windows: cq160 plays the host while the module's operator
// windows are up. It serves the host's automation object
// "Harlo2.Application" (host_automation_win.h) with the typed call and the
// tuned frequency, in the apartment of the thread that starts it, which is
// the thread that calls the module's exports, as in the host; it keeps the
// windows up, serving the module's UI thread, for as long as asked, and
// then ends the contest window as the operator would (Escape), which closes
// the module's other windows with it.
//
// Every member must be called on the thread that called Start(). Windows
// only: elsewhere the module opens no window and Start() says so.
#ifndef CQ160_HOST_WINDOWS_H_
#define CQ160_HOST_WINDOWS_H_

#include <memory>
#include <string>
#include <vector>

class WindowedHost {
public:
    WindowedHost();
    ~WindowedHost();  // Close(), then the object is revoked
    WindowedHost(const WindowedHost&) = delete;
    WindowedHost& operator=(const WindowedHost&) = delete;

    // Enters a single-threaded apartment and registers the automation
    // object answering call and frequencyHz. Before the reset that opens
    // the windows. False with *error when it cannot.
    bool Start(const std::string& call, double frequencyHz, std::string* error);

    // After a call check: serves the UI thread until its update has asked
    // for the call and the frequency (and so has filled the windows), at
    // most timeoutMs. False when no update came.
    bool WaitForUpdate(int timeoutMs);

    // The captions of the module's windows on the screen, in the system's
    // z order.
    std::vector<std::string> ShownWindows() const;

    // Keeps the windows up and served until a line (Enter) arrives on
    // standard input, holdSeconds pass (when >= 0; then the end of standard
    // input does not end the wait, a line still does) or the operator ends
    // the contest window.
    void Hold(int holdSeconds);

    // Ends the contest window as Escape does and serves the UI thread until
    // it has ended (at most a few seconds). Harmless when it has ended.
    void Close();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// True in the Windows build, where the module opens its operator windows.
bool ModuleOpensWindows();

#endif  // CQ160_HOST_WINDOWS_H_
