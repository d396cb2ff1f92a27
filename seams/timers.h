#pragma once
// Timers and the calendar go through this seam so that tests can advance time
// without waiting and know the date a printed copy carries.

#include <chrono>
#include <functional>

namespace kinsketch {

class Timers {
public:
    virtual ~Timers() = default;
    virtual void singleShot(int milliseconds, std::function<void()> onTimeout) = 0;
    // The user's date today.
    virtual std::chrono::year_month_day today() const = 0;
};

} // namespace kinsketch
