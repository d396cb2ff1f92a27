// The canvas window's kept picture, updated after any edit, equals the canvas painted afresh and repaints only
// around what changed.

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

// Empty when the kept picture is the canvas painted afresh without pen segment `leftOut` (0: none).
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
        canvas = std::make_unique<GenoCanvas>(canvasSizeOf(document), document, reporter);
        CanvasLayerStore layers(document, reporter, [this](CanvasSize) -> GenoCanvas& { return *canvas; });
        openDocumentOnCanvas(layers, *canvas);
    }
    GdrRecord document;
    test::RecordingReporter reporter;
    std::unique_ptr<GenoCanvas> canvas;
};

// Random edits of the kinds the windows make, each followed by the routine the windows call to show it.
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
        switch (pick(12)) {
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
            std::tie(label.left, label.top, label.width, label.height, label.visible) =
                std::tuple{static_cast<float>(pick(6000)), static_cast<float>(pick(5000)), 900.0F, 250.0F, true};
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
            // As the pen draws: segments lifted above the frame (or joined as a figure) until the next rebuild.
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
        case 10: return showTextsAndLinesAgain();
        default:
            canvas_.drawOnSurface(
                {coordinate(), coordinate(), coordinate(), coordinate(), kRed, LinePattern::Solid, 1, true});
            return "rubber band on the surface";
        }
    }

    // Appends records as a free-drawing step does; returns the first new one.
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
    // As undo and redo: a tail of the pen records (often all, as 全クリア) is taken back, then given back.
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
        reopenDocumentOnCanvas(layers, canvas_, DrawingChange::ofLayers(false, false, from));
        return takenBack_ ? "strokes taken back" : "strokes given back";
    }

    // As undo and redo of a text or an added line: records changed, and the layers shown again.
    std::string showTextsAndLinesAgain()
    {
        d_.texts[static_cast<std::size_t>(1 + pick(6))] =
            pick(3) == 0
                ? TextLabelRecord{}
                : TextLabelRecord{
                      "元に戻す", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, coordinate(), coordinate(), 900, 250, kTrue};
        d_.addedLines[static_cast<std::size_t>(pick(4))] =
            pick(3) == 0 ? AddLineRecord{}
                         : AddLineRecord{kTrue, coordinate(), coordinate(), coordinate(), coordinate()};
        CanvasLayerStore layers(d_, reporter_, [this](CanvasSize) -> GenoCanvas& { return canvas_; });
        reopenDocumentOnCanvas(layers, canvas_, DrawingChange::ofLayers(true, true, std::nullopt));
        return "texts and added lines shown again";
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

// After every random edit, and after segments free drawing draws over it (the mouse's segment left out, then taken
// in), the kept picture equals the canvas painted afresh.
TEST_P(KeptPicture, AfterEveryEditAndFreeDrawingStepEqualsTheCanvasPaintedAfresh)
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
    // The window moved to a screen of another pixel ratio: every layer is painted at the new scale.
    kept.update(*opened.canvas, scale * 2, 0);
    ASSERT_EQ(differenceFromAfresh(kept, *opened.canvas, scale * 2), "") << "after a change of scale";

    OpenedDocument drawn(GetParam().document);
    GenoCanvas& canvas = *drawn.canvas;
    RandomEditor pen(drawn, 7);
    kept = KeptCanvasPicture();
    kept.update(canvas, scale, 0);
    for (int stroke = 0; stroke < 6; ++stroke) {
        const std::int32_t first = pen.addStroke();
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

qint64 pixels(const QRegion& region)
{
    qint64 count = 0;
    for (const QRect& r : region) count += static_cast<qint64>(r.width()) * r.height();
    return count;
}

// On the wide golden document: an age typed repaints around its label, nothing changed nothing; pen segments lifted
// above the frame and lowered by the rebuild repaint where the two meet; a long slanting line moved repaints along
// itself, not its whole bounding box, and every pixel it left or reached.
TEST(KeptPictureArea, AnEditRepaintsAroundWhatItChangedAndNothingChangedRepaintsNothing)
{
    OpenedDocument opened{test::goldenDocument("wide_every_layer")};
    GenoCanvas& canvas = *opened.canvas;
    KeptCanvasPicture kept;
    const auto whole = [&] { return pixels(kept.image().rect()); };
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

    test::golden::addStroke(opened.document, -100, 2, 0x0000FF, {{3000, 3000}, {3090, 3040}});
    canvas.redrawFreeLines(opened.document.strokes.upperBound() - 1, FreeLineRedraw::Strokes);
    ASSERT_TRUE(canvas.freeLinesRestacked());
    EXPECT_LT(pixels(kept.update(canvas, 1.0, 0)) * 4, whole()) << "the pen lifting the strokes";
    canvas.rebuild();
    EXPECT_LT(pixels(kept.update(canvas, 1.0, 0)) * 4, whole()) << "the rebuild lowering them";

    // A text moved twice, the picture brought up to date between the moves: the second is a change too.
    for (const float left : {1200.0F, 1500.0F}) {
        opened.document.texts[1].left = left;
        canvas.showText(1, false);
        kept.update(canvas, 1.0, 0);
        ASSERT_EQ(differenceFromAfresh(kept, canvas, 1.0), "") << "text at " << left;
    }

    const double scale = 2.0;
    kept = KeptCanvasPicture();
    kept.update(canvas, scale, 0);
    const auto right = static_cast<float>(canvas.geometry().clientWidth - 200),
               bottom = static_cast<float>(canvas.geometry().clientHeight - 200);
    for (const float shift : {0.0F, 37.0F, 74.0F}) {
        opened.document.addedLines[0] = {kTrue, 100 + shift, right - shift, 100, bottom};
        canvas.drawAddedLine(1, AddedLineDraw::Redraw);
        const qint64 repainted = pixels(kept.update(canvas, scale, 0));
        ASSERT_EQ(differenceFromAfresh(kept, canvas, scale), "") << "shift " << shift;
        EXPECT_TRUE(shift == 0 || repainted * 4 < whole()) << "shift " << shift;
    }
}

// NaN, infinite and far-off coordinates and widths of a damaged file are drawn without overflow, as afresh.
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
    const std::vector<FreeLineRecord> strokes{{nan, inf, nan, inf, widest, 0, -1},
                                              {1e30F, -1e30F, 0, 0, widest, 0, -1},
                                              {300, 300, 300, 300, -widest - 1, 0xFF, -3},
                                              {-inf, 400, 0, 0, 2, 0xFF, -3}};
    document.strokes = {true, 1, strokes};
    OpenedDocument opened(document);
    for (double scale : {1.0, 2.0}) {
        KeptCanvasPicture kept;
        kept.update(*opened.canvas, scale, 0);
        EXPECT_EQ(differenceFromAfresh(kept, *opened.canvas, scale), "") << scale;
    }
}

// A thin line walked from where it enters the clip must not shift by a pixel; lines shared out among threads by bands
// of rows, also wide ones reaching into a band, end as drawn in turn.
TEST(PixelLines, ClippedOrSharedOutByBandsTheyKeepThePixelsOfLinesDrawnWholeInTurn)
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
    random.seed(7);
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
