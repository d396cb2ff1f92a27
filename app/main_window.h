#pragma once
// mdiMain: the main window that hosts every editing window. It has no close,
// minimise or maximise button; the program is left through the menu bar's
// end button only, so a close request from the window manager is refused.
// It holds the display size the editing windows are made at, and puts each
// child window where the editing screen's arrangement says.

#include "ui/display_scale.h"

#include <QMainWindow>
#include <QMargins>

#include <functional>
#include <map>

class QMdiArea;
class QStatusBar;

namespace kinsketch {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    QMdiArea* childArea() const { return childArea_; }

    // Adds a child window that the user cannot close, with a title bar
    // unless the window is frameless, at the place the placement gives.
    void addChildWindow(QWidget* window);
    // Destroys a child window together with its frame; null does nothing.
    static void unloadChildWindow(QWidget* window);

    using Placement = std::function<QPoint(const QWidget& window)>;
    void setPlacement(Placement placement) { placement_ = std::move(placement); }

    const DisplayScale& displayScale() const { return displayScale_; }
    // Windows made from now on are made at `scale`.
    void setDisplayScale(DisplayScale scale) { displayScale_ = scale; }
    // What a child window's frame adds around it at the current display
    // size: title bar and borders, or the borders alone.
    QMargins frameMargins(bool titled) const;

    // What a close request from the window manager does instead of closing:
    // the end button's question. Without one the request is refused.
    void setCloseRequest(std::function<void()> onCloseRequest) { onCloseRequest_ = std::move(onCloseRequest); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QFont titleFont() const;

    QMdiArea* childArea_;
    DisplayScale displayScale_;
    Placement placement_;
    mutable std::map<std::pair<int, bool>, QMargins> frameMargins_;
    std::function<void()> onCloseRequest_;
};

} // namespace kinsketch
