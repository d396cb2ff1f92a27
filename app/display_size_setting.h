#pragma once
// The display size a user last chose for the editing screen, kept in the
// user's own settings so that the next run opens at it. The working folder
// is no place for it: the host clears and shares that.

#include "ui/display_scale.h"

#include <QSettings>

namespace kinsketch {

class DisplaySizeSetting {
public:
    explicit DisplaySizeSetting(QSettings& settings)
        : settings_(settings)
    {}

    // A value not offered (edited by hand, or from a later version) reads as 100 %.
    DisplayScale load() const { return DisplayScale(settings_.value(kKey, 100).toInt()); }
    void store(DisplayScale scale)
    {
        settings_.setValue(kKey, scale.percent());
        settings_.sync();
    }

private:
    static constexpr const char* kKey = "display/percent";
    QSettings& settings_;
};

} // namespace kinsketch
