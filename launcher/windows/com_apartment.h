#pragma once

#include <objbase.h>

namespace kinsketch::launcher {

// COM for the launcher's one thread, for as long as the platform lives.
class ComApartment {
public:
    ComApartment() noexcept
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    {}
    ~ComApartment()
    {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

} // namespace kinsketch::launcher
