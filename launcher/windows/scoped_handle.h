#pragma once

#include <windows.h>

#include <utility>

namespace kinsketch::launcher {

// Owns a kernel handle (process, thread, mutex) and closes it once.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) noexcept
        : handle_(handle)
    {}
    ~ScopedHandle() { reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr))
    {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

private:
    void reset() noexcept
    {
        if (*this) CloseHandle(handle_);
        handle_ = nullptr;
    }

    HANDLE handle_;
};

} // namespace kinsketch::launcher
