#include "tools/cq160/host/host_automation_win.h"

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <mutex>

namespace {

constexpr char kProgIdKey[] = "Software\\Classes\\Harlo2.Application";
// This stand-in's own class id; no CLSID\{...} keys are needed for an object
// that is found through the running-object table.
constexpr char kClsidText[] = "{1BA7D674-5086-4451-A23A-54314BE3C5AC}";
constexpr CLSID kClsid = {0x1ba7d674, 0x5086, 0x4451,
                          {0xa2, 0x3a, 0x54, 0x31, 0x4b, 0xe3, 0xc5, 0xac}};

constexpr DISPID kGetFrequency = 2;
constexpr DISPID kGetField = 8;
constexpr DISPID kRunMacro = 16;
constexpr long kFieldCall = 5;

std::string Narrow(const wchar_t* text, UINT length) {
    if (!text || length == 0) return std::string();
    const int n = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0) {
        WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &out[0], n, nullptr,
                            nullptr);
    }
    return out;
}

BSTR WideBstr(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, n > 0 ? n : 0);
    if (out && n > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, n);
    }
    return out;
}

std::string Describe(const VARIANT& v) {
    char number[64];
    switch (V_VT(&v)) {
        case VT_I4:
            std::snprintf(number, sizeof number, "I4:%ld", static_cast<long>(V_I4(&v)));
            return number;
        case VT_I2:
            std::snprintf(number, sizeof number, "I2:%d", V_I2(&v));
            return number;
        case VT_R8:
            std::snprintf(number, sizeof number, "R8:%.15g", V_R8(&v));
            return number;
        case VT_BSTR:
            return "BSTR:" + Narrow(V_BSTR(&v), SysStringLen(V_BSTR(&v)));
        default:
            std::snprintf(number, sizeof number, "VT%u", static_cast<unsigned>(V_VT(&v)));
            return number;
    }
}

void WriteProgIdKey(HKEY root, bool* written) {
    HKEY key = nullptr;
    const std::string path = std::string(kProgIdKey) + "\\CLSID";
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    if (RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kClsidText),
                       sizeof kClsidText) == ERROR_SUCCESS) {
        *written = true;
    }
    RegCloseKey(key);
}

void RemoveProgIdKeys() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgIdKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kProgIdKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kProgIdKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kProgIdKey);
}

}  // namespace

// The COM object. Calls from other apartments arrive through oleaut32's
// standard IDispatch proxy on the registering thread; the members that
// HostAutomation exposes are read from any thread, hence the mutex.
class HostAutomation::Object final : public IDispatch {
public:
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: no type information, the callers know the dispatch ids.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        Invocation call{static_cast<long>(id), flags, {}};
        const UINT count = params ? params->cArgs : 0;
        // rgvarg holds the arguments last first.
        for (UINT i = count; i > 0; --i) call.args.push_back(Describe(params->rgvarg[i - 1]));
        std::lock_guard<std::mutex> hold(mutex_);
        log_.push_back(call);
        if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        if (result) VariantInit(result);
        switch (id) {
            case kGetFrequency:
                if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
                if (count != 0) return DISP_E_BADPARAMCOUNT;
                if (result) {
                    V_VT(result) = VT_R8;
                    V_R8(result) = frequencyHz_;
                }
                return S_OK;
            case kGetField: {
                if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
                if (count != 1) return DISP_E_BADPARAMCOUNT;
                VARIANT field;
                VariantInit(&field);
                if (FAILED(VariantChangeType(&field, &params->rgvarg[0], 0, VT_I4))) {
                    return DISP_E_TYPEMISMATCH;
                }
                if (result) {
                    // Only the typed call is played; other fields are empty.
                    V_VT(result) = VT_BSTR;
                    V_BSTR(result) = WideBstr(V_I4(&field) == kFieldCall ? call_ : std::string());
                }
                return S_OK;
            }
            case kRunMacro:
                if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
                if (count != 1) return DISP_E_BADPARAMCOUNT;
                if (V_VT(&params->rgvarg[0]) != VT_BSTR) return DISP_E_TYPEMISMATCH;
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }

    void SetFrequency(double hz) {
        std::lock_guard<std::mutex> hold(mutex_);
        frequencyHz_ = hz;
    }
    void SetCall(const std::string& call) {
        std::lock_guard<std::mutex> hold(mutex_);
        call_ = call;
    }
    std::vector<Invocation> Log() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return log_;
    }
    void ClearLog() {
        std::lock_guard<std::mutex> hold(mutex_);
        log_.clear();
    }

private:
    ~Object() = default;  // through Release only

    LONG refs_ = 1;
    mutable std::mutex mutex_;
    double frequencyHz_ = 0.0;
    std::string call_;
    std::vector<Invocation> log_;
};

HostAutomation::HostAutomation() : object_(new Object), cookie_(0), keysWritten_(false) {}

HostAutomation::~HostAutomation() {
    Revoke();
    if (keysWritten_) RemoveProgIdKeys();
    // A caller may still hold a proxy; the object lives until its last Release.
    object_->Release();
}

bool HostAutomation::Register() {
    Revoke();
    // A run that crashed leaves its keys behind, perhaps with another class id.
    RemoveProgIdKeys();
    bool written = false;
    WriteProgIdKey(HKEY_LOCAL_MACHINE, &written);
    WriteProgIdKey(HKEY_CURRENT_USER, &written);
    keysWritten_ = true;
    if (!written) return false;
    DWORD cookie = 0;
    if (FAILED(RegisterActiveObject(static_cast<IUnknown*>(object_), kClsid, ACTIVEOBJECT_STRONG,
                                    &cookie))) {
        return false;
    }
    cookie_ = cookie;
    return true;
}

void HostAutomation::Revoke() {
    if (cookie_ == 0) return;
    RevokeActiveObject(cookie_, nullptr);
    cookie_ = 0;
}

void HostAutomation::SetFrequency(double hz) { object_->SetFrequency(hz); }

void HostAutomation::SetCall(const std::string& call) { object_->SetCall(call); }

std::vector<HostAutomation::Invocation> HostAutomation::Invocations() const {
    return object_->Log();
}

std::vector<std::string> HostAutomation::Macros() const {
    std::vector<std::string> macros;
    for (const Invocation& call : object_->Log()) {
        if (call.dispid == kRunMacro && call.args.size() == 1 &&
            call.args[0].compare(0, 5, "BSTR:") == 0) {
            macros.push_back(call.args[0].substr(5));
        }
    }
    return macros;
}

void HostAutomation::ClearLog() { object_->ClearLog(); }

bool PumpUntil(const std::function<bool()>& pred, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + (timeoutMs > 0 ? timeoutMs : 0);
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Left for the thread's own message loop.
                PostQuitMessage(static_cast<int>(message.wParam));
                return pred();
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (pred()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        const ULONGLONG wait = end - now;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait < 10 ? static_cast<DWORD>(wait) : 10,
                                  QS_ALLINPUT);
    }
}
