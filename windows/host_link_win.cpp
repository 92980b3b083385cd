#include "windows/host_link_win.h"

#include <oleauto.h>

#include <vector>

namespace {

constexpr DISPID kGetFrequency = 2;
constexpr DISPID kGetField = 8;
constexpr DISPID kRunMacro = 16;

std::string ToAnsi(BSTR text) {
    if (!text) return std::string();
    const int length = static_cast<int>(SysStringLen(text));
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr,
                                         nullptr);
    if (size <= 0) return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, &out[0], size, nullptr, nullptr);
    return out;
}

BSTR ToBstr(const std::string& text) {
    const int size = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(size > 0 ? size : 0) + 1);
    if (size > 0) {
        MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()),
                            wide.data(), size);
    }
    return SysAllocStringLen(wide.data(), static_cast<UINT>(size > 0 ? size : 0));
}

}  // namespace

void DispatchHostLink::Attach() {
    if (dispatch_) return;
    // COM first: the class lookup may need it on some systems.
    if (!comInitialised_) comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"Harlo2.Application", &clsid))) return;
    IUnknown* object = nullptr;
    if (FAILED(GetActiveObject(clsid, nullptr, &object)) || !object) return;
    void* dispatch = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IDispatch, &dispatch))) {
        dispatch_ = static_cast<IDispatch*>(dispatch);
    }
    object->Release();
}

void DispatchHostLink::Detach() {
    // The last release is a call into the host's apartment.
    if (dispatch_) dispatch_->Release();
    dispatch_ = nullptr;
    if (comInitialised_) CoUninitialize();
    comInitialised_ = false;
}

HRESULT DispatchHostLink::Invoke(DISPID id, WORD flags, VARIANT* arg, VARIANT* result) {
    if (!dispatch_) return E_POINTER;
    DISPPARAMS params = {arg, nullptr, arg ? 1u : 0u, 0};
    EXCEPINFO exception = {};
    UINT argError = 0;
    const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                         result, &exception, &argError);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

double DispatchHostLink::GetFrequency() {
    VARIANT result;
    VariantInit(&result);
    double hz = 0;
    if (SUCCEEDED(Invoke(kGetFrequency, DISPATCH_PROPERTYGET, nullptr, &result)) &&
        SUCCEEDED(VariantChangeType(&result, &result, 0, VT_R8))) {
        hz = result.dblVal;
    }
    VariantClear(&result);
    return hz;
}

std::string DispatchHostLink::GetField(long index) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = index;
    VARIANT result;
    VariantInit(&result);
    std::string text;
    if (SUCCEEDED(Invoke(kGetField, DISPATCH_METHOD, &arg, &result)) &&
        SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR))) {
        text = ToAnsi(result.bstrVal);
    }
    VariantClear(&result);  // frees the host's string
    return text;
}

void DispatchHostLink::RunMacro(const std::string& macro) {
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = ToBstr(macro);
    VARIANT result;
    VariantInit(&result);
    Invoke(kRunMacro, DISPATCH_METHOD, &arg, &result);
    VariantClear(&result);
    VariantClear(&arg);
}
