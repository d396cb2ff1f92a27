#include "basic_input_window.h"

#include "slot_background.h"
#include "symbol_chooser.h"

#include "document/storable_text.h"
#include "genogram/geno_canvas.h"
#include "picture/canvas_painter.h"
#include "ui/grid_arrow_keys.h"
#include "ui/text_fit_warning.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>
#include <tuple>

namespace kinsketch {
namespace {

constexpr int kAgeCaptionOffset = 480;
constexpr int kRemarkCaptionOffset = 720;

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QColor qColour(Colour bgr) { return QColor(bgr & 0xFFU, (bgr >> 8) & 0xFFU, (bgr >> 16) & 0xFFU); }

PanelButton panelButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return PanelButton::Left;
    case Qt::RightButton: return PanelButton::Right;
    default: return PanelButton::Middle;
    }
}

QLineEdit* textBox(QWidget* parent, DisplayScale scale, const QString& name, int i, TwipsPlace frame, TwipsPlace offset)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
    box->setGeometry(scale.rect(frame.left + offset.left, frame.top + offset.top, kTextBoxWidth, kTextBoxHeight));
    box->setTextMargins(0, 0, 0, 0);
    // Qt would cut a long paste at 32 767 characters without a word. One
    // character more than a document holds lets every text too long for it
    // reach the check that refuses it with a message.
    box->setMaxLength(static_cast<int>(kMaxDocumentTextBytes) + 1);
    return box;
}

} // namespace

BasicInputWindow::BasicInputWindow(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, MessageBoxes& boxes,
                                   BasicInputNeighbours neighbours, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , panel_(size, drawing, reporter, boxes, std::move(neighbours))
    , scale_(scale)
{
    const QString caption = QStringLiteral("ジェノグラム入力");
    setObjectName(size == CanvasSize::Wide ? QStringLiteral("mdiGenoInp_2") : QStringLiteral("mdiGenoInp"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    QFont small = font();
    small.setPixelSize(scale_.pixels(11));
    setFont(small);
    setFixedSize(sizeHint());
    // A click on the panel or a slot takes the keys and the wheel away from the
    // choosers, so that a chooser the user left does not change under them.
    setFocusPolicy(Qt::ClickFocus);

    slots_.reserve(static_cast<std::size_t>(panel_.layout().slotCount()));
    for (int i = 0; i < panel_.layout().slotCount(); ++i) buildSlot(i);
    buildRowCaptions();
    new GridArrowKeys(*this);
    panel_.slotChanged = [this](int i) { showSlot(i); };
    panel_.linesChanged = [this] { update(); };
}

QSize BasicInputWindow::sizeHint() const
{
    return scale_.size(panel_.layout().clientWidth, panel_.layout().clientHeight);
}

void BasicInputWindow::buildSlot(int i)
{
    const TwipsPlace frame = panel_.layout().slotFrames[static_cast<std::size_t>(i)];
    SlotControls controls{};
    controls.background = new SlotBackground(this);
    controls.background->setObjectName(QStringLiteral("Label1_%1").arg(i));
    controls.background->setAccessibleName(QStringLiteral("同居 %1").arg(i));
    controls.background->setGeometry(scale_.rect(frame.left, frame.top, kSlotFrameWidth, kSlotFrameHeight));
    controls.background->setFocusPolicy(Qt::ClickFocus);
    connect(controls.background, &SlotBackground::clicked, this, [this, i] { panel_.toggleCohabitantMark(i); });

    controls.chooser = new SymbolChooser(QStringLiteral("続柄記号 %1").arg(i), scale_, this);
    controls.chooser->setObjectName(QStringLiteral("ImgCbo_%1").arg(i));
    controls.chooser->setGeometry(
        scale_.rect(frame.left + kChooserOffset.left, frame.top + kChooserOffset.top, kChooserWidth, kChooserHeight));
    connect(controls.chooser, &QComboBox::currentIndexChanged, this, [this, i](int index) {
        if (index >= 0) panel_.chooseSymbol(i, index);
    });

    controls.age = textBox(this, scale_, QStringLiteral("txtAge"), i, frame, kAgeOffset);
    controls.age->setAccessibleName(QStringLiteral("年齢 %1").arg(i));
    connect(controls.age, &QLineEdit::textChanged, this, [this, i](const QString& text) {
        if (panel_.changeAge(i, text.toStdString()) && !panel_.loading()) ageBox(i)->setFocus();
        showTextFit(i);
    });
    controls.remark = textBox(this, scale_, QStringLiteral("txtRel"), i, frame, kRemarkOffset);
    controls.remark->setAccessibleName(QStringLiteral("備考 %1").arg(i));
    connect(controls.remark, &QLineEdit::textChanged, this, [this, i](const QString& text) {
        if (panel_.changeRemark(i, text.toStdString()) && !panel_.loading()) remarkBox(i)->setFocus();
        showTextFit(i);
    });
    slots_.push_back(controls);
}

void BasicInputWindow::buildRowCaptions()
{
    const InputLayout& layout = panel_.layout();
    QFont captionFont(QStringLiteral("ＭＳ Ｐゴシック"));
    captionFont.setPointSizeF(9.75);
    captionFont = scale_.font(captionFont);
    for (int row = 0; row < layout.rowCount(); ++row) {
        // Captions described left of the window's edge start at the edge and
        // keep their right end, so that none is cut.
        const int described = layout.rowCaptionLefts[static_cast<std::size_t>(row)];
        const int left = std::max(0, described);
        const int width = kRowCaptionWidth - (left - described);
        for (const auto& [text, offset] : {std::pair{QStringLiteral("年齢→"), kAgeCaptionOffset},
                                           std::pair{QStringLiteral("備考→"), kRemarkCaptionOffset}}) {
            auto* label = new QLabel(text, this);
            label->setFont(captionFont);
            label->setGeometry(scale_.rect(left, layout.rowTop(row) + offset, width, kRowCaptionHeight));
            label->lower();
        }
    }
}

void BasicInputWindow::load() { panel_.load(); }

// Showing the model is no edit: the controls' change handlers stay quiet.
void BasicInputWindow::showSlot(int i)
{
    const InputSlot& slot = panel_.slot(i);
    const SlotControls& controls = slots_.at(static_cast<std::size_t>(i));
    controls.background->showMark(slot.mark);
    // Setting a control to what it already shows repaints it all the same; an undo
    // refills every slot, and repainting them all costs a frame.
    if (controls.chooser->currentIndex() != slot.choice) controls.chooser->showChoice(slot.choice);
    bool textsChanged = false;
    for (const auto& [box, text] : {std::pair{controls.age, &slot.age}, std::pair{controls.remark, &slot.remark}}) {
        const QString shown = fromUtf8(*text);
        if (box->text() == shown) continue;
        const QSignalBlocker blocker(box);
        box->setText(shown);
        textsChanged = true;
    }
    // Measuring costs: a text that stayed keeps its mark.
    if (textsChanged) showTextFit(i);
}

// Measured as the canvas label that shows the text: what the picture will
// cut is marked on the box, and for the box being typed in told in words.
void BasicInputWindow::showTextFit(int i)
{
    const CanvasGeometry& geometry = canvasGeometry(panel_.layout().size);
    const SlotControls& controls = slots_.at(static_cast<std::size_t>(i));
    for (const auto& [box, kind, caption] : {std::tuple{controls.age, WidgetKind::ageLabels, "年齢"},
                                             std::tuple{controls.remark, WidgetKind::remarkLabels, "備考"}}) {
        const LabelWidget label = cellLabelOf(geometry, {kind, i}, box->text().toStdString());
        const bool fits = labelTextFits(label, kind, geometry);
        showTextFitWarning(*box, fits);
        if (!box->hasFocus() || panel_.loading()) continue;
        panel_.tellCutText(fits ? std::string() : cutTextLine(caption, shownPartOfLabelText(label, kind, geometry)));
    }
}

void BasicInputWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const InputLayout& layout = panel_.layout();
    const auto toPixels = [this](const TwipsLine& l) {
        return QLine(scale_.px(l.x1), scale_.px(l.y1), scale_.px(l.x2), scale_.px(l.y2));
    };
    const QColor grey = qColour(kDesignGrey);
    for (int k = 0; k < layout.lineCount(); ++k) {
        const InputLine& line = panel_.line(k);
        QPen pen(qColour(line.colour), scale_.pixels(line.width),
                 line.pattern == LinePattern::Dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawLine(toPixels(layout.line(k)));
        if (layout.role(k) != LineRole::Marriage) continue;
        painter.setPen(QPen(line.slashS ? Qt::black : grey, scale_.pixels(1)));
        painter.drawLine(toPixels(layout.slashS(k)));
        painter.setPen(QPen(line.slashW ? Qt::black : grey, scale_.pixels(1)));
        painter.drawLine(toPixels(layout.slashW(k)));
    }
}

void BasicInputWindow::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    panel_.pressBackground(panelButton(event->button()), static_cast<int>(scale_.twips(at.x())),
                           static_cast<int>(scale_.twips(at.y())));
}

} // namespace kinsketch
