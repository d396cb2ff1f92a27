#include "app/main_window.h"
#include "app/splash_window.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <gtest/gtest.h>

namespace kinsketch {
namespace {

TEST(SplashWindow, ClosesItselfAfter1500Milliseconds)
{
    test::application();
    test::ManualTimers timers;
    SplashWindow splash(timers);
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblInfo"))->text(),
              QStringLiteral("画像ファイル（BMP）を作成しています。"));
    bool closedAfter = false;
    // The modal loop runs until the timer fires; the test advances time from inside it.
    QTimer::singleShot(0, [&] {
        timers.advance(1499);
        EXPECT_TRUE(splash.isVisible());
        timers.advance(1);
        closedAfter = !splash.isVisible();
    });
    splash.showModal();
    EXPECT_TRUE(closedAfter);
    EXPECT_FALSE(splash.isVisible());
}

TEST(MainWindow, HasNoCloseButtonAndRefusesAWindowManagerClose)
{
    test::application();
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kin Sketch"));
    EXPECT_EQ(window.accessibleName(), QStringLiteral("Kin Sketch"));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinMaxButtonsHint);
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    auto* child = new QWidget;
    child->setWindowTitle(QStringLiteral("ジェノグラム入力"));
    window.addChildWindow(child);
    QMdiSubWindow* sub = window.childArea()->subWindowList().value(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(sub->accessibleName(), QStringLiteral("ジェノグラム入力"));
}

} // namespace
} // namespace kinsketch
