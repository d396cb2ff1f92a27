#pragma once
// Arrow keys that move the focus along a grid of boxes, as a spreadsheet's
// do: Up and Down to the nearest box above or below, Left and Right to the
// nearest one beside once the cursor stands at that end of the text. A
// chooser whose list is open keeps its arrows for the list.

#include <QObject>

class QWidget;

namespace kinsketch {

class GridArrowKeys : public QObject {
public:
    // Watches the text boxes and choosers of `grid` (made before this).
    explicit GridArrowKeys(QWidget& grid);

    enum class Direction { Up, Down, Left, Right };
    // The box of the grid nearest `from` in `direction`; null at the edge.
    QWidget* neighbour(const QWidget& from, Direction direction) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& grid_;
};

} // namespace kinsketch
