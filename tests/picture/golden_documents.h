#pragma once
// The documents of the reference pictures, read from tests/fixtures/canvas (the README and the benchmarks use them
// too), and the builders of the documents other picture tests make.

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"
#include "document/gdr_record.h"

#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kinsketch::test {

struct GoldenDocument {
    std::string name;
    GdrRecord document;
    double scale = 1.0;
};

inline void PrintTo(const GoldenDocument& golden, std::ostream* out) { *out << golden.name; }

namespace golden {

struct Point {
    float x, y;
};

// A pen or eraser stroke as drawn: the first record starts at its own point, the others join the one before.
inline void addStroke(GdrRecord& d, std::int32_t strokeNo, std::int32_t width, Colour colour,
                      std::initializer_list<Point> points)
{
    auto& list = d.strokes.mutableItems();
    if (list.size() == 1 && list[0].width == 0) list.clear();
    bool first = true;
    for (const Point& p : points) {
        list.push_back({p.x, p.y, first ? p.x : 0, first ? p.y : 0, width, colour, strokeNo});
        first = false;
    }
}

inline GdrRecord newDocument()
{
    GdrRecord d;
    makeNewDocument(d);
    std::tie(d.isNew, d.version) = std::tuple(kFalse, kVersionText);
    return d;
}

} // namespace golden

// A reference document from tests/fixtures/canvas: normal_styles_symbols has symbols 1–14 and every line style;
// wide_every_layer the large screen with every layer (frame from the marks, texts, added lines, pen and eraser
// strokes, a figure); normal_frame_texts the normal screen with a frame, texts, an added line and strokes. To change
// one, edit what `kinsketch-doc dump` shows of it and write it back with `kinsketch-doc write`.
inline GdrRecord goldenDocument(const std::string& name)
{
    return decodeCurrentGdr(readWholeFile(std::filesystem::path(KINSKETCH_FIXTURE_DIR) / "canvas" / (name + ".gdr")));
}

inline std::vector<GoldenDocument> goldenDocuments()
{
    return {
        {"normal_styles_symbols", goldenDocument("normal_styles_symbols"), 1.0},
        {"normal_styles_symbols_200", goldenDocument("normal_styles_symbols"), 2.0},
        {"wide_every_layer", goldenDocument("wide_every_layer"), 1.0},
        {"wide_every_layer_150", goldenDocument("wide_every_layer"), 1.5},
        {"normal_frame_texts", goldenDocument("normal_frame_texts"), 1.0},
    };
}

} // namespace kinsketch::test
