#include "launcher/linux/progress_window.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace kinsketch::launcher {

ProgressWindow::ProgressWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , messageLabel_(new QLabel(QStringLiteral("処理中・・・"), this))
{
    setObjectName(QStringLiteral("frm_ProcMsg"));
    setWindowTitle(QStringLiteral("ovnqtverup"));
    messageLabel_->setObjectName(QStringLiteral("OlblMSG"));
    messageLabel_->setAlignment(Qt::AlignCenter);

    auto* gaugeBase = new QFrame(this);
    gaugeBase->setObjectName(QStringLiteral("OshpGage_BASE"));
    gaugeBase->setFrameShape(QFrame::Box);
    gaugeBase->setFixedHeight(16);
    auto* gauge = new QFrame(gaugeBase);
    gauge->setObjectName(QStringLiteral("OshpGage"));
    gauge->setStyleSheet(QStringLiteral("background-color: #000080;"));
    gauge->setGeometry(2, 2, 120, 12);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel_);
    layout->addWidget(gaugeBase);
    setFixedSize(360, 110);
}

void ProgressWindow::setMessage(const QString& message) { messageLabel_->setText(message); }

} // namespace kinsketch::launcher
