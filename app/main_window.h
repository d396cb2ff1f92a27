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
    // What a child window's frame adds around it at `scale`: title bar and
    // borders, or the borders alone.
    QMargins frameMargins(DisplayScale scale, bool titled) const;
    QMargins frameMargins(bool titled) const { return frameMargins(displayScale_, titled); }

    // The room the child windows have without scrolling: the child area
    // inside its frame, as the main window stands on its screen.
    QSize childRoom() const;
    // Called when that room may have changed: the main window was resized
    // (another resolution, another system scaling) or moved to another screen.
    void setRoomChanged(std::function<void()> onRoomChanged);

    // What a close request from the window manager does instead of closing:
    // the end button's question. Without one the request is refused.
    void setCloseRequest(std::function<void()> onCloseRequest) { onCloseRequest_ = std::move(onCloseRequest); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFont titleFont(DisplayScale scale) const;

    QMdiArea* childArea_;
    DisplayScale displayScale_;
    Placement placement_;
    mutable std::map<std::pair<int, bool>, QMargins> frameMargins_;
    std::function<void()> onCloseRequest_;
    std::function<void()> onRoomChanged_;
    QMetaObject::Connection screenChanged_;
};

} // namespace kinsketch
