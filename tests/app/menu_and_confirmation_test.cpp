#include "app/end_question.h"
#include "app/menu_bar.h"
#include "document/file_io.h"
#include "picture/window/picture_confirm_window.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;
using test::ScriptedMessageBoxes;

TEST(MenuBar, ShowsTheVersionAndPassesItsClicksOn)
{
    int saves = 0;
    int ends = 0;
    MenuBar bar([&] { ++saves; }, [&] { ++ends; });
    EXPECT_EQ(bar.versionLabel()->text(), QStringLiteral("Version 3.0.0"));
    EXPECT_EQ(bar.saveButton()->accessibleName(), QStringLiteral("保存"));
    EXPECT_EQ(bar.endButton()->accessibleName(), QStringLiteral("終了"));
    QTest::mouseClick(bar.saveButton(), Qt::LeftButton);
    QTest::mouseClick(bar.endButton(), Qt::LeftButton);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(ends, 1);
}

TEST(EndQuestion, AsksEveryTimeWithNoAsTheDefault)
{
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(askToEndWithoutSaving(boxes)); // the default button
    boxes.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(askToEndWithoutSaving(boxes));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "画像が保存されていません。\r\n\r\nこのまま終了してもよろしいですか？");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].title, "");
}

class PictureConfirmation : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture = QImage(286, 338, QImage::Format_RGB888);
        picture.fill(Qt::white);
        window = std::make_unique<PictureConfirmWindow>(
            picture, work / "kinsketch.bmp", boxes, reporter,
            PictureConfirmWindow::Actions{[this] { ++saved; }, [this] { ++cancelled; }});
    }

    test::TemporaryFolder folder;
    const fs::path work = folder.path();
    QImage picture;
    ScriptedMessageBoxes boxes;
    RecordingReporter reporter;
    std::unique_ptr<PictureConfirmWindow> window;
    int saved = 0;
    int cancelled = 0;
};

TEST_F(PictureConfirmation, NoKeepsTheWindowAndWritesNothing)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("保存画像の確認"));
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "画像を保存して終了します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Question);
    EXPECT_FALSE(fs::exists(work / "kinsketch.bmp"));
    EXPECT_EQ(saved + cancelled, 0);
}

TEST_F(PictureConfirmation, YesWritesTheBitmapAndEnds)
{
    std::ofstream(work / "kinsketch.bmp") << "an older picture";
    boxes.answers = {MessageAnswer::Yes};
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    EXPECT_EQ(saved, 1);
    const Bytes bmp = readWholeFile(work / "kinsketch.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[28], 24); // bits per pixel
    EXPECT_EQ(bmp.size(), 54u + 338u * ((286u * 3 + 3) / 4 * 4));
}

TEST_F(PictureConfirmation, APictureThatCannotBeWrittenLeavesTheWindowToTryAgain)
{
    fs::remove_all(work);
    boxes.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At cmd_OK_Click"});
    fs::create_directories(work);
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(fs::exists(work / "kinsketch.bmp"));
}

TEST_F(PictureConfirmation, CancelAndLosingTheActivationBothReturnToEditingOnce)
{
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    window->lostActivation();
    EXPECT_EQ(cancelled, 1);
    EXPECT_FALSE(fs::exists(work / "kinsketch.bmp"));
}

} // namespace
} // namespace kinsketch
