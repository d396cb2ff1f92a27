#include "display_scale.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace kinsketch {

DisplayScale::DisplayScale(int percent)
    : percent_(percent >= kSmallestPercent && percent <= kLargestPercent && percent % kPercentStep == 0 ? percent : 100)
{}

int DisplayScale::px(int twips) const
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * percent_ / (100.0 * kTwipsPerPixel)));
}

QRect DisplayScale::rect(int left, int top, int width, int height) const
{
    const int x = px(left);
    const int y = px(top);
    return {x, y, px(left + width) - x, px(top + height) - y};
}

int DisplayScale::pixels(int pixelsAt100) const
{
    return static_cast<int>(std::lround(static_cast<double>(pixelsAt100) * percent_ / 100.0));
}

float DisplayScale::twips(double pixels) const
{
    return static_cast<float>(pixels * kTwipsPerPixel * 100.0 / percent_);
}

QFont DisplayScale::font(QFont font) const
{
    if (font.pixelSize() > 0)
        font.setPixelSize(pixels(font.pixelSize()));
    else
        font.setPointSizeF(font.pointSizeF() * factor());
    return font;
}

void DisplayScale::scaleFont(QWidget& widget) const { widget.setFont(font(widget.font())); }

QPixmap DisplayScale::picture(QSize sizeAt100, const std::function<void(QPainter&)>& paint,
                              const QColor& background) const
{
    // In the screen's own pixels, so that a scaled screen shows it as sharp.
    const qreal deviceRatio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(pixels(sizeAt100.width()), pixels(sizeAt100.height())) * deviceRatio);
    pixmap.setDevicePixelRatio(deviceRatio);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.scale(factor(), factor());
    paint(painter);
    return pixmap;
}

} // namespace kinsketch
