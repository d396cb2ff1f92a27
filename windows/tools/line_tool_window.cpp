#include "line_tool_window.h"

#include "windows/canvas/canvas_window.h"

#include <QPushButton>

namespace kinsketch {

LineToolWindow::LineToolWindow(CanvasOfScreen canvas, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , canvas_(std::move(canvas))
{
    const QString caption = QStringLiteral("ToolBox");
    setObjectName(QStringLiteral("mdiLineAdd_Tool"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    scale.scaleFont(*this);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));
    const QString label = QStringLiteral("線追加");
    auto* button = new QPushButton(label, this);
    button->setObjectName(QStringLiteral("cmdTool1"));
    button->setAccessibleName(label);
    button->setGeometry(rect());
    connect(button, &QPushButton::clicked, this, &LineToolWindow::addLine);
}

void LineToolWindow::addLine()
{
    CanvasWindow& canvas = canvas_();
    canvas.drawAddedLine(canvas.addLine(), AddedLineDraw::Create);
}

} // namespace kinsketch
