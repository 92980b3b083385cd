// The host link over the host's IDispatch ("Harlo2.Application"), found in
// the running-object table. UI thread only: Attach initialises COM for the
// thread (single-threaded apartment) and Detach, at the window's end,
// releases the object and uninitialises COM. Every call waits for the
// host's thread to serve it.
#ifndef STATS_WINDOWS_HOST_LINK_WIN_H_
#define STATS_WINDOWS_HOST_LINK_WIN_H_

#include <windows.h>
#include <oaidl.h>

#include "windows/host_link.h"

class DispatchHostLink : public HostLink {
public:
    ~DispatchHostLink() override { Detach(); }
    void Attach() override;
    void Detach();
    bool Attached() const override { return dispatch_ != nullptr; }
    double GetFrequency() override;
    std::string GetField(long index) override;
    void RunMacro(const std::string& macro) override;

private:
    HRESULT Invoke(DISPID id, WORD flags, VARIANT* arg, VARIANT* result);
    IDispatch* dispatch_ = nullptr;
    bool comInitialised_ = false;
};

#endif  // STATS_WINDOWS_HOST_LINK_WIN_H_
