#include "app/main_window.h"

#include "ui/child_window_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QWindow>

#include <memory>

namespace kinsketch {
namespace {

Qt::WindowFlags subWindowFlags(bool titled)
{
    return titled ? Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  : Qt::SubWindow | Qt::FramelessWindowHint;
}

bool isTitled(const QWidget& window) { return !window.windowFlags().testFlag(Qt::FramelessWindowHint); }

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , childArea_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Kin Sketch"));
    setAccessibleName(windowTitle());
    childArea_->setBackground(QColor(0xAB, 0xAB, 0xAB)); // the classic application-workspace grey
    // At the larger display sizes the screen may outgrow the display.
    childArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    childArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(childArea_);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
}

QFont MainWindow::titleFont(DisplayScale scale) const { return scale.font(QApplication::font()); }

void MainWindow::addChildWindow(QWidget* window)
{
    QMdiSubWindow* sub = childArea_->addSubWindow(window, subWindowFlags(isTitled(*window)));
    sub->setFont(titleFont(displayScale_));
    sub->setAccessibleName(window->windowTitle());
    sub->setSystemMenu(nullptr);
    sub->adjustSize();
    if (placement_) sub->move(placement_(*window));
    sub->show();
}

void MainWindow::unloadChildWindow(QWidget* window)
{
    if (window) delete &frameOf(*window);
}

// Measured on a hidden frame of the same kind in the child area, since the
// style draws title bars and borders by its own rules there.
QMargins MainWindow::frameMargins(DisplayScale scale, bool titled) const
{
    const auto key = std::pair{scale.percent(), titled};
    if (const auto found = frameMargins_.find(key); found != frameMargins_.end()) return found->second;
    auto* inside = new QWidget;
    inside->setFixedSize(100, 100);
    const std::unique_ptr<QMdiSubWindow> probe(childArea_->addSubWindow(inside, subWindowFlags(titled)));
    probe->hide();
    probe->setFont(titleFont(scale));
    probe->adjustSize();
    probe->layout()->activate();
    const QRect in = inside->geometry();
    const QMargins margins(in.left(), in.top(), probe->width() - in.right() - 1, probe->height() - in.bottom() - 1);
    frameMargins_.emplace(key, margins);
    return margins;
}

QSize MainWindow::childRoom() const { return childArea_->contentsRect().size(); }

void MainWindow::setRoomChanged(std::function<void()> onRoomChanged)
{
    onRoomChanged_ = std::move(onRoomChanged);
    QObject::disconnect(screenChanged_);
    if (onRoomChanged_ && windowHandle())
        screenChanged_ = connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (onRoomChanged_) onRoomChanged_();
        });
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (onRoomChanged_) onRoomChanged_();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The program ends only through the end question (or after the picture was saved).
    event->ignore();
    if (onCloseRequest_) onCloseRequest_();
}

} // namespace kinsketch
