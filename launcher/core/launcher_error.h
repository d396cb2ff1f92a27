#pragma once

#include <stdexcept>
#include <string>

namespace kinsketch::launcher {

// The one error type of the launcher. It carries the classic run-time error
// number and description because the messages the user sees are built from
// exactly those two; every routine catches it at the boundary where its
// message box belongs.
class LauncherError : public std::runtime_error {
public:
    LauncherError(long number, std::string description)
        : std::runtime_error(description)
        , number_(number)
        , description_(std::move(description))
    {}

    long number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    long number_;
    std::string description_;
};

// Numbers the portable code raises itself or looks for.
namespace error_number {
inline constexpr long invalidProcedureCall = 5;
inline constexpr long fileNotFound = 53;
inline constexpr long cannotCreateObject = 429;
inline constexpr long openFormCancelled = 2501;
} // namespace error_number

} // namespace kinsketch::launcher
