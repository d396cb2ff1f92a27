#pragma once
// mdiScreen: the one button that switches between the normal and the WIDE
// screen. The window only passes the click on; the switch belongs to the
// editing screen that owns it.

#include "ui/display_scale.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace kinsketch {

class ScreenSwitchWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientTwips{1260, 810};

    explicit ScreenSwitchWindow(std::function<void()> change, DisplayScale scale = {}, QWidget* parent = nullptr);

    QPushButton* switchButton() const { return switchButton_; }

private:
    QPushButton* switchButton_;
};

} // namespace kinsketch
