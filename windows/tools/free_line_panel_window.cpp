#include "free_line_panel_window.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>

namespace kinsketch {
namespace {

constexpr Colour kHighlight = 0xFFC0C0;

QColor qColour(Colour c)
{
    return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU));
}

QString backColourStyle(Colour c) { return QStringLiteral("background-color: %1;").arg(qColour(c).name()); }

// The pictures of the two tool buttons: an open polygon and an eraser.
QIcon toolPicture(bool eraser, DisplayScale scale)
{
    return QIcon(scale.picture(QSize(24, 24), [eraser](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 2));
        if (eraser) {
            painter.setBrush(Qt::white);
            painter.drawRect(4, 8, 16, 9);
            painter.fillRect(4, 8, 6, 9, Qt::darkGray);
        } else {
            const QPoint points[] = {{3, 20}, {8, 4}, {20, 8}, {16, 20}};
            painter.drawPolyline(points, 4);
        }
    }));
}

QLabel* heading(const QString& text, QWidget* parent, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    label->setGeometry(place);
    return label;
}

} // namespace

FreeLinePanelWindow::FreeLinePanelWindow(Drawing& drawing, std::int32_t& freeLineCount,
                                         FreeLinePanelRegisters& registers, MessageBoxes& boxes,
                                         FreeLinePanelNeighbours neighbours, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , model_(drawing, freeLineCount, registers, boxes, std::move(neighbours))
{
    const QString caption = QStringLiteral("Tool Box");
    setObjectName(QStringLiteral("mdiPan_Com"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    scale.scaleFont(*this);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));

    const QString figure = QStringLiteral("自由図形"), eraser = QStringLiteral("消しゴム");
    heading(figure, this, scale.rect(60, 60, 900, 240));
    figureButton_ = button(QStringLiteral("cmd_FreeFig"), figure);
    figureButton_->setText({});
    figureButton_->setIcon(toolPicture(false, scale));
    figureButton_->setGeometry(scale.rect(60, 300, 900, 450));
    heading(eraser, this, scale.rect(1020, 60, 960, 240));
    eraserButton_ = button(QStringLiteral("cmd_Erase"), eraser);
    eraserButton_->setText({});
    eraserButton_->setIcon(toolPicture(true, scale));
    eraserButton_->setGeometry(scale.rect(1020, 300, 480, 450));
    eraserWidthBox_ = widthBox(QStringLiteral("txtLineE"), QStringLiteral("消しゴムの太さ"));
    eraserWidthBox_->setGeometry(scale.rect(1560, 390, 420, 285));
    undoButton_ = button(QStringLiteral("cmd_Back"), QStringLiteral("一つ戻る"));
    undoButton_->setGeometry(scale.rect(2100, 60, 900, 360));
    auto* clearButton = button(QStringLiteral("cmd_AllErase"), QStringLiteral("全クリア"));
    clearButton->setGeometry(scale.rect(2100, 480, 900, 360));
    heading(QStringLiteral("太さ"), this, scale.rect(60, 930, 420, 285));
    penWidthBox_ = widthBox(QStringLiteral("txtLineW"), QStringLiteral("太さ"));
    penWidthBox_->setGeometry(scale.rect(480, 900, 480, 285));
    heading(QStringLiteral("色"), this, scale.rect(1020, 930, 240, 285));
    colourSample_ = new QLabel(this);
    colourSample_->setObjectName(QStringLiteral("lblColorSample"));
    colourSample_->setAccessibleName(QStringLiteral("色"));
    colourSample_->setGeometry(scale.rect(1260, 900, 420, 285));
    colourSample_->setFrameShape(QFrame::Box);
    auto* setColourButton = button(QStringLiteral("cmd_SetColor"), QStringLiteral("設定"));
    setColourButton->setGeometry(scale.rect(1740, 900, 540, 345));
    relationButton_ = button(QStringLiteral("cmd_Relation"), QStringLiteral("関係線"));
    relationButton_->setGeometry(scale.rect(3060, 60, 900, 780));
    relationKinds_ = new QComboBox(this);
    relationKinds_->setObjectName(QStringLiteral("cbo_Relation"));
    relationKinds_->setAccessibleName(QStringLiteral("関係線の種類"));
    relationKinds_->setToolTip(QStringLiteral("線は人から人へドラッグ、印はクリックした所に描きます"));
    for (const std::string_view name : kRelationKindNames) relationKinds_->addItem(QString::fromUtf8(name));
    relationKinds_->setGeometry(scale.rect(2340, 900, 1620, 345));
    focusSink_ = new QLineEdit(this);
    focusSink_->setObjectName(QStringLiteral("txtDmy"));
    focusSink_->setAccessibleName(QStringLiteral("txtDmy"));
    focusSink_->setGeometry(-100, -100, 10, 10);

    connect(figureButton_, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::toggleFigure); });
    connect(eraserButton_, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::toggleEraser); });
    connect(undoButton_, &QPushButton::clicked, this, [this] {
        after(&FreeLinePanel::undoStroke);
        if (undoButton_->isEnabled()) undoButton_->setFocus();
    });
    connect(relationButton_, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::toggleRelation); });
    connect(relationKinds_, &QComboBox::activated, this, [this](int index) {
        model_.chooseRelation(static_cast<RelationKind>(index));
        showRegisters();
    });
    connect(clearButton, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::clearAll); });
    connect(setColourButton, &QPushButton::clicked, this, &FreeLinePanelWindow::takeColourFromPicker);
    connect(penWidthBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.registers().penWidthText = text.toStdString(); });
    connect(eraserWidthBox_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.registers().eraserWidthText = text.toStdString(); });
}

QPushButton* FreeLinePanelWindow::button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    b->setAutoFillBackground(true);
    return b;
}

QLineEdit* FreeLinePanelWindow::widthBox(const QString& name, const QString& caption)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->installEventFilter(this);
    return box;
}

void FreeLinePanelWindow::load()
{
    model_.load();
    showRegisters();
}

void FreeLinePanelWindow::showRegisters()
{
    const FreeLinePanelRegisters& r = model_.registers();
    if (r.figureHighlighted != shown_.figureHighlighted)
        figureButton_->setStyleSheet(r.figureHighlighted ? backColourStyle(kHighlight) : QString());
    if (r.eraserHighlighted != shown_.eraserHighlighted)
        eraserButton_->setStyleSheet(r.eraserHighlighted ? backColourStyle(kHighlight) : QString());
    const bool relation = r.tool == FreeLineTool::Relation;
    if (relation != (shown_.tool == FreeLineTool::Relation))
        relationButton_->setStyleSheet(relation ? backColourStyle(kHighlight) : QString());
    undoButton_->setEnabled(r.undoEnabled);
    if (r.penColour != shown_.penColour || colourSample_->styleSheet().isEmpty())
        colourSample_->setStyleSheet(backColourStyle(r.penColour));
    // Shown, not typed or chosen: the history would take a changed box for
    // the user's typing and join the next edit to the step before.
    const QSignalBlocker quietKinds(relationKinds_), quietPen(penWidthBox_), quietEraser(eraserWidthBox_);
    relationKinds_->setCurrentIndex(static_cast<int>(r.relationKind));
    if (penWidthBox_->text().toStdString() != r.penWidthText)
        penWidthBox_->setText(QString::fromStdString(r.penWidthText));
    if (eraserWidthBox_->text().toStdString() != r.eraserWidthText)
        eraserWidthBox_->setText(QString::fromStdString(r.eraserWidthText));
    shown_ = r;
}

void FreeLinePanelWindow::after(void (FreeLinePanel::*click)())
{
    (model_.*click)();
    showRegisters();
}

void FreeLinePanelWindow::takeColourFromPicker()
{
    const QColor chosen =
        QColorDialog::getColor(qColour(model_.registers().penColour), this, QStringLiteral("色の設定"));
    if (!chosen.isValid()) return;
    model_.setColour(static_cast<Colour>(chosen.red()) | (static_cast<Colour>(chosen.green()) << 8) |
                     (static_cast<Colour>(chosen.blue()) << 16));
    showRegisters();
}

bool FreeLinePanelWindow::checkBox(QLineEdit* box)
{
    checking_ = true;
    const bool valid = box == penWidthBox_ ? model_.checkPenWidth() : model_.checkEraserWidth();
    checking_ = false;
    return valid;
}

// Characters other than digits are dropped as typed; keys that move the
// cursor or the focus keep working. A width refused on leaving the box
// takes the focus back there.
bool FreeLinePanelWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || (box != penWidthBox_ && box != eraserWidthBox_)) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (checkBox(box)) focusSink_->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Backspace) return false;
        const QString text = key->text();
        return !text.isEmpty() && text.at(0).isPrint() &&
               !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9');
    }
    if (event->type() == QEvent::FocusOut && !checking_ && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !checkBox(box))
            QTimer::singleShot(0, box, [box] { box->setFocus(); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kinsketch
