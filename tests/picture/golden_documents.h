#pragma once
// The documents the reference pictures are made from, built in code so that
// what each one shows can be read here. The regeneration run writes them to
// tests/fixtures/canvas as .gdr files (the README and the benchmarks use them).

#include "document/gdr_record.h"

#include <ostream>
#include <string>
#include <vector>

namespace kinsketch::test {

struct GoldenDocument {
    std::string name;
    GdrRecord document;
    double scale = 1.0;
};

std::vector<GoldenDocument> goldenDocuments();

inline void PrintTo(const GoldenDocument& golden, std::ostream* out) { *out << golden.name; }

} // namespace kinsketch::test
