// The genogram model: the basic-input panel, the canvas, its mouse editing and its layers in the document.
#include "document/storable_text.h"
#include "genogram/basic_input/basic_input_panel.h"
#include "genogram/basic_input/input_layout.h"
#include "genogram/canvas_keys.h"
#include "genogram/canvas_layer_store.h"
#include "genogram/canvas_mouse.h"
#include "genogram/canvas_opening.h"
#include "genogram/cohabit_frame_builder.h"
#include "genogram/editing_state.h"
#include "genogram/free_drawing.h"
#include "genogram/text_label_mapping.h"
#include "geometry/canvas_geometry.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/text_dialog_doubles.h"

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"
#include "document/run_time_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <ranges>
#include <set>

namespace kinsketch {
namespace {

GdrRecord newDocument(const char* mode = "")
{
    GdrRecord d;
    d.screenMode = mode;
    makeNewDocument(d);
    return d;
}

class Panel : public ::testing::TestWithParam<CanvasSize> {
protected:
    Panel() { panel.load(); }
    static std::pair<int, int> near(const TwipsLine& l) { return {(l.x1 + l.x2) / 2 + 40, (l.y1 + l.y2) / 2 + 60}; }

    GdrRecord document = newDocument(GetParam() == CanvasSize::Wide ? "WIDE" : "");
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    int style = 1;
    int redraws = 0;
    // The neighbours: the tool bar's selected style, and the canvas redrawn.
    Drawing drawing{document};
    BasicInputPanel panel{GetParam(), drawing, reporter, boxes, {[this] { return style; }, [this] { ++redraws; }}};
};

// Panel line k and canvas line k join the same slots, so a click styles the line the user sees.
TEST_P(Panel, ItsLinesJoinTheSlotsTheCanvasLinesJoin)
{
    const InputLayout& layout = inputLayout(GetParam());
    const CanvasGeometry& canvas = canvasGeometry(GetParam());
    ASSERT_EQ(layout.lineCount(), canvas.connectorCount());
    const auto cell = [&](int slot) { return canvas.cells[static_cast<std::size_t>(slot)]; };
    const auto centre = [&](int slot) { return cell(slot).left + kCellSize / 2; };
    const auto barY = [&](int slot) { return cell(slot).top - 240; }; // sibling bars run 240 twips above the row
    for (int k = 0; k < layout.lineCount(); ++k) {
        const ConnectorLink& link = layout.links[static_cast<std::size_t>(k)];
        const TwipsLine c = canvas.connectorLines[static_cast<std::size_t>(k)];
        EXPECT_EQ(canvas.isMarriageLine(k), link.kind == LinkKind::Marriage) << k;
        switch (link.kind) {
        case LinkKind::Bar:
            EXPECT_EQ(std::tie(c.x1, c.y1, c.x2, c.y2),
                      std::make_tuple(centre(link.a), barY(link.a), centre(link.b), barY(link.b)))
                << k;
            break;
        case LinkKind::Drop:
            EXPECT_TRUE(c.x1 == centre(link.a) && c.x2 == centre(link.a) && c.y2 == cell(link.a).top) << k;
            break;
        case LinkKind::Marriage:
            EXPECT_TRUE(c.y1 == c.y2 && c.y1 == cell(link.a).top + kCellSize / 2) << k;
            EXPECT_TRUE(c.x1 == cell(link.a).left + kCellSize && c.x2 == cell(link.b).left) << k;
            break;
        case LinkKind::Descent: // hangs from marriage a
            const TwipsLine m = canvas.connectorLines[static_cast<std::size_t>(link.a)];
            EXPECT_TRUE(c.x1 == c.x2 && c.x1 > m.x1 && c.x1 < m.x2 && c.y1 == m.y1) << k;
        }
    }
}

// Marks reach no layer, a chosen symbol is stored at once, unstorable texts are refused, a click styles the line near it.
TEST_P(Panel, MarksChooserTextsAndLineClicksReachTheDocumentOnlyAsTheyMay)
{
    panel.toggleCohabitantMark(0);
    panel.toggleCohabitantMark(3);
    EXPECT_EQ(panel.slot(3).mark, 1);
    panel.clearMarks();
    EXPECT_EQ(std::tie(panel.slot(3).mark, redraws, document.cohabitMarks),
              std::make_tuple(0, 0, decltype(document.cohabitMarks){}));
    panel.chooseSymbol(2, symbolChoiceOf("i108"));
    EXPECT_EQ(std::tie(document.symbols[2], redraws), std::make_tuple("i108", 1));

    // Texts the document cannot hold are refused at once.
    EXPECT_TRUE(panel.changeAge(1, "８５歳"));
    std::vector<int> reshown; // the boxes go back to the kept text
    panel.slotChanged = [&](int slot) { reshown.push_back(slot); };
    EXPECT_FALSE(panel.changeAge(1, "８５歳😀"));
    std::string tooLong; // two bytes a character in the code page
    for (std::size_t i = 0; i <= kMaxDocumentTextBytes / 2; ++i) tooLong += "あ";
    EXPECT_FALSE(panel.changeRemark(1, tooLong));
    EXPECT_TRUE(panel.changeRemark(1, std::string(kMaxDocumentTextBytes, 'x')));
    EXPECT_NE(boxes.shown.at(1).text.find("65535"), std::string::npos);
    EXPECT_EQ(std::tie(document.ages[1], reshown), std::make_tuple("８５歳", std::vector<int>{1, 1}));
    EXPECT_TRUE(panel.changeRemark(1, "〜－")) << "Linux spellings of code-page characters";

    redraws = 0;
    const TwipsLine l = panel.layout().line(0);
    EXPECT_EQ(std::make_tuple(panel.lineAt(l.x1 - 150, l.y1 - 100), panel.lineAt(l.x2 + 150, l.y2 + 100),
                              panel.lineAt(l.x1 - 151, l.y1 - 100), panel.lineAt(5, 5)),
              std::make_tuple(0, 0, kNoLine, kNoLine));
    const auto [x, y] = near(panel.layout().line(7)); // a marriage line
    style = 4;
    panel.pressBackground(PanelButton::Left, x, y);
    EXPECT_TRUE(panel.line(7).slashS && !panel.line(7).slashW);
    EXPECT_EQ(std::tie(document.lineStyles[7], redraws), std::make_tuple(4, 1));

    // A slash style on a sibling bar draws the plain line and is kept; style 0 shows it grey.
    const auto [bx, by] = near(l);
    panel.pressBackground(PanelButton::Left, bx, by);
    EXPECT_EQ(std::tie(panel.line(0).slashS, document.lineStyles[0]), std::make_tuple(false, 4));
    style = 0;
    panel.pressBackground(PanelButton::Left, bx, by);
    EXPECT_EQ(std::tie(panel.line(0).colour, document.lineStyles[0]), std::make_tuple(kDesignGrey, 0));
    // A code above 9 is recorded and takes the slashes away; the line keeps its look.
    panel.setLineStyle(7, 12);
    EXPECT_EQ(std::tie(panel.line(7).tag, panel.line(7).colour, panel.line(7).slashS),
              std::make_tuple(12, kBlack, false));
    panel.setLineStyle(panel.layout().lineCount(), 1);
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At LfncLineChg"});

    // The thick solid styles are no longer offered: a stored one comes back as style 1.
    const auto look = [](const InputLine& i) { return std::tie(i.tag, i.width, i.pattern, i.slashS, i.slashW); };
    for (const std::uint8_t stored : {3, 8, 9}) {
        SCOPED_TRACE(int{stored});
        document.lineStyles[0] = document.lineStyles[7] = stored; // a sibling bar and a marriage line
        panel.load();
        for (const int k : {0, 7})
            EXPECT_EQ(look(panel.line(k)), std::make_tuple(1, 1, LinePattern::Solid, false, false)) << k;
        panel.updatePreview();
        EXPECT_EQ(std::tie(document.lineStyles[0], document.lineStyles[7]), std::make_tuple(1, 1));
    }
    EXPECT_EQ(reporter.errors.size(), 1U);
}

// Regression: an unknown stored key stopped the filling, and every later save of layer 0 failed.
TEST_P(Panel, AnUnknownKeyIsReportedOnceTheRestStillFillsAndFillingWritesNothingBackAndRedrawsNothing)
{
    // i005 and i006 are withdrawn pictures: they load as blank and are not reported.
    std::ranges::copy(std::array{"i005", "i006", "i114", "", "i000", "i099", "i101"}, document.symbols.begin());
    std::tie(document.ages[17], document.lineStyles[51]) = std::tuple("90", 1);
    panel.load();
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.LoadGd0"});
    const std::string& error = reporter.errors[0].text;
    EXPECT_TRUE(error.starts_with("【35601】") && error.ends_with("（シンボル \"\"）")) << error;
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{kLoadFailedMessage});
    EXPECT_EQ(std::tie(panel.slot(3).choice, panel.slot(5).choice, panel.slot(6).choice),
              std::make_tuple(kBlankChoice, kBlankChoice, symbolChoiceOf("i101")));
    EXPECT_EQ(std::tie(panel.slot(17).age, panel.line(51).colour, document.symbols[5]),
              std::make_tuple("90", kBlack, "i099"));

    panel.updatePreview(); // reports nothing more: the later checks count one error
    EXPECT_EQ(std::tie(document.symbols[0], document.symbols[1], document.symbols[2], document.symbols[5]),
              std::make_tuple("i000", "i000", "i114", "i000"));

    // Filling fires the controls' change events: none may write back, and a document comes back as it was.
    document = decodeCurrentGdr(readWholeFile(KINSKETCH_FIXTURE_DIR "/documents/wide_family.gdr"));
    if (GetParam() == CanvasSize::Normal) document.symbols[kNormalSlotCount] = "bogus"; // never read
    std::tie(document.symbols[1], document.remarks[4], document.lineStyles[7]) = std::tuple("i102", "長男", 5);
    const GdrRecord before = document;
    redraws = 0;
    panel.slotChanged = [&](int slot) {
        EXPECT_TRUE(panel.loading());
        panel.chooseSymbol(slot, panel.slot(slot).choice);
        panel.changeAge(slot, panel.slot(slot).age);
        panel.changeRemark(slot, panel.slot(slot).remark);
    };
    panel.load();
    EXPECT_EQ(std::make_tuple(panel.loading(), redraws, document == before), std::make_tuple(false, 0, true));
    EXPECT_EQ(std::tie(panel.slot(1).choice, panel.slot(4).remark, panel.line(7).slashS, panel.line(7).slashW),
              std::make_tuple(symbolChoiceOf("i102"), "長男", true, true));
    panel.updatePreview();
    EXPECT_EQ(std::make_tuple(reporter.errors.size(), boxes.shown.size()), std::make_tuple(1U, 1U));
    EXPECT_EQ(document, before);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Panel, ::testing::Values(CanvasSize::Normal, CanvasSize::Wide));

using Flags = std::array<std::uint8_t, kSlotCount>;
using Segments = std::map<int, std::tuple<float, float, float, float>>;

Segments freeLineSegments(const GenoCanvas& canvas)
{
    Segments out;
    for (int k = 1; k <= canvas.strokes.upperBound(); ++k) // 0 is the template
        if (const LineWidget* l = canvas.strokes.find(k)) out[k] = {l->x1, l->y1, l->x2, l->y2};
    return out;
}

// Every widget bottom to top with all it shows: canvases alike in this look alike.
auto widgets(const GenoCanvas& c)
{
    const auto value = [](const auto* w) { return w ? std::optional(*w) : std::nullopt; };
    const auto row = [&](WidgetId id) {
        return std::tuple(id, value(c.lineWidget(id)), value(c.labelWidget(id)), value(c.symbolWidget(id)));
    };
    std::vector<decltype(row({}))> out;
    for (const WidgetId& id : c.zOrder().bottomToTop()) out.push_back(row(id));
    return out;
}

// The furthest a text of four characters and a line handle can be dragged.
struct Edges {
    CanvasSize size;
    float textLeft, textTop, handleLeft, handleTop;
};

class Canvas : public ::testing::TestWithParam<Edges> {
protected:
    void click(float x, float y, MouseButtons button = kLeftButton)
    {
        mouse.mouseDown(button, x, y);
        mouse.mouseUp(button, x, y);
    }
    int place(const std::string& text, float x, float y)
    {
        dialog.answer(text);
        click(x, y);
        return canvas.textLabels.upperBound();
    }
    int place(const std::string& text)
    {
        const int spot = spots++;
        return place(text, static_cast<float>(spot % 10) * 400, static_cast<float>(spot / 10) * 300);
    }
    int addLine()
    {
        const int n = mouse.addedLines().addLine();
        canvas.drawAddedLine(n, AddedLineDraw::Create);
        return n;
    }
    // A text as a document may bring it, past the limits of the mouse.
    static LabelWidget text(std::string caption, bool visible = true)
    {
        LabelWidget label = textLabelTemplate();
        std::tie(label.text.caption, label.visible) = std::tuple(std::move(caption), visible);
        return label;
    }
    const AddLineRecord& line(int n) const { return document.addedLines[static_cast<std::size_t>(n - 1)]; }

    InputMode mode = InputMode::Text;
    int spots = 0;
    GdrRecord document = newDocument(GetParam().size == CanvasSize::Wide ? "WIDE" : "");
    test::RecordingReporter reporter;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedTextDialog dialog;
    test::FixedMeasure measure;
    GenoCanvas canvas{GetParam().size, document, reporter, {[this] { return mode; }}};
    CanvasMouse mouse{canvas, boxes, dialog, measure};
    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
};

// Codes above 9 only take the slashes away; frame segments show for value 1 only, within the size's own, on top.
TEST_P(Canvas, ABadKeyEmptiesItsCellOnlyOddStylesAndFrameValuesShowLittleAndRedrawingTwiceTouchesNoPenSegment)
{
    std::ranges::copy(std::array{"ixyz", "i115", "i102"}, document.symbols.begin() + 3); // i115: no such picture
    document.lineStyles[7] = 9;
    for (int s : {0, 66, 119}) document.frameSegments[static_cast<std::size_t>(s)] = 1;
    std::tie(document.frameSegments[1], document.frameSegments[65]) = std::tuple(2, 255);
    canvas.rebuild();
    ASSERT_TRUE(canvas.slashesS[7].visible);
    document.lineStyles[7] = 12;
    canvas.rebuild();
    EXPECT_EQ(std::tie(canvas.symbols[3].image, canvas.symbols[4].image, canvas.symbols[5].image),
              std::make_tuple(0, 0, 2));
    EXPECT_TRUE(canvas.connectorLines[7].visible && canvas.connectorLines[7].width == 3);
    EXPECT_FALSE(canvas.slashesS[7].visible || canvas.slashesW[7].visible);
    const int last = GetParam().size == CanvasSize::Wide ? 119 : 0;
    EXPECT_TRUE(canvas.frameLines.exists(0) && !canvas.frameLines.exists(1) && !canvas.frameLines.exists(65));
    EXPECT_EQ(canvas.zOrder().bottomToTop().back(), (WidgetId{WidgetKind::frameLines, last}));
    ASSERT_EQ(reporter.titles(), (std::vector<std::string>{"Error At GfncPrev", "Error At GfncPrev"}));
    EXPECT_TRUE(reporter.errors[0].text.starts_with("【13】") && reporter.errors[1].text.starts_with("【9】"));

    // Every panel edit redraws the canvas: the pen segments that did not change must stay untouched.
    std::tie(document.symbols[1], document.ages[1], document.lineStyles[7], document.lineStyles[0]) =
        std::tuple("i108", "45", 5, 2);
    document.frameSegments[4] = document.frameSegments[5] = 1;
    document.strokes = {
        true, 1, {{100, 100, 0, 0, 2, 0, -1}, {200, 150, 0, 0, 2, 0, -1}, {}, {900, 900, 0, 0, 5, 0xFF, -2}}};
    document.addedLines[0] = {kTrue, 10, 20, 30, 40};
    canvas.drawAddedLines(AddedLineDraw::Create);
    canvas.drawOnSurface({1, 1, 2, 2, 0, LinePattern::Solid, 1, true});
    canvas.rebuild();
    const auto shown = [&] { return std::make_tuple(widgets(canvas), document, canvas.strokes.revision()); };
    const auto once = shown();
    canvas.rebuild();
    EXPECT_TRUE(shown() == once && canvas.surface().empty());
}

struct Box {
    int left, top, right, bottom;
};

// Each slot's box on the frame lattice, from the geometry alone.
std::vector<Box> slotBoxes(const CanvasGeometry& g)
{
    std::set<int> runs;
    for (const auto& s : g.frameSegments)
        if (s.y1 == s.y2) runs.insert(s.y1);
    std::vector<Box> boxes;
    for (int slot = 0; slot < g.slotCount; ++slot) {
        const TwipsPlace cell = g.cells[static_cast<std::size_t>(slot)];
        const int cx = cell.left + kCellSize / 2, cy = cell.top + kCellSize / 2;
        Box b{-1, *std::prev(runs.upper_bound(cy)), 1 << 30, *runs.upper_bound(cy)};
        for (const auto& s : g.frameSegments) {
            if (s.x1 != s.x2 || s.y1 != b.top || s.y2 != b.bottom) continue;
            if (s.x1 < cx) b.left = std::max(b.left, s.x1);
            if (s.x1 > cx) b.right = std::min(b.right, s.x1);
        }
        boxes.push_back(b);
    }
    return boxes;
}

// Points are in half twips so that "just beside" a lattice line is exact.
bool insideMarked(const std::vector<Box>& boxes, const Flags& flags, int x2, int y2)
{
    return std::ranges::any_of(std::views::iota(std::size_t{0}, boxes.size()), [&](std::size_t slot) {
        const Box& b = boxes[slot];
        return flags[slot] == 1 && x2 > 2 * b.left && x2 < 2 * b.right && y2 > 2 * b.top && y2 < 2 * b.bottom;
    });
}

// Property: a segment is drawn exactly where the inside and the outside of the marked boxes meet.
TEST_P(Canvas, TheFrameOfRandomMarksIsTheOutlineOfTheMarkedCells)
{
    const CanvasGeometry& g = canvasGeometry(GetParam().size);
    const auto cellBoxes = slotBoxes(g);
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        Flags flags{};
        const int density = 1 + round % 4; // from few marks to many
        for (int slot = 0; slot < kSlotCount; ++slot)
            flags[static_cast<std::size_t>(slot)] = random() % 5 < static_cast<unsigned>(density) ? 1 : 0;
        const auto segments = cohabitSegments(GetParam().size, flags);
        for (int s = 0; s < g.frameSegmentCount(); ++s) {
            const TwipsLine l = g.frameSegments[static_cast<std::size_t>(s)];
            const int mx = l.x1 + l.x2, my = l.y1 + l.y2; // doubled middle
            const int dx = l.y1 == l.y2 ? 0 : 1;
            const bool a = insideMarked(cellBoxes, flags, mx - dx, my - (1 - dx));
            const bool b = insideMarked(cellBoxes, flags, mx + dx, my + (1 - dx));
            ASSERT_EQ(segments[static_cast<std::size_t>(s)] == 1, a != b) << "round " << round << " segment " << s;
        }
        for (int s = g.frameSegmentCount(); s < kCohabitSegCount; ++s)
            ASSERT_EQ(segments[static_cast<std::size_t>(s)], 0);
    }
}

// Texts are saved without gaps and come back; the mouse stops at 99 texts, and a hundredth a document brings is kept.
TEST_P(Canvas, TextsAreRenumberedWithoutGapsNewOnesStopAtNinetyNineUnlessANumberIsFreeAndAllOfThemSave)
{
    for (int i = 1; i <= 7; ++i) { // a document may bring records not in use
        document.texts[static_cast<std::size_t>(i)] = textRecordOf(text("文字" + std::to_string(i)));
        document.texts[static_cast<std::size_t>(i)].used = i == 3 || i == 7 ? 1 : kFalse;
    }
    document.texts[3].top = 3000.25F;
    document.texts[9] = textRecordOf(text("")); // in use but empty
    ASSERT_TRUE(store.loadTexts(GetParam().size));
    dialog.answers.push_back(StyledText{.caption = "半", .fontName = "", .fontSize = 10.5F});
    click(2000, 2000); // the highest number free: below the empty text, above 文字7
    EXPECT_EQ(std::tie(document.texts[8].caption, document.texts[8].fontSize), std::make_tuple("半", 10))
        << "10.5 points are stored as 10, halves to even";
    ASSERT_TRUE(store.saveCanvasLayers(GetParam().size));
    const TextLabelRecord& r = document.texts[1];
    EXPECT_EQ(std::tie(r.caption, r.used, r.top), std::make_tuple("文字3", kTrue, 3000.25F));
    EXPECT_EQ(std::tie(document.texts[2].caption, document.texts[3].caption, document.texts[4].used),
              std::make_tuple("文字7", "半", kFalse));

    for (int i = 1; i <= 9; ++i)
        if (canvas.textLabels.exists(i)) canvas.textLabels.unload(i);
    ASSERT_TRUE(store.loadTexts(GetParam().size)); // as when the document is opened again
    EXPECT_EQ(std::make_tuple(canvas.textLabels.upperBound(), canvas.zOrder().bottomToTop().back()),
              std::make_tuple(3, WidgetId{WidgetKind::textLabels, 3}));
    for (int i : {1, 2, 3}) canvas.textLabels.unload(i);
    document.texts.fill({});

    dialog.answers.clear();
    for (int i = 1; i <= 101; ++i) {
        ASSERT_EQ(place(std::to_string(i)), std::min(i, 99));
        dialog.answers.clear(); // a refused text leaves its answer
    }
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"これ以上追加できません。", "これ以上追加できません。"}));
    for (const int emptied : {40, 60}) {
        dialog.answer("");
        const LabelWidget& l = canvas.textLabels[emptied];
        mouse.doubleClick(kLeftButton, l.left + 1, l.top + 1);
        mouse.mouseUp(kLeftButton, l.left + 1, l.top + 1);
    }
    place("n"); // the highest freed number is taken first
    place("m");
    EXPECT_EQ(
        std::tie(canvas.textLabels[60].text.caption, canvas.textLabels[40].text.caption, canvas.textLabels[60].visible),
        std::make_tuple("n", "m", true));

    ASSERT_TRUE(store.saveCanvasLayers(GetParam().size));
    EXPECT_EQ(std::tie(document.texts[40].caption, document.texts[99].caption, document.texts[100].used),
              std::make_tuple("m", "99", kFalse));
    document.texts[100] = textRecordOf(text("100"));
    place("101");
    ASSERT_TRUE(store.saveCanvasLayers(GetParam().size));
    EXPECT_EQ(std::make_tuple(document.texts[100].caption, boxes.texts().size()), std::make_tuple("100", 3U));
}

// The dialog warns from the label it is told of while the user types, so it must be the one the canvas then makes.
TEST_P(Canvas, DoubleClickEditsATextInTextModeOnlyTellingWhereItWillStandAndDragsStopAtTheEdges)
{
    const auto toldAsMade = [&](std::size_t asked, const StyledText& values) {
        const auto placed = [](const LabelWidget& l) {
            return std::make_tuple(l.text, l.alignment, l.left, l.top, l.width, l.height);
        };
        EXPECT_EQ(std::make_tuple(dialog.placements.at(asked).size, placed(dialog.placements[asked].label(values))),
                  std::make_tuple(GetParam().size, placed(canvas.textLabels[1])));
    };
    place("old", 1000, 1000);
    toldAsMade(0, {"old", ""});
    mode = InputMode::FreeLines;
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(dialog.asked.size(), 1U);

    mode = InputMode::Text;
    const StyledText edited{"longer text", "ＭＳ 明朝", 12};
    dialog.answers = {std::nullopt, edited};
    mouse.doubleClick(kLeftButton, 1010, 1010);
    EXPECT_EQ(std::tie(dialog.asked.at(1).caption, canvas.textLabels[1].text.caption), std::make_tuple("old", "old"))
        << "cancel changes nothing";
    mouse.doubleClick(kLeftButton, 1010, 1010);
    const LabelWidget& l = canvas.textLabels[1];
    EXPECT_EQ(std::tie(l.text.caption, l.text.fontSize, l.width, l.left),
              std::make_tuple("longer text", 12.F, 1150.F, 1000.F));
    toldAsMade(2, edited);

    // A text and a line handle move by the pointer and stop at the canvas edges; a line is red while held.
    mouse.mouseDown(kLeftButton, 1010, 1020); // grabbed 10, 20 inside
    EXPECT_EQ(mouse.pointer(), MousePointer::UpArrow);
    mouse.mouseMove(kLeftButton, 1510, 1320);
    EXPECT_EQ(std::tie(l.left, l.top), std::make_tuple(1500.F, 1300.F));
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(std::tie(l.left, l.top), std::make_tuple(GetParam().textLeft, GetParam().textTop));
    mouse.mouseMove(kLeftButton, -9000, -9000);
    mouse.mouseUp(kLeftButton, -9000, -9000);
    EXPECT_EQ(std::make_tuple(l.left, l.top, mouse.pointer()), std::make_tuple(0.F, 0.F, MousePointer::Default));

    mode = InputMode::AddedLines;
    addLine();
    mouse.mouseDown(kLeftButton, canvas.endHandles[1].left + 5, canvas.endHandles[1].top + 5);
    mouse.mouseMove(kLeftButton, 2005, 2505);
    EXPECT_EQ(std::tie(line(1).x1, line(1).x2, line(1).y2), std::make_tuple(1000.F, 2000.F, 2500.F));
    EXPECT_EQ(std::tie(canvas.addedLines[1].x2, canvas.addedLines[1].colour), std::make_tuple(2050, kRed));
    mouse.mouseMove(kLeftButton, 20000, 20000);
    EXPECT_EQ(std::tie(line(1).x2, line(1).y2), std::make_tuple(GetParam().handleLeft, GetParam().handleTop));
    mouse.mouseMove(kLeftButton, -9000, -9000);
    EXPECT_EQ(line(1).x2, 0);
    mouse.mouseUp(kLeftButton, 0, 0);
    EXPECT_EQ(std::make_tuple(canvas.addedLines[1].colour, mouse.pointer()),
              std::make_tuple(kBlack, MousePointer::Default));
}

// Tab walks the texts on show and leaves past the last; arrows move the chosen one as a drag would; Enter and Delete
// do what a double-click and a right-click do, and Enter with no text chosen places one to move; outside text mode
// no key is taken.
TEST_P(Canvas, TheKeyboardChoosesMovesEditsAndDeletesTextsAsTheMouseDoes)
{
    CanvasKeys keys(canvas, mouse.texts());
    const int first = place("一", 1000, 1000), hidden = place("二", 3000, 3000), last = place("三", 100, 2000);
    document.texts[static_cast<std::size_t>(hidden)].used = kFalse;
    std::vector<int> chosen;
    while (keys.press(CanvasKey::NextText)) chosen.push_back(keys.chosenText());
    EXPECT_EQ(chosen, (std::vector<int>{first, last}));
    EXPECT_TRUE(keys.press(CanvasKey::PreviousText));
    EXPECT_EQ(keys.chosenText(), last) << "backwards from no text starts at the last";

    const LabelWidget& moved = canvas.textLabels[last];
    keys.press(CanvasKey::Right);
    keys.press(CanvasKey::Down, true);
    EXPECT_EQ(std::tie(moved.left, moved.top), std::make_tuple(115.F, 2150.F));
    for (int i = 0; i < 30; ++i) keys.press(CanvasKey::Left, true);
    EXPECT_EQ(moved.left, 0.F) << "stops at the edge";

    dialog.answer("三つ");
    keys.press(CanvasKey::Edit);
    boxes.answers = {MessageAnswer::Yes};
    keys.press(CanvasKey::Delete);
    EXPECT_EQ(std::make_tuple(moved.text.caption, moved.visible, keys.chosenText()), std::make_tuple("三つ", false, 0));
    dialog.answer("四");
    keys.press(CanvasKey::Edit);
    keys.press(CanvasKey::Right, true);
    const LabelWidget& placed = canvas.textLabels[keys.chosenText()];
    EXPECT_EQ(std::tie(placed.text.caption, placed.left, placed.top), std::make_tuple("四", 300.F, 150.F));

    mode = InputMode::AddedLines;
    EXPECT_FALSE(keys.press(CanvasKey::NextText));
}

// A deleted text or line keeps its number, so after the hundredth a new line only redraws line one.
TEST_P(Canvas, DeletingATextOrALineAsksAndKeepsItsNumberTakenAndTheHundredthLineIsTheLast)
{
    place("a", 100, 100);
    place("b", 1000, 100);
    click(110, 110, kRightButton); // answered No
    EXPECT_TRUE(canvas.textLabels[1].visible);
    boxes.answers.push_back(MessageAnswer::Yes);
    click(110, 110, kRightButton);
    EXPECT_EQ(boxes.texts().at(1), "選択した文字を削除します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(std::tie(canvas.textLabels[1].visible, document.texts[1].used), std::make_tuple(false, kFalse));
    EXPECT_EQ(place("c"), 3);
    click(110, 110, kRightButton); // the deleted text no longer takes the mouse; text 3 lies there
    EXPECT_EQ(boxes.shown.size(), 3U);

    boxes.shown.clear();
    mode = InputMode::AddedLines;
    for (int i = 1; i <= 100; ++i) ASSERT_EQ(addLine(), i);
    // Line 3 lies on top of the others: all start on the same diagonal.
    canvas.startHandles.bringToFront(3);
    mouse.mouseDown(kRightButton, 1005, 1005);
    EXPECT_EQ(boxes.texts().at(0), "選択した線を削除します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(std::tie(canvas.addedLines[3].colour, line(3).used), std::make_tuple(kBlack, kTrue)); // No: black again
    boxes.answers.push_back(MessageAnswer::Yes);
    click(1005, 1005, kRightButton);
    EXPECT_EQ(std::tie(line(3).used, canvas.addedLines[3].visible, canvas.startHandles[3].visible),
              std::make_tuple(kFalse, false, false));

    const auto widgetCount = canvas.zOrder().bottomToTop().size();
    EXPECT_EQ(addLine(), 1);
    EXPECT_EQ(std::make_tuple(boxes.shown.size(), boxes.texts().back()),
              std::make_tuple(3U, "これ以上、線を増やすことが出来ません。"));
    EXPECT_EQ(canvas.zOrder().bottomToTop().size(), widgetCount);
    EXPECT_FALSE(canvas.drawAddedLine(101, AddedLineDraw::Create));
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At GfncLineDraw"});
}

// Layers opened and saved at once stay exact; the stroke list keeps the records that draw, and a list that cannot
// be stored leaves every layer as it was.
TEST_P(Canvas, OpeningAndSavingAtOnceKeepsEveryLayerAndTheStrokeListKeepsTheRecordsThatDraw)
{
    document.texts[1] = {"見出し", 2,        "ＭＳ 明朝", 12,    kTrue,  kFalse, kTrue,
                         kFalse,   0x123456, 33.3F,       44.4F, 555.5F, 66.6F,  kTrue};
    document.addedLines[0] = {kTrue, 1000.1F, 3500.2F, 1000.3F, 3500.4F};
    document.strokes = {
        true, 1, {{10.1F, 10.2F, 10.1F, 10.2F, 3, 0xFF, -1}, {20.5F, 25.5F, 10.1F, 10.2F, 3, 0xFF, -1}}};
    const GdrRecord before = document;
    const CanvasLoad load = openDocumentOnCanvas(store, canvas);
    ASSERT_TRUE(load.texts && load.addedLines && store.saveCanvasLayers(GetParam().size));
    EXPECT_EQ(document, before);

    // Records that draw nothing go, each other keeps its stroke number and both ends as drawn; with none
    // drawing, the list keeps its length, cleared.
    document.strokes = {true, 1, {{10, 10, 10, 10, 2, 0, -1}, {15, 15, 0, 0, 0, 0, -1}, {20, 20, 0, 0, 2, 0, -2}}};
    canvas.rebuild();
    ASSERT_TRUE(store.saveStrokes(GetParam().size));
    EXPECT_EQ(document.strokes.items(),
              (std::vector<FreeLineRecord>{{10, 10, 10, 10, 2, 0, -1}, {20, 20, 20, 20, 2, 0, -2}}));
    document.strokes = {true, 1, {{10, 10, 10, 10, 0, 0, -1}, {30, 30, 30, 30, 0, 0, -2}}};
    ASSERT_TRUE(store.saveStrokes(GetParam().size));
    EXPECT_EQ(document.strokes.items(), (std::vector<FreeLineRecord>{{0, 0, 0, 0, 0, 0, -1}, {0, 0, 0, 0, 0, 0, -2}}));

    document.strokes.dimensioned = false;
    const GdrRecord unstorable = document;
    EXPECT_FALSE(store.saveCanvasLayers(GetParam().size));
    const bool wide = GetParam().size == CanvasSize::Wide;
    EXPECT_EQ(reporter.titles(),
              std::vector<std::string>{wide ? "Error At clsGdrOpe.SaveGd4_2" : "Error At clsGdrOpe.SaveGd4"});
    EXPECT_EQ(document, unstorable);
}

TEST_P(Canvas, PenStrokesStartingOnAnEdgeAreNotJoinedToTheStrokeBefore)
{
    FreeLinePanelRegisters registers;
    FreeDrawing pen{GetParam().size, canvas, registers, boxes};
    for (const auto& [x, y] : {std::pair{500.F, 500.F}, {0.F, 800.F}, {800.F, 0.F}}) {
        pen.mouseDown(kLeftButton, x, y);
        pen.mouseMove(kLeftButton, x + 100, y + 100);
        pen.mouseUp(kLeftButton, x + 200, y + 100);
    }
    const Segments expected{{1, {500, 500, 500, 500}}, {2, {600, 600, 500, 500}}, {3, {700, 600, 600, 600}},
                            {4, {0, 800, 0, 800}},     {5, {100, 900, 0, 800}},   {6, {200, 900, 100, 900}},
                            {7, {800, 0, 800, 0}},     {8, {900, 100, 800, 0}},   {9, {1000, 100, 900, 100}}};
    EXPECT_EQ(freeLineSegments(canvas), expected);
    canvas.rebuild();
    EXPECT_EQ(freeLineSegments(canvas), expected) << "after a full redraw";
    EXPECT_TRUE(reporter.errors.empty() && boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSizes, Canvas,
                         ::testing::Values(Edges{CanvasSize::Normal, 4250, 5030, 4200, 5000},
                                           Edges{CanvasSize::Wide, 7000, 6150, 7000, 6150}),
                         [](const auto& param) { return param.param.size == CanvasSize::Wide ? "Wide" : "Normal"; });

// A mark that cannot be read is reported under the builder's routine; slots beyond the screen's own take no part.
TEST(CohabitFrame, AnUnreadableMarkIsReportedAndSlotsBeyondTheScreenTakeNoPart)
{
    GdrRecord document;
    test::RecordingReporter reporter;
    CohabitFrameBuilder(document, reporter).build(CanvasSize::Normal, [](int) -> int {
        throw RunTimeError::typeMismatch();
    });
    EXPECT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsAutoLine2.DoAutoLine"});
    document.frameSegments[3] = 1;
    document.cohabitMarks[20] = 1; // WIDE only: the normal screen is cleared and shows nothing
    rebuildCohabitFrameFromFlags(document, reporter);
    EXPECT_EQ(document.frameSegments, decltype(document.frameSegments){});
}

struct Screen {
    explicit Screen(GdrRecord opened)
        : document(std::move(opened))
    {}
    GdrRecord document;
    test::RecordingReporter reporter;
    std::int32_t figureNo = 0;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter, CanvasContext{{}, [this] { return figureNo; }}};
};

// (X2, Y2) = (0, 0) joins the record before; an empty or first record, or another figure's in a figure redraw, not.
TEST(FreeLineChain, DrawsExactlyTheExpectedSegments)
{
    using Case = std::tuple<std::vector<FreeLineRecord>, FreeLineRedraw, Segments>;
    const Case cases[] = {
        {{{10, 10, 10, 10, 1, 0, -1}, {20, 20, 0, 0, 1, 0, -1}, {0, 0, 0, 0, 1, 0, -2}, {40, 40, 0, 0, 1, 0, -2}},
         FreeLineRedraw::Strokes,
         {{1, {10, 10, 10, 10}}, {2, {20, 20, 10, 10}}, {3, {0, 0, 20, 20}}, {4, {40, 40, 0, 0}}}},
        {{{10, 10, 10, 10, 1, 0, 1}, {0, 0, 0, 0, 0, 0, 0}, {30, 30, 0, 0, 1, 0, -1}, {40, 40, 0, 0, 1, 0, -1}},
         FreeLineRedraw::Strokes,
         {{1, {10, 10, 10, 10}}, {3, {30, 30, 30, 30}}, {4, {40, 40, 30, 30}}}},
        {{{500, 500, 0, 0, 1, 0, 1}, {600, 600, 0, 0, 1, 0, 1}, {700, 700, 0, 0, 1, 0, 2}},
         FreeLineRedraw::Figure,
         {{1, {500, 500, 500, 500}}, {2, {600, 600, 600, 600}}, {3, {700, 700, 600, 600}}}}};
    for (const auto& [records, how, expected] : cases) {
        Screen screen{newDocument()};
        screen.document.strokes = {true, 1, records};
        screen.figureNo = 2;
        ASSERT_TRUE(screen.canvas.redrawFreeLines(1, how));
        EXPECT_EQ(freeLineSegments(screen.canvas), expected) << static_cast<int>(how) << " " << records.size();
    }
}

// A document opened on a canvas of the normal size, in text mode.
struct OpenedCanvas {
    explicit OpenedCanvas(GdrRecord opened)
        : document(std::move(opened))
    {
        openDocumentOnCanvas(store, canvas);
    }
    GdrRecord document;
    test::RecordingReporter reporter;
    GenoCanvas canvas{CanvasSize::Normal, document, reporter};
    CanvasLayerStore store{document, reporter, [this](CanvasSize) -> GenoCanvas& { return canvas; }};
};

// Property: after texts placed and emptied, lines drawn and deleted, pen strokes and rebuilds, showing every layer
// again (as undo does, the pen segments made anew or kept) leaves the canvas as opening the document afresh: undo
// moves what it shows again only where opening would lay it otherwise.
TEST(CanvasReopening, ShowingTheLayersAgainEndsAsOpeningTheDocumentAfresh)
{
    std::mt19937 rng(11);
    const auto number = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto at = [&] { return static_cast<float>(number(4000)); };
    for (const std::optional<std::int32_t> strokesFrom :
         {std::optional<std::int32_t>(1), std::optional<std::int32_t>()})
        for (int round = 0; round < 10; ++round) {
            OpenedCanvas edited(newDocument());
            GdrRecord& d = edited.document;
            for (int step = 0; step < 30; ++step) {
                const int n = 1 + number(5);
                switch (number(6)) {
                case 0:
                    d.texts[static_cast<std::size_t>(n)] = {
                        "注記", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, at(), at(), 900, 250, kTrue};
                    edited.canvas.showText(n, true);
                    break;
                case 1:
                    d.texts[static_cast<std::size_t>(n)].used = kFalse;
                    edited.canvas.showText(n, false);
                    break;
                case 2:
                    d.addedLines[static_cast<std::size_t>(n - 1)] = {kTrue, at(), at(), at(), at()};
                    edited.canvas.drawAddedLine(n, AddedLineDraw::Create);
                    break;
                case 3:
                    d.addedLines[static_cast<std::size_t>(n - 1)].used = kFalse;
                    edited.canvas.drawAddedLine(n, AddedLineDraw::Redraw);
                    break;
                case 4: {
                    if (!d.strokes.dimensioned) d.strokes = {true, 1, {}};
                    const auto first = static_cast<std::int32_t>(d.strokes.items().size()) + 1;
                    for (int i = 0; i < 3; ++i) d.strokes.mutableItems().push_back({at(), at(), 0, 0, 2, 0, -first});
                    edited.canvas.redrawFreeLines(first, FreeLineRedraw::Strokes);
                    break;
                }
                default:
                    d.cohabitMarks[static_cast<std::size_t>(number(kNormalSlotCount))] ^= 1;
                    rebuildCohabitFrameFromFlags(d, edited.reporter);
                    edited.canvas.rebuild();
                }
            }
            const OpenedCanvas fresh(d);
            reopenDocumentOnCanvas(edited.store, edited.canvas, DrawingChange::ofLayers(true, true, strokesFrom));
            ASSERT_TRUE(widgets(edited.canvas) == widgets(fresh.canvas) && edited.reporter.errors.empty())
                << "round " << round;
        }
}

// Property: redrawing only the changed pen records ends as redrawing every record, whatever the edits.
TEST(FreeLineRedraw, RedrawingUnchangedRecordsEndsAsRedrawingEveryRecord)
{
    GdrRecord start = newDocument();
    start.addedLines[0] = {kTrue, 100, 100, 900, 900};
    Screen fast{start}, full{start};
    // One edit of a kind, its choices drawn from the numbers r.
    const auto edit = [](Screen& s, unsigned kind, std::array<int, 3> r) {
        auto& records = s.document.strokes;
        const int k = 1 + r[0] % std::max(1, records.upperBound()); // any record
        switch (kind) {
        case 0: s.canvas.rebuild(); break;
        case 1: s.canvas.redrawFreeLines(0, FreeLineRedraw::Strokes); break;
        case 2:
            records.mutableItems().push_back(
                {static_cast<float>(r[0] % 4000), static_cast<float>(r[1] % 5000), 0, 0, 1 + r[2] % 4, 0, -(r[1] % 3)});
            s.canvas.redrawFreeLines(records.upperBound(),
                                     r[2] % 8 < 4 ? FreeLineRedraw::Figure : FreeLineRedraw::Strokes);
            break;
        case 3: // An emptied record is passed over; its segment stays where it was.
            if (records.contains(k)) records[k].width = 0;
            break;
        case 4: s.canvas.ageLabels.bringToFront(r[0] % kNormalSlotCount); break;
        case 5:
            if (LineWidget* segment = s.canvas.strokes.find(k)) segment->visible = !segment->visible;
            break;
        case 6: s.canvas.drawAddedLines(AddedLineDraw::Create); break;
        case 7: { // An undo: the last records go, and their segments with them.
            const int kept = std::max(1, records.upperBound() - r[1] % 4);
            records.mutableItems().resize(static_cast<std::size_t>(kept));
            for (int i = s.canvas.strokes.upperBound(); i > kept; --i)
                if (s.canvas.strokes.exists(i)) s.canvas.strokes.unload(i);
            break;
        }
        case 8: { // A list read in whole, as a document opened: same size, one point moved.
            DynamicArray<FreeLineRecord> replaced = records;
            if (replaced.contains(k)) replaced.mutableItems()[static_cast<std::size_t>(k - 1)].x1 += 15;
            records = replaced;
            break;
        }
        default: // the figure being built changes
            s.figureNo = r[0] % 3;
            s.canvas.redrawFreeLines(0, FreeLineRedraw::Figure);
        }
    };
    std::mt19937 rng(7);
    const auto number = [&] { return static_cast<int>(rng() % 65536); };
    for (int step = 0; step < 2000; ++step) { // a stale segment shows only after a few steps that keep the records
        const unsigned kind = rng() % 10;
        const std::array r{number(), number(), number()};
        edit(fast, kind, r);
        full.document.strokes.mutableItems(); // touched for writing, the records count as changed
        edit(full, kind, r);
        ASSERT_TRUE(widgets(fast.canvas) == widgets(full.canvas)) << "step " << step;
        ASSERT_EQ(fast.document, full.document) << "step " << step;
        ASSERT_TRUE(fast.canvas.freeLinesRestacked() || !full.canvas.freeLinesRestacked()) << "step " << step;
    }
}

// Property: each random change undoes to the state before, and a joined chain leads from first to last and back.
TEST(StateChange, UndoRedoAndJoinedChainsGiveBackEveryState)
{
    std::mt19937 random(17);
    const auto number = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto next = [&](EditingState state) {
        std::vector<FreeLineRecord> items = state.strokes.items();
        switch (number(4)) {
        case 0: // a stroke drawn
            for (int k = number(5) + 1; k > 0; --k)
                items.push_back({1, 2, 3, static_cast<float>(number(99)), 1, 0, -1});
            break;
        case 1: // undo or an eraser that took the last ones
            items.resize(items.size() - std::min<std::size_t>(items.size(), static_cast<std::size_t>(number(4))));
            break;
        case 2: // a record changed in the middle (closing a figure)
            if (!items.empty()) items[static_cast<std::size_t>(number(static_cast<int>(items.size())))].x2 += 1;
            break;
        default: // an edit beside the strokes, of one field or another, which a joined chain must both keep
            if (number(2) == 0)
                state.rest.ages[static_cast<std::size_t>(number(kSlotCount))] = std::to_string(number(9));
            else
                state.rest.marks[static_cast<std::size_t>(number(kSlotCount))] ^= 1;
        }
        state.strokes = DynamicArray<FreeLineRecord>(true, 1, std::move(items));
        state.numbering.strokeNumber = -number(9);
        return state;
    };
    for (int walk = 0; walk < 50; ++walk) {
        std::vector<EditingState> states{EditingState{}};
        std::vector<StateChange> changes;
        for (int k = 0; k < 12; ++k) {
            states.push_back(next(states.back()));
            changes.push_back(StateChange::between(states[states.size() - 2], states.back()));
        }
        EditingState shown = states.back();
        for (std::size_t k = changes.size(); k-- > 0;) {
            changes[k].undo(shown);
            ASSERT_TRUE(shown.sameEdits(states[k]) && shown.numbering == states[k].numbering) << walk << ", " << k;
        }
        StateChange joined = changes.front();
        for (std::size_t k = 1; k < changes.size(); ++k) joined = joined.followedBy(changes[k]);
        joined.redo(shown);
        ASSERT_TRUE(shown.sameEdits(states.back())) << walk;
        joined.undo(shown);
        ASSERT_TRUE(shown.sameEdits(states.front())) << walk;
    }
}

} // namespace
} // namespace kinsketch
