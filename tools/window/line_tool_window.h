#pragma once
// mdiLineAdd_Tool ("ToolBox"): the line tool window of input mode 2. Its one
// button adds a straight line to the canvas of the current screen size.

#include <QWidget>

#include <functional>

namespace kinsketch {

class CanvasWindow;

class LineToolWindow : public QWidget {
    Q_OBJECT

public:
    using CanvasOfScreen = std::function<CanvasWindow&()>;
    explicit LineToolWindow(CanvasOfScreen canvas, QWidget* parent = nullptr);

    // Places the window beside the switch bar.
    void load();

    void addLine();

private:
    CanvasOfScreen canvas_;
};

} // namespace kinsketch
