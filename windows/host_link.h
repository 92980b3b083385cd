// The module's link to the host's automation object ("Harlo2.Application"),
// late-bound: three dispatch ids, nothing else. Attached once, when the
// main window initialises, and kept for the life of that window. Without an
// object every call does nothing. UI thread only; every call waits for the
// host's thread, so never call one while holding the module lock.
#ifndef STATS_WINDOWS_HOST_LINK_H_
#define STATS_WINDOWS_HOST_LINK_H_

#include <string>

class HostLink {
public:
    virtual ~HostLink() = default;

    // Looks the running host object up once; failures leave it detached.
    virtual void Attach() = 0;
    virtual bool Attached() const = 0;
    // Dispatch id 2, property get: the host's frequency in Hz; 0 detached.
    virtual double GetFrequency() = 0;
    // Dispatch id 8, method with one long: with 5, the call typed in the
    // host, in the thread's ANSI code page; "" detached.
    virtual std::string GetField(long index) = 0;
    // Dispatch id 16, method with one string: a host macro such as "<SP1>".
    virtual void RunMacro(const std::string& macro) = 0;
};

#endif  // STATS_WINDOWS_HOST_LINK_H_
