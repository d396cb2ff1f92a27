#include "launcher/windows/variant.h"

#include "launcher/windows/win_text.h"

#include <oleauto.h>

namespace kinsketch::launcher {

Variant::Variant(bool value) noexcept
    : Variant()
{
    value_.vt = VT_BOOL;
    value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(std::int32_t value) noexcept
    : Variant()
{
    value_.vt = VT_I4;
    value_.lVal = value;
}

Variant::Variant(const std::string& utf8)
    : Variant()
{
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocString(wideFromUtf8(utf8).c_str());
}

Variant Variant::missing() noexcept
{
    Variant result;
    result.value_.vt = VT_ERROR;
    result.value_.scode = DISP_E_PARAMNOTFOUND;
    return result;
}

Variant::Variant(Variant&& other) noexcept
    : value_(other.value_)
{
    VariantInit(&other.value_);
}

std::string Variant::text() const
{
    VARIANT converted;
    VariantInit(&converted);
    std::string result;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_BSTR)) &&
        converted.bstrVal != nullptr) {
        result = utf8FromWide(std::wstring(converted.bstrVal, SysStringLen(converted.bstrVal)));
    }
    VariantClear(&converted);
    return result;
}

IDispatch* Variant::detachDispatch() noexcept
{
    if (value_.vt != VT_DISPATCH) return nullptr;
    IDispatch* dispatch = value_.pdispVal;
    VariantInit(&value_);
    return dispatch;
}

} // namespace kinsketch::launcher
