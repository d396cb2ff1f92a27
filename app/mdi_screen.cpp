#include "app/mdi_screen.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace kinsketch {

mdiScreen::mdiScreen(std::function<void()> change, QWidget* parent)
    : QWidget(parent)
    , cmdChg_(new QPushButton(QStringLiteral("小⇔大"), this))
{
    setObjectName(QStringLiteral("mdiScreen"));
    setWindowTitle(QStringLiteral("画面"));
    setAccessibleName(windowTitle());
    cmdChg_->setObjectName(QStringLiteral("cmdChg"));
    cmdChg_->setAccessibleName(cmdChg_->text());
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(cmdChg_);
    layout->addWidget(line);
    connect(cmdChg_, &QPushButton::clicked, this, [change = std::move(change)] { change(); });
}

} // namespace kinsketch
