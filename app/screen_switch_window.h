#pragma once
// mdiScreen: the one button that switches between the normal and the WIDE
// screen. The window only passes the click on; the switch belongs to the
// editing screen that owns it.

#include <QWidget>

#include <functional>

class QPushButton;

namespace kinsketch {

class ScreenSwitchWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenSwitchWindow(std::function<void()> change, QWidget* parent = nullptr);

    QPushButton* switchButton() const { return switchButton_; }

private:
    QPushButton* switchButton_;
};

} // namespace kinsketch
