#pragma once

#include <oaidl.h>

#include <cstdint>
#include <string>

namespace kinsketch::launcher {

// Owns one VARIANT and clears it once; built from the few kinds of argument
// the launcher passes through automation.
class Variant {
public:
    Variant() noexcept { VariantInit(&value_); }
    explicit Variant(bool value) noexcept;
    explicit Variant(std::int32_t value) noexcept;
    explicit Variant(const std::string& utf8);
    // An optional argument left out.
    [[nodiscard]] static Variant missing() noexcept;

    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&&) = delete;

    VARIANT* get() noexcept { return &value_; }
    // The value as text (empty when it cannot be converted), and as an object (nullptr when it is none).
    [[nodiscard]] std::string text() const;
    [[nodiscard]] IDispatch* detachDispatch() noexcept;

private:
    VARIANT value_;
};

} // namespace kinsketch::launcher
