#pragma once
// frmSplash2019: the window shown while a new drawing is prepared; it closes
// itself after 1500 ms.

#include <QDialog>

namespace kinsketch {

class Timers;

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDisplayMilliseconds = 1500;

    explicit SplashWindow(Timers& timers, QWidget* parent = nullptr);

    // Shows the window modally until the timer closes it.
    void showModal();

private:
    Timers& timers_;
};

} // namespace kinsketch
