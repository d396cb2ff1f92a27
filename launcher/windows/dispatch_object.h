#pragma once

#include "launcher/windows/variant.h"

#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace kinsketch::launcher {

// Owns one reference to a late-bound automation object and releases it once.
// Members are called by name; a failure throws the LauncherError the server
// reported.
class DispatchObject {
public:
    explicit DispatchObject(IDispatch* dispatch = nullptr) noexcept
        : dispatch_(dispatch)
    {}
    ~DispatchObject()
    {
        if (dispatch_ != nullptr) dispatch_->Release();
    }
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;
    DispatchObject(DispatchObject&& other) noexcept
        : dispatch_(std::exchange(other.dispatch_, nullptr))
    {}
    DispatchObject& operator=(DispatchObject&&) = delete;

    // Created through its program id (CreateObject), or bound through a file's path (GetObject).
    [[nodiscard]] static DispatchObject create(const std::string& programId);
    [[nodiscard]] static DispatchObject bindToFile(const std::string& path);

    // Arguments are given in their written order.
    Variant call(const wchar_t* member, std::initializer_list<Variant*> arguments = {});
    [[nodiscard]] DispatchObject object(const wchar_t* member, std::initializer_list<Variant*> arguments = {});
    void put(const wchar_t* member, Variant value);

private:
    Variant invoke(const wchar_t* member, WORD flags, std::initializer_list<Variant*> arguments, Variant* putValue);

    IDispatch* dispatch_;
};

} // namespace kinsketch::launcher
