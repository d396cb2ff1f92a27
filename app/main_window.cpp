#include "app/main_window.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "ui/child_window_place.h"

namespace kinsketch {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , childArea_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Kin Sketch"));
    setAccessibleName(windowTitle());
    childArea_->setBackground(QColor(0xAB, 0xAB, 0xAB)); // the classic application-workspace grey
    setCentralWidget(childArea_);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
}

void MainWindow::addChildWindow(QWidget* window)
{
    QMdiSubWindow* sub =
        childArea_->addSubWindow(window, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setAccessibleName(window->windowTitle());
    sub->setSystemMenu(nullptr);
    sub->show();
}

void MainWindow::unloadChildWindow(QWidget* window)
{
    if (window) delete &frameOf(*window);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The program ends only through the end question (or after the picture was saved).
    event->ignore();
    if (onCloseRequest_) onCloseRequest_();
}

} // namespace kinsketch
