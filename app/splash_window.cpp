#include "app/splash_window.h"

#include "seams/timers.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace kinsketch {
namespace {

// The 361 × 112 banner: the program's name over a quiet band of colour.
QPixmap bannerPixmap()
{
    QPixmap pixmap(361, 112);
    pixmap.fill(QColor(0xF4, 0xF1, 0xE8));
    QPainter painter(&pixmap);
    painter.fillRect(QRect(0, 0, 12, 112), QColor(0x3A, 0x6E, 0x8F));
    QFont title(QStringLiteral("IPAPGothic"), 26, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(0x23, 0x3A, 0x4A));
    painter.drawText(QRect(28, 14, 320, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kin Sketch"));
    QFont subtitle(QStringLiteral("IPAPGothic"), 10);
    painter.setFont(subtitle);
    painter.drawText(QRect(30, 64, 320, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ジェノグラム作成"));
    return pixmap;
}

} // namespace

SplashWindow::SplashWindow(Timers& timers, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::FramelessWindowHint) // a splash-screen window would block its own timer in exec()
    , timers_(timers)
{
    setObjectName(QStringLiteral("frmSplash2019"));
    setWindowTitle(QStringLiteral("Kin Sketch"));
    setAccessibleName(windowTitle());
    auto* frame = new QFrame(this); // Shape1: the border around the window
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setFrameShape(QFrame::Box);
    auto* image = new QLabel(frame);
    image->setPixmap(bannerPixmap());
    auto* info = new QLabel(QStringLiteral("画像ファイル（BMP）を作成しています。"), frame);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setAccessibleName(info->text());
    info->setAlignment(Qt::AlignCenter);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(image);
    inner->addWidget(info);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
}

void SplashWindow::showModal()
{
    timers_.singleShot(kDisplayMilliseconds, [this] { accept(); });
    exec();
}

} // namespace kinsketch
