#pragma once
// mdiLineAdd_Tool ("ToolBox"): the line tool window of input mode 2. Its one
// button adds a straight line to the canvas of the current screen size.

#include "ui/display_scale.h"

#include <QWidget>

#include <functional>

namespace kinsketch {

class CanvasWindow;

class LineToolWindow : public QWidget {
    Q_OBJECT

public:
    using CanvasOfScreen = std::function<CanvasWindow&()>;
    static constexpr QSize kClientTwips{1215, 495};

    explicit LineToolWindow(CanvasOfScreen canvas, DisplayScale scale = {}, QWidget* parent = nullptr);

    void addLine();

private:
    CanvasOfScreen canvas_;
};

} // namespace kinsketch
