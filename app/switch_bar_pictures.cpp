#include "app/switch_bar_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kinsketch {
namespace {

// A pencil lying from the upper right down to its tip at `tip`.
void drawPencil(QPainter& p, QPointF tip, double length)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xF0, 0xC0, 0x40));
    p.drawRect(QRectF(length * 0.3, -length * 0.12, length * 0.7, length * 0.24));
    p.setBrush(QColor(0xF5, 0xDE, 0xB3));
    p.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(length * 0.3, -length * 0.12), QPointF(length * 0.3, length * 0.12)}));
    p.restore();
}

} // namespace

QPixmap textModePicture(DisplayScale scale)
{
    return scale.picture(QSize(34, 34), [](QPainter& p) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::darkBlue);
        p.drawText(QRect(0, 0, 34, 34), Qt::AlignCenter, QStringLiteral("ABC"));
    });
}

QPixmap lineModePicture(DisplayScale scale)
{
    return scale.picture(QSize(24, 24), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(1, 22), QPointF(10, 13));
        drawPencil(p, QPointF(10, 13), 16);
    });
}

QPixmap freeLineModePicture(DisplayScale scale)
{
    return scale.picture(QSize(45, 37), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath curve(QPointF(2, 30));
        curve.cubicTo(QPointF(8, 10), QPointF(16, 36), QPointF(24, 18));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawPath(curve);
        drawPencil(p, QPointF(24, 18), 22);
    });
}

QPixmap indicatorPicture(bool on, DisplayScale scale)
{
    return scale.picture(
        QSize(73, 21),
        [on](QPainter& p) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(15);
            font.setBold(true);
            p.setFont(font);
            p.setPen(on ? QColor(0x80, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
            p.drawText(QRect(0, 0, 73, 21), Qt::AlignCenter, on ? QStringLiteral("ON") : QStringLiteral("OFF"));
        },
        Qt::white);
}

} // namespace kinsketch
