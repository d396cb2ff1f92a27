#pragma once
// Timers go through this seam so that tests can advance time without waiting.

#include <functional>

namespace kinsketch {

class Timers {
public:
    virtual ~Timers() = default;
    virtual void singleShot(int milliseconds, std::function<void()> onTimeout) = 0;
};

} // namespace kinsketch
