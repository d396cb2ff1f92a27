#include "guidance_box.h"

#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace kinsketch {
namespace {

constexpr int kCycleMilliseconds = 2500;
// The type of the hints, and the smaller ones a long hint may take.
constexpr std::array<double, 4> kGuidancePoints = {11.25, 10.5, 9.75, 9.0};

QFont gothic(double points, DisplayScale scale)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(points);
    return scale.font(font);
}

} // namespace

GuidanceBox::GuidanceBox(Timers& timers, DisplayScale scale, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , timers_(timers)
    , scale_(scale)
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
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));

    // The hint runs up to the close mark.
    guidanceLabel_->setObjectName(QStringLiteral("lblInfo"));
    guidanceLabel_->setGeometry(scale.rect(120, 90, 6420, 330));
    guidanceLabel_->setFont(gothic(kGuidancePoints.front(), scale));
    guidanceLabel_->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));

    closeLabel_->setObjectName(QStringLiteral("lblBatu"));
    closeLabel_->setAccessibleName(QStringLiteral("閉じる"));
    closeLabel_->setGeometry(scale.rect(6600, 45, 375, 375));
    closeLabel_->setFont(gothic(21.75, scale));
    closeLabel_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    closeLabel_->installEventFilter(this);
}

void GuidanceBox::setGuidanceLine(std::uint8_t n, const std::string& text) { follow(cycle_.setGuidanceLine(n, text)); }

void GuidanceBox::tellCutText(const std::string& line)
{
    if (line == cutTextTold_) return;
    follow(line.empty() ? cycle_.withdrawLine(cutTextTold_) : cycle_.setGuidanceLine(0, line));
    cutTextTold_ = line;
}

void GuidanceBox::follow(GuidanceCycle::TimerChange change)
{
    if (change == GuidanceCycle::TimerChange::None) return;
    ++generation_;
    if (change == GuidanceCycle::TimerChange::Start) arm();
    showLine(cycle_.shown());
}

std::string GuidanceBox::lineWithPath(const QString& lead, const QString& path) const
{
    const QFontMetricsF metrics(gothic(kGuidancePoints.back(), scale_));
    const qreal room = guidanceLabel_->width() - metrics.horizontalAdvance(lead);
    const qsizetype lastSeparator = path.lastIndexOf(QDir::separator());
    const QString last = path.mid(lastSeparator);
    const qreal roomBeforeLast = room - metrics.horizontalAdvance(last);
    // A last part too long to leave room for the path's start is not kept whole.
    const QString shown = lastSeparator > 0 && roomBeforeLast >= metrics.horizontalAdvance(path.left(2) + QChar(0x2026))
                              ? metrics.elidedText(path.left(lastSeparator), Qt::ElideRight, roomBeforeLast) + last
                              : metrics.elidedText(path, Qt::ElideMiddle, room);
    return (lead + shown).toStdString();
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

void GuidanceBox::showLine(const std::string& line)
{
    const QString text = QString::fromStdString(line);
    for (const double points : kGuidancePoints) {
        const QFont font = gothic(points, scale_);
        guidanceLabel_->setFont(font);
        if (QFontMetrics(font).horizontalAdvance(text) <= guidanceLabel_->width()) break;
    }
    guidanceLabel_->setText(text);
}

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
