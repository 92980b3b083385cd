// The stand-in for the host's automation object under Wine, reached the way
// the module's UI thread reaches the real one: registered in the main
// thread's single-threaded apartment, which pumps its messages, and called
// from a second thread with an apartment of its own (CLSIDFromProgID,
// GetActiveObject, QueryInterface for IDispatch, Invoke by dispatch id).
// Prints "host_automation_wine: N passed, M failed"; exit 0 only when none
// failed.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/cq160/host/host_automation_win.h"

namespace {

int g_passed = 0, g_failed = 0;

void Check(bool ok, const std::string& what) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what) {
    Check(actual == expected, what + ": got [" + actual + "], expected [" + expected + "]");
}

constexpr char kProgIdKey[] = "Software\\Classes\\Harlo2.Application\\CLSID";

bool KeyExists(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kProgIdKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void WriteStaleKey(HKEY root) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, kProgIdKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        static const char stale[] = "{00000000-1111-2222-3333-444444444444}";
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(stale),
                       sizeof stale);
        RegCloseKey(key);
    }
}

std::string Narrow(BSTR text) {
    std::string out;
    for (UINT i = 0; text && i < SysStringLen(text); ++i) out += static_cast<char>(text[i]);
    return out;
}

// What the second thread saw, written by it and read by the main thread
// after it ended.
struct Client {
    HRESULT progId = E_FAIL, active = E_FAIL, query = E_FAIL;
    HRESULT frequency = E_FAIL, field = E_FAIL, mode = E_FAIL, sp1 = E_FAIL, unknown = S_OK;
    VARTYPE frequencyType = VT_EMPTY, fieldType = VT_EMPTY;
    double frequencyHz = 0.0;
    std::string call;
    bool lookupOnly = false;  // only CLSIDFromProgID and GetActiveObject
    volatile LONG done = 0;
};

HRESULT Call(IDispatch* host, DISPID id, WORD flags, VARIANT* arg, VARIANT* result) {
    DISPPARAMS params = {arg, nullptr, arg ? 1u : 0u, 0};
    return host->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                        nullptr);
}

HRESULT Macro(IDispatch* host, const wchar_t* text) {
    VARIANT arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_BSTR;
    V_BSTR(&arg) = SysAllocString(text);
    const HRESULT hr = Call(host, 16, DISPATCH_METHOD, &arg, nullptr);
    VariantClear(&arg);
    return hr;
}

// As the module's UI thread does it.
DWORD WINAPI RunClient(void* param) {
    Client* c = static_cast<Client*>(param);
    CoInitialize(nullptr);
    CLSID clsid;
    c->progId = CLSIDFromProgID(L"Harlo2.Application", &clsid);
    IUnknown* unknown = nullptr;
    if (SUCCEEDED(c->progId)) c->active = GetActiveObject(clsid, nullptr, &unknown);
    if (unknown && !c->lookupOnly) {
        IDispatch* host = nullptr;
        c->query = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&host));
        if (host) {
            VARIANT result;
            VariantInit(&result);
            c->frequency = Call(host, 2, DISPATCH_PROPERTYGET, nullptr, &result);
            c->frequencyType = V_VT(&result);
            if (V_VT(&result) == VT_R8) c->frequencyHz = V_R8(&result);
            VariantClear(&result);

            VARIANT arg;
            VariantInit(&arg);
            V_VT(&arg) = VT_I4;
            V_I4(&arg) = 5;
            c->field = Call(host, 8, DISPATCH_METHOD, &arg, &result);
            c->fieldType = V_VT(&result);
            if (V_VT(&result) == VT_BSTR) c->call = Narrow(V_BSTR(&result));
            VariantClear(&result);

            c->mode = Macro(host, L"<MODE:CW>");
            c->sp1 = Macro(host, L"<SP1>");
            c->unknown = Call(host, 99, DISPATCH_METHOD, nullptr, nullptr);
            host->Release();
        }
    }
    // The last Release is itself a call into the host's apartment.
    if (unknown) unknown->Release();
    CoUninitialize();
    InterlockedExchange(&c->done, 1);
    return 0;
}

// Runs the client on its own thread while this thread pumps; false when it
// did not end within 10 s.
bool RunClientPumping(Client* client) {
    HANDLE thread = CreateThread(nullptr, 0, RunClient, client, 0, nullptr);
    if (!thread) return false;
    const bool ended = PumpUntil([client] { return client->done != 0; }, 10000);
    if (ended) WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return ended;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : " ") + part;
    return out;
}

}  // namespace

int main() {
    CoInitialize(nullptr);
    // Keys left by a crashed run, pointing at another class.
    WriteStaleKey(HKEY_LOCAL_MACHINE);
    WriteStaleKey(HKEY_CURRENT_USER);
    {
        HostAutomation host;
        host.SetFrequency(1830250.5);
        host.SetCall("DL1ABC");
        Check(host.Register(), "Register succeeds");
        Check(KeyExists(HKEY_LOCAL_MACHINE) && KeyExists(HKEY_CURRENT_USER),
              "the ProgID keys are written under HKLM and HKCU");

        Client client;
        if (!RunClientPumping(&client)) {
            // A hung client can only be left behind: report and stop here.
            std::printf("FAIL: the client thread did not end within 10 s\n");
            std::printf("host_automation_wine: %d passed, %d failed\n", g_passed, g_failed + 1);
            std::fflush(stdout);
            ExitProcess(1);
        }
        Check(client.progId == S_OK, "CLSIDFromProgID finds the ProgID over the stale key");
        Check(client.active == S_OK, "GetActiveObject finds the registered object");
        Check(client.query == S_OK, "the object gives IDispatch");
        Check(client.frequency == S_OK && client.frequencyType == VT_R8 &&
                  client.frequencyHz == 1830250.5,
              "dispatch id 2 answers the frequency as VT_R8 exactly");
        Check(client.field == S_OK && client.fieldType == VT_BSTR, "dispatch id 8 answers a BSTR");
        CheckEqual(client.call, "DL1ABC", "the typed call");
        Check(client.mode == S_OK && client.sp1 == S_OK, "dispatch id 16 takes the macros");
        Check(client.unknown == DISP_E_MEMBERNOTFOUND, "an unknown dispatch id is refused");

        const std::vector<HostAutomation::Invocation> calls = host.Invocations();
        Check(calls.size() == 5, "five calls recorded, got " + std::to_string(calls.size()));
        const long ids[] = {2, 8, 16, 16, 99};
        const unsigned short flags[] = {DISPATCH_PROPERTYGET, DISPATCH_METHOD, DISPATCH_METHOD,
                                        DISPATCH_METHOD, DISPATCH_METHOD};
        const char* args[] = {"", "I4:5", "BSTR:<MODE:CW>", "BSTR:<SP1>", ""};
        for (std::size_t i = 0; i < calls.size() && i < 5; ++i) {
            const std::string n = "call " + std::to_string(i + 1);
            Check(calls[i].dispid == ids[i], n + ": dispatch id " + std::to_string(calls[i].dispid));
            Check(calls[i].flags == flags[i], n + ": flags " + std::to_string(calls[i].flags));
            CheckEqual(Joined(calls[i].args), args[i], n + ": arguments");
        }
        CheckEqual(Joined(host.Macros()), "<MODE:CW> <SP1>", "the macros in order");
        host.ClearLog();
        Check(host.Invocations().empty(), "ClearLog empties the log");

        host.Revoke();
        Client late;
        late.lookupOnly = true;
        Check(RunClientPumping(&late), "the lookup after Revoke ends");
        Check(late.progId == S_OK, "the ProgID stays known until the object is gone");
        Check(late.active == MK_E_UNAVAILABLE, "GetActiveObject fails after Revoke");
        Check(host.Invocations().empty(), "no call reaches a revoked object");

        // Registered again, as a second run of a host would.
        Check(host.Register(), "Register after Revoke succeeds");
        Client again;
        Check(RunClientPumping(&again), "the second client ends");
        CheckEqual(again.call, "DL1ABC", "the second client gets the call");
    }
    Check(!KeyExists(HKEY_LOCAL_MACHINE) && !KeyExists(HKEY_CURRENT_USER),
          "the destructor removes the ProgID keys");
    Client gone;
    gone.lookupOnly = true;
    Check(RunClientPumping(&gone), "the lookup after the destructor ends");
    Check(gone.progId == CO_E_CLASSSTRING, "the ProgID is unknown after the destructor");
    CoUninitialize();

    std::printf("host_automation_wine: %d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
