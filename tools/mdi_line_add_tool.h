#pragma once
// mdiLineAdd_Tool ("ToolBox"): the line tool window of input mode 2. Its one
// button adds a straight line to the canvas of the current screen size.

#include <QWidget>

#include <functional>

namespace kinsketch {

class mdiGenoInpSave;

class mdiLineAdd_Tool : public QWidget {
    Q_OBJECT

public:
    using CanvasOfScreen = std::function<mdiGenoInpSave&()>;
    explicit mdiLineAdd_Tool(CanvasOfScreen canvas, QWidget* parent = nullptr);

    // Places the window beside the switch bar.
    void Form_Load();

    void cmdTool1_Click();

private:
    CanvasOfScreen canvas_;
};

} // namespace kinsketch
