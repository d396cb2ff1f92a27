// Encoding and decoding a maximal WIDE document and a new one, next to the
// cost of copying the same bytes file to file.

#include "document/file_io.h"
#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace kinsketch;
namespace fs = std::filesystem;

GdrRecord maximalWideDocument()
{
    GdrRecord r;
    makeNewDocument(r);
    r.screenMode = "WIDE";
    r.version = kVersionText;
    std::string caption;
    for (int i = 0; i < 60; ++i) caption += "長男の髙橋一郎様～㈱";
    for (int i = 0; i < kSlotCount; ++i) {
        r.symbols[i] = "i101";
        r.ages[i] = "８５歳";
        r.remarks[i] = "要介護３・同居";
    }
    for (int i = 1; i < kTextLabelCount; ++i)
        r.texts[i] = {caption, 2,      "ＭＳ Ｐゴシック", 9,    kTrue, kFalse, kFalse, kFalse,
                      0xFF,    100.5f, 200.25f,           3000, 240,   kTrue};
    for (auto& line : r.addedLines) line = {kTrue, 10.5f, 4000, 20, 5000};
    r.frameDots = {true, 1, std::vector<FrameDotRecord>(2000, FrameDotRecord{1.5f, 2.5f})};
    r.strokes = {true, 1, {}};
    for (int i = 0; i < 50000; ++i)
        r.strokes.mutableItems().push_back(
            {float(i % 7000), float(i % 6000), float(i % 7000 + 1), float(i % 6000 + 1), 2, 0xFF0000, i / 30});
    return r;
}

GdrRecord newDocument()
{
    GdrRecord r;
    makeNewDocument(r);
    r.version = kVersionText;
    return r;
}

const fs::path& scratch()
{
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / "kinsketch-bench";
        fs::create_directories(p);
        return p;
    }();
    return folder;
}

void encodeInMemory(benchmark::State& state, const GdrRecord& record)
{
    for (auto _ : state) benchmark::DoNotOptimize(encodeGdr(record));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * encodeGdr(record).size()));
}

void decodeInMemory(benchmark::State& state, const GdrRecord& record)
{
    const Bytes bytes = encodeGdr(record);
    for (auto _ : state) benchmark::DoNotOptimize(decodeCurrentGdr(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void saveToFile(benchmark::State& state, const GdrRecord& record)
{
    const fs::path target = scratch() / "saved.gdr";
    for (auto _ : state) writeFileAtomically(target, encodeGdr(record));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(target)));
}

void readFromFile(benchmark::State& state, const GdrRecord& record)
{
    const fs::path source = scratch() / "read.gdr";
    writeFileAtomically(source, encodeGdr(record));
    for (auto _ : state) benchmark::DoNotOptimize(decodeCurrentGdr(readWholeFile(source)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(source)));
}

// The yardstick: the same bytes copied file to file, durably, as the save does.
void copyFile(benchmark::State& state, const GdrRecord& record)
{
    const fs::path source = scratch() / "source.gdr";
    const fs::path target = scratch() / "copy.gdr";
    writeFileAtomically(source, encodeGdr(record));
    for (auto _ : state) writeFileAtomically(target, readWholeFile(source));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(source)));
}

const GdrRecord& maximal()
{
    static const GdrRecord r = maximalWideDocument();
    return r;
}

const GdrRecord& fresh()
{
    static const GdrRecord r = newDocument();
    return r;
}

} // namespace

BENCHMARK_CAPTURE(encodeInMemory, maximal, maximal());
BENCHMARK_CAPTURE(decodeInMemory, maximal, maximal());
BENCHMARK_CAPTURE(saveToFile, maximal, maximal());
BENCHMARK_CAPTURE(readFromFile, maximal, maximal());
BENCHMARK_CAPTURE(copyFile, maximal, maximal());
BENCHMARK_CAPTURE(encodeInMemory, new_document, fresh());
BENCHMARK_CAPTURE(decodeInMemory, new_document, fresh());
BENCHMARK_CAPTURE(saveToFile, new_document, fresh());
BENCHMARK_CAPTURE(readFromFile, new_document, fresh());
BENCHMARK_CAPTURE(copyFile, new_document, fresh());

BENCHMARK_MAIN();
