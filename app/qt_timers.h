#pragma once

#include "seams/timers.h"

#include <QDate>
#include <QTimer>

namespace kinsketch {

class QtTimers : public Timers {
public:
    void singleShot(int milliseconds, std::function<void()> onTimeout) override
    {
        QTimer::singleShot(milliseconds, std::move(onTimeout));
    }
    std::chrono::year_month_day today() const override
    {
        const QDate date = QDate::currentDate();
        return {std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
                std::chrono::day(static_cast<unsigned>(date.day()))};
    }
};

} // namespace kinsketch
