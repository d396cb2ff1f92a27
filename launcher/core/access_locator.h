#pragma once

#include "launcher/core/platform.h"

#include <cstdint>
#include <string>

namespace kinsketch::launcher {

// Finds the program file of an installed host application in the registry,
// in the order the configured AccessBootType asks for.
class AccessLocator {
public:
    explicit AccessLocator(Platform& platform) : platform_(platform) {}

    // The first path found, or "".
    std::string GfncGetAc2003Path(std::int32_t accessBootType);

    std::string LfncGetAc2003PathA(const std::string& version);
    std::string LfncGetAc2003PathB(const std::string& version);
    std::string LfncGetAcCurVerPath();

private:
    Platform& platform_;
};

}  // namespace kinsketch::launcher
