#include "mdi_pan_com.h"

#include "genogram/basic_input/window/child_window_place.h"

#include <QColorDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace kinsketch {
namespace {

constexpr Colour kHighlight = 0xFFC0C0;

QColor qColour(Colour c) { return QColor(static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8) & 0xFFU), static_cast<int>((c >> 16) & 0xFFU)); }

QString backColourStyle(Colour c) { return QStringLiteral("background-color: %1;").arg(qColour(c).name()); }

// The pictures of the two tool buttons: an open polygon and an eraser.
QIcon toolPicture(bool eraser)
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    if (eraser) {
        painter.setBrush(Qt::white);
        painter.drawRect(4, 8, 16, 9);
        painter.fillRect(4, 8, 6, 9, Qt::darkGray);
    } else {
        const QPoint points[] = {{3, 20}, {8, 4}, {20, 8}, {16, 20}};
        painter.drawPolyline(points, 4);
    }
    return QIcon(picture);
}

QLabel* heading(const QString& text, QWidget* parent, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    label->setGeometry(place);
    return label;
}

} // namespace

mdiPan_Com::mdiPan_Com(bool wide, GdrRecord& document, std::int32_t& freeLineCount, FreeLinePanelRegisters& registers,
                       MessageBoxes& boxes, FreeLinePanelNeighbours neighbours, QWidget* parent)
    : QWidget(parent)
    , wide_(wide)
    , model_(document, freeLineCount, registers, boxes, std::move(neighbours))
{
    const QString caption = QStringLiteral("Tool Box");
    setObjectName(QStringLiteral("mdiPan_Com"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(twipsToPixels(3420), twipsToPixels(1320));

    const QString figure = QStringLiteral("自由図形"), eraser = QStringLiteral("消しゴム");
    heading(figure, this, twipsRect(60, 60, 900, 240));
    cmd_FreeFig_ = button(QStringLiteral("cmd_FreeFig"), figure);
    cmd_FreeFig_->setText({});
    cmd_FreeFig_->setIcon(toolPicture(false));
    cmd_FreeFig_->setGeometry(twipsRect(60, 300, 900, 450));
    heading(eraser, this, twipsRect(1020, 60, 960, 240));
    cmd_Erase_ = button(QStringLiteral("cmd_Erase"), eraser);
    cmd_Erase_->setText({});
    cmd_Erase_->setIcon(toolPicture(true));
    cmd_Erase_->setGeometry(twipsRect(1020, 300, 480, 450));
    txtLineE_ = widthBox(QStringLiteral("txtLineE"), QStringLiteral("消しゴムの太さ"));
    txtLineE_->setGeometry(twipsRect(1560, 390, 420, 285));
    cmd_Back_ = button(QStringLiteral("cmd_Back"), QStringLiteral("一つ戻る"));
    cmd_Back_->setGeometry(twipsRect(2100, 60, 1260, 360));
    auto* cmd_AllErase = button(QStringLiteral("cmd_AllErase"), QStringLiteral("全クリア"));
    cmd_AllErase->setGeometry(twipsRect(2100, 480, 1260, 360));
    heading(QStringLiteral("太さ"), this, twipsRect(60, 930, 420, 285));
    txtLineW_ = widthBox(QStringLiteral("txtLineW"), QStringLiteral("太さ"));
    txtLineW_->setGeometry(twipsRect(480, 900, 480, 285));
    heading(QStringLiteral("色"), this, twipsRect(1140, 930, 240, 285));
    lblColorSample_ = new QLabel(this);
    lblColorSample_->setObjectName(QStringLiteral("lblColorSample"));
    lblColorSample_->setAccessibleName(QStringLiteral("色"));
    lblColorSample_->setGeometry(twipsRect(1380, 900, 420, 285));
    lblColorSample_->setFrameShape(QFrame::Box);
    auto* cmd_SetColor = button(QStringLiteral("cmd_SetColor"), QStringLiteral("設定"));
    cmd_SetColor->setGeometry(twipsRect(2100, 900, 1260, 345));
    txtDmy_ = new QLineEdit(this);
    txtDmy_->setObjectName(QStringLiteral("txtDmy"));
    txtDmy_->setAccessibleName(QStringLiteral("txtDmy"));
    txtDmy_->setGeometry(-100, -100, 10, 10);

    connect(cmd_FreeFig_, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::cmd_FreeFig_Click); });
    connect(cmd_Erase_, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::cmd_Erase_Click); });
    connect(cmd_Back_, &QPushButton::clicked, this, [this] {
        after(&FreeLinePanel::cmd_Back_Click);
        if (cmd_Back_->isEnabled()) cmd_Back_->setFocus();
    });
    connect(cmd_AllErase, &QPushButton::clicked, this, [this] { after(&FreeLinePanel::cmd_AllErase_Click); });
    connect(cmd_SetColor, &QPushButton::clicked, this, &mdiPan_Com::cmd_SetColor_Click);
    connect(txtLineW_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.registers().txtLineW = text.toStdString(); });
    connect(txtLineE_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.registers().txtLineE = text.toStdString(); });
}

QPushButton* mdiPan_Com::button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    b->setAutoFillBackground(true);
    return b;
}

QLineEdit* mdiPan_Com::widthBox(const QString& name, const QString& caption)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->installEventFilter(this);
    return box;
}

void mdiPan_Com::Form_Load()
{
    placeChildWindow(*this, {wide_ ? 15150 : 11200, 0});
    model_.Form_Load();
    showRegisters();
}

void mdiPan_Com::showRegisters()
{
    const FreeLinePanelRegisters& r = model_.registers();
    if (r.cmd_FreeFigHighlighted != shown_.cmd_FreeFigHighlighted)
        cmd_FreeFig_->setStyleSheet(r.cmd_FreeFigHighlighted ? backColourStyle(kHighlight) : QString());
    if (r.cmd_EraseHighlighted != shown_.cmd_EraseHighlighted)
        cmd_Erase_->setStyleSheet(r.cmd_EraseHighlighted ? backColourStyle(kHighlight) : QString());
    cmd_Back_->setEnabled(r.cmd_BackEnabled);
    if (r.lblColorSample != shown_.lblColorSample || lblColorSample_->styleSheet().isEmpty())
        lblColorSample_->setStyleSheet(backColourStyle(r.penColour()));
    if (txtLineW_->text().toStdString() != r.txtLineW) txtLineW_->setText(QString::fromStdString(r.txtLineW));
    if (txtLineE_->text().toStdString() != r.txtLineE) txtLineE_->setText(QString::fromStdString(r.txtLineE));
    shown_ = r;
}

void mdiPan_Com::after(void (FreeLinePanel::*click)())
{
    (model_.*click)();
    showRegisters();
}

void mdiPan_Com::cmd_SetColor_Click()
{
    const QColor chosen = QColorDialog::getColor(qColour(model_.registers().penColour()), this, QStringLiteral("色の設定"));
    if (!chosen.isValid()) return;
    model_.setColour(static_cast<Colour>(chosen.red()) | (static_cast<Colour>(chosen.green()) << 8) |
                     (static_cast<Colour>(chosen.blue()) << 16));
    showRegisters();
}

bool mdiPan_Com::checkBox(QLineEdit* box)
{
    checking_ = true;
    const bool valid = box == txtLineW_ ? model_.LfncChkLineW() : model_.LfncChkLineE();
    checking_ = false;
    return valid;
}

// Characters other than digits are dropped as typed; keys that move the
// cursor or the focus keep working. A width refused on leaving the box
// takes the focus back there.
bool mdiPan_Com::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || (box != txtLineW_ && box != txtLineE_)) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (checkBox(box)) txtDmy_->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Backspace) return false;
        const QString text = key->text();
        return !text.isEmpty() && text.at(0).isPrint() && !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9');
    }
    if (event->type() == QEvent::FocusOut && !checking_ && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !checkBox(box))
            QTimer::singleShot(0, box, [box] { box->setFocus(); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kinsketch
