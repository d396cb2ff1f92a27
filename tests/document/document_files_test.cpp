// Handed-in documents read, files written atomically, the recovery copy, document names, the error trap.

#include "document/error_trap.h"
#include "document/file_io.h"
#include "document/file_names.h"
#include "document/gdr_conversion.h"
#include "document/handed_in_document.h"
#include "document/recovery_copy_writer.h"
#include "killed_writer.h"
#include "tests/support/planted_link.h" // with <windows.h> on Windows
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <thread>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;

std::vector<fs::path> namesIn(const fs::path& folder)
{
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

auto raises(int number) { return ::testing::Throws<RunTimeError>(::testing::Property(&RunTimeError::number, number)); }

class DocumentFiles : public ::testing::Test {
protected:
    static GdrRecord currentDocument()
    {
        GdrRecord r;
        makeNewDocument(r);
        std::tie(r.isNew, r.symbols[3], r.ages[3], r.version) = std::tuple(kTrue, "i104", "８５歳", "202");
        return r;
    }
    OpenedDocument open(const std::string& name)
    {
        GdrStore store(folder, reporter);
        return openHandedInDocument(store, store.documentPath(name));
    }

    test::TemporaryFolder temporary;
    const fs::path folder = temporary.path();
    RecordingReporter reporter;
};

// Strokes are renumbered from 1 (appending near ±2³¹ would wrap); a missing array gets the new document's placeholder,
// as does a pre-202 document, which also loses its screen mode.
TEST_F(DocumentFiles, CurrentAndPre202LayoutsAreReadStampedAndCountTheirStrokes)
{
    using Strokes = DynamicArray<FreeLineRecord>;
    const std::vector<FreeLineRecord> three(3, FreeLineRecord{1, 2, 3, 4, 1, 0, -1});
    const Strokes placeholder{true, 1, {FreeLineRecord{}}};
    const std::tuple<Strokes, Strokes, int> cases[] = {
        {Strokes{true, 1, three}, Strokes{true, 1, three}, 3},
        {Strokes{}, placeholder, 0},
        {placeholder, placeholder, 0},
        {Strokes{true, 1, {three[0]}}, Strokes{true, 1, {three[0]}}, 1}, // one drawn record is no placeholder
        {Strokes{true, 0, three}, Strokes{true, 0, three}, 2},
        {Strokes{true, std::numeric_limits<std::int32_t>::max() - 2, three}, Strokes{true, 1, three}, 3},
        {Strokes{true, std::numeric_limits<std::int32_t>::min(), three}, Strokes{true, 1, three}, 3},
    };
    for (const auto& [stored, opened, count] : cases) {
        GdrRecord r = currentDocument();
        r.strokes = stored;
        writeFileAtomically(folder / "client.gdr", encodeGdr(r));
        const OpenedDocument document = open("client");
        const GdrRecord& read = document.record;
        EXPECT_EQ(std::tie(document.readWhole, read.ages[3], read.isNew, read.version, document.freeLineCount),
                  std::make_tuple(true, "８５歳", kFalse, "300", count));
        EXPECT_EQ(read.strokes, opened) << count;
    }

    GdrRecord r = currentDocument();
    std::tie(r.screenMode, r.strokes, r.version) = std::tuple("WIDE", Strokes{}, "NEW");
    Bytes bytes = encodeGdr(r);
    bytes.erase(bytes.end() - 7, bytes.end() - 5);
    writeFileAtomically(folder / "old.gdr", bytes);
    const OpenedDocument opened = open("old");
    EXPECT_EQ(std::make_tuple(opened.layout, opened.record.screenMode, opened.record.strokes.items().size(),
                              opened.freeLineCount),
              std::make_tuple(GdrLayout::Pre202, "", 1u, 0));
}

// A file cut short is reported as such, though its end reads as a version; a damaged byte pair costs one character.
TEST_F(DocumentFiles, UnreadableDocumentsStartFromANewDocumentAndDamagedCaptionsLoseOnlyTheirCharacter)
{
    const Bytes whole = encodeGdr(currentDocument());
    Bytes truncated(whole.begin(), whole.begin() + 100);
    truncated.insert(truncated.end(), whole.end() - 5, whole.end()); // still ends in "300"
    writeFileAtomically(folder / "truncated.gdr", truncated);
    writeFileAtomically(folder / "cut.gdr", Bytes(whole.begin(), whole.begin() + 3000));
    writeFileAtomically(folder / "empty.gdr", {});
    const std::pair<const char*, std::vector<std::string>> cases[] = {{"missing", {"【53】", "【53】"}},
                                                                      {"empty", {"【9】", "【62】"}},
                                                                      {"truncated", {"【62】"}},
                                                                      {"cut", {"【62】"}}};
    for (const auto& [name, numbers] : cases) {
        SCOPED_TRACE(name);
        reporter.errors.clear();
        const OpenedDocument opened = open(name);
        EXPECT_FALSE(opened.readWhole);
        ASSERT_EQ(reporter.errors.size(), numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            EXPECT_EQ(reporter.errors[i].title, "Error At clsGdrOpe.ReadGdrFile");
            EXPECT_TRUE(reporter.errors[i].text.starts_with(numbers[i])) << reporter.errors[i].text;
        }
        GdrRecord expected;
        makeNewDocument(expected);
        expected.version = "300";
        EXPECT_EQ(opened.record, expected);
    }

    reporter.errors.clear();
    GdrRecord r = currentDocument();
    r.remarks[2] = "長男";
    r.texts[5].caption = "要介護";
    Bytes bytes = encodeGdr(r);
    for (const std::string shiftJis : {"\x92\xB7\x92\x6A", "\x97\x76\x89\xEE\x8C\xEC"}) { // 長男, 要介護
        const auto at = std::search(bytes.begin(), bytes.end(), shiftJis.begin(), shiftJis.end(),
                                    [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); });
        ASSERT_NE(at, bytes.end());
        *(at + 1) = 0x20; // no pair ends with a space
    }
    writeFileAtomically(folder / "damaged.gdr", bytes);
    const OpenedDocument opened = open("damaged");
    EXPECT_EQ(
        std::tie(opened.readWhole, opened.record.remarks[2], opened.record.texts[5].caption, opened.record.ages[3]),
        std::make_tuple(true, "・男", "・介護", "８５歳"));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0].text,
              "文書に読めない文字が 2 文字あり（最初は RelText）、「・」として読み込みました。");
}

// On Windows a Japanese name is reached only by the wide-character calls.
TEST_F(DocumentFiles, FilesAreReplacedWholeUnderJapaneseNamesOrFailTellingTheirNumberAndKeepThePreviousFile)
{
    GdrStore store(folder, reporter);
    GdrRecord document = openNewDocument(store).record;
    ASSERT_TRUE(store.writeSavedDocument(document));
    document.ages[0] = "😀";
    EXPECT_FALSE(store.writeSavedDocument(document));
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.WriteGdrFile"});
    EXPECT_EQ(fs::file_size(folder / "kinsketch.gdr"), 7134u);

    document.ages[0] = "";
    GdrStore gone(folder / "no-such-folder", reporter);
    EXPECT_FALSE(gone.writeSavedDocument(document));
    EXPECT_TRUE(reporter.errors.back().text.starts_with("【76】")) << reporter.errors.back().text;

    fs::remove(folder / "kinsketch.gdr");
    const GdrRecord record = currentDocument();
    const fs::path japanese = folder / u8"家族図.gdr";
    writeFileAtomically(japanese, Bytes(9000, 0xAA));
    writeFileAtomically(japanese, encodeGdr(record));
    EXPECT_EQ(namesIn(folder), std::vector<fs::path>{fs::path(u8"家族図.gdr")});
    EXPECT_EQ(decodeCurrentGdr(readWholeFile(japanese)), record);

    // Larger than any document: refused, not read into memory (the file is sparse).
    const fs::path huge = folder / "huge.gdr";
    writeFileAtomically(huge, Bytes{1});
    fs::resize_file(huge, maxGdrFileBytes() + 1);
    EXPECT_THAT([&] { readWholeFile(huge); }, raises(6));
    // Nothing is written that the reader would refuse.
    GdrRecord overfull;
    overfull.strokes = {true, 1, std::vector<FreeLineRecord>(kMaxDynamicArrayItems + 1)};
    EXPECT_THAT([&] { encodeGdr(overfull); }, raises(6));

    const fs::path file = folder / "a.gdr";
    writeFileAtomically(file, Bytes{7});
    fs::create_directory(folder / "a.gdr.tmp"); // the temporary file cannot be made
    EXPECT_THROW(writeFileAtomically(file, Bytes{8}), RunTimeError);
    EXPECT_EQ(readWholeFile(file), Bytes{7});
}

// A document whose copy takes a while to write: a kill lands inside a write.
GdrRecord documentWithStrokes(float x)
{
    GdrRecord document;
    makeNewDocument(document);
    document.strokes = {true, 1, std::vector<FreeLineRecord>(40000, FreeLineRecord{x, 1, x, 2, 1, 0, 1})};
    return document;
}

RecoveryCopy copyOf(const fs::path& folder, bool newDrawing)
{
    return newDrawing ? RecoveryCopy::forNewDrawing(folder) : RecoveryCopy(folder, "client");
}

class KilledCopyWriter : public ::testing::TestWithParam<bool> {};

TEST_P(KilledCopyWriter, AKillAtAnyMomentOfAWriteLeavesTheOldOrTheNewCopyWholeAndTheDocumentUntouched)
{
    test::TemporaryFolder folder;
    const Bytes firstBytes = encodeGdr(documentWithStrokes(1)), secondBytes = encodeGdr(documentWithStrokes(2));
    const RecoveryCopy copy = copyOf(folder.path(), GetParam());
    const fs::path handedIn = folder.path() / "client.gdr";
    writeFileAtomically(handedIn, firstBytes);
    copy.write(documentWithStrokes(1));
    std::mt19937 random(19);
    std::uniform_int_distribution<int> moment(0, 40000);
    int sawFirst = 0, sawSecond = 0;
    const fs::path unfinished = fs::path(copy.path()) += ".tmp";
    for (int run = 0; run < 60; ++run) {
        fs::remove(unfinished);
        {
            // Under wine a process now and then fails to start at all; it is started again.
            std::optional<test::KilledWriter> writer;
            for (int attempt = 0; attempt < 3 && !(writer && writer->started()); ++attempt)
                writer.emplace(folder.path(), GetParam());
            ASSERT_TRUE(writer->started());
            // A new process takes a while to start, most of all under wine.
            for (int waited = 0; !fs::exists(unfinished) && waited < 10000; ++waited)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        }
        const Bytes found = readWholeFile(copy.path());
        ASSERT_TRUE(found == firstBytes || found == secondBytes) << "run " << run << ": " << found.size() << " bytes";
        ++(found == firstBytes ? sawFirst : sawSecond);
    }
    EXPECT_EQ(readWholeFile(handedIn), firstBytes);
    EXPECT_GT(sawFirst * sawSecond, 0) << "the kills never fell between two writes";
}

INSTANTIATE_TEST_SUITE_P(RecoveryCopy, KilledCopyWriter, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& named) {
                             return named.param ? "NewDrawing" : "HandedInDocument";
                         });

TEST(RecoveryCopy, TheWriterKeepsTheNewestUntilDiscardedInTheWorkingFoldersPermissions)
{
    test::TemporaryFolder folder;
    fs::permissions(folder.path(), fs::perms::owner_all);
    const RecoveryCopy copy(folder.path(), "client");
    {
        RecoveryCopyWriter writer(copy);
        for (float x = 1; x <= 5; ++x) writer.write(documentWithStrokes(x));
    }
    EXPECT_EQ(readWholeFile(copy.path()), encodeGdr(documentWithStrokes(5)));
    EXPECT_EQ(fs::status(copy.path().parent_path()).permissions(), fs::status(folder.path()).permissions());
#ifdef _WIN32
    EXPECT_TRUE(GetFileAttributesW(copy.path().parent_path().c_str()) & FILE_ATTRIBUTE_HIDDEN);
#endif

    writeFileAtomically(fs::path(copy.path()) += ".tmp", Bytes{1});
    RecoveryCopyWriter writer(copy);
    writer.write(documentWithStrokes(6));
    writer.discard();
    writer.write(documentWithStrokes(7));
    EXPECT_TRUE(namesIn(copy.path().parent_path()).empty());

    // A file in the folder's place: the write is told as failed.
    fs::remove(copy.path().parent_path());
    writeFileAtomically(copy.path().parent_path(), Bytes{1});
    std::vector<bool> outcomes;
    RecoveryCopyWriter(copy, [&](bool written) { outcomes.push_back(written); }).write(documentWithStrokes(8));
    EXPECT_EQ(outcomes, std::vector<bool>{false});
}

TEST(PlantedLinks, NothingOutsideTheWorkingFolderIsWritten)
{
    test::TemporaryFolder folder;
    const fs::path work = folder.path() / "imgTmp", outside = folder.path() / "outside", victim = outside / "victim";
    fs::create_directories(work / ".kinsketch-recovery");
    fs::create_directories(outside);
    writeFileAtomically(victim, Bytes{1, 2, 3});
    for (const char* name : {"kinsketch.gdr", "kinsketch.gdr.tmp", "kinsketch.bmp", "kinsketch.bmp.tmp",
                             ".kinsketch-recovery/client.gdr.tmp", ".kinsketch-recovery/client.gdr.from.tmp"})
        if (!test::plantLink(victim, work / name)) GTEST_SKIP() << test::kNoLinksHere;
    writeFileAtomically(work / "kinsketch.gdr", Bytes{9});
    writeFileAtomically(work / "kinsketch.bmp", Bytes{9});
    const RecoveryCopy copy(work, "client");
    copy.write(documentWithStrokes(1));
    for (const char* name : {"kinsketch.gdr", "kinsketch.bmp", ".kinsketch-recovery/client.gdr"})
        EXPECT_FALSE(fs::is_symlink(work / name)) << name;
    EXPECT_EQ(readWholeFile(work / "kinsketch.gdr"), Bytes{9});

    fs::remove_all(work / ".kinsketch-recovery");
    ASSERT_TRUE(test::plantLink(outside, work / ".kinsketch-recovery"));
    EXPECT_THROW(copy.write(documentWithStrokes(2)), RunTimeError);
    EXPECT_EQ(namesIn(outside), std::vector<fs::path>{"victim"});
    EXPECT_EQ(readWholeFile(victim), (Bytes{1, 2, 3}));
}

TEST(FileNames, CaseIsIgnoredForAsciiAndFullWidthLettersAndNamesLeavingTheWorkingFolderAreRefused)
{
    EXPECT_TRUE(sameFileNameIgnoringCase("kinsketch.BMP", "KINSKETCH.bmp"));
    EXPECT_TRUE(sameFileNameIgnoringCase("ａｂｃ山田.gdr", "ＡＢＣ山田.GDR"));
    EXPECT_FALSE(sameFileNameIgnoringCase("山田.gdr", "山口.gdr"));
    EXPECT_FALSE(sameFileNameIgnoringCase("a.bmp", "a.bmp.tmp"));
    for (const char* bad : {"../etc/passwd", "..", "a/b", "a\\b", "C:foo", "c:\\x", "a?b", "a*b", "a|b", "a<b", "a\"b",
                            "tab\there", "trailing.", "trailing ", ""})
        EXPECT_TRUE(documentNameProblem(bad).has_value()) << bad;
    for (const char* good : {"client01", "山田 太郎", "NEW", "a.b", "kinsketch"})
        EXPECT_FALSE(documentNameProblem(good).has_value()) << good;
}

TEST(ErrorTrap, EveryThrownErrorBecomesTheRoutinesErrorBox)
{
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw RunTimeError::subscriptOutOfRange(); }, "【9】"},
        {[] { throw std::bad_alloc(); }, "【7】"},
        {[] { throw std::filesystem::filesystem_error("x", std::error_code()); }, "【75】"},
        {[] { throw std::logic_error("unexpected"); }, "【51】"},
    };
    for (const auto& [routine, boxStart] : cases) {
        RecordingReporter reporter;
        EXPECT_FALSE(trapErrors(reporter, "Routine", routine));
        ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At Routine"});
        EXPECT_TRUE(reporter.errors[0].text.starts_with(boxStart)) << reporter.errors[0].text;
    }
    RecordingReporter quiet;
    EXPECT_TRUE(trapErrors(quiet, "Routine", [] {}) && quiet.errors.empty());
}

} // namespace

void test::writeRecoveryCopiesForever(const fs::path& folder, bool newDrawing)
{
    const RecoveryCopy copy = copyOf(folder, newDrawing);
    const GdrRecord first = documentWithStrokes(1), second = documentWithStrokes(2);
    for (;;) {
        copy.write(second);
        copy.write(first);
    }
}

} // namespace kinsketch
