#include "guidance_box.h"

#include "ui/child_window_place.h"

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

GuidanceBox::GuidanceBox(Timers& timers, QWidget* parent)
    : QWidget(parent)
    , timers_(timers)
    , guidanceLabel_(new QLabel(this))
    , closeLabel_(new QLabel(QStringLiteral("×"), this))
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

    guidanceLabel_->setObjectName(QStringLiteral("lblInfo"));
    guidanceLabel_->setGeometry(twipsRect(120, 120, 5895, 255));
    guidanceLabel_->setFont(gothic(11.25));
    guidanceLabel_->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));

    closeLabel_->setObjectName(QStringLiteral("lblBatu"));
    closeLabel_->setAccessibleName(QStringLiteral("閉じる"));
    closeLabel_->setGeometry(twipsRect(6600, 45, 375, 375));
    closeLabel_->setFont(gothic(21.75));
    closeLabel_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    closeLabel_->installEventFilter(this);
}

void GuidanceBox::load(CanvasSize size)
{
    placeChildWindow(*this, size == CanvasSize::Wide ? kWidePlace : kNormalPlace);
}

void GuidanceBox::setGuidanceLine(std::uint8_t n, const std::string& text)
{
    const auto change = cycle_.setGuidanceLine(n, text);
    if (change == GuidanceCycle::TimerChange::None) return;
    ++generation_;
    if (change == GuidanceCycle::TimerChange::Start) arm();
    showLine(cycle_.shown());
}

void GuidanceBox::arm()
{
    timers_.singleShot(kCycleMilliseconds, [self = QPointer<GuidanceBox>(this), generation = generation_] {
        if (!self || generation != self->generation_ || !self->cycle_.running()) return;
        self->cycle_.tick();
        self->showLine(self->cycle_.shown());
        self->arm();
    });
}

void GuidanceBox::showLine(const std::string& line) { guidanceLabel_->setText(QString::fromStdString(line)); }

bool GuidanceBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == closeLabel_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit unloadRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kinsketch
