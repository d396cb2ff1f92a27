// The picture of the largest document a care manager can make (a WIDE
// document with every slot, 100 texts, 100 added lines and 50 000 pen
// records) written as a one-page PDF, against writing its bitmap as the save
// does. Both start from the document: the canvas is built and its layers
// stored as kinsketch-render does it, then the file is written. The PDF's
// size is reported as the counter "file_bytes".

#include "picture/canvas_picture.h"
#include "picture/printed_picture.h"

#include "bench/support/full_wide_document.h"
#include "bench/support/silent_seams.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

constexpr int kPenRecords = 50000;

void writeFromDocument(benchmark::State& state, const char* name,
                       const std::function<void(const GenoCanvas&, const fs::path&)>& write)
{
    const GdrRecord document = bench::fullWideDocument(kPenRecords);
    bench::SilentReporter reporter;
    const fs::path file = fs::temp_directory_path() / name;
    for (auto _ : state) {
        const auto picture = PictureCanvas::of(document, reporter);
        write(picture->canvas(), file);
    }
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
    fs::remove(file);
}

void BM_WriteBitmapOfFullWide(benchmark::State& state)
{
    writeFromDocument(state, "kinsketch-bench.bmp", [](const GenoCanvas& canvas, const fs::path& file) {
        writePicture(renderCanvasPicture(canvas), file);
    });
}
BENCHMARK(BM_WriteBitmapOfFullWide)->Unit(benchmark::kMillisecond);

void BM_WritePdfOfFullWide(benchmark::State& state)
{
    const bool bare = state.range(0) == 0;
    PrintOptions options;
    options.details = {!bare, !bare, !bare, true};
    options.legend = state.range(1) != 0; // its symbols, line styles and 関係線 found among every pen record
    writeFromDocument(state, "kinsketch-bench.pdf", [&](const GenoCanvas& canvas, const fs::path& file) {
        writeCanvasPdf(canvas, file, options, QStringLiteral("full"));
    });
}
BENCHMARK(BM_WritePdfOfFullWide)
    ->ArgNames({"details", "legend"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinsketch
