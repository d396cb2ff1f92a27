#include "launcher/windows/dispatch_object.h"

#include "launcher/windows/com_error.h"
#include "launcher/windows/win_text.h"

#include <objbase.h>
#include <oleauto.h>

#include <vector>

namespace kinsketch::launcher {

DispatchObject DispatchObject::create(const std::string& programId)
{
    CLSID classId;
    HRESULT result = CLSIDFromProgID(wideFromUtf8(programId).c_str(), &classId);
    if (FAILED(result)) throw cannotCreateObject();
    IDispatch* dispatch = nullptr;
    result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&dispatch));
    if (FAILED(result)) throw cannotCreateObject();
    return DispatchObject(dispatch);
}

DispatchObject DispatchObject::bindToFile(const std::string& path)
{
    IDispatch* dispatch = nullptr;
    const HRESULT result =
        CoGetObject(wideFromUtf8(path).c_str(), nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    if (FAILED(result)) throw errorFromHresult(result);
    return DispatchObject(dispatch);
}

Variant DispatchObject::call(const wchar_t* member, std::initializer_list<Variant*> arguments)
{
    return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments, nullptr);
}

DispatchObject DispatchObject::object(const wchar_t* member, std::initializer_list<Variant*> arguments)
{
    Variant result = call(member, arguments);
    IDispatch* dispatch = result.detachDispatch();
    if (dispatch == nullptr) throw errorFromHresult(DISP_E_TYPEMISMATCH);
    return DispatchObject(dispatch);
}

void DispatchObject::put(const wchar_t* member, Variant value) { invoke(member, DISPATCH_PROPERTYPUT, {}, &value); }

Variant DispatchObject::invoke(const wchar_t* member, WORD flags, std::initializer_list<Variant*> arguments,
                               Variant* putValue)
{
    if (dispatch_ == nullptr) throw errorFromHresult(E_POINTER);
    DISPID memberId = 0;
    auto* name = const_cast<LPOLESTR>(member);
    HRESULT result = dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &memberId);
    if (FAILED(result)) throw errorFromHresult(result);

    // Automation takes its arguments last first.
    std::vector<VARIANT> passed;
    if (putValue != nullptr) passed.push_back(*putValue->get());
    for (auto argument = std::rbegin(arguments); argument != std::rend(arguments); ++argument) {
        passed.push_back(*(*argument)->get());
    }
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{passed.data(), putValue != nullptr ? &namedPut : nullptr, static_cast<UINT>(passed.size()),
                          putValue != nullptr ? 1U : 0U};
    Variant answer;
    EXCEPINFO exception{};
    result = dispatch_->Invoke(memberId, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, answer.get(), &exception,
                               nullptr);
    if (FAILED(result)) {
        const LauncherError error = errorFromHresult(result, &exception);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        throw error;
    }
    return answer;
}

} // namespace kinsketch::launcher
