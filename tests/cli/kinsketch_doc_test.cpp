#include "cli/doc/document_json.h"
#include "document/gdr_conversion.h"
#include "tests/support/temporary_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <tuple>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

GdrRecord sampleRecord()
{
    GdrRecord r;
    makeNewDocument(r);
    std::tie(r.version, r.ages[5], r.remarks[0], r.lineStyles[120]) = std::tuple("300", "長男　７５歳", "妻", 9);
    r.texts[1] = {"㈱髙橋～", 2,    "ＭＳ Ｐゴシック", 9,     kTrue, kFalse, kTrue, kFalse,
                  0xFFFFFFFF, 0.1f, 4250.5f,           1e-7f, 3e38f, kTrue};
    r.addedLines[99] = {kTrue, -1.5f, 2, 3, 4};
    r.framePoints[4][19] = {kTrue, 7, 8};
    r.frameDots = {true, 0, {{1, 2}}};
    std::tie(r.frameSegments[119], r.frameMode, r.cohabitMarks[36], r.screenMode) = std::tuple(3, 2, 1, "WIDE");
    r.strokes = {true, 1, {{1, 2, 3, 4, -2, 0x00FF00, -2147483647 - 1}}};
    return r;
}

std::string read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Each key path with its JSON type; an array shows its length and first element: `TextLabel[101].FontBold: boolean`.
void addShape(const DocumentJson& json, const std::string& path, std::string& out)
{
    if (json.is_object() && !json.empty())
        for (const auto& [key, value] : json.items()) addShape(value, path.empty() ? key : path + "." + key, out);
    else if (json.is_array() && !json.empty())
        addShape(json.front(), path + "[" + std::to_string(json.size()) + "]", out);
    else
        out += path + (json.is_array() ? "[0]" : "") + ": " + json.type_name() + "\n";
}

// Dumps keep the legacy field names and nesting, whatever the record's C++ fields are called; every field comes back.
TEST(DocumentJson, EveryFieldSurvivesTheTripThroughTextUnderTheKeysNestingAndTypesOfTheGoldenShape)
{
    const DocumentJson json =
        DocumentJson::parse(printDocumentJson(documentToJson(sampleRecord(), GdrLayout::Current, 1)));
    EXPECT_EQ(documentFromJson(json), sampleRecord());
    EXPECT_TRUE(documentToJson(GdrRecord{}, GdrLayout::Current, 0)["WakuDots"].is_null()); // undimensioned
    std::string shape;
    addShape(json, "", shape);
    const fs::path golden = fs::path(KINSKETCH_FIXTURE_DIR) / "golden" / "document_json_shape.txt";
    if (!fs::exists(golden)) {
        std::ofstream(golden) << shape;
        FAIL() << "wrote " << golden << "; look at it before committing";
    }
    EXPECT_EQ(shape, read(golden)) << "the dump's keys, nesting or types changed; if meant, delete " << golden
                                   << " and run again";
}

// The JSON library's printer misses the shortest form of some floats (1.408878e+08f); the dump must never.
TEST(DocumentJson, FloatsPrintAsTheShortestTextThatReadsBackExactly)
{
    std::mt19937 rng(42);
    for (int i = 0; i < 20000; ++i) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (!std::isfinite(value)) continue;
        char shortest[64];
        const std::string printed = printDocumentJson(DocumentJson(value));
        ASSERT_EQ(printed, std::string(shortest, std::to_chars(shortest, shortest + sizeof shortest, value).ptr));
    }
    EXPECT_EQ(printDocumentJson(DocumentJson(1.408878e+08f)), "140887808");
}

TEST(DocumentJson, MalformedDocumentsNameTheFieldAtFault)
{
    const std::pair<const char*, std::function<void(DocumentJson&)>> cases[] = {
        {"SymbolKey: missing", [](DocumentJson& j) { j.erase("SymbolKey"); }},
        {"LineTag: must have 121 elements", [](DocumentJson& j) { j["LineTag"].erase(0); }},
        {"LineTag[3]: is out of range", [](DocumentJson& j) { j["LineTag"][3] = 256; }},
        {"TextLabel[1].FontBold: must be true or false", [](DocumentJson& j) { j["TextLabel"][1]["FontBold"] = -1; }},
        {"TextLabel[2].Left: must be a number", [](DocumentJson& j) { j["TextLabel"][2]["Left"] = "0"; }},
        {"FreeLine.Items[0].BorderColor: is out of range",
         [](DocumentJson& j) { j["FreeLine"]["Items"][0]["BorderColor"] = 4294967296u; }},
        {"FreeLine.Items[0].StrokeNo: must be a whole number",
         [](DocumentJson& j) { j["FreeLine"]["Items"][0]["StrokeNo"] = 1.5f; }}};
    for (const auto& [expected, spoil] : cases) {
        DocumentJson spoiled = documentToJson(sampleRecord(), GdrLayout::Current, 0);
        spoil(spoiled);
        EXPECT_THAT([&] { documentFromJson(spoiled); },
                    ::testing::ThrowsMessage<DocumentJsonError>(::testing::StartsWith(expected)));
    }
}

struct Result {
    int status;
    std::string out, err;
};

TEST(KinsketchDoc, DumpThenWriteGivesBackTheSameDocumentAndBadInputFailsWithOneLineNamingTheFault)
{
    test::TemporaryFolder folder;
    const fs::path dir = folder.path();
    const std::string fixtures = std::string(KINSKETCH_FIXTURE_DIR) + "/documents/";
    const auto file = [&](const std::string& name, const std::string& content = {}) {
        if (!content.empty()) std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    };
    const auto run = [&](const std::string& arguments) {
        const std::string program = fs::path(KINSKETCH_DOC_BINARY).make_preferred().string();
        int status =
            std::system(("\"" + program + "\" " + arguments + " >" + file("out") + " 2>" + file("err")).c_str());
#ifndef _WIN32
        status = WEXITSTATUS(status);
#endif
        return Result{status, read(dir / "out"), read(dir / "err")};
    };
    ASSERT_EQ(run("new " + file("new.gdr")).status, 0);
    for (const std::string& gdr : {file("new.gdr"), fixtures + "wide_family.gdr"}) {
        const Result dumped = run("dump " + gdr);
        ASSERT_EQ(dumped.status, 0) << dumped.err;
        ASSERT_EQ(run("write " + file("d.json", dumped.out) + " " + file("again.gdr")).status, 0);
        EXPECT_EQ(run("dump " + file("again.gdr")).out, dumped.out) << gdr;
    }

    DocumentJson unstorable = documentToJson(sampleRecord(), GdrLayout::Current, 0);
    unstorable["AgeText"][0] = "😀";
    const std::pair<std::string, std::string> cases[] = {
        {"dump " + file("truncated.gdr", read(fixtures + "sample_family.gdr").substr(0, 500) + "300"), "truncated.gdr"},
        {"write " + file("bad.json", "{\"SymbolKey\": [") + " " + file("x.gdr"), "bad.json"},
        {"write " + file("emoji.json", printDocumentJson(unstorable)) + " " + file("x.gdr"), "😀"}};
    for (const auto& [arguments, named] : cases) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(named), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(dir / "x.gdr"));
    }
}

} // namespace
} // namespace kinsketch
