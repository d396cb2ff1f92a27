// 表示サイズ 自動: the largest size at which the screen fits its room, refitted when the room changes and after 小⇔大.

#include "app/display_fit.h"
#include "app/editing_screen_layout.h"
#include "tests/app/whole_screen.h"
#include "windows/tools/free_line_panel_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace kinsketch::test {
namespace {

// A frame's title bar grows with the size, as the style's does.
QMargins frameMargins(DisplayScale scale, bool titled) { return {2, titled ? scale.pixels(22) : 2, 2, 2}; }

EditingScreenLayout layoutAt(CanvasSize size, int percent)
{
    const DisplayScale scale(percent);
    return EditingScreenLayout(size, scale, frameMargins(scale, true), frameMargins(scale, false));
}

bool fitsIn(CanvasSize size, int percent, QSize room)
{
    const QSize extent = layoutAt(size, percent).extent();
    return extent.width() <= room.width() && extent.height() <= room.height();
}

// On the care offices' laptops (the child area of a maximised main window, in logical pixels at 100, 125 and 150 %
// system scaling) every window fits, at the largest step that does; a fixed size that does not fit gives way to it.
TEST(DisplayFit, AutomaticIsTheLargestStepThatFitsAndAFixedSizeThatDoesNotFitGivesWay)
{
    const std::pair<QSize, double> rooms[] = {{{1366, 740}, 1.0},  {{1093, 590}, 1.25}, {{910, 490}, 1.5},
                                              {{1920, 1050}, 1.0}, {{1536, 840}, 1.25}, {{1280, 700}, 1.5}};
    for (const CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide})
        for (const auto& [room, ratio] : rooms) {
            const std::string where = std::to_string(room.width()) + "x" + std::to_string(room.height()) +
                                      (size == CanvasSize::Wide ? " WIDE" : " normal");
            const DisplaySizes sizes =
                fitDisplaySizes(kAutomaticDisplaySize, size, room, smallestAutomaticPercent(ratio), frameMargins);
            const int chosen = sizes.automatic.percent();
            EXPECT_TRUE(fitsIn(size, chosen, room)) << where << " at " << chosen;
            EXPECT_TRUE(chosen == DisplayScale::kLargestPercent || !fitsIn(size, chosen + 5, room)) << where;
            EXPECT_EQ(sizes.shown, sizes.automatic) << where;
            for (const int percent : DisplayScale::kPercents) {
                EXPECT_EQ(sizes.fits(percent), fitsIn(size, percent, room)) << where << " at " << percent;
                const DisplaySizes fixed =
                    fitDisplaySizes(percent, size, room, smallestAutomaticPercent(ratio), frameMargins);
                EXPECT_EQ(fixed.shown.percent(), sizes.fits(percent) ? percent : chosen) << where << " " << percent;
            }
        }
    EXPECT_EQ((std::vector{smallestAutomaticPercent(1.0), smallestAutomaticPercent(1.25), smallestAutomaticPercent(1.5),
                           smallestAutomaticPercent(2.0)}),
              (std::vector{70, 60, 50, 35}));
}

TEST(DisplayFit, NoFrameCoversAnotherAtAnyStep)
{
    for (const CanvasSize size : {CanvasSize::Normal, CanvasSize::Wide})
        for (int percent = DisplayScale::kSmallestPercent; percent <= DisplayScale::kLargestPercent; percent += 5) {
            const std::vector<ArrangedWindow> windows = layoutAt(size, percent).windows();
            for (auto a = windows.begin(); a != windows.end(); ++a)
                for (auto b = std::next(a); b != windows.end(); ++b)
                    EXPECT_FALSE(a->frame.intersects(b->frame))
                        << percent << " %: " << a->name.toStdString() << " and " << b->name.toStdString();
        }
}

// A size chosen remakes the windows at it, keeping the mode and the canvas's unstored texts, and is remembered. A smaller
// room refits the screen once the resizing has settled; sizes that no longer fit cannot be chosen and say why; 小⇔大
// refits at once; the keys step between sizes that fit and back to 自動.
TEST(DisplayFit, AChosenSizeRemakesTheWindowsAndTheScreenIsRefittedWhenItsRoomChangesAndAfterTheSizeSwitch)
{
    WholeScreen whole(CanvasSize::Normal, kAutomaticDisplaySize, [](GdrRecord& document) { document.ages[2] = "80"; });
    whole.placeText(CanvasSize::Normal);
    whole.chooseMode(3);
    whole.screen->windows().freeLinePanel().model().registers().penWidthText = "5";
    const auto shown = [&whole] { return whole.main.displayScale().percent(); };
    const auto allInside = [&whole] {
        const QRect room(QPoint(), whole.room);
        return std::ranges::all_of(whole.frames(), [&room](const auto& frame) { return room.contains(frame.second); });
    };
    EXPECT_EQ(shown(), whole.screen->displaySizes().automatic.percent());
    const int roomy = shown();
    QComboBox* box = whole.screen->menuBar().displaySizeBox();
    emit box->activated(box->findData(150));
    QApplication::processEvents();
    box = whole.screen->menuBar().displaySizeBox(); // made anew with the windows
    EXPECT_EQ(std::make_tuple(whole.screen->windows().canvas(CanvasSize::Normal).size(), box->currentData().toInt(),
                              whole.settings.value("display/percent").toInt()),
              std::make_tuple(QSize(429, 507), 150, 150)); // 4290 x 5070 twips at 150 %
    emit box->activated(box->findData(kAutomaticDisplaySize));

    whole.room = QSize(1366, 740);
    QResizeEvent resized(QSize(1366, 768), whole.main.size()); // the window may not outgrow the platform's screen
    QApplication::sendEvent(&whole.main, &resized);
    whole.timers.advance(100);
    EXPECT_EQ(shown(), roomy) << "refitted before the resizing settled";
    whole.timers.advance(1000);
    const int laptop = shown();
    EXPECT_LT(laptop, roomy);
    EXPECT_EQ(laptop, whole.screen->displaySizes().automatic.percent());
    EXPECT_TRUE(allInside());
    const GenoCanvas& canvas = whole.screen->windows().canvas(CanvasSize::Normal).canvas();
    EXPECT_EQ(std::make_tuple(canvas.textLabels[1].text.caption, canvas.ageLabels[2].text.caption,
                              whole.context.inputMode,
                              whole.screen->windows().freeLinePanel().model().registers().penWidthText),
              std::make_tuple("主介護者", "80", InputMode::FreeLines, "5"));
    box = whole.screen->menuBar().displaySizeBox();
    const auto* items = qobject_cast<const QStandardItemModel*>(box->model());
    const int at200 = box->findData(200);
    EXPECT_EQ(std::make_tuple(box->currentData().toInt(), items->item(at200)->isEnabled(),
                              box->itemData(at200, Qt::ToolTipRole).toString()),
              std::make_tuple(kAutomaticDisplaySize, false, QStringLiteral("200 % ではこの画面に収まりません")));

    whole.screen->stepDisplaySize(-1);
    EXPECT_EQ(std::make_tuple(shown(), whole.settings.value("display/percent").toInt()),
              std::make_tuple(laptop > 100 ? 100 : laptop, laptop > 100 ? 100 : 0));
    whole.screen->changeDisplaySize(200); // a size that does not fit is not shown
    EXPECT_EQ(shown(), laptop);
    whole.screen->changeDisplaySize(kAutomaticDisplaySize);

    whole.screen->screenSwitch().switchButton()->click();
    EXPECT_EQ(whole.context.document.screenMode, "WIDE");
    EXPECT_LT(shown(), laptop) << "the WIDE screen needs more room";
    EXPECT_TRUE(allInside());
}

TEST(DisplayFit, TheChoiceIsKeptAndAnythingElseReadsAsAutomatic)
{
    TemporaryFolder folder;
    QSettings settings(QString::fromStdString((folder.path() / "settings.ini").string()), QSettings::IniFormat);
    UserSettings user(settings);
    std::vector<int> read;
    for (const QVariant& stored : {QVariant(), QVariant(125), QVariant(110), QVariant("auto"), QVariant(0)}) {
        settings.setValue("display/percent", stored);
        read.push_back(user.loadDisplayChoice());
    }
    EXPECT_EQ(read, (std::vector{0, 125, 0, 0, 0}));
}

} // namespace
} // namespace kinsketch::test
