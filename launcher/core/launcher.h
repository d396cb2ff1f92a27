#pragma once

#include "launcher/core/platform.h"

#include <cstdint>

namespace kinsketch::launcher {

// The start routine of ovnqtverup: one pass from the settings file to a host
// application showing the configured database and start form.
class Launcher {
public:
    explicit Launcher(Platform& platform) : platform_(platform) {}

    void run();

private:
    void loadFromSettings();
    void reportMissingEnvironment(const char* setting);

    Platform& platform_;
    std::int32_t accessBootType_ = 0;
};

}  // namespace kinsketch::launcher
