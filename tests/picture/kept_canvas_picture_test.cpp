// The canvas window's kept picture, brought up to date after any edit, must
// equal the canvas painted afresh, pixel for pixel; and an edit must repaint
// only around what it changed.

#include "golden_documents.h"
#include "picture_support.h"
#include "tests/support/recording_reporter.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"
#include "picture/kept_canvas_picture.h"
#include "picture/pixel_lines.h"

#include "genogram/canvas_opening.h"
#include "genogram/cohabit_frame_builder.h"

#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace kinsketch {
namespace {

// Empty when the kept picture is the canvas painted afresh, without the pen
// segment `leftOut` (0: none) that the window keeps out while it follows the mouse.
std::string differenceFromAfresh(const KeptCanvasPicture& kept, const GenoCanvas& canvas, double scale, int leftOut = 0)
{
    QImage image(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    QPainter painter(&image);
    paintCanvas(painter, canvas, scale, leftOut);
    return test::pictureDifference(kept.image(), image);
}

QImage white(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A golden document opened on its canvas, texts and added lines included.
struct OpenedDocument {
    explicit OpenedDocument(GdrRecord d)
        : document(std::move(d))
    {
        rebuildCohabitFrameFromFlags(document, reporter);
        const CanvasSize size = canvasSizeOf(document);
        canvas = std::make_unique<GenoCanvas>(size, document, reporter);
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return *canvas; });
        openDocumentOnCanvas(layers, *canvas);
    }
    GdrRecord document;
    test::RecordingReporter reporter;
    std::unique_ptr<GenoCanvas> canvas;
};

// One random edit of the kinds the windows make, each followed by the
// routine that shows it, as the windows call them.
class RandomEditor {
public:
    RandomEditor(OpenedDocument& opened, unsigned seed)
        : d_(opened.document)
        , canvas_(*opened.canvas)
        , random_(seed)
    {}

    std::string edit()
    {
        const int slotCount = canvas_.geometry().slotCount;
        switch (pick(11)) {
        case 0: {
            const int slot = pick(slotCount);
            d_.ages[static_cast<std::size_t>(slot)] = pick(2) ? std::to_string(pick(100)) + "歳" : "";
            return rebuilt("age of slot " + std::to_string(slot));
        }
        case 1: {
            const int slot = pick(slotCount);
            static const char* const keys[] = {"i000", "i101", "i102", "i104", "i108", "i111", "i114"};
            d_.symbols[static_cast<std::size_t>(slot)] = keys[pick(7)];
            return rebuilt("symbol of slot " + std::to_string(slot));
        }
        case 2: {
            const int line = pick(canvas_.geometry().connectorCount());
            d_.lineStyles[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(pick(8));
            return rebuilt("style of line " + std::to_string(line));
        }
        case 3: {
            const int slot = pick(slotCount);
            d_.cohabitMarks[static_cast<std::size_t>(slot)] ^= 1;
            rebuildCohabitFrameFromFlags(d_, reporter_);
            return rebuilt("cohabitant mark of slot " + std::to_string(slot));
        }
        case 4: {
            const int n = 1 + pick(6);
            // Reloading the texts brings each to the front as it is.
            if (canvas_.textLabels.exists(n) && pick(3) == 0) {
                canvas_.textLabels.bringToFront(n);
                return "text " + std::to_string(n) + " to the front";
            }
            LabelWidget label = textLabelTemplate();
            label.text.caption = pick(2) ? "注記テキスト" : "Italic\r\n二行目";
            label.text.italic = pick(2) != 0;
            label.text.fontSize = static_cast<float>(9 + pick(12));
            label.left = static_cast<float>(pick(6000));
            label.top = static_cast<float>(pick(5000));
            std::tie(label.width, label.height, label.visible) = std::tuple(900.0F, 250.0F, true);
            // Placed as the text tool places it: on top of everything.
            if (canvas_.textLabels.exists(n)) {
                canvas_.textLabels[n] = label;
                canvas_.textLabels.bringToFront(n);
            } else {
                canvas_.textLabels.load(n, label);
            }
            return "text " + std::to_string(n);
        }
        case 5: {
            const int n = 1 + pick(4);
            d_.addedLines[static_cast<std::size_t>(n - 1)] = {kTrue, coordinate(), coordinate(), coordinate(),
                                                              coordinate()};
            canvas_.drawAddedLine(n, AddedLineDraw::Create, pick(2) != 0);
            return "added line " + std::to_string(n);
        }
        case 6: addStroke(); return rebuilt("pen stroke");
        case 7: {
            // Drawn as the pen draws it: every segment is lifted above the
            // frame, which the next rebuild lays over them again. A press
            // joins the records as a figure, which the rebuild joins anew.
            const std::int32_t first = addStroke();
            canvas_.redrawFreeLines(first, pick(2) ? FreeLineRedraw::Strokes : FreeLineRedraw::Figure);
            return "pen stroke drawn";
        }
        case 8: {
            auto& items = d_.strokes.mutableItems();
            if (items.size() > 1)
                items.resize(items.size() - 1 - static_cast<std::size_t>(pick(static_cast<int>(items.size()) - 1)));
            return rebuilt("strokes undone");
        }
        case 9: return takeBackOrGiveBackStrokes();
        default:
            canvas_.drawOnSurface(
                {coordinate(), coordinate(), coordinate(), coordinate(), kRed, LinePattern::Solid, 1, true});
            return "rubber band on the surface";
        }
    }

    // Records appended as a free-drawing step appends them; returns the
    // first new record.
    std::int32_t addStroke()
    {
        auto& list = d_.strokes;
        if (!list.dimensioned) list = {true, 1, {}};
        const auto first = static_cast<std::int32_t>(list.lowerBound + static_cast<std::int64_t>(list.items().size()));
        const float x = coordinate(), y = coordinate();
        list.mutableItems().push_back(
            {x, y, x, y, 1 + pick(4), static_cast<Colour>(pick(2) ? 0xFF0000 : 0x000000), -first});
        for (int i = 0; i < 3; ++i)
            list.mutableItems().push_back({coordinate(), coordinate(), 0, 0, 1 + pick(4), 0x0000FF, -first});
        return first;
    }

private:
    // As undo and redo show an earlier list of pen records: the widgets from
    // the first record that differs are made anew. A tail is taken back
    // (often all of it, as 全クリア leaves the list), then given back.
    std::string takeBackOrGiveBackStrokes()
    {
        auto& list = d_.strokes;
        if (!list.dimensioned) return "no strokes to take back";
        std::int32_t from = list.lowerBound;
        if (takenBack_) {
            from += static_cast<std::int32_t>(list.items().size());
            list = *std::exchange(takenBack_, std::nullopt);
        } else {
            takenBack_ = list;
            const std::size_t kept =
                pick(2) ? 0 : static_cast<std::size_t>(pick(static_cast<int>(list.items().size()) + 1));
            list.mutableItems().resize(kept);
            from += static_cast<std::int32_t>(kept);
        }
        CanvasLayerStore layers(d_, reporter_, [this](CanvasSize) -> GenoCanvas& { return canvas_; });
        reopenDocumentOnCanvas(layers, canvas_, {false, false, from});
        return takenBack_ ? "strokes taken back" : "strokes given back";
    }

    std::string rebuilt(std::string what)
    {
        canvas_.rebuild();
        return what;
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    float coordinate() { return static_cast<float>(pick(7000)); }

    GdrRecord& d_;
    GenoCanvas& canvas_;
    std::mt19937 random_;
    test::RecordingReporter reporter_;
    std::optional<DynamicArray<FreeLineRecord>> takenBack_;
};

class KeptPicture : public ::testing::TestWithParam<test::GoldenDocument> {};

TEST_P(KeptPicture, AfterEveryEditEqualsTheCanvasPaintedAfresh)
{
    const double scale = GetParam().scale;
    OpenedDocument opened(GetParam().document);
    RandomEditor editor(opened, 20261206);
    KeptCanvasPicture kept;
    kept.update(*opened.canvas, scale, 0);
    for (int step = 0; step < 80; ++step) {
        const std::string what = editor.edit();
        kept.update(*opened.canvas, scale, 0);
        ASSERT_EQ(differenceFromAfresh(kept, *opened.canvas, scale), "") << "step " << step << ": " << what;
    }
}

// A free-drawing step draws its segments over the kept picture; the next
// repaint must still find everything in place, the segment that follows the
// mouse left out and then taken in.
TEST_P(KeptPicture, FreeDrawingStepsAddUpToTheCanvasPaintedAfresh)
{
    const double scale = GetParam().scale;
    OpenedDocument opened(GetParam().document);
    GenoCanvas& canvas = *opened.canvas;
    RandomEditor editor(opened, 7);
    KeptCanvasPicture kept;
    kept.update(canvas, scale, 0);
    for (int stroke = 0; stroke < 6; ++stroke) {
        const std::int32_t first = editor.addStroke();
        canvas.redrawFreeLines(first, FreeLineRedraw::Strokes);
        const int last = canvas.strokes.upperBound();
        if (canvas.freeLinesRestacked())
            kept.update(canvas, scale, last);
        else
            kept.addFreeLines(canvas, first - 1, last - 1, scale);
        ASSERT_EQ(differenceFromAfresh(kept, canvas, scale, last), "") << "stroke " << stroke;
        kept.update(canvas, scale, 0);
        ASSERT_EQ(differenceFromAfresh(kept, canvas, scale), "") << "stroke " << stroke;
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, KeptPicture, ::testing::ValuesIn(test::goldenDocuments()),
                         [](const auto& test) { return test.param.name; });

// The wide golden document, every layer on it, as the canvas window keeps it.
class KeptPictureArea : public ::testing::Test {
protected:
    static qint64 pixels(const QRegion& region)
    {
        qint64 count = 0;
        for (const QRect& r : region) count += static_cast<qint64>(r.width()) * r.height();
        return count;
    }
    qint64 whole() const { return pixels(kept.image().rect()); }

    OpenedDocument opened{test::golden::wideEveryLayer()};
    GenoCanvas& canvas = *opened.canvas;
    KeptCanvasPicture kept;
};

TEST_F(KeptPictureArea, AnAgeTypedRepaintsAroundItsLabelAndNothingChangedRepaintsNothing)
{
    canvas.rebuild(); // lays the frame back over the strokes the opening left on top of it
    const QRegion first = kept.update(canvas, 1.0, 0);
    EXPECT_EQ(first, QRegion(kept.image().rect())) << "the first picture is painted whole";
    EXPECT_TRUE(kept.update(canvas, 1.0, 0).isEmpty());

    opened.document.ages[30] = "85";
    canvas.rebuild();
    const QRect area = kept.update(canvas, 1.0, 0).boundingRect();
    const QPoint label(twipsToDevicePixels(canvas.ageLabels[30].left, 1.0),
                       twipsToDevicePixels(canvas.ageLabels[30].top, 1.0));
    EXPECT_TRUE(area.contains(label)) << "the label itself";
    EXPECT_LT(pixels(area) * 50, whole()) << "not the canvas";
}

// Drawing lifts every pen segment above the frame and the next rebuild lays
// the frame back on top: both only swap places, which shows where the two
// meet, not across the canvas.
TEST_F(KeptPictureArea, StrokesAndFrameSwappingPlacesRepaintWhereTheyMeet)
{
    kept.update(canvas, 1.0, 0);
    test::golden::addStroke(opened.document, -100, 2, 0x0000FF, {{3000, 3000}, {3090, 3040}});
    canvas.redrawFreeLines(opened.document.strokes.upperBound() - 1, FreeLineRedraw::Strokes);
    ASSERT_TRUE(canvas.freeLinesRestacked());
    EXPECT_LT(pixels(kept.update(canvas, 1.0, 0)) * 4, whole()) << "the pen lifting the strokes";
    canvas.rebuild();
    EXPECT_LT(pixels(kept.update(canvas, 1.0, 0)) * 4, whole()) << "the rebuild lowering them";
}

// A long slanting line crosses most of the canvas's box while touching
// little of it: moving it repaints along the line, and every pixel it left or
// reached is repainted.
TEST_F(KeptPictureArea, AMovedSlantingLineRepaintsAlongItself)
{
    const double scale = 2.0;
    kept.update(canvas, scale, 0);
    const float right = static_cast<float>(canvas.geometry().clientWidth) - 200;
    const float bottom = static_cast<float>(canvas.geometry().clientHeight) - 200;
    for (const float shift : {0.0F, 37.0F, 74.0F}) {
        opened.document.addedLines[0] = {kTrue, 100 + shift, right - shift, 100, bottom};
        canvas.drawAddedLine(1, AddedLineDraw::Redraw);
        const qint64 repainted = pixels(kept.update(canvas, scale, 0));
        ASSERT_EQ(differenceFromAfresh(kept, canvas, scale), "") << "shift " << shift;
        if (shift > 0) {
            EXPECT_LT(repainted * 4, whole()) << "shift " << shift;
        }
    }
}

// A damaged file may hold any float or width: NaN, infinities and values far
// off the canvas are drawn without an overflowing conversion, and the kept
// picture still agrees with the canvas painted afresh.
TEST(KeptPictureOfADamagedFile, CoordinatesAndWidthsNoCanvasHoldsAreDrawnSafely)
{
    constexpr float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    constexpr std::int32_t widest = std::numeric_limits<std::int32_t>::max();
    GdrRecord document;
    makeNewDocument(document);
    document.texts[1] = {"壊れた位置", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, nan, 1e30F, inf, -inf, kTrue};
    document.texts[2] = {"遠い", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, -3e38F, 300, 1e38F, 200, kTrue};
    document.addedLines[0] = {kTrue, nan, inf, -inf, 3e38F};
    document.addedLines[1] = {kTrue, 100, 100, 1e12F, 200};
    document.strokes = {true,
                        1,
                        {{nan, inf, nan, inf, widest, 0, -1},
                         {1e30F, -1e30F, 0, 0, widest, 0, -1},
                         {300, 300, 300, 300, std::numeric_limits<std::int32_t>::min(), 0xFF, -3},
                         {-inf, 400, 0, 0, 2, 0xFF, -3}}};
    OpenedDocument opened(document);
    for (double scale : {1.0, 2.0}) {
        KeptCanvasPicture kept;
        kept.update(*opened.canvas, scale, 0);
        EXPECT_EQ(differenceFromAfresh(kept, *opened.canvas, scale), "") << scale;
    }
}

// Clipped thin lines are the same pixels as unclipped ones, cut: a line
// walked from where it enters the clip must not shift by a pixel.
TEST(PixelLinesClip, ThinLinesCutAtTheClipKeepTheirPixels)
{
    std::mt19937 random(42);
    const auto coordinate = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int n = 0; n < 1000; ++n) {
        const QLine line(coordinate(-200, 300), coordinate(-200, 300), coordinate(-200, 300), coordinate(-200, 300));
        const QRect clip(coordinate(0, 80), coordinate(0, 80), coordinate(1, 40), coordinate(1, 40));
        QImage whole = white(128), cut = white(128), expected = white(128);
        PixelLines(whole).thinLine(line, 0x000000);
        PixelLines(cut, clip).thinLine(line, 0x000000);
        QPainter(&expected).drawImage(clip.topLeft(), whole.copy(clip));
        ASSERT_EQ(test::pictureDifference(cut, expected), "")
            << "line " << line.x1() << "," << line.y1() << " → " << line.x2() << "," << line.y2();
    }
}

// Enough lines to be shared out among threads by bands of rows: where bands
// meet, and where a wide line reaches into a band its ends lie outside, the
// pixels must be those of the lines drawn one after the other.
TEST(PixelLinesClip, LinesSharedOutByBandsEndAsDrawnInTurn)
{
    std::mt19937 random(7);
    const auto coordinate = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<PixelLine> lines;
    for (int n = 0; n < 20000; ++n) {
        const QPoint from(coordinate(-20, 420), coordinate(-20, 420));
        lines.push_back({QLine(from, from + QPoint(coordinate(-30, 30), coordinate(-30, 30))), coordinate(1, 12),
                         static_cast<QRgb>(random())});
    }
    QImage inTurn = white(400), shared = white(400);
    PixelLines oneByOne(inTurn);
    for (const PixelLine& l : lines)
        l.width == 1 ? oneByOne.thinLine(l.line, l.colour) : oneByOne.wideLine(l.line, l.width, l.colour);
    PixelLines(shared).drawInTurn(lines);
    EXPECT_EQ(test::pictureDifference(shared, inTurn), "");
}

} // namespace
} // namespace kinsketch
