#pragma once
// Where every child window of the editing screen stands. The windows keep the
// order and the relative places of the classic screen, whose places count
// only the client areas; here whole frames, title bars included, are placed
// so that no window covers another, in every input mode, screen size and
// display size. The arrangement covers every window the screen may show at
// once, so that a window opened later never lands on one already there.

#include "geometry/canvas_size.h"
#include "ui/display_scale.h"

#include <QMargins>
#include <QRect>
#include <QString>

#include <vector>

namespace kinsketch {

struct ArrangedWindow {
    QString name; // the window's objectName
    QRect frame;
};

class EditingScreenLayout {
public:
    // `titled` and `frameless` are what a frame adds around a window with and
    // without a title bar.
    EditingScreenLayout(CanvasSize size, DisplayScale scale, QMargins titled, QMargins frameless);

    // The top-left corner of the named window's frame; a window the
    // arrangement does not know stays at the top-left corner.
    QPoint frameTopLeft(const QString& name) const;
    const std::vector<ArrangedWindow>& windows() const { return windows_; }
    // The room the frames take from the child area's top-left corner.
    QSize extent() const;

private:
    std::vector<ArrangedWindow> windows_;
};

} // namespace kinsketch
