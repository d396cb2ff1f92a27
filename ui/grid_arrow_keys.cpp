#include "grid_arrow_keys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdlib>
#include <limits>
#include <optional>
#include <tuple>

namespace kinsketch {
namespace {

bool isBox(const QWidget& widget)
{
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget);
}

std::optional<GridArrowKeys::Direction> directionOf(int key)
{
    switch (key) {
    case Qt::Key_Up: return GridArrowKeys::Direction::Up;
    case Qt::Key_Down: return GridArrowKeys::Direction::Down;
    case Qt::Key_Left: return GridArrowKeys::Direction::Left;
    case Qt::Key_Right: return GridArrowKeys::Direction::Right;
    default: return std::nullopt;
    }
}

// Left and Right belong to the text until the cursor reaches its end.
bool leavesText(const QWidget& box, GridArrowKeys::Direction direction)
{
    const auto* edit = qobject_cast<const QLineEdit*>(&box);
    if (!edit || edit->hasSelectedText()) return !edit;
    if (direction == GridArrowKeys::Direction::Left) return edit->cursorPosition() == 0;
    if (direction == GridArrowKeys::Direction::Right) return edit->cursorPosition() == edit->text().size();
    return true;
}

} // namespace

GridArrowKeys::GridArrowKeys(QWidget& grid)
    : QObject(&grid)
    , grid_(grid)
{
    for (QWidget* child : grid.findChildren<QWidget*>())
        if (isBox(*child)) child->installEventFilter(this);
}

// Boxes in line with `from` (overlapping it across the direction) come
// first, then the nearest along the direction, then the nearest across: Right
// stays in the row while it has boxes, and Down lands on the box under.
QWidget* GridArrowKeys::neighbour(const QWidget& from, Direction direction) const
{
    const QPoint centre = from.geometry().center();
    const bool vertical = direction == Direction::Up || direction == Direction::Down;
    const int sign = direction == Direction::Down || direction == Direction::Right ? 1 : -1;
    QWidget* best = nullptr;
    std::tuple<bool, int, int> bestDistance{true, std::numeric_limits<int>::max(), 0};
    for (QWidget* box : grid_.findChildren<QWidget*>()) {
        if (box == &from || !isBox(*box) || box->parentWidget() != from.parentWidget() || !box->isVisibleTo(&grid_) ||
            !box->isEnabled())
            continue;
        const QPoint offset = box->geometry().center() - centre;
        const int along = sign * (vertical ? offset.y() : offset.x());
        const int across = std::abs(vertical ? offset.x() : offset.y());
        // A box counts as ahead once it lies beyond half of `from`.
        if (along <= (vertical ? from.height() : from.width()) / 2) continue;
        const std::tuple distance{across > (vertical ? from.width() : from.height()) / 2, along, across};
        if (distance < bestDistance) std::tie(best, bestDistance) = std::tie(box, distance);
    }
    return best;
}

bool GridArrowKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<Direction> direction = directionOf(key->key());
    if (!direction || key->modifiers() != Qt::NoModifier || !leavesText(*box, *direction)) return false;
    if (const auto* chooser = qobject_cast<QComboBox*>(box); chooser && chooser->view()->isVisible()) return false;
    QWidget* next = neighbour(*box, *direction);
    if (!next) return false;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace kinsketch
