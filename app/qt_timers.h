#pragma once

#include "seams/timers.h"

#include <QTimer>

namespace kinsketch {

class QtTimers : public Timers {
public:
    void singleShot(int milliseconds, std::function<void()> onTimeout) override
    {
        QTimer::singleShot(milliseconds, std::move(onTimeout));
    }
};

} // namespace kinsketch
