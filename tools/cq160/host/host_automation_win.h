// The stand-in for the logging program's automation object, the one the
// module's UI thread reaches by ProgID "Harlo2.Application" through the
// running-object table and calls through IDispatch:
//   dispatch id 2   property get, no arguments: the tuned frequency (VT_R8, Hz)
//   dispatch id 8   method, one VT_I4 argument (5): the call typed in the host (VT_BSTR)
//   dispatch id 16  method, one VT_BSTR argument: a macro for the host to run
// It answers with what it was given and records every call, so that cq160
// and the Wine tests can play the host and check what the module asked.
//
// Threads: the object lives in the apartment of the thread that calls
// Register(), which must have called CoInitialize (a single-threaded
// apartment, as the host's main thread is) and must pump its messages
// while the module calls it: COM delivers the calls of other apartments as
// window messages to that thread. Every other member may be called from any
// thread (the answers and the log are guarded by a mutex).
//
// Windows only (it is a COM server); built into cq160_lib in the cross build.
#ifndef CQ160_HOST_AUTOMATION_WIN_H_
#define CQ160_HOST_AUTOMATION_WIN_H_

#include <functional>
#include <string>
#include <vector>

class HostAutomation {
public:
    HostAutomation();
    ~HostAutomation();  // revokes the object and removes the ProgID keys
    HostAutomation(const HostAutomation&) = delete;
    HostAutomation& operator=(const HostAutomation&) = delete;

    // Clears what an earlier run may have left, writes the ProgID keys
    // (Software\Classes\Harlo2.Application\CLSID under HKLM and HKCU: Wine
    // reads only the first, Windows merges both) and registers the object
    // in the running-object table from the calling thread (see above).
    // False when neither key could be written or the registration failed;
    // nothing is left registered then.
    bool Register();
    // Takes the object out of the running-object table (the keys stay until
    // the destructor). Harmless when not registered.
    void Revoke();

    void SetFrequency(double hz);           // the answer to dispatch id 2
    void SetCall(const std::string& call);  // the answer to dispatch id 8 (ANSI text)

    // One IDispatch::Invoke as it arrived: the dispatch id, the flags
    // (DISPATCH_METHOD 1, DISPATCH_PROPERTYGET 2, ...) and the arguments in
    // the caller's order as "TYPE:value" ("I4:5", "BSTR:<SP1>", "R8:1.5";
    // other types as "VT<number>").
    struct Invocation {
        long dispid;
        unsigned short flags;
        std::vector<std::string> args;
    };
    std::vector<Invocation> Invocations() const;  // every Invoke, in order
    std::vector<std::string> Macros() const;      // the texts given to dispatch id 16, in order
    void ClearLog();

private:
    class Object;
    Object* object_;         // owned through its COM reference count
    unsigned long cookie_;   // of the running-object table; 0 when not registered
    bool keysWritten_;
};

// Pumps the calling thread's messages until pred() is true or timeoutMs
// milliseconds have passed; returns pred(). A single-threaded apartment
// serves calls from other apartments only while it does this.
bool PumpUntil(const std::function<bool()>& pred, int timeoutMs);

#endif  // CQ160_HOST_AUTOMATION_WIN_H_
