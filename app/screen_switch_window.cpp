#include "app/screen_switch_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace kinsketch {

ScreenSwitchWindow::ScreenSwitchWindow(std::function<void()> change, QWidget* parent)
    : QWidget(parent)
    , switchButton_(new QPushButton(QStringLiteral("小⇔大"), this))
{
    setObjectName(QStringLiteral("mdiScreen"));
    setWindowTitle(QStringLiteral("画面"));
    setAccessibleName(windowTitle());
    switchButton_->setObjectName(QStringLiteral("cmdChg"));
    switchButton_->setAccessibleName(switchButton_->text());
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(switchButton_);
    layout->addWidget(line);
    connect(switchButton_, &QPushButton::clicked, this, [change = std::move(change)] { change(); });
}

} // namespace kinsketch
