#include "mdi_line_add_tool.h"

#include "genogram/basic_input/window/child_window_place.h"
#include "genogram/window/mdi_geno_inp_save.h"

#include <QPushButton>

namespace kinsketch {

mdiLineAdd_Tool::mdiLineAdd_Tool(CanvasOfScreen canvas, QWidget* parent)
    : QWidget(parent)
    , canvas_(std::move(canvas))
{
    const QString caption = QStringLiteral("ToolBox");
    setObjectName(QStringLiteral("mdiLineAdd_Tool"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(twipsToPixels(1215), twipsToPixels(495));
    const QString label = QStringLiteral("線追加");
    auto* button = new QPushButton(label, this);
    button->setObjectName(QStringLiteral("cmdTool1"));
    button->setAccessibleName(label);
    button->setGeometry(rect());
    connect(button, &QPushButton::clicked, this, &mdiLineAdd_Tool::cmdTool1_Click);
}

void mdiLineAdd_Tool::Form_Load() { placeChildWindow(*this, {9450, 0}); }

void mdiLineAdd_Tool::cmdTool1_Click()
{
    mdiGenoInpSave& canvas = canvas_();
    canvas.GfncLineDraw(canvas.GfncLineAdd(), 0, 0);
}

} // namespace kinsketch
