#include "mdi_waku_add_tool2.h"

#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/basic_input/window/child_window_place.h"
#include "genogram/cls_auto_line2.h"

#include <QPushButton>

namespace kinsketch {
namespace {

constexpr TwipsPlace kNormalPlace{10915, 7500};
constexpr TwipsPlace kWidePlace{15150, 8600};

} // namespace

mdiWakuAdd_Tool2::mdiWakuAdd_Tool2(GdrRecord& document, ErrorReporter& reporter, FrameToolNeighbours neighbours,
                                   QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , reporter_(reporter)
    , neighbours_(std::move(neighbours))
    , cmdTool1_(new QPushButton(this))
{
    const QString caption = QStringLiteral("ToolBox");
    setObjectName(QStringLiteral("mdiWakuAdd_Tool2"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    cmdTool1_->setObjectName(QStringLiteral("cmdTool1"));
    cmdTool1_->setGeometry(twipsRect(60, 60, 2400, 420));
    setFixedSize(twipsToPixels(2520), twipsToPixels(540));
    setButtonCaption(kFrameEraseCaption);
    connect(cmdTool1_, &QPushButton::clicked, this, &mdiWakuAdd_Tool2::cmdTool1_Click);
}

void mdiWakuAdd_Tool2::Form_Load() { placeChildWindow(*this, document_.isWide() ? kWidePlace : kNormalPlace); }

void mdiWakuAdd_Tool2::cmdTool1_Click()
{
    document_.CohabitFlag.fill(0);
    document_.CohabitSeg.fill(0);
    std::int32_t result = 0;
    clsAutoLine2 builder(document_, reporter_);
    if (document_.isWide())
        builder.DoAutoLine_2(kTrue, result, neighbours_.panelMark);
    else
        builder.DoAutoLine(kTrue, result, neighbours_.panelMark);
    neighbours_.redrawCanvas();
    neighbours_.clearPanelMarks();
    setButtonCaption(kFrameEraseCaption);
}

void mdiWakuAdd_Tool2::setButtonCaption(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    cmdTool1_->setText(text);
    cmdTool1_->setAccessibleName(text);
}

} // namespace kinsketch
