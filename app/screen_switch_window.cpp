#include "app/screen_switch_window.h"

#include <QFrame>
#include <QPushButton>

namespace kinsketch {

ScreenSwitchWindow::ScreenSwitchWindow(std::function<void()> change, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , switchButton_(new QPushButton(QStringLiteral("小⇔大"), this))
{
    setObjectName(QStringLiteral("mdiScreen"));
    setWindowTitle(QStringLiteral("画面"));
    setAccessibleName(windowTitle());
    scale.scaleFont(*this);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));
    switchButton_->setObjectName(QStringLiteral("cmdChg"));
    switchButton_->setAccessibleName(switchButton_->text());
    switchButton_->setGeometry(scale.rect(60, 135, 1020, 540));
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setGeometry(scale.rect(1140, 45, 90, 720));
    connect(switchButton_, &QPushButton::clicked, this, [change = std::move(change)] { change(); });
}

} // namespace kinsketch
