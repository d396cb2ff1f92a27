#pragma once
// Timers that fire only when the test advances time, on a fixed date.

#include "seams/timers.h"

#include <vector>

namespace kinsketch::test {

class ManualTimers : public Timers {
public:
    void singleShot(int milliseconds, std::function<void()> onTimeout) override
    {
        pending.push_back({now + milliseconds, std::move(onTimeout)});
    }
    std::chrono::year_month_day today() const override { return date; }
    void advance(int milliseconds)
    {
        now += milliseconds;
        for (std::size_t i = 0; i < pending.size();) {
            if (pending[i].due <= now) {
                auto fire = std::move(pending[i].onTimeout);
                pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
                fire();
            } else {
                ++i;
            }
        }
    }

    struct Pending {
        int due;
        std::function<void()> onTimeout;
    };
    int now = 0;
    std::vector<Pending> pending;
    std::chrono::year_month_day date{std::chrono::year(2026), std::chrono::December, std::chrono::day(7)};
};

} // namespace kinsketch::test
