// The recovery question for the largest document a care manager can make (a
// WIDE document with every slot, 100 texts, 100 added lines and 50 000 pen
// records): reading the copy, drawing its picture as the confirmation draws
// the saved one and handing it to the question, which is what the start
// waits for before the question shows.

#include "app/recovery_offer.h"

#include "bench/support/full_wide_document.h"
#include "document/version.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

void BM_RecoveryQuestionOfFullWide(benchmark::State& state)
{
    const fs::path folder = fs::temp_directory_path() / "kinsketch-bench-recovery";
    fs::create_directories(folder);
    const RecoveryCopy copy(folder, "client");
    GdrRecord document = bench::fullWideDocument(static_cast<int>(state.range(0)));
    document.version = kVersionText; // as every opened document is stamped
    copy.write(document);
    std::size_t pixels = 0;
    for (auto _ : state) pixels = recoveryQuestion(copy).picture.argb.size();
    state.counters["picture_pixels"] = static_cast<double>(pixels);
    fs::remove_all(folder);
}
BENCHMARK(BM_RecoveryQuestionOfFullWide)->ArgName("pen_records")->Arg(0)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinsketch
