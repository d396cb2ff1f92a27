#pragma once
// The size the editing screen is shown at: a percentage of the classic 96-dpi
// layout in the screen's logical pixels, one of the fixed sizes the user may
// choose or a 5 % step that the automatic size fits to the screen. Every window turns its twips into pixels here, so
// that all of them grow together and stay on whole pixels. The saved picture
// never goes through it: it keeps the host's size.

#include "geometry/canvas_geometry.h"

#include <QFont>
#include <QPixmap>
#include <QRect>

#include <array>
#include <functional>

class QPainter;
class QWidget;

namespace kinsketch {

class DisplayScale {
public:
    // The fixed sizes offered in the menu.
    static constexpr std::array<int, 4> kPercents = {100, 125, 150, 200};
    // The steps the automatic size chooses from. The smallest is 70 % of a
    // screen's own pixels under the system's largest scaling, 200 %.
    static constexpr int kSmallestPercent = 35;
    static constexpr int kLargestPercent = 200;
    static constexpr int kPercentStep = 5;

    constexpr DisplayScale() = default;
    // A percent that is no step between the smallest and the largest is taken as 100.
    explicit DisplayScale(int percent);

    int percent() const { return percent_; }
    double factor() const { return percent_ / 100.0; }

    // Twips to pixels on the screen, to the nearest pixel.
    int px(int twips) const;
    // A rectangle in twips; its edges are rounded, not its size, so that
    // neighbours that touch in twips touch on the screen.
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const { return rect(0, 0, width, height).size(); }
    QPoint point(TwipsPlace place) const { return {px(place.left), px(place.top)}; }
    // A length given in pixels of the 100 % layout.
    int pixels(int pixelsAt100) const;
    // A window position in pixels back to twips (the mouse on the canvas).
    float twips(double pixels) const;

    // `font` with its size grown by the factor.
    QFont font(QFont font) const;
    // Grows the font the widget and its children inherit.
    void scaleFont(QWidget& widget) const;
    // A picture of `sizeAt100` pixels at 100 %, drawn by `paint` in those
    // pixels onto a pixmap of the scaled size in device pixels, so that it
    // stays sharp.
    QPixmap picture(QSize sizeAt100, const std::function<void(QPainter&)>& paint,
                    const QColor& background = Qt::transparent) const;

    friend bool operator==(DisplayScale, DisplayScale) = default;

private:
    int percent_ = 100;
};

} // namespace kinsketch
