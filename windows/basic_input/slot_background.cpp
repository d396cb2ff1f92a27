#include "slot_background.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinsketch {
namespace {

const QColor kUnmarked(255, 192, 192);
const QColor kMarked(192, 255, 192);

} // namespace

SlotBackground::SlotBackground(QWidget* parent)
    : QWidget(parent)
    , colour_(kUnmarked)
{}

void SlotBackground::showMark(int mark)
{
    const QColor colour = mark == 0 ? kUnmarked : kMarked;
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void SlotBackground::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), colour_); }

void SlotBackground::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

// A click is a press and a release of the left button over the slot.
void SlotBackground::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

} // namespace kinsketch
