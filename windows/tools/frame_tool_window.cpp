#include "frame_tool_window.h"

#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/cohabit_frame_builder.h"

#include <QPushButton>

namespace kinsketch {
FrameToolWindow::FrameToolWindow(Drawing& drawing, ErrorReporter& reporter, FrameToolNeighbours neighbours,
                                 DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , drawing_(drawing)
    , reporter_(reporter)
    , neighbours_(std::move(neighbours))
    , button_(new QPushButton(this))
{
    const QString caption = QStringLiteral("ToolBox");
    setObjectName(QStringLiteral("mdiWakuAdd_Tool2"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    button_->setObjectName(QStringLiteral("cmdTool1"));
    scale.scaleFont(*this);
    button_->setGeometry(scale.rect(60, 60, 2400, 420));
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));
    setButtonCaption(kFrameEraseCaption);
    connect(button_, &QPushButton::clicked, this, &FrameToolWindow::toggleFrame);
}

void FrameToolWindow::toggleFrame()
{
    buildCohabitFrameOfMarks(drawing_, reporter_, neighbours_.panelMark);
    neighbours_.redrawCanvas();
    neighbours_.clearPanelMarks();
    setButtonCaption(kFrameEraseCaption);
}

void FrameToolWindow::setButtonCaption(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    button_->setText(text);
    button_->setAccessibleName(text);
}

} // namespace kinsketch
