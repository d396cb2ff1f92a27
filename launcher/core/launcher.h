#pragma once

#include "launcher/core/access_boot_type.h"
#include "launcher/core/platform.h"

#include <string_view>

namespace kinsketch::launcher {

// The start routine of ovnqtverup: one pass from the settings file to a host
// application showing the configured database and start form.
class Launcher {
public:
    explicit Launcher(Platform& platform)
        : platform_(platform)
    {}

    void run();

private:
    void loadFromSettings();
    void reportMissingEnvironment(std::string_view setting);

    Platform& platform_;
    // Kept when "AC2003Boot" names no variant.
    AccessBootType accessBootType_ = AccessBootType::access11Automation;
};

// Runs the start routine for main. Whatever escapes it is shown to the user
// in an error box rather than ending the program without a word, and the
// progress window and the pointer are put back. The exit code: 0, or 1 after
// such an error.
[[nodiscard]] int runGuarded(Platform& platform) noexcept;

} // namespace kinsketch::launcher
