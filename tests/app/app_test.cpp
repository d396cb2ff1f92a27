#include "app/basic_input_opening.h"
#include "app/display_size_setting.h"
#include "app/editing_screen.h"
#include "app/guidance_box.h"
#include "app/line_style_tool_bar.h"
#include "app/main_window.h"
#include "app/recovery_offer.h"
#include "app/save_command.h"
#include "app/startup.h"
#include "document/file_io.h"
#include "document/gdr_conversion.h"
#include "document/handed_in_document.h"
#include "document/version.h"
#include "genogram/cohabit_frame_builder.h"
#include "tests/app/whole_screen.h"
#include "tests/support/manual_timers.h"
#include "tests/support/planted_link.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/text_dialog_doubles.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/basic_input/slot_background.h"
#include "windows/basic_input/symbol_chooser.h"
#include "windows/canvas/canvas_window.h"
#include "windows/tools/frame_tool_window.h"
#include "windows/tools/free_line_panel_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using Answer = MessageAnswer;
using test::WholeScreen;

const fs::path kFixtures = fs::path(KINSKETCH_FIXTURE_DIR) / "documents";

TextLabelRecord textAt(float left, float top)
{
    return {"注記", 0, "MS UI Gothic", 9, kFalse, kFalse, kFalse, kFalse, 0, left, top, 500, 200, kTrue};
}

FreeLineRecord strokeAt(float x, float y) { return {x, y, x + 100, y, 2, 0, 1}; }

void overfillAddedLines(GenoCanvas& canvas)
{
    for (int i = 1; i <= kAddLineCount + 1; ++i) {
        canvas.addedLines.load(i, LineWidget{0, 0, 10, 10, 0, LinePattern::Solid, 1, true});
        canvas.startHandles.load(i, lineHandleTemplate());
        canvas.endHandles.load(i, lineHandleTemplate());
    }
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(work()); }
    fs::path work() const { return program / "imgTmp"; }
    StartupOutcome start(const std::string& commandLine)
    {
        startup.reset(); // the previous instance ends and lets go of the folder
        context = EditingContext{};
        startup = std::make_unique<Startup>(program, context, boxes, [this] { ++splashShown; });
        return startup->run(commandLine);
    }

    test::TemporaryFolder programFolder;
    const fs::path program = programFolder.path();
    test::ScriptedMessageBoxes boxes;
    EditingContext context;
    int splashShown = 0;
    std::unique_ptr<Startup> startup;
};

TEST_F(StartupTest, CommandLineChoosesSplashNewOrHandedInDocument)
{
    ASSERT_EQ(start(""), StartupOutcome::Run);
    EXPECT_EQ(std::tie(splashShown, context.document.isNew, context.document.version),
              std::make_tuple(1, kTrue, "300"));

    ASSERT_EQ(start("new"), StartupOutcome::Run);
    EXPECT_EQ(std::make_tuple(splashShown, startup->documentName()), std::make_tuple(1, std::string()))
        << "\"new\" starts without the splash, and a printed copy is named after no document";

    fs::copy_file(kFixtures / "wide_family.gdr", work() / "client.gdr");
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    EXPECT_EQ(std::tie(context.document.screenMode, context.freeLineCount, startup->documentName()),
              std::make_tuple("WIDE", 6, "client"));
    EXPECT_TRUE(boxes.shown.empty());
}

// Upper-case NEW is a document name; names that leave the working folder are never read.
TEST_F(StartupTest, DocumentsThatCannotBeReadAreReportedAndANewOneIsUsed)
{
    fs::copy_file(kFixtures / "sample_family.gdr", program / "outside.gdr");
    const std::pair<const char*, std::string> cases[] = {{"NEW", "Error At clsGdrOpe.ReadGdrFile"}, {"../outside", ""}};
    for (const auto& [name, title] : cases) {
        boxes.shown.clear();
        ASSERT_EQ(start(name), StartupOutcome::Run);
        ASSERT_FALSE(boxes.shown.empty()) << name;
        EXPECT_EQ(boxes.shown[0].title, title) << boxes.shown[0].text;
        EXPECT_TRUE(boxes.shown.back().text.ends_with("\n新しい図で開始します。")) << boxes.shown.back().text;
        EXPECT_EQ(std::tie(context.document.symbols[2], context.document.isNew), std::make_tuple("i000", kTrue));
    }
    EXPECT_EQ(splashShown, 0);
}

TEST_F(StartupTest, LeftoversAreClearedButTheHandedInDocumentIsKept)
{
    // Temporary files of a save cut off by a kill hold the previous client's family.
    for (const char* name : {"kinsketch.bmp", "OLD.BMP", "x.Bmp", "other.gdr", "note.txt", "kinsketch.bmp.tmp",
                             "KinSketch.GDR.tmp", "x.gdr.TMP"})
        std::ofstream(work() / name) << "x";
    fs::copy_file(kFixtures / "sample_family.gdr", work() / "KinSketch.GDR");
    ASSERT_EQ(start("kinsketch"), StartupOutcome::Run);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(work())) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{".kinsketch.lock", "KinSketch.GDR", "note.txt", "other.gdr"}));
    EXPECT_EQ(context.document.symbols[2], "i104"); // the handed-in document was read, found without regard to case
}

TEST_F(StartupTest, AFolderThatCannotBeClearedOrMadeStopsTheStart)
{
    fs::create_directories(work() / "kinsketch.bmp" / "busy"); // a folder by that name cannot be removed
    EXPECT_EQ(start("new"), StartupOutcome::LeftoverLocked);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("kinsketch.bmp"), std::string::npos);

    startup.reset(); // its lock file is open, and Windows removes no open file
    fs::remove_all(work());
    std::ofstream(work()) << "a file where the folder should be";
    EXPECT_EQ(start("new"), StartupOutcome::FolderUnusable);
    EXPECT_EQ(boxes.texts().back(), "テンポラリフォルダが作成できませんでした。");
}

// The same name handed in again with another drawing: the question says the copy is
// another's, and its default keeps the drawing handed in.
TEST_F(StartupTest, ACopyLeftFromAnotherDocumentUnderTheSameNameIsToldAsAnothers)
{
    fs::copy_file(kFixtures / "sample_family.gdr", work() / "client.gdr");
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    GdrRecord edited = context.document;
    edited.ages[0] = "99";
    startup->recoveryCopy()->write(edited);
    boxes.answers = {Answer::Yes};
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    fs::copy_file(kFixtures / "wide_family.gdr", work() / "client.gdr", fs::copy_options::overwrite_existing);
    ASSERT_EQ(start("client"), StartupOutcome::Run);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "前回、保存されずに終了した編集があります。復元しますか？");
    EXPECT_TRUE(boxes.shown[1].text.find("別の文書から始めた編集です") != std::string::npos) << boxes.shown[1].text;
    EXPECT_EQ(context.document.screenMode, "WIDE");
}

TEST_F(StartupTest, ALinkInTheLockFilesPlaceStopsTheStartAndCreatesNothingOutside)
{
    const fs::path outside = program / "outside.lock";
    if (!test::plantLink(outside, work() / ".kinsketch.lock")) GTEST_SKIP() << test::kNoLinksHere;
    EXPECT_EQ(start("new"), StartupOutcome::FolderUnusable);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.starts_with("作業フォルダの「.kinsketch.lock」がリンクになっている"));
    EXPECT_FALSE(fs::exists(outside));
}

// Turning to another window goes back to editing once, as キャンセル does.
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
    left.lostActivation();
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

class FakeEditingWindows : public EditingWindows {
public:
    FakeEditingWindows(CanvasSize size, GdrRecord& document, ErrorReporter& reporter)
        : canvas(size, document, reporter)
        , layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; })
    {}
    GenoCanvas& currentCanvas() override { return canvas; }
    CanvasLayerStore& layerStore() override { return layers; }
    void closeBarsAndToolWindows() override { calls.push_back("close bars"); }
    void showPictureConfirmation(const QImage&) override { calls.push_back("confirm"); }
    void closeEditingWindows() override { calls.push_back("close editing"); }
    void resumeEditing() override { calls.push_back("resume"); }

    GenoCanvas canvas;
    CanvasLayerStore layers;
    std::vector<std::string> calls;
};

TEST(SaveCommand, ALayerThatCannotBeStoredLeavesTheDocumentAsItWasAndWritesNothing)
{
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    GdrStore store{folder.path(), reporter};
    GdrRecord document = openHandedInDocument(store, kFixtures / "sample_family.gdr").record;
    FakeEditingWindows fake(CanvasSize::Normal, document, reporter);
    LabelWidget label = textLabelTemplate();
    label.text.caption = "残る注記";
    label.visible = true;
    fake.canvas.textLabels.load(1, label);
    ASSERT_TRUE(fake.layers.saveTexts(CanvasSize::Normal));
    const GdrRecord before = document;
    overfillAddedLines(fake.canvas);
    EXPECT_FALSE(SaveCommand(fake, store).run());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(document, before); // texts stored by SaveGd1 and cleared for the retry are back
    EXPECT_EQ(fake.calls, std::vector<std::string>{"resume"});
    EXPECT_FALSE(fs::exists(folder.path() / "kinsketch.gdr"));
}

class EditingScreenTest : public ::testing::Test {
protected:
    EditingScreenTest()
    {
        makeNewDocument(document);
        main.show();
    }
    void open()
    {
        ASSERT_TRUE(openBasicInputAndCanvas(windows));
        switching.switchBar();
    }
    GenoCanvas& canvas(CanvasSize size) { return windows.canvas(size).canvas(); }
    void clickSlot(int slot)
    {
        QTest::mouseClick(windows.basicInput(canvasSizeOf(document)).slotBackground(slot), Qt::LeftButton, {},
                          QPoint(2, 2));
    }
    QString frameButton() { return windows.frameTool().button()->text(); }

    QApplication& app = test::application();
    EditingContext context;
    GdrRecord& document = context.document;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ManualTimers timers;
    MainWindow main;
    WindowDirectory windows{main, context, reporter, boxes, timers};
    CommandGate gate{boxes};
    SwitchBarWiring switching{windows, main, gate};
    CanvasLayerStore layers{document, reporter, [this](CanvasSize s) -> GenoCanvas& { return canvas(s); }};
    ScreenSwitch screenSwitch{windows, switching, layers, boxes};
};

TEST_F(EditingScreenTest, OpeningFillsThePanelAndTheCanvasAndRebuildsTheFrameOnlyForMarks)
{
    document.ages[2] = "80";
    document.lineStyles[7] = 4;
    document.frameSegments[3] = 1; // with nobody marked, the stored frame is left as it is
    const GdrRecord before = document;
    EXPECT_TRUE(openBasicInputAndCanvas(windows));
    EXPECT_EQ(context.inputMode, InputMode::Text);
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    EXPECT_EQ(std::make_tuple(panel.ageBox(2)->text().toStdString(), panel.panel().line(7).slashS,
                              canvas(CanvasSize::Normal).ageLabels[2].text.caption, reporter.errors.size(),
                              boxes.shown.size()),
              std::make_tuple("80", true, "80", 0u, 0u));
    EXPECT_EQ(document, before);

    const QPointer<CanvasWindow> firstCanvas = &windows.canvas(CanvasSize::Normal);
    EXPECT_TRUE(openBasicInputAndCanvas(windows));
    EXPECT_EQ(&windows.basicInput(CanvasSize::Normal), &panel);
    EXPECT_TRUE(firstCanvas.isNull());

    document.screenMode = "WIDE";
    document.cohabitMarks[20] = 1;
    ASSERT_TRUE(openBasicInputAndCanvas(windows));
    EXPECT_EQ(std::tie(document.frameSegments[3], document.frameSegments[68]), std::make_tuple(0, 1));
    EXPECT_TRUE(canvas(CanvasSize::Wide).frameLines.exists(68));
}

TEST_F(EditingScreenTest, MarksShowTheGuidanceAndRenameTheFrameButton)
{
    open();
    clickSlot(0);
    ASSERT_TRUE(windows.infoBoxLoaded());
    EXPECT_EQ(windows.infoBox().guidanceLabel()->text(), QString::fromUtf8(kFrameGuidance));
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠追加（自動）"));
    clickSlot(17);
    clickSlot(0);
    EXPECT_TRUE(windows.infoBoxLoaded());
    clickSlot(17);
    EXPECT_FALSE(windows.infoBoxLoaded());
    EXPECT_EQ(frameButton(), QStringLiteral("同居枠消去"));

    clickSlot(0);
    QTest::mouseClick(windows.frameTool().button(), Qt::LeftButton);
    EXPECT_TRUE(canvas(CanvasSize::Normal).frameLines.exists(10));
    EXPECT_EQ(windows.basicInput(CanvasSize::Normal).panel().slot(0).mark, 0);
}

// A second click on the selected style falls back to no line.
TEST_F(EditingScreenTest, AStyleClickUsesTheToolBarsSelection)
{
    open();
    BasicInputWindow& panel = windows.basicInput(CanvasSize::Normal);
    const TwipsLine bar = panel.panel().layout().line(1);
    const QPoint onBar((bar.x1 + bar.x2) / 2 / kTwipsPerPixel, bar.y1 / kTwipsPerPixel);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.lineStyles[1], 1);
    QTest::mouseClick(windows.toolBar().styleButton(1), Qt::LeftButton);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, onBar);
    EXPECT_EQ(document.lineStyles[1], 0);
}

// Data on the normal screen's last slot, line, frame segment and text edge, which going small keeps without asking.
class ScreenSwitchTest : public EditingScreenTest {
protected:
    ScreenSwitchTest()
    {
        document.screenMode = "WIDE";
        document.symbols[3] = "i104";
        document.ages[17] = "80歳";
        document.lineStyles[51] = 1;
        document.frameSegments[65] = 1;
        document.texts[1] = textAt(4300, 5070);
    }
    std::map<QString, int> windowCounts() const
    {
        std::map<QString, int> counts;
        for (QMdiSubWindow* sub : main.childArea()->subWindowList()) ++counts[sub->widget()->objectName()];
        return counts;
    }
};

struct LossCase {
    const char* name;
    std::function<void(GdrRecord&)> document;
    int questions;
    std::function<void(GenoCanvas&)> canvas = {};
};

class GoingSmall : public ScreenSwitchTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(GoingSmall, AsksTwiceOnlyWhenDataBeyondTheNormalScreenWouldBeLost)
{
    GetParam().document(document);
    context.freeLineCount = document.strokes.upperBound(); // the strokes came with the document
    open();
    if (GetParam().canvas) GetParam().canvas(canvas(CanvasSize::Wide));
    boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(std::make_tuple(document.isWide(), boxes.shown.size(), reporter.errors.size()),
              std::make_tuple(false, std::size_t(GetParam().questions), 0u));
    // Strokes dropped with the WIDE area no longer count: undo must still reach every stroke left.
    EXPECT_LE(context.freeLineCount, document.strokes.upperBound());
}

const LossCase lossCases[] = {{"DataOnlyInTheNormalArea",
                               [](GdrRecord& d) { d.addedLines[0] = AddLineRecord(kTrue, 4000, 6000, 5000, 6000); }, 0},
                              {"ASymbolAloneOnRow25", [](GdrRecord& d) { d.symbols[25] = "i103"; }, 2},
                              {"AMarkAloneOnRow30", [](GdrRecord& d) { d.cohabitMarks[30] = 1; }, 2},
                              {"ATextAtLeft4301", [](GdrRecord& d) { d.texts[1] = textAt(4301, 100); }, 2},
                              {"AHiddenPenStrokeOutside",
                               [](GdrRecord& d) {
                                   d.strokes.mutableItems() = {strokeAt(100, 100), strokeAt(4400, 5100)};
                               },
                               2, [](GenoCanvas& c) { c.strokes[2].visible = false; }}};

INSTANTIATE_TEST_SUITE_P(ScreenSwitch, GoingSmall, ::testing::ValuesIn(lossCases),
                         [](const ::testing::TestParamInfo<LossCase>& c) { return std::string(c.param.name); });

TEST_F(ScreenSwitchTest, NoToEitherQuestionKeepsDocumentAndWindows)
{
    document.symbols[25] = "i103";
    open();
    const GdrRecord before = document;
    const QPointer<CanvasWindow> wide = &windows.canvas(CanvasSize::Wide);
    for (const auto& answers : {std::deque{Answer::No}, std::deque{Answer::Yes, Answer::No}}) {
        boxes.answers = answers;
        EXPECT_FALSE(screenSwitch.switchSize());
    }
    EXPECT_EQ(document, before);
    EXPECT_EQ(std::make_tuple(boxes.shown.size(), wide.isNull(), windowCounts().count(QStringLiteral("mdiGenoInp"))),
              std::make_tuple(3u, false, 0u));
}

// Marks of rows that no longer exist used to stay. Slot 18 lies right of slot 3 on the WIDE
// screen only, so the frame must be rebuilt to close slot 3's right edge (segment 8).
TEST_F(ScreenSwitchTest, GoingSmallEmptiesTheLargeOnlyRowsAndRebuildsTheFrame)
{
    for (std::size_t i : {3u, 18u}) document.cohabitMarks[i] = 1;
    document.symbols[20] = "i108";
    document.ages[33] = "5歳";
    document.remarks[25] = "不明";
    document.lineStyles[60] = 5;
    open();
    const auto opened = windowCounts();
    ASSERT_EQ(document.frameSegments[8], 0);
    boxes.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(screenSwitch.switchSize());
    for (std::size_t i = kNormalSlotCount; i < kSlotCount; ++i)
        EXPECT_EQ(std::tie(document.symbols[i], document.ages[i], document.remarks[i], document.cohabitMarks[i]),
                  std::make_tuple("i000", "", "", 0));
    EXPECT_EQ(document.lineStyles[60], 0);
    EXPECT_EQ(document.cohabitMarks[3], 1);
    EXPECT_EQ(document.frameSegments, cohabitSegments(CanvasSize::Normal, document.cohabitMarks));
    EXPECT_TRUE(canvas(CanvasSize::Normal).frameLines.exists(8));

    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(windowCounts(), opened);
    EXPECT_EQ(context.inputMode, InputMode::Text);
    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(ScreenSwitchTest, GoingLargeNeverAsksAndLosesNothing)
{
    document.screenMode = "";
    document.texts[1] = textAt(4200, 5000);
    document.addedLines[0] = {kTrue, 4000, 4200, 5000, 100};
    document.strokes.mutableItems() = {strokeAt(4000, 5000)};
    document.cohabitMarks[3] = 1;
    open();
    GdrRecord expected = document;
    ASSERT_TRUE(screenSwitch.switchSize());
    EXPECT_EQ(boxes.shown.size(), 0u);
    expected.screenMode = "WIDE";
    expected.frameSegments = cohabitSegments(CanvasSize::Wide, expected.cohabitMarks);
    EXPECT_EQ(document, expected);
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    EXPECT_EQ(std::tie(wide.textLabels[1].left, wide.addedLines[1].visible, wide.strokes[1].visible),
              std::make_tuple(4200, true, true));
}

TEST_F(ScreenSwitchTest, LayersThatCannotBeStoredStopTheSwitchWithNothingChanged)
{
    document.texts[1] = textAt(5000, 100);
    open();
    GenoCanvas& wide = canvas(CanvasSize::Wide);
    overfillAddedLines(wide);
    const GdrRecord before = document;
    boxes.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(screenSwitch.switchSize());
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.SaveGd2"});
    EXPECT_EQ(document, before);
    EXPECT_EQ(std::tie(wide.textLabels[1].visible, wide.startHandles[1].visible), std::make_tuple(true, false));
    EXPECT_EQ(&canvas(CanvasSize::Wide), &wide);
}

// A screen reader presses buttons while the opening's box (an unknown symbol key) is up: refused, the
// loading panel is not freed and nothing half-opened is stored; once on the screen, 保存 stores it whole.
TEST(EditingScreenGate, CommandsPressedBehindTheOpeningsBoxAreRefused)
{
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ManualTimers timers;
    MainWindow main;
    EditingContext context;
    makeNewDocument(context.document);
    context.document.symbols[3] = "ixyz";
    context.document.texts[1] = {"主介護者", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, 500, 500, 900, 200, kTrue};
    context.document.addedLines[0] = {kTrue, 100, 100, 900, 900};
    GdrStore store(folder.path(), reporter);
    int ended = 0;
    QSettings settings(QString::fromStdString((folder.path() / "settings.ini").string()), QSettings::IniFormat);
    DisplaySizeSetting displaySize(settings);
    EditingScreen screen(main, context, store, boxes, timers, displaySize, [&] { ++ended; });
    int boxesShown = 0;
    boxes.whileShown = [&](const MessageRequest&) {
        if (++boxesShown > 1) return; // a box of a command that ran anyway
        screen.menuBar().saveButton()->click();
        screen.menuBar().endButton()->click();
        screen.switching().switchBar().findChild<QToolButton*>(QStringLiteral("cmdMenu3"))->click();
    };
    screen.open();
    EXPECT_EQ(boxesShown, 1) << "only the opening's box";
    screen.screenSwitch().switchButton()->click(); // no box open: this one runs
    EXPECT_EQ(std::make_tuple(ended, context.inputMode, context.document.screenMode),
              std::make_tuple(0, InputMode::Text, std::string("WIDE")));
    EXPECT_FALSE(fs::exists(folder.path() / "kinsketch.gdr"));

    boxes.whileShown = nullptr;
    screen.save();
    const GdrRecord saved = decodeCurrentGdr(readWholeFile(folder.path() / "kinsketch.gdr"));
    EXPECT_EQ(std::tie(saved.texts[1].caption, saved.addedLines[0].used), std::make_tuple("主介護者", kTrue));
}

class ScreenArrangement : public ::testing::TestWithParam<std::tuple<CanvasSize, int>> {};

// Frames, title bars included, of every window on show in each input mode, with the guidance
// box open: none covers another, the guidance box has no title bar, and no hint it cycles
// through nor any row caption of the panel is cut.
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
}

INSTANTIATE_TEST_SUITE_P(SizesAndDisplaySizes, ScreenArrangement,
                         ::testing::Combine(::testing::Values(CanvasSize::Normal, CanvasSize::Wide),
                                            ::testing::ValuesIn(DisplayScale::kPercents)));

// The canvas's texts are stored before the windows are remade, so an edit not yet saved survives.
// Twips become the nearest screen pixel at every size, or neighbours drift a pixel apart.
TEST(DisplaySize, TwipsBecomeTheNearestPixel)
{
    EXPECT_EQ((std::vector{DisplayScale(100).px(8), DisplayScale(125).px(10), DisplayScale(150).px(7),
                           DisplayScale(200).px(-4)}),
              (std::vector{1, 1, 1, -1}));
}

TEST(DisplaySize, ChangingItRemakesTheWindowsAtTheSizeWithTheDrawingAndTheModeAndIsRemembered)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    whole.context.document.ages[2] = "80";
    whole.screen->windows().basicInput(CanvasSize::Normal).panel().load();
    whole.placeText(CanvasSize::Normal);
    whole.chooseMode(3);
    whole.screen->windows().freeLinePanel().model().registers().penWidthText = "5";
    QComboBox* sizes = whole.screen->menuBar().displaySizeBox();
    emit sizes->activated(sizes->findData(150));
    QApplication::processEvents();

    CanvasWindow& canvas = whole.screen->windows().canvas(CanvasSize::Normal);
    EXPECT_EQ(canvas.size(), QSize(429, 507)); // 4290 x 5070 twips at 150 %
    EXPECT_EQ(std::make_tuple(canvas.canvas().textLabels[1].text.caption, canvas.canvas().ageLabels[2].text.caption,
                              whole.context.inputMode, whole.settings.value("display/percent").toInt(),
                              whole.screen->menuBar().displaySizeBox()->currentData().toInt()),
              std::make_tuple(std::string("主介護者"), std::string("80"), InputMode::FreeLines, 150, 150));
    EXPECT_EQ(whole.screen->windows().freeLinePanel().model().registers().penWidthText, "5");
}

// A wheel turned over the panel passes the choosers it was never asked into; a click on the
// connector network or on a slot takes the keys away from the chooser, so a stray letter
// cannot empty a slot.
TEST(PanelTraps, OnlyAFocusedChooserTakesTheWheelAndClicksBesideItTakeItsKeys)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    whole.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&whole.main));
    BasicInputWindow& panel = whole.screen->windows().basicInput(CanvasSize::Normal);
    QComboBox* chooser = panel.symbolChooser(1);
    const std::string& symbol = whole.context.document.symbols[1];
    const auto wheel = [&] {
        const QPointF at = chooser->rect().center();
        QWheelEvent event(at, chooser->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(chooser, &event);
    };
    wheel();
    EXPECT_EQ(symbol, "i000");
    chooser->setFocus();
    wheel();
    EXPECT_NE(symbol, "i000");

    const std::string chosen = symbol;
    const TwipsLine bar = panel.panel().layout().line(1);
    QTest::mouseClick(&panel, Qt::LeftButton, {},
                      QPoint((bar.x1 + bar.x2) / 2 / kTwipsPerPixel, bar.y1 / kTwipsPerPixel));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(symbol, chosen);
    chooser->setFocus();
    QTest::mouseClick(panel.slotBackground(5), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    EXPECT_EQ(symbol, chosen);
}

// The remark the picture would cut (長女の元 and the top of 夫) is marked while typed and stored
// as typed; a document's text is marked on opening.
TEST(PanelTraps, AgesAndRemarksThePictureWouldCutAreMarkedButKept)
{
    WholeScreen whole(CanvasSize::Normal, 150);
    BasicInputWindow& panel = whole.screen->windows().basicInput(CanvasSize::Normal);
    const auto warned = [](const QLineEdit* box) {
        return box->toolTip() == QStringLiteral("画像では一部が表示されません");
    };
    panel.remarkBox(3)->setText(QStringLiteral("長女の元夫"));
    EXPECT_TRUE(warned(panel.remarkBox(3)));
    EXPECT_EQ(whole.context.document.remarks[3], "長女の元夫");
    panel.remarkBox(3)->setText(QStringLiteral("長女"));
    EXPECT_FALSE(warned(panel.remarkBox(3)));

    whole.context.document.ages[4] = "享年100歳・推定";
    panel.panel().load();
    EXPECT_EQ(std::make_tuple(warned(panel.ageBox(4)), warned(panel.ageBox(5))), std::make_tuple(true, false));
}

// Random runs of edits of every kind, with undos and redos between them, on both screen sizes.
// The oracle is the document as the save would store it (and the panel's marks), recorded for
// each place in the history: after every action the screen shows the one recorded for where the
// history stands, and undoing everything gives back the opened document byte for byte.
class HistoryWalk : public ::testing::TestWithParam<CanvasSize> {
protected:
    HistoryWalk()
        : whole(GetParam(), 100, [](GdrRecord& document) {
            document.ages[1] = "85歳";
            document.texts[1] = {"主介護者", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, 600, 3900, 900, 200, kTrue};
            document.addedLines[0] = {kTrue, 300, 4200, 3600, 3600};
            document.strokes = DynamicArray<FreeLineRecord>(true, 1, {{100, 100, 400, 300, 2, 0, -1}});
        })
    {}
    CanvasSize size() const { return GetParam(); }
    BasicInputWindow& panel() { return whole.screen->windows().basicInput(size()); }
    CanvasWindow& canvas() { return whole.screen->windows().canvas(size()); }
    Bytes saved()
    {
        GdrRecord copy = whole.context.document;
        CanvasLayerStore store(copy, whole.reporter, [this](CanvasSize) -> GenoCanvas& { return canvas().canvas(); });
        EXPECT_TRUE(store.saveCanvasLayers(size()));
        whole.screen->switching().showLineHandles(whole.context.inputMode == InputMode::AddedLines);
        Bytes bytes = encodeGdr(copy);
        for (int i = 0; i < panel().panel().layout().slotCount(); ++i)
            bytes.push_back(static_cast<std::uint8_t>(panel().panel().slot(i).mark));
        return bytes;
    }
    static QPoint pixel(float x, float y)
    {
        return {static_cast<int>(x) / kTwipsPerPixel + 2, static_cast<int>(y) / kTwipsPerPixel + 2};
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas(), (from + to) / 2);
        QTest::mouseMove(&canvas(), to);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
    }
    template <class Widget>
    const Widget* anyShown(const WidgetArray<Widget>& widgets, int from)
    {
        std::vector<const Widget*> shown;
        for (int i = from; i <= widgets.upperBound(); ++i)
            if (const Widget* w = widgets.find(i); w && w->visible) shown.push_back(w);
        return shown.empty() ? nullptr : shown[random() % shown.size()];
    }
    QPushButton* button(const char* window, const char* name)
    {
        return whole.main.findChild<QWidget*>(QString::fromLatin1(window))
            ->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    WholeScreen whole;
    std::mt19937 random{GetParam() == CanvasSize::Wide ? 5U : 3U};
};

TEST_P(HistoryWalk, EveryPlaceInTheHistoryShowsTheDocumentRecordedForIt)
{
    const int slotCount = panel().panel().layout().slotCount();
    const auto slot = [&] { return static_cast<int>(random() % static_cast<unsigned>(slotCount)); };
    QString lastRun; // the box of a typing run the next keys would go on
    const auto typed = [](QWidget* box, auto key) {
        QTest::keyClicks(box, key);
        return box->objectName();
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
        {"symbol", 0,
         [&] {
             QComboBox* box = panel().symbolChooser(slot() % 3);
             QTest::keyClick(box, Qt::Key_Down);
             return box->objectName();
         }},
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
        {"move text", 1, none([&] { dragBy(anyShown(canvas().canvas().textLabels, 1), 300, -150); })},
        {"delete text", 1, none([&] { rightClick(anyShown(canvas().canvas().textLabels, 1)); })},
        {"new line", 2, none([&] { button("mdiLineAdd_Tool", "cmdTool1")->click(); })},
        {"drag line", 2, none([&] { dragBy(anyShown(canvas().canvas().endHandles, 1), -450, 300); })},
        {"delete line", 2, none([&] { rightClick(anyShown(canvas().canvas().startHandles, 1)); })},
        {"pen", 3, none([&] {
             const int x = static_cast<int>(random() % 200) + 20;
             drag({x, 40}, {x + 40, 90});
         })},
        {"一つ戻る", 3, none([&] { button("mdiPan_Com", "cmd_Back")->click(); })},
        {"全クリア", 3, none([&] {
             whole.boxes.answers = {MessageAnswer::Yes};
             button("mdiPan_Com", "cmd_AllErase")->click();
         })},
    };

    QUndoStack& stack = whole.screen->history().stack();
    std::vector<Bytes> recorded{saved()};
    int at = 0;
    for (int step = 0; step < 160; ++step) {
        const unsigned roll = random() % 10;
        std::string what;
        if (roll < 2 && at > 0) {
            what = "undo";
            whole.screen->undo();
            --at;
            lastRun.clear();
        } else if (roll < 3 && at + 1 < static_cast<int>(recorded.size())) {
            what = "redo";
            whole.screen->redo();
            ++at;
            lastRun.clear();
        } else {
            const Edit& edit = edits[random() % edits.size()];
            what = edit.name;
            if (edit.mode != 0) whole.chooseMode(edit.mode);
            const QString run = edit.act();
            QApplication::processEvents();
            whole.screen->recordEdit(); // what no later input would close
            const Bytes now = saved();
            if (now != recorded[static_cast<std::size_t>(at)]) {
                if (!run.isEmpty() && run == lastRun) {
                    recorded[static_cast<std::size_t>(at)] = now;
                } else {
                    recorded.resize(static_cast<std::size_t>(at) + 1);
                    recorded.push_back(now);
                    ++at;
                }
            }
            lastRun = run;
        }
        QApplication::processEvents();
        ASSERT_EQ(stack.index(), at) << "after " << what << " at step " << step;
        ASSERT_EQ(saved(), recorded[static_cast<std::size_t>(at)]) << "after " << what << " at step " << step;
    }
    while (stack.canUndo()) whole.screen->undo();
    EXPECT_EQ(saved(), recorded.front());
    EXPECT_EQ(whole.reporter.errors.size(), 0U);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, HistoryWalk, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

// Strokes drawn one after another on a plain state: over the budget the oldest steps go,
// the rest still undo to where they began, the step being redone stays, and a run stays whole.
TEST(EditHistory, OverItsBudgetTheOldestStepsGoAndTheRestStillUndo)
{
    test::application();
    EditingState screen;
    EditHistory history({[&](EditingState& state) {
                             state = screen;
                             return true;
                         },
                         [&](const EditingState& state) { screen = state; }},
                        40 * sizeof(FreeLineRecord));
    history.restart();
    std::vector<EditingState> states{screen};
    const auto draw = [&](int k, const QString& run = {}) {
        std::vector<FreeLineRecord> items = screen.strokes.items();
        items.push_back({static_cast<float>(k), 0, 0, 0, 1, 0, -k});
        screen.strokes = DynamicArray<FreeLineRecord>(true, 1, items);
        history.record(run);
    };
    for (int k = 1; k <= 30; ++k) {
        draw(k);
        states.push_back(screen);
    }
    EXPECT_LE(history.bytes(), 40 * sizeof(FreeLineRecord));
    const int kept = history.stack().count();
    EXPECT_LT(kept, 30);
    while (history.stack().canUndo()) history.undo();
    EXPECT_EQ(screen.strokes, states[static_cast<std::size_t>(30 - kept)].strokes);
    history.redo();
    EXPECT_EQ(screen.strokes, states[static_cast<std::size_t>(31 - kept)].strokes);

    // A typing run stays one step through the trims it causes.
    while (history.stack().canRedo()) history.redo();
    const DynamicArray<FreeLineRecord> beforeRun = screen.strokes;
    draw(31, QStringLiteral("run"));
    draw(32, QStringLiteral("run"));
    history.undo();
    EXPECT_EQ(screen.strokes, beforeRun);
}

// The history ends with a save (back from the confirmation) and with the size switch, and
// the guidance box says so; a history with nothing in it ends without a word.
TEST(EditHistory, SaveAndTheSizeSwitchEndItAndSaySo)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    EditingScreen& screen = *whole.screen;
    const auto guidance = [&] { return whole.screen->windows().infoBox().guidanceLabel()->text().toStdString(); };
    QTest::keyClicks(screen.windows().basicInput(CanvasSize::Normal).ageBox(2), "80");
    screen.recordEdit();
    ASSERT_TRUE(screen.history().stack().canUndo());
    screen.save();
    ASSERT_NE(screen.pictureConfirmation(), nullptr);
    // キャンセル pressed through the accessibility bus behind 決定's question is refused.
    whole.boxes.whileShown = [&](const MessageRequest&) { screen.pictureConfirmation()->cancelButton()->click(); };
    screen.pictureConfirmation()->okButton()->click();
    whole.boxes.whileShown = {};
    screen.pictureConfirmation()->cancelButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(screen.history().stack().canUndo());
    EXPECT_EQ(guidance(), "保存したため、元に戻せる操作の履歴を消去しました。");

    QTest::keyClicks(screen.windows().basicInput(CanvasSize::Normal).remarkBox(2), "x");
    screen.recordEdit();
    screen.screenSwitch().switchButton()->click();
    EXPECT_EQ(std::make_tuple(screen.history().stack().count(), guidance()),
              std::make_tuple(0, std::string("画面の大きさを切り替えたため、元に戻せる操作の履歴を消去しました。")));
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
    InputModeBar bar{targets, reporter};
    bar.setFreeLinePanelHook([&](bool shown) { targets.calls.push_back(shown ? "panel on" : "panel off"); });
    using Calls = std::vector<std::string>;
    // The calls a click made, then the indicators on show.
    const auto select = [&](const std::function<void()>& click) {
        targets.calls.clear();
        click();
        std::string shown = "indicators ";
        for (int i = 1; i <= 6; ++i) shown += bar.modeIndicator(i)->isHidden() ? '0' : '1';
        targets.calls.push_back(shown);
        return targets.calls;
    };
    EXPECT_EQ(select([&] { bar.load(); }), (Calls{"line tool off", "panel off", "handles off", "indicators 100011"}));
    EXPECT_EQ(select([&] { bar.modeButton(2)->click(); }),
              (Calls{"panel off", "line tool on", "handles on", "indicators 010101"}));
    EXPECT_EQ(select([&] { bar.modeButton(3)->click(); }),
              (Calls{"line tool off", "panel on", "handles off", "indicators 001110"}));
}

// The edits reach the copy a second after an input, not on the input itself; an input that
// changed nothing writes nothing; 保存 writes at once; a failed write is told once;
// 終了 → はい gives the copy up.
TEST(RecoveryKeeping, TheScreenWritesTheDocumentAsSavedASecondAfterAnEditAndGivesItUpAtTheEnd)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    std::vector<GdrRecord> written;
    int discarded = 0;
    whole.screen->keepRecoveryCopy(
        {[&](GdrRecord document) { written.push_back(std::move(document)); }, [&] { ++discarded; }});
    whole.screen->open();
    whole.context.document.ages[2] = "80";
    whole.placeText(CanvasSize::Normal);
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds - 1);
    EXPECT_TRUE(written.empty());
    whole.timers.advance(1);
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(std::tie(written[0].ages[2], written[0].texts[1].caption), std::make_tuple("80", "主介護者"));
    whole.screen->recordEdit();
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    EXPECT_EQ(written.size(), 1U);
    // Saved before the timer fires: the copy already holds it at the confirmation.
    whole.context.document.ages[2] = "81";
    whole.screen->recordEdit();
    whole.screen->save();
    ASSERT_EQ(written.size(), 2U);
    EXPECT_EQ(written[1].ages[2], "81");

    whole.screen->pictureConfirmation()->cancelButton()->click();
    QApplication::processEvents();
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

    // Both ways out give the copy up: 決定 → はい on the confirmation, and 終了 → はい.
    whole.screen->save();
    whole.boxes.answers = {Answer::Yes};
    whole.screen->pictureConfirmation()->okButton()->click();
    EXPECT_EQ(discarded, 1);
    whole.boxes.answers = {Answer::Yes};
    whole.screen->end();
    EXPECT_EQ(discarded, 2);
}

// A screen reader sets a box's text with no key pressed: a step of the history and the copy.
TEST(RecoveryKeeping, ABoxSetThroughTheAccessibilityBusIsAStepAndReachesTheCopy)
{
    WholeScreen whole(CanvasSize::Normal, 100);
    std::vector<GdrRecord> written;
    whole.screen->keepRecoveryCopy({[&](GdrRecord document) { written.push_back(std::move(document)); }, [] {}});
    whole.screen->open();
    QLineEdit* age = whole.screen->windows().basicInput(CanvasSize::Normal).ageBox(2);
    QAccessible::queryAccessibleInterface(age)->setText(QAccessible::Value, QStringLiteral("85"));
    QApplication::processEvents();
    EXPECT_TRUE(whole.screen->history().stack().canUndo());
    whole.timers.advance(RecoveryKeeper::kDelayMilliseconds);
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(written[0].ages[2], "85");
}

enum class CopyLeft { None, Unreadable, FolderInItsPlace, SameAsHandedIn, Edited };

struct OfferCase {
    CopyLeft copy;
    Answer answer;
    std::vector<std::string> boxes;
    bool copyKept;
    std::string ageOpened;
};

class RecoveryOffer : public ::testing::TestWithParam<OfferCase> {};

TEST_P(RecoveryOffer, OnlyACopyOtherThanTheDocumentIsOfferedAndOnlyYesKeepsIt)
{
    const OfferCase& c = GetParam();
    test::TemporaryFolder folder;
    test::RecordingReporter reporter;
    GdrStore store(folder.path(), reporter);
    GdrRecord handedIn;
    makeNewDocument(handedIn);
    handedIn.ages[0] = "30";
    handedIn.version = kVersionText;
    writeFileAtomically(store.documentPath("client"), encodeGdr(handedIn));
    OpenedDocument opened = openHandedInDocument(store, store.documentPath("client"));
    const RecoveryCopy copy(folder.path(), "client");
    GdrRecord edited = opened.record;
    edited.ages[0] = "31";
    if (c.copy == CopyLeft::Unreadable) {
        copy.write(edited); // makes the folder
        writeFileAtomically(copy.path(), Bytes{1, 2, 3});
    }
    if (c.copy == CopyLeft::FolderInItsPlace) fs::create_directories(copy.path() / "inside");
    if (c.copy == CopyLeft::SameAsHandedIn) copy.write(opened.record);
    if (c.copy == CopyLeft::Edited) copy.write(edited);
    test::ScriptedMessageBoxes boxes;
    boxes.answers = {c.answer};

    offerRecoveryCopy(copy, store, boxes, opened);
    EXPECT_EQ(boxes.texts(), c.boxes);
    EXPECT_EQ(copy.exists(), c.copyKept);
    EXPECT_EQ(opened.record.ages[0], c.ageOpened);
}

const std::string kOffer = "前回、保存されずに終了した編集があります。復元しますか？";
INSTANTIATE_TEST_SUITE_P(
    Copies, RecoveryOffer,
    ::testing::Values(OfferCase{CopyLeft::None, Answer::Yes, {}, false, "30"},
                      OfferCase{CopyLeft::Unreadable,
                                Answer::Yes,
                                {"前回、保存されずに終了した編集の記録を読めなかったため、削除しました。"},
                                false,
                                "30"},
                      OfferCase{CopyLeft::FolderInItsPlace,
                                Answer::Yes,
                                {"前回、保存されずに終了した編集の記録を読めず、削除もできませんでした。"},
                                true,
                                "30"},
                      OfferCase{CopyLeft::SameAsHandedIn, Answer::Yes, {}, false, "30"},
                      OfferCase{CopyLeft::Edited, Answer::Yes, {kOffer}, true, "31"},
                      OfferCase{CopyLeft::Edited, Answer::No, {kOffer}, false, "30"}));

} // namespace
} // namespace kinsketch
