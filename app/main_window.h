#pragma once
// mdiMain: the main window that hosts every editing window. It has no close,
// minimise or maximise button; the program is left through the menu bar's
// end button only, so a close request from the window manager is refused.

#include <QMainWindow>

#include <functional>

class QMdiArea;
class QStatusBar;

namespace kinsketch {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    QMdiArea* childArea() const { return childArea_; }

    // Adds a child window that the user cannot close.
    void addChildWindow(QWidget* window);
    // Destroys a child window together with its frame; null does nothing.
    static void unloadChildWindow(QWidget* window);

    // What a close request from the window manager does instead of closing:
    // the end button's question. Without one the request is refused.
    void setCloseRequest(std::function<void()> onCloseRequest) { onCloseRequest_ = std::move(onCloseRequest); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* childArea_;
    std::function<void()> onCloseRequest_;
};

} // namespace kinsketch
