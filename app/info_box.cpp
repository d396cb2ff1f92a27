#include "info_box.h"

#include "genogram/basic_input/window/child_window_place.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace kinsketch {
namespace {

constexpr int kCycleMilliseconds = 2500;
constexpr TwipsPlace kNormalPlace{10900, 1650};
constexpr TwipsPlace kWidePlace{15150, 1650};

QFont gothic(double points)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

mdiInfoBox::mdiInfoBox(Timers& timers, QWidget* parent)
    : QWidget(parent)
    , timers_(timers)
    , lblInfo_(new QLabel(this))
    , lblBatu_(new QLabel(QStringLiteral("×"), this))
{
    const QString caption = QStringLiteral("ガイダンス");
    setObjectName(QStringLiteral("mdiInfoBox"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setFixedSize(twipsToPixels(7050), twipsToPixels(510));

    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    lblInfo_->setGeometry(twipsRect(120, 120, 5895, 255));
    lblInfo_->setFont(gothic(11.25));
    lblInfo_->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));

    lblBatu_->setObjectName(QStringLiteral("lblBatu"));
    lblBatu_->setAccessibleName(QStringLiteral("閉じる"));
    lblBatu_->setGeometry(twipsRect(6600, 45, 375, 375));
    lblBatu_->setFont(gothic(21.75));
    lblBatu_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    lblBatu_->installEventFilter(this);
}

void mdiInfoBox::Form_Load(bool wideScreen) { placeChildWindow(*this, wideScreen ? kWidePlace : kNormalPlace); }

int mdiInfoBox::GfncSetMsg(std::uint8_t n, const std::string& text)
{
    const auto change = cycle_.GfncSetMsg(n, text);
    if (change == GuidanceCycle::TimerChange::None) return 0;
    ++generation_;
    if (change == GuidanceCycle::TimerChange::Start) arm();
    showLine(cycle_.shown());
    return 0;
}

void mdiInfoBox::arm()
{
    timers_.singleShot(kCycleMilliseconds, [self = QPointer<mdiInfoBox>(this), generation = generation_] {
        if (!self || generation != self->generation_ || !self->cycle_.running()) return;
        self->cycle_.tick();
        self->showLine(self->cycle_.shown());
        self->arm();
    });
}

void mdiInfoBox::showLine(const std::string& line) { lblInfo_->setText(QString::fromStdString(line)); }

bool mdiInfoBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblBatu_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit unloadRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kinsketch
