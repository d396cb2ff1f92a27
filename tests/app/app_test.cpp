#include "app/basic_input_opening.h"
#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "app/menu_bar.h"
#include "app/recovery_offer.h"
#include "app/startup.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "genogram/cohabit_frame_builder.h"
#include "picture/handed_in_picture.h"
#include "tests/app/whole_screen.h"
#include "tests/support/planted_link.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/basic_input/slot_background.h"
#include "windows/basic_input/symbol_chooser.h"
#include "windows/tools/frame_tool_window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using Answer = MessageAnswer;
using test::WholeScreen;

const fs::path kFixtures = fs::path(KINSKETCH_FIXTURE_DIR) / "documents";
const std::string kDiscard = "復元しない編集は失われます。破棄しますか？";

TextLabelRecord textAt(float left, float top)
{
    return {"注記", 0, "MS UI Gothic", 9, kFalse, kFalse, kFalse, kFalse, 0, left, top, 500, 200, kTrue};
}

FreeLineRecord strokeAt(float x, float y) { return {x, y, x + 100, y, 2, 0, 1}; }

TEST(Startup, CommandLineChoosesTheDocumentLeftoversGoAndNothingUnreadableOrOutsideTheFolderIsUsed)
{
    test::TemporaryFolder programFolder;
    const fs::path program = programFolder.path(), work = program / "imgTmp";
    fs::create_directories(work);
    test::ScriptedMessageBoxes boxes;
    std::optional<EditingContext> context;
    int splashShown = 0;
    std::unique_ptr<Startup> startup;
    const auto start = [&](const std::string& commandLine) {
        startup.reset(); // the previous instance ends and lets go of the folder
        context.emplace();
        startup = std::make_unique<Startup>(program, *context, boxes, [&] { ++splashShown; });
        return startup->run(commandLine);
    };
    ASSERT_EQ(start(""), StartupOutcome::Run);
    EXPECT_EQ(std::tie(splashShown, context->document.isNew, context->document.version),
              std::make_tuple(1, kTrue, "300"));

    ASSERT_EQ(start("new"), StartupOutcome::Run);
    EXPECT_EQ(std::make_tuple(splashShown, startup->documentName()), std::make_tuple(1, std::string()))
        << "\"new\" starts without the splash, and a printed copy is named after no document";

    // Temporary files of a save cut off by a kill hold the previous client's family: they go.
    for (const char* name : {"kinsketch.bmp", "OLD.BMP", "x.Bmp", "other.gdr", "note.txt", "kinsketch.bmp.tmp",
                             "KinSketch.GDR.tmp", "x.gdr.TMP"})
        std::ofstream(work / name) << "x";
    fs::copy_file(kFixtures / "wide_family.gdr", work / "KinSketch.GDR");
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(work)) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{".kinsketch.lock", "KinSketch.GDR", "note.txt", "other.gdr"}));
    EXPECT_EQ(std::tie(context->document.screenMode, context->freeLineCount, startup->documentName()),
              std::make_tuple("WIDE", 6, "kinsketch"))
        << "the handed-in document is kept and found without regard to case";
    EXPECT_TRUE(boxes.shown.empty());

    // The same name with another drawing: the copy is told as another's, Enter does not answer; 破棄する, はい.
    GdrRecord edited = context->document;
    edited.ages[0] = "99";
    startup->recoveryCopy()->write(edited);
    fs::copy_file(kFixtures / "sample_family.gdr", work / "KinSketch.GDR", fs::copy_options::overwrite_existing);
    boxes.answers = {Answer::Discard, Answer::Yes};
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    ASSERT_EQ(boxes.texts(), (std::vector<std::string>{boxes.shown[0].text, kDiscard}));
    EXPECT_EQ(std::tie(boxes.shown[0].defaultAnswer, context->document.symbols[2]),
              std::make_tuple(DefaultAnswer::None, "i104"));
    EXPECT_NE(boxes.shown[0].text.find("別の文書から始めた編集です"), std::string::npos) << boxes.shown[0].text;
    EXPECT_FALSE(startup->recoveryCopy()->exists());

    // A new drawing keeps its copy under a name no document has, so a document's start does not offer it.
    ASSERT_EQ(start("new"), StartupOutcome::Run);
    startup->recoveryCopy()->write(edited);
    boxes.shown.clear();
    fs::copy_file(kFixtures / "sample_family.gdr", work / "KinSketch.GDR");
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{});
    EXPECT_TRUE(RecoveryCopy::forNewDrawing(work).remove());

    // Upper-case NEW is a document name; names that leave the working folder are never read.
    fs::copy_file(kFixtures / "sample_family.gdr", program / "outside.gdr");
    const std::pair<const char*, std::string> cases[] = {{"NEW", "Error At clsGdrOpe.ReadGdrFile"}, {"../outside", ""}};
    for (const auto& [name, title] : cases) {
        boxes.shown.clear();
        ASSERT_EQ(start(name), StartupOutcome::Run);
        ASSERT_FALSE(boxes.shown.empty()) << name;
        EXPECT_EQ(boxes.shown[0].title, title) << boxes.shown[0].text;
        EXPECT_TRUE(boxes.shown.back().text.ends_with("\n新しい図で開始します。")) << boxes.shown.back().text;
        EXPECT_EQ(std::tie(context->document.symbols[2], context->document.isNew), std::make_tuple("i000", kTrue));
    }
    EXPECT_EQ(splashShown, 1);

    // A leftover that cannot be removed, a file in the folder's place and a link in the lock's place stop the start.
    boxes.shown.clear();
    const auto stops = [&](StartupOutcome outcome, const std::string& told) {
        EXPECT_EQ(start("new"), outcome);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_NE(boxes.shown[0].text.find(told), std::string::npos) << boxes.shown[0].text;
        boxes.shown.clear();
        startup.reset(); // its lock file is open, and Windows removes no open file
        fs::remove_all(work);
    };
    fs::create_directories(work / "kinsketch.bmp" / "busy"); // a folder by that name cannot be removed
    stops(StartupOutcome::LeftoverLocked, "「kinsketch.bmp」");
    std::ofstream(work) << "a file where the folder should be";
    stops(StartupOutcome::FolderUnusable, "テンポラリフォルダが作成できませんでした。");
    fs::create_directories(work);
    const fs::path outside = program / "outside.lock";
    if (!test::plantLink(outside, work / ".kinsketch.lock")) GTEST_SKIP() << test::kNoLinksHere;
    stops(StartupOutcome::FolderUnusable, "作業フォルダの「.kinsketch.lock」がリンクになっている");
    EXPECT_FALSE(fs::exists(outside));
}

TEST(PictureConfirmation, OnlyYesReplacesThePictureAFailedWriteLeavesTheWindowToTryAgainAndLeavingCancels)
{
    test::TemporaryFolder folder;
    const fs::path bmp = folder.path() / "kinsketch.bmp";
    test::ScriptedMessageBoxes boxes;
    test::RecordingReporter reporter;
    QImage picture(286, 338, QImage::Format_RGB888);
    picture.fill(Qt::white);
    int saved = 0, cancelled = 0;
    const PictureConfirmWindow::Actions actions{[&] { ++saved; }, [&] { return ++cancelled > 0; }};
    PictureConfirmWindow left(picture, bmp, boxes, reporter, actions), window(picture, bmp, boxes, reporter, actions);
    left.lostActivation(); // another window goes back to editing, as キャンセル does, once
    left.lostActivation();
    EXPECT_EQ(cancelled, 1);

    fs::remove_all(folder.path());
    boxes.answers = {Answer::Yes};
    window.okButton()->click();
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At cmd_OK_Click"});
    fs::create_directories(folder.path());
    std::ofstream(bmp) << "an older picture";
    window.okButton()->click();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fs::file_size(bmp), 16u);
    EXPECT_EQ(std::tie(saved, cancelled), std::make_tuple(0, 1));

    boxes.answers = {Answer::Yes};
    window.okButton()->click();
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(QImage(QString::fromStdString(bmp.string())).isNull());
}

std::map<QString, int> windowCounts(const WholeScreen& whole)
{
    std::map<QString, int> counts;
    for (QMdiSubWindow* sub : whole.main.childArea()->subWindowList()) ++counts[sub->widget()->objectName()];
    return counts;
}

TEST(EditingScreen, OpeningFillsThePanelAndTheCanvasMarksShowTheGuidanceAndTheFrameIsRebuiltOnlyForMarks)
{
    const auto handIn = [](GdrRecord& d) {
        d.ages[2] = "80";
        d.frameSegments[3] = 1;
    };
    WholeScreen whole(CanvasSize::Normal, 100, handIn);
    GdrRecord& document = whole.context.document;
    GdrRecord before;
    makeNewDocument(before);
    handIn(before);
    WindowDirectory& windows = whole.screen->windows();
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    EXPECT_EQ(std::make_tuple(whole.context.inputMode, panel.ageBox(2)->text().toStdString(),
                              windows.canvas(CanvasSize::Normal).canvas().ageLabels[2].text.caption,
                              whole.reporter.errors.size(), whole.boxes.shown.size(), document == before),
              std::make_tuple(InputMode::Text, "80", "80", 0u, 0u, true));
    const QPointer<CanvasWindow> firstCanvas = &windows.canvas(CanvasSize::Normal);
    EXPECT_TRUE(openBasicInputAndCanvas(windows));
    EXPECT_TRUE(&windows.basicInput(CanvasSize::Normal) == &panel && firstCanvas.isNull());

    const auto clickSlot = [&](int slot) { QTest::mouseClick(panel.slotBackground(slot), Qt::LeftButton, {}, {2, 2}); };
    clickSlot(0);
    ASSERT_TRUE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.infoBox().guidanceLabel()->text(), QString::fromUtf8(kFrameGuidance));
    EXPECT_EQ(windows.frameTool().button()->text(), QStringLiteral("同居枠追加（自動）"));
    clickSlot(17);
    clickSlot(0);
    EXPECT_TRUE(windows.infoBoxLoaded());
    clickSlot(17);
    EXPECT_FALSE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.frameTool().button()->text(), QStringLiteral("同居枠消去"));
    // The frame tool draws the panel's marks alone: an old mark and segments beyond the screen's own go.
    clickSlot(0);
    document.cohabitMarks[9] = 1;
    document.frameSegments.fill(1);
    QTest::mouseClick(windows.frameTool().button(), Qt::LeftButton);
    std::array<std::uint8_t, kSlotCount> marked{};
    marked[0] = 1;
    EXPECT_EQ(std::make_tuple(document.cohabitMarks == marked,
                              document.frameSegments == cohabitSegments(CanvasSize::Normal, marked),
                              windows.canvas(CanvasSize::Normal).canvas().frameLines.exists(10),
                              panel.panel().slot(0).mark),
              std::make_tuple(true, true, true, 0));

    document.screenMode = "WIDE";
    ASSERT_TRUE(openBasicInputAndCanvas(windows));
    QTest::mouseClick(windows.basicInput(CanvasSize::Wide).slotBackground(18), Qt::LeftButton, {}, {2, 2});
    QTest::mouseClick(windows.frameTool().button(), Qt::LeftButton);
    marked = {};
    marked[18] = 1;
    EXPECT_EQ(document.frameSegments, cohabitSegments(CanvasSize::Wide, marked)) << "the WIDE panel's marks";
}

// A WIDE screen with data on the normal screen's last slot, line, frame segment and text edge: going small keeps it.
class ScreenSwitchTest : public ::testing::Test {
protected:
    void open(const std::function<void(GdrRecord&)>& handIn)
    {
        whole.emplace(CanvasSize::Wide, 100, [&](GdrRecord& d) {
            d.symbols[3] = "i104";
            d.ages[17] = "80歳";
            d.lineStyles[51] = 1;
            d.frameSegments[65] = 1;
            d.texts[1] = textAt(4300, 5070);
            handIn(d);
        });
    }
    bool switchSize() // whether the screen has changed its size
    {
        const bool wide = document().isWide();
        whole->screen->screenSwitch().switchButton()->click();
        return document().isWide() != wide;
    }
    GdrRecord& document() { return whole->context.document; }
    GenoCanvas& canvas(CanvasSize size) { return whole->screen->windows().canvas(size).canvas(); }

    std::optional<WholeScreen> whole;
};

struct LossCase {
    const char* name;
    std::function<void(GdrRecord&)> document;
    int questions;
};

class GoingSmall : public ScreenSwitchTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(GoingSmall, AsksTwiceOnlyWhenDataBeyondTheNormalScreenWouldBeLost)
{
    open(GetParam().document);
    EditingContext& context = whole->context;
    context.freeLineCount = context.document.strokes.upperBound(); // the strokes came with the document
    whole->boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(switchSize());
    EXPECT_EQ(std::make_tuple(whole->boxes.shown.size(), whole->reporter.errors.size()),
              std::make_tuple(std::size_t(GetParam().questions), 0u));
    // Strokes dropped with the WIDE area no longer count: undo must still reach every stroke left.
    EXPECT_LE(context.freeLineCount, context.document.strokes.upperBound());
}

const LossCase lossCases[] = {{"DataOnlyInTheNormalArea",
                               [](GdrRecord& d) { d.addedLines[0] = AddLineRecord(kTrue, 4000, 6000, 5000, 6000); }, 0},
                              {"ASymbolAloneOnRow25", [](GdrRecord& d) { d.symbols[25] = "i103"; }, 2},
                              {"AMarkAloneOnRow30", [](GdrRecord& d) { d.cohabitMarks[30] = 1; }, 2},
                              {"ATextAtLeft4301", [](GdrRecord& d) { d.texts[1] = textAt(4301, 100); }, 2},
                              {"APenStrokeOutside",
                               [](GdrRecord& d) {
                                   d.strokes.mutableItems() = {strokeAt(100, 100), strokeAt(4400, 5100)};
                               },
                               2}};

INSTANTIATE_TEST_SUITE_P(ScreenSwitch, GoingSmall, ::testing::ValuesIn(lossCases),
                         [](const ::testing::TestParamInfo<LossCase>& c) { return std::string(c.param.name); });

// Marks of rows that no longer exist used to stay; slot 18 beside slot 3 on WIDE only: segment 8 must be rebuilt.
TEST_F(ScreenSwitchTest, GoingSmallEmptiesTheLargeOnlyRowsAndRebuildsTheFrameAndGoingLargeLosesNothing)
{
    open([](GdrRecord& d) {
        for (std::size_t i : {3u, 18u}) d.cohabitMarks[i] = 1;
        d.symbols[20] = "i108";
        d.ages[33] = "5歳";
        d.remarks[25] = "不明";
        d.lineStyles[60] = 5;
        d.addedLines[0] = {kTrue, 4000, 4200, 5000, 100};
        d.strokes.mutableItems() = {strokeAt(4000, 5000)};
    });
    GdrRecord& document = this->document();
    const auto opened = windowCounts(*whole);
    whole->boxes.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(switchSize());
    for (std::size_t i = kNormalSlotCount; i < kSlotCount; ++i)
        EXPECT_EQ(std::tie(document.symbols[i], document.ages[i], document.remarks[i], document.cohabitMarks[i]),
                  std::make_tuple("i000", "", "", 0));
    EXPECT_EQ(std::tie(document.lineStyles[60], document.cohabitMarks[3]), std::make_tuple(0, 1));
    EXPECT_EQ(document.frameSegments, cohabitSegments(CanvasSize::Normal, document.cohabitMarks));
    EXPECT_TRUE(canvas(CanvasSize::Normal).frameLines.exists(8));

    GdrRecord expected = document;
    ASSERT_TRUE(switchSize());
    expected.screenMode = "WIDE";
    expected.frameSegments = cohabitSegments(CanvasSize::Wide, expected.cohabitMarks);
    EXPECT_EQ(document, expected);
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    EXPECT_EQ(std::tie(wide.textLabels[1].left, wide.addedLines[1].visible, wide.strokes[1].visible),
              std::make_tuple(4300, true, true));
    EXPECT_EQ(windowCounts(*whole), opened);
    EXPECT_EQ(whole->context.inputMode, InputMode::Text);
    ASSERT_TRUE(switchSize());
    EXPECT_EQ(whole->boxes.shown.size(), 2u);
}

// A layer that cannot be stored stops 保存 too; the text dropped outside the normal area and the numbers the
// texts had before they were stored are back.
TEST_F(ScreenSwitchTest, NoToEitherQuestionOrLayersThatCannotBeStoredKeepDocumentAndWindowsAndStopTheSave)
{
    open([](GdrRecord& d) {
        d.symbols[25] = "i103";
        d.texts[1] = textAt(5000, 100);
        d.texts[3] = textAt(100, 100);
        d.strokes.dimensioned = false; // so that no stroke can be stored
    });
    const GdrRecord before = document();
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    for (const auto& answers : {std::deque{Answer::No}, std::deque{Answer::Yes, Answer::No}}) {
        whole->boxes.answers = answers;
        EXPECT_FALSE(switchSize());
    }
    EXPECT_EQ(std::make_tuple(document() == before, whole->boxes.shown.size(),
                              windowCounts(*whole).count(QStringLiteral("mdiGenoInp"))),
              std::make_tuple(true, 3u, 0u));
    whole->boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(switchSize());
    EXPECT_EQ(whole->reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd4_2"});
    EXPECT_EQ(document(), before);
    EXPECT_TRUE(wide.textLabels[1].visible);
    EXPECT_EQ(&canvas(CanvasSize::Wide), &wide) << "the same canvas window";
    const auto opened = windowCounts(*whole);
    whole->screen->save();
    EXPECT_EQ(whole->reporter.titles(), std::vector<std::string>(2, "Error At clsGdrOpe.SaveGd4_2"));
    EXPECT_TRUE(document() == before && whole->screen->pictureConfirmation() == nullptr &&
                windowCounts(*whole) == opened);
    EXPECT_FALSE(fs::exists(whole->folder.path() / "kinsketch.gdr"));

    // Stored but not written: editing goes on with the texts numbered as stored, so a gesture changes what it shows.
    document().strokes.dimensioned = true;
    fs::create_directory(whole->folder.path() / "kinsketch.gdr");
    whole->screen->save();
    ASSERT_EQ(whole->screen->pictureConfirmation(), nullptr);
    EXPECT_EQ(std::make_tuple(document().texts[2].left, wide.textLabels[2].left, wide.textLabels.exists(3)),
              std::make_tuple(100.F, 100.F, false));
}

TEST(EditingScreenGate, CommandsPressedBehindTheOpeningsBoxAreRefused)
{
    int boxesShown = 0; // a box of a command that ran anyway is a second one
    WholeScreen whole(CanvasSize::Normal, 100, [&](GdrRecord& document) {
        document.symbols[3] = "ixyz";
        document.texts[1] = {"主介護者", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, 500, 500, 900, 200, kTrue};
        document.addedLines[0] = {kTrue, 100, 100, 900, 900};
        whole.boxes.whileShown = [&](const MessageRequest&) {
            if (++boxesShown > 1) return;
            whole.screen->menuBar().saveButton()->click();
            whole.screen->menuBar().endButton()->click();
            whole.screen->switching().switchBar().findChild<QToolButton*>(QStringLiteral("cmdMenu3"))->click();
        };
    });
    EXPECT_EQ(boxesShown, 1) << "only the opening's box";
    whole.screen->screenSwitch().switchButton()->click(); // no box open: this one runs
    EXPECT_EQ(std::make_tuple(whole.context.inputMode, whole.context.document.screenMode),
              std::make_tuple(InputMode::Text, std::string("WIDE")));
    EXPECT_FALSE(fs::exists(whole.folder.path() / "kinsketch.gdr"));

    whole.boxes.whileShown = nullptr;
    whole.screen->save();
    const GdrRecord saved = decodeCurrentGdr(readWholeFile(whole.folder.path() / "kinsketch.gdr"));
    EXPECT_EQ(std::tie(saved.texts[1].caption, saved.addedLines[0].used), std::make_tuple("主介護者", kTrue));
}

class ScreenArrangement : public ::testing::TestWithParam<std::tuple<CanvasSize, int>> {};

TEST_P(ScreenArrangement, NoWindowCoversAnotherAndNoHintOrCaptionIsCut)
{
    const auto [size, percent] = GetParam();
    WholeScreen whole(size, percent);
    BasicInputWindow& panel = whole.screen->windows().basicInput(size);
    const auto fits = [](const QLabel* label) {
        return label->x() >= 0 && QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width();
    };
    for (const QLabel* caption : panel.findChildren<QLabel*>())
        EXPECT_TRUE(fits(caption)) << caption->text().toStdString() << " at " << caption->x();
    // 印刷 shares the menu bar with the rest: no control covers another and every caption shows whole.
    const MenuBar& bar = whole.screen->menuBar();
    const QList<QWidget*> controls = bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto a = controls.begin(); a != controls.end(); ++a)
        for (auto b = std::next(a); b != controls.end(); ++b)
            EXPECT_FALSE((*a)->geometry().intersects((*b)->geometry()))
                << (*a)->objectName().toStdString() << " and " << (*b)->objectName().toStdString();
    for (const QToolButton* button : bar.findChildren<QToolButton*>()) {
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 4, button->width()) << button->text().toStdString();
        EXPECT_LE(button->iconSize().height() + metrics.height() + 4, button->height());
    }
    EXPECT_TRUE(fits(bar.versionLabel()) && bar.displaySizeBox()->sizeHint().width() <= bar.displaySizeBox()->width());
    EXPECT_EQ(bar.printButton()->accessibleName(), QStringLiteral("印刷"));

    QTest::mouseClick(panel.slotBackground(0), Qt::LeftButton, {}, QPoint(2, 2)); // a mark opens the guidance box
    const GuidanceBox* guidance = whole.main.findChild<GuidanceBox*>();
    ASSERT_NE(guidance, nullptr);
    EXPECT_TRUE(fits(guidance->guidanceLabel())) << guidance->guidanceLabel()->text().toStdString();
    EXPECT_EQ(guidance->parentWidget()->geometry().size(), guidance->size()) << "a frame around the guidance box";
    for (const int mode : {1, 2, 3, 1}) {
        whole.chooseMode(mode);
        const std::map<QString, QRect> frames = whole.frames();
        ASSERT_EQ(frames.size(), mode == 1 ? 8U : 9U);
        for (auto a = frames.begin(); a != frames.end(); ++a)
            for (auto b = std::next(a); b != frames.end(); ++b)
                EXPECT_FALSE(a->second.intersects(b->second))
                    << "mode " << mode << ": " << a->first.toStdString() << " and " << b->first.toStdString();
        for (int line = 0; line < 4; ++line, whole.timers.advance(2500))
            EXPECT_TRUE(fits(guidance->guidanceLabel())) << guidance->guidanceLabel()->text().toStdString();
    }

    // At every display size a remark or age the picture would cut is marked, while typed and on opening, but kept.
    const auto warned = [](const QLineEdit* box) {
        return box->toolTip() == QStringLiteral("画像では一部が表示されません");
    };
    panel.remarkBox(3)->setText(QStringLiteral("長女の元夫"));
    const bool typedCut = warned(panel.remarkBox(3)) && whole.context.document.remarks[3] == "長女の元夫";
    panel.remarkBox(3)->setText(QStringLiteral("長女"));
    whole.context.document.ages[4] = "享年100歳・推定";
    panel.panel().load();
    EXPECT_EQ(std::make_tuple(typedCut, warned(panel.remarkBox(3)), warned(panel.ageBox(4)), warned(panel.ageBox(5))),
              std::make_tuple(true, false, true, false));
}

INSTANTIATE_TEST_SUITE_P(SizesAndDisplaySizes, ScreenArrangement,
                         ::testing::Combine(::testing::Values(CanvasSize::Normal, CanvasSize::Wide),
                                            ::testing::ValuesIn(DisplayScale::kPercents)));

// Twips become the nearest screen pixel at every size, or neighbours drift a pixel apart.
TEST(DisplaySize, TwipsBecomeTheNearestPixel)
{
    EXPECT_EQ((std::vector{DisplayScale(100).px(8), DisplayScale(125).px(10), DisplayScale(150).px(7),
                           DisplayScale(200).px(-4)}),
              (std::vector{1, 1, 1, -1}));
}

TEST(PanelWindow, ACutTextIsToldInTheGuidanceBoxUntilItAllShows)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    whole.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&whole.main));
    QLineEdit* remark = whole.screen->windows().basicInput(CanvasSize::Normal).remarkBox(2);
    remark->setFocus();
    const GuidanceBox& guidance = whole.screen->windows().infoBox();
    const std::string hint = guidance.cycle().shown();
    remark->insert(QStringLiteral("長男の妻主介護者です"));
    const QString told = QString::fromStdString(guidance.cycle().shown());
    const QRegularExpressionMatch part =
        QRegularExpression(QStringLiteral("^備考：『(.+)』まで画像に表示されます$")).match(told);
    ASSERT_TRUE(part.hasMatch()) << told.toStdString();
    EXPECT_TRUE(remark->text().startsWith(part.captured(1)) && part.captured(1).size() < remark->text().size());
    const QLabel* line = guidance.guidanceLabel();
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->width()) << "cut";
    remark->setText(QStringLiteral("長男"));
    EXPECT_EQ(guidance.cycle().shown(), hint);
}

TEST(Keyboard, ShortcutsRunTheButtonsCommandsAndF6GoesFromWindowToWindow)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    whole.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&whole.main));
    const auto press = [&](QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &whole.main, key.key(),
                        key.keyboardModifiers());
        QApplication::processEvents();
    };
    BasicInputWindow& panel = whole.screen->windows().basicInput(CanvasSize::Normal);
    QLineEdit* age = panel.ageBox(0);
    age->setFocus();
    age->setText(QStringLiteral("85"));
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), panel.remarkBox(0));
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(std::make_tuple(QApplication::focusWidget(), age->cursorPosition()),
              std::make_tuple(static_cast<QWidget*>(age), 1));
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    const QWidget* beside = QApplication::focusWidget();
    EXPECT_TRUE(beside->objectName().startsWith(QStringLiteral("txtAge")) && beside->y() == age->y() &&
                beside->x() > age->x())
        << beside->objectName().toStdString();

    press(Qt::CTRL | Qt::Key_2);
    EXPECT_EQ(whole.context.inputMode, InputMode::AddedLines);
    std::vector<int> sizes;
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Semicolon, Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Minus,
                                      Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_Minus}) {
        press(key);
        sizes.push_back(whole.main.displayScale().percent());
    }
    EXPECT_EQ(sizes, (std::vector<int>{125, 150, 125, 100, 100}));
    EXPECT_EQ(whole.screen->menuBar().saveButton()->toolTip(), QStringLiteral("保存（Ctrl+S）"));

    std::set<QMdiSubWindow*> visited;
    const auto windows = whole.main.childArea()->subWindowList();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        press(Qt::Key_F6);
        QMdiSubWindow* active = whole.main.childArea()->activeSubWindow();
        ASSERT_TRUE(active && active->isAncestorOf(QApplication::focusWidget()));
        visited.insert(active);
    }
    EXPECT_EQ(visited.size(), static_cast<std::size_t>(windows.size()));
    press(Qt::SHIFT | Qt::Key_F6);
    press(Qt::Key_F6);
    EXPECT_EQ(visited.count(whole.main.childArea()->activeSubWindow()), 1U);

    // On the canvas in 文字追加, Tab chooses a text and an arrow moves it: one step of the history.
    press(Qt::CTRL | Qt::Key_1);
    whole.placeText(CanvasSize::Normal);
    whole.screen->recordEdit();
    CanvasWindow& canvas = whole.screen->windows().canvas(CanvasSize::Normal);
    const float left = canvas.canvas().textLabels[1].left;
    canvas.setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Right);
    EXPECT_EQ(canvas.canvas().textLabels[1].left, left + CanvasKeys::kStepTwips);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(whole.screen->windows().canvas(CanvasSize::Normal).canvas().textLabels[1].left, left);
}

void chooseNextSymbol(QComboBox* chooser)
{
    QTest::keyClick(chooser, Qt::Key_Space);
    QTest::keyClick(chooser->view(), Qt::Key_Down);
    QTest::keyClick(chooser->view(), Qt::Key_Return);
}

TEST(PanelWindow, OnlyAFocusedChooserTakesTheWheelClicksTakeItsKeysAndStyleTheLineAndTextReachesTheCanvasWhole)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    whole.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&whole.main));
    GdrRecord& document = whole.context.document;
    BasicInputWindow& panel = whole.screen->windows().basicInput(CanvasSize::Normal);
    const GenoCanvas& canvas = whole.screen->windows().canvas(CanvasSize::Normal).canvas();
    QComboBox* chooser = panel.symbolChooser(1);
    const std::string& symbol = document.symbols[1];
    const auto wheel = [&] {
        const QPointF at = chooser->rect().center();
        QWheelEvent event(at, chooser->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(chooser, &event);
    };
    const auto click = [&](int style, Qt::MouseButton button, int x, int y) {
        if (style != 0) QTest::mouseClick(whole.screen->windows().toolBar().styleButton(style), Qt::LeftButton);
        QTest::mouseClick(&panel, button, {}, QPoint(x / kTwipsPerPixel, y / kTwipsPerPixel));
    };
    wheel();
    EXPECT_EQ(symbol, "i000");
    chooser->setFocus();
    wheel();
    EXPECT_NE(symbol, "i000");

    const std::string chosen = symbol;
    const TwipsLine bar = panel.panel().layout().line(1);
    click(0, Qt::LeftButton, (bar.x1 + bar.x2) / 2, bar.y1);
    wheel();
    EXPECT_EQ(std::tie(symbol, document.lineStyles[1]), std::make_tuple(chosen, 1));
    chooser->setFocus();
    QTest::mouseClick(panel.slotBackground(5), Qt::LeftButton, {}, QPoint(2, 2));
    wheel();
    EXPECT_EQ(symbol, chosen);
    click(1, Qt::LeftButton, (bar.x1 + bar.x2) / 2, bar.y1);
    EXPECT_EQ(document.lineStyles[1], 0);

    const TwipsLine marriage = panel.panel().layout().line(7), drop = panel.panel().layout().line(3);
    click(5, Qt::LeftButton, (marriage.x1 + marriage.x2) / 2 + 30, marriage.y1 + 30);
    EXPECT_TRUE(canvas.slashesS[7].visible && canvas.slashesW[7].visible);
    click(2, Qt::LeftButton, drop.x1, drop.y1 + 60);
    EXPECT_EQ(std::tie(document.lineStyles[0], document.lineStyles[3]), std::make_tuple(2, 0));
    document.ages[0] = "stale";
    click(0, Qt::RightButton, 60, 60); // on no line
    EXPECT_EQ(canvas.ageLabels[0].text.caption, "");

    QTest::keyClicks(panel.ageBox(2), QStringLiteral("85"));
    EXPECT_EQ(canvas.ageLabels[2].text.caption, "85");
    QInputMethodEvent preedit(QStringLiteral("ちょうなん"), {}), commit;
    QApplication::sendEvent(panel.remarkBox(2), &preedit);
    commit.setCommitString(QStringLiteral("長男"));
    QApplication::sendEvent(panel.remarkBox(2), &commit);
    EXPECT_EQ(canvas.remarkLabels[2].text.caption, "長男");
    panel.ageBox(3)->insert(QString(40000, QLatin1Char('x')));
    panel.ageBox(3)->insert(QString(30000, QLatin1Char('y')));
    EXPECT_EQ(std::make_tuple(document.ages[3].size(), panel.ageBox(3)->text().size(), whole.boxes.shown.size()),
              std::make_tuple(40000U, 40000, 1U));
}

// Keys on a closed chooser change nothing; Space, F4 and Alt+Down open the list, where Enter chooses as one step and
// Esc keeps the symbol; every item, and the closed chooser even after an undo, says which symbol it is.
TEST(PanelWindow, OnlyTheOpenListChoosesASymbolAndEverySymbolHasItsName)
{
    WholeScreen whole(CanvasSize::Normal, 100, [](GdrRecord& document) { document.symbols[1] = "i103"; });
    QComboBox* chooser = whole.screen->windows().basicInput(CanvasSize::Normal).symbolChooser(1);
    const std::string& symbol = whole.context.document.symbols[1];
    // A plain drop-down list takes each of these; A would find 「A入り四角」.
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}) {
        QTest::keyClick(chooser, key);
        EXPECT_EQ(symbol, "i103") << key;
    }
    // The key that opens the list, its modifier, the key that ends the choice, and the symbol then chosen.
    const std::tuple<Qt::Key, Qt::KeyboardModifier, Qt::Key, const char*> choices[] = {
        {Qt::Key_Space, Qt::NoModifier, Qt::Key_Escape, "i103"},
        {Qt::Key_F4, Qt::NoModifier, Qt::Key_Return, "i104"},
        {Qt::Key_Down, Qt::AltModifier, Qt::Key_Return, "i107"}};
    int steps = whole.screen->history().stack().index();
    for (const auto& [opens, modifier, ends, chosen] : choices) {
        QTest::keyClick(chooser, opens, modifier);
        EXPECT_TRUE(chooser->view()->isVisible()) << opens;
        QTest::keyClick(chooser->view(), Qt::Key_Down);
        QTest::keyClick(chooser->view(), ends);
        QApplication::processEvents();
        steps += ends == Qt::Key_Return;
        EXPECT_EQ(std::make_tuple(symbol, whole.screen->history().stack().index()), std::make_tuple(chosen, steps));
    }
    whole.screen->undo(); // the chooser is set without a signal: its name must follow all the same
    const std::string shown = chooser->currentText().toStdString();
    EXPECT_EQ(std::make_tuple(symbol, chooser->toolTip().toStdString(), chooser->accessibleName().toStdString()),
              std::make_tuple("i104", shown, "続柄記号 1：" + shown));

    std::set<QString> names;
    for (int i = 0; i < chooser->count(); ++i) {
        const QString name = chooser->itemText(i);
        EXPECT_TRUE(chooser->itemData(i, Qt::ToolTipRole) == name &&
                    chooser->itemData(i, Qt::AccessibleTextRole) == name)
            << i;
        if (!name.isEmpty()) names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(chooser->count())) << "every name given, none twice";
}

// After random edits, 小⇔大 and a save taken back among them, each undo or redo saves the bytes and marks recorded.
class HistoryWalk : public ::testing::TestWithParam<CanvasSize> {};

TEST_P(HistoryWalk, EveryPlaceInTheHistoryShowsTheDocumentRecordedForIt)
{
    WholeScreen whole(GetParam(), 100, [](GdrRecord& document) {
        document.ages[1] = "85歳";
        document.texts[1] = {"主介護者", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, 600, 3900, 900, 200, kTrue};
        document.addedLines[0] = {kTrue, 300, 4200, 3600, 3600};
        document.strokes = DynamicArray<FreeLineRecord>(true, 1, {{100, 100, 400, 300, 2, 0, -1}});
    });
    std::mt19937 random{GetParam() == CanvasSize::Wide ? 5U : 3U};
    const auto size = [&] { return canvasSizeOf(whole.context.document); };
    const auto panel = [&]() -> BasicInputWindow& { return whole.screen->windows().basicInput(size()); };
    const auto canvas = [&]() -> CanvasWindow& { return whole.screen->windows().canvas(size()); };
    const auto saved = [&] {
        GdrRecord copy = whole.context.document;
        CanvasLayerStore store(copy, whole.reporter, [&](CanvasSize) -> GenoCanvas& { return canvas().canvas(); });
        EXPECT_TRUE(store.saveCanvasLayers(size()));
        whole.screen->switching().showLineHandles(whole.context.inputMode == InputMode::AddedLines);
        Bytes bytes = encodeGdr(copy);
        for (int i = 0; i < panel().panel().layout().slotCount(); ++i)
            bytes.push_back(static_cast<std::uint8_t>(panel().panel().slot(i).mark));
        return bytes;
    };
    const auto pixel = [](float x, float y) {
        return QPoint(static_cast<int>(x) / kTwipsPerPixel + 2, static_cast<int>(y) / kTwipsPerPixel + 2);
    };
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas(), (from + to) / 2);
        QTest::mouseMove(&canvas(), to);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
    };
    const auto anyShown = [&](const auto& widgets) {
        std::vector<decltype(widgets.find(0))> shown;
        for (int i = 1; i <= widgets.upperBound(); ++i)
            if (const auto* w = widgets.find(i); w && w->visible) shown.push_back(w);
        return shown.empty() ? nullptr : shown[random() % shown.size()];
    };
    const auto button = [&](const char* window, const char* name) {
        return whole.main.findChild<QWidget*>(QString::fromLatin1(window))
            ->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    const auto slot = [&] {
        return static_cast<int>(random() % static_cast<unsigned>(panel().panel().layout().slotCount()));
    };
    QString lastRun; // the box of a typing run the next keys would go on, while the focus stays
    int focusMoves = 0;
    QObject::connect(qApp, &QApplication::focusChanged, &whole.main, [&] { ++focusMoves; });
    const auto typed = [&](QWidget* box, const char* keys) {
        QTest::keyClicks(box, keys);
        return box->objectName() + QString::number(focusMoves);
    };
    const auto rightClick = [&](const LabelWidget* on) {
        whole.boxes.answers = {MessageAnswer::Yes};
        if (on) QTest::mouseClick(&canvas(), Qt::RightButton, {}, pixel(on->left, on->top));
    };
    const auto dragBy = [&](const LabelWidget* on, float dx, float dy) {
        if (on) drag(pixel(on->left, on->top), pixel(on->left + dx, on->top + dy));
    };
    struct Edit {
        const char* name;
        int mode;                     // the input mode the edit needs, 0: any
        std::function<QString()> act; // the typing run it belongs to, if any
    };
    const auto none = [](auto act) {
        return [act] {
            act();
            return QString();
        };
    };
    const std::vector<Edit> edits = {
        {"age", 0, [&] { return typed(panel().ageBox(slot()), "7"); }},
        {"remark", 0, [&] { return typed(panel().remarkBox(slot() % 3), "m"); }},
        {"symbol", 0, none([&] { chooseNextSymbol(panel().symbolChooser(slot() % 3)); })},
        {"style", 0, none([&] {
             const TwipsLine l = panel().panel().layout().line(static_cast<int>(random() % 40));
             QTest::mouseClick(&panel(), Qt::LeftButton, {},
                               QPoint((l.x1 + l.x2) / 2 / kTwipsPerPixel, (l.y1 + l.y2) / 2 / kTwipsPerPixel));
         })},
        {"mark", 0, none([&] { QTest::mouseClick(panel().slotBackground(slot()), Qt::LeftButton, {}, QPoint(2, 2)); })},
        {"frame", 0, none([&] { QTest::mouseClick(whole.screen->windows().frameTool().button(), Qt::LeftButton); })},
        {"new text", 1, none([&] {
             whole.dialog.answer("注記" + std::to_string(random() % 9));
             QTest::mouseClick(&canvas(), Qt::LeftButton, {}, pixel(static_cast<float>(random() % 3000), 4500));
         })},
        {"move text", 1, none([&] { dragBy(anyShown(canvas().canvas().textLabels), 300, -150); })},
        {"delete text", 1, none([&] { rightClick(anyShown(canvas().canvas().textLabels)); })},
        {"new line", 2, none([&] { button("mdiLineAdd_Tool", "cmdTool1")->click(); })},
        {"drag line", 2, none([&] { dragBy(anyShown(canvas().canvas().endHandles), -450, 300); })},
        {"delete line", 2, none([&] { rightClick(anyShown(canvas().canvas().startHandles)); })},
        {"pen", 3, none([&] {
             const int x = static_cast<int>(random() % 200) + 20;
             drag({x, 40}, {x + 40, 90});
         })},
        {"関係線", 3, none([&] {
             auto* kinds = whole.main.findChild<QWidget*>("mdiPan_Com")->findChild<QComboBox*>("cbo_Relation");
             emit kinds->activated(static_cast<int>(random() % static_cast<unsigned>(kinds->count())));
             const int x = static_cast<int>(random() % 200) + 20;
             drag({x, 120}, {x + 60, 180});
         })},
        {"一つ戻る", 3, none([&] { button("mdiPan_Com", "cmd_Back")->click(); })},
        {"全クリア", 3, none([&] {
             whole.boxes.answers = {MessageAnswer::Yes};
             button("mdiPan_Com", "cmd_AllErase")->click();
         })},
        {"保存→キャンセル", 0, none([&] {
             whole.screen->save();
             whole.screen->pictureConfirmation()->cancelButton()->click();
             lastRun.clear(); // no run goes on across a save
         })},
        {"小⇔大", 0, none([&] {
             whole.boxes.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
             whole.screen->screenSwitch().switchButton()->click();
         })},
    };

    QUndoStack& stack = whole.screen->history().stack();
    std::vector<Bytes> recorded{saved()};
    std::size_t at = 0;
    for (int step = 0; step < 160; ++step) {
        const unsigned roll = random() % 10;
        const bool undo = roll < 2 && at > 0;
        std::string what;
        if (undo || (roll < 3 && at + 1 < recorded.size())) {
            what = undo ? "undo" : "redo";
            undo ? whole.screen->undo() : whole.screen->redo();
            undo ? --at : ++at;
            lastRun.clear();
        } else {
            const Edit& edit = edits[random() % edits.size()];
            what = edit.name;
            if (edit.mode != 0) whole.chooseMode(edit.mode);
            const QString run = edit.act();
            QApplication::processEvents();
            whole.screen->recordEdit(); // what no later input would close
            const Bytes now = saved();
            const bool changed = now != recorded[at];
            if (changed && !run.isEmpty() && run == lastRun) {
                recorded[at] = now; // the typing run goes on in the same step
            } else if (changed) {
                recorded.resize(++at);
                recorded.push_back(now);
            }
            // A step of another kind ends the run; a press that changed nothing does not.
            if (!run.isEmpty() || changed) lastRun = run;
        }
        QApplication::processEvents();
        ASSERT_EQ(stack.index(), static_cast<int>(at)) << "after " << what << " at step " << step;
        ASSERT_EQ(saved(), recorded[at]) << "after " << what << " at step " << step;
    }
    while (stack.canUndo()) whole.screen->undo();
    EXPECT_EQ(saved(), recorded.front());
    EXPECT_EQ(whole.reporter.errors.size(), 0U);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, HistoryWalk, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

TEST(EditHistory, OverItsBudgetTheOldestStepsGoAndTheRestStillUndo)
{
    test::application();
    EditingState screen;
    const auto take = [&](EditingState& state, bool) { return (state = screen, DrawingChange::everything()); };
    EditHistory history({take, [&](const EditingState& state) { screen = state; }}, 40 * sizeof(FreeLineRecord));
    history.restart();
    std::vector<DynamicArray<FreeLineRecord>> states{screen.strokes};
    const auto draw = [&](int k, const QString& run = {}) {
        std::vector<FreeLineRecord> items = screen.strokes.items();
        items.push_back({static_cast<float>(k), 0, 0, 0, 1, 0, -k});
        states.push_back(screen.strokes = DynamicArray<FreeLineRecord>(true, 1, items));
        history.record(run);
    };
    for (int k = 1; k <= 30; ++k) draw(k);
    EXPECT_LE(history.bytes(), 40 * sizeof(FreeLineRecord));
    const int kept = history.stack().count();
    EXPECT_LT(kept, 30);
    while (history.stack().canUndo()) history.undo();
    EXPECT_EQ(screen.strokes, states[static_cast<std::size_t>(30 - kept)]);
    history.redo();
    EXPECT_EQ(screen.strokes, states[static_cast<std::size_t>(31 - kept)]);
    while (history.stack().canRedo()) history.redo();
    draw(31, QStringLiteral("run"));
    draw(32, QStringLiteral("run"));
    history.undo();
    EXPECT_EQ(screen.strokes, states[30]) << "a typing run stays one step through the trims it causes";
}

TEST(GuidanceBox, CyclesThroughItsLinesEvery2500Milliseconds)
{
    test::application();
    test::ManualTimers timers;
    GuidanceBox box{timers};
    const auto setLines = [&](int count) {
        for (int n = 1; n <= count; ++n) box.setGuidanceLine(static_cast<std::uint8_t>(n), "line " + std::to_string(n));
    };
    const auto shownAfter = [&](std::initializer_list<int> steps) {
        std::string shown;
        for (const int milliseconds : steps) {
            timers.advance(milliseconds);
            shown += box.guidanceLabel()->text().toStdString() + " ";
        }
        return shown;
    };
    setLines(3);
    EXPECT_EQ(shownAfter({0, 2499, 1, 2500, 2500}), "line 1 line 1 line 2 line 3 line 1 ");
    setLines(5);
    setLines(3);
    EXPECT_EQ(shownAfter({2500, 2500, 2500}), "line 2 line 3 line 1 ");
    EXPECT_EQ(timers.pending.size(), 1U);
}

class RecordingTargets : public SwitchBarTargets {
public:
    void setGuidance(const std::vector<std::string>&) override {}
    void showLineTool(bool shown) override { calls.push_back(shown ? "line tool on" : "line tool off"); }
    void showLineHandles(bool shown) override { calls.push_back(shown ? "handles on" : "handles off"); }
    void setInputMode(InputMode) override {}

    std::vector<std::string> calls;
};

TEST(SwitchBar, EachModeOpensItsToolAfterClosingTheOtherAndShowsItsIndicators)
{
    test::application();
    RecordingTargets targets;
    test::RecordingReporter reporter;
    InputModeBar bar{targets, reporter, DisplayScale(150)};
    bar.setFreeLinePanelHook([&](bool shown) { targets.calls.push_back(shown ? "panel on" : "panel off"); });
    using Calls = std::vector<std::string>;
    // The calls a click made, then the indicators on show; the captions keep the bar's font.
    const auto select = [&](const std::function<void()>& click) {
        targets.calls.clear();
        click();
        std::string shown = "indicators ";
        for (int i = 1; i <= 6; ++i) shown += bar.modeIndicator(i)->isHidden() ? '0' : '1';
        targets.calls.push_back(shown);
        for (int k = 1; k <= 3; ++k) {
            bar.modeButton(k)->ensurePolished(); // as showing it would
            EXPECT_EQ(QFontInfo(bar.modeButton(k)->font()).pixelSize(), QFontInfo(bar.font()).pixelSize()) << k;
        }
        return targets.calls;
    };
    EXPECT_EQ(select([&] { bar.load(); }), (Calls{"line tool off", "panel off", "handles off", "indicators 100011"}));
    EXPECT_EQ(select([&] { bar.modeButton(2)->click(); }),
              (Calls{"panel off", "line tool on", "handles on", "indicators 010101"}));
    EXPECT_EQ(select([&] { bar.modeButton(3)->click(); }),
              (Calls{"line tool off", "panel on", "handles off", "indicators 001110"}));
}

TEST(RecoveryKeeping, TheScreenWritesTheDocumentAsSavedASecondAfterAnEditAndGivesItUpAtTheEnd)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    std::vector<GdrRecord> written;
    int discarded = 0;
    whole.screen->keepRecoveryCopy(
        {[&](GdrRecord document) { written.push_back(std::move(document)); }, [&] { ++discarded; }});
    whole.screen->open();
    whole.placeText(CanvasSize::Normal);
    QLineEdit* age = whole.screen->windows().basicInput(CanvasSize::Normal).ageBox(2);
    QAccessible::queryAccessibleInterface(age)->setText(QAccessible::Value, QStringLiteral("80"));
    QApplication::processEvents();
    EXPECT_TRUE(whole.screen->history().stack().canUndo());
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds - 1);
    EXPECT_TRUE(written.empty());
    whole.timers.advance(1);
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(std::tie(written[0].ages[2], written[0].texts[1].caption), std::make_tuple("80", "主介護者"));
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    EXPECT_EQ(written.size(), 1U);
    // Saved before the timer fires: the copy already holds it at the confirmation.
    whole.context.drawing.setAge(2, "81");
    whole.screen->recordEdit();
    whole.screen->save();
    ASSERT_EQ(written.size(), 2U);
    EXPECT_EQ(written[1].ages[2], "81");

    // キャンセル pressed through the accessibility bus behind 決定's question is refused.
    whole.boxes.whileShown = [&](const MessageRequest&) {
        whole.screen->pictureConfirmation()->cancelButton()->click();
    };
    whole.screen->pictureConfirmation()->okButton()->click();
    whole.boxes.whileShown = {};
    whole.screen->pictureConfirmation()->cancelButton()->click();
    QApplication::processEvents();
    const int steps = whole.screen->history().stack().count();
    EXPECT_EQ(std::make_tuple(steps, whole.screen->history().stack().index()), std::make_tuple(2, 2))
        << "the history outlives the save";
    // A copy that cannot be written is told once, and again after one was written.
    const auto told = [&](bool copyWritten) {
        whole.screen->windows().infoBox().setGuidanceLine(0, "");
        whole.screen->recoveryCopyWritten(copyWritten);
        return whole.screen->windows().infoBox().guidanceLabel()->text().startsWith("復元用の記録を保存できません");
    };
    EXPECT_EQ((std::vector<bool>{told(false), told(false), told(true), told(false)}),
              (std::vector<bool>{true, false, false, true}));
    const QLabel* line = whole.screen->windows().infoBox().guidanceLabel();
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->width()) << "cut";
    // A typed remark and the size switch are two steps.
    QTest::keyClicks(whole.screen->windows().basicInput(CanvasSize::Normal).remarkBox(2), "x");
    whole.screen->screenSwitch().switchButton()->click();
    EXPECT_EQ(whole.screen->history().stack().count(), steps + 2);

    // Both ways out give the copy up: 決定 → はい on the confirmation, and 終了 → はい.
    whole.screen->save();
    whole.boxes.answers = {Answer::Yes};
    whole.screen->pictureConfirmation()->okButton()->click();
    EXPECT_EQ(discarded, 1);
    whole.boxes.answers = {Answer::Yes};
    whole.screen->end();
    EXPECT_EQ(discarded, 2);
}

enum class CopyLeft { None, Unreadable, FolderInItsPlace, SameAsHandedIn, Edited };

struct OfferCase {
    CopyLeft copy;
    std::deque<Answer> answers;     // none: Enter
    std::vector<std::string> boxes; // kQuestion stands for the offer
    bool copyKept, editOpened;
};

const std::string kQuestion = "(the offer)";

class RecoveryOffer : public ::testing::TestWithParam<OfferCase> {};

TEST_P(RecoveryOffer, OnlyACopyOtherThanTheDocumentIsOfferedAndOnlyASecondYesDiscardsIt)
{
    const OfferCase& c = GetParam();
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    GdrStore store(folder.path(), reporter);
    fs::copy_file(kFixtures / "sample_family.gdr", store.documentPath("client"));
    OpenedDocument opened = openHandedInDocument(store, store.documentPath("client"));
    const RecoveryCopy copy(folder.path(), "client");
    GdrRecord edited = opened.record;
    edited.ages[0] = "edited";
    if (c.copy == CopyLeft::Unreadable || c.copy == CopyLeft::Edited) copy.write(edited); // makes the folder
    if (c.copy == CopyLeft::Unreadable) writeFileAtomically(copy.path(), Bytes{1, 2, 3});
    if (c.copy == CopyLeft::FolderInItsPlace) fs::create_directories(copy.path() / "inside");
    if (c.copy == CopyLeft::SameAsHandedIn) copy.write(opened.record);
    QFile file(QString::fromStdU16String(copy.path().u16string()));
    if (file.open(QIODevice::Append))
        file.setFileTime(QDateTime(QDate(2026, 12, 8), QTime(9, 5)), QFileDevice::FileModificationTime);
    file.close();
    test::ScriptedMessageBoxes boxes;
    boxes.answers = c.answers;

    offerRecoveryCopy(copy, store, boxes, opened);
    std::vector<std::string> told = boxes.texts();
    for (std::string& text : told)
        if (text.starts_with("前回、保存されずに終了した編集があります（最終編集：2026年12月8日 9:05）。"))
            text = kQuestion;
    EXPECT_EQ(told, c.boxes);
    EXPECT_EQ(copy.exists(), c.copyKept);
    EXPECT_EQ(opened.record.ages[0] == "edited", c.editOpened);
    if (c.copy != CopyLeft::Edited || !c.copyKept) return;
    // The offer shows the picture the confirmation would show of the copy.
    const MessagePicture& shown = boxes.shown[0].picture;
    const std::optional<QImage> expected = pictureOfHandedInDocument(copy.path(), reporter);
    ASSERT_TRUE(expected);
    EXPECT_EQ(
        QImage(reinterpret_cast<const uchar*>(shown.argb.data()), shown.width, shown.height, QImage::Format_ARGB32),
        expected->convertToFormat(QImage::Format_ARGB32));
}

const std::string kUnreadable = "前回、保存されずに終了した編集の記録を読めなかったため、削除しました。";
const std::string kStuck = "前回、保存されずに終了した編集の記録を読めず、削除もできませんでした。";
INSTANTIATE_TEST_SUITE_P(
    Copies, RecoveryOffer,
    ::testing::Values(OfferCase{CopyLeft::None, {}, {}, false, false},
                      OfferCase{CopyLeft::Unreadable, {}, {kUnreadable}, false, false},
                      OfferCase{CopyLeft::FolderInItsPlace, {}, {kStuck}, true, false},
                      OfferCase{CopyLeft::SameAsHandedIn, {}, {}, false, false},
                      OfferCase{CopyLeft::Edited, {}, {kQuestion}, true, true},
                      OfferCase{CopyLeft::Edited, {Answer::Discard}, {kQuestion, kDiscard, kQuestion}, true, true},
                      OfferCase{
                          CopyLeft::Edited, {Answer::Discard, Answer::Yes}, {kQuestion, kDiscard}, false, false}));

} // namespace
} // namespace kinsketch
