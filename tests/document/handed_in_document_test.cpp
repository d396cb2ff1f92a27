#include "document/file_io.h"
#include "document/gdr_conversion.h"
#include "document/handed_in_document.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;

class HandedInDocument : public ::testing::Test {
protected:
    void writeFile(const std::string& name, const Bytes& content)
    {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    }
    GdrRecord currentDocument()
    {
        GdrRecord r;
        makeNewDocument(r);
        r.IsNew = kTrue;
        r.SymbolKey[3] = "i104";
        r.AgeText[3] = "８５歳";
        r.Version = "202";
        return r;
    }

    test::TemporaryFolder temporary;
    const fs::path folder = temporary.path();
    RecordingReporter reporter;
};

TEST_F(HandedInDocument, CurrentLayoutIsReadStampedAndCountsItsStrokes)
{
    GdrRecord r = currentDocument();
    r.FreeLine = {true, 1, std::vector<FreeLineRecord>(5, FreeLineRecord{1, 2, 3, 4, 1, 0, -1})};
    writeFile("client.gdr", encodeGdr(r));
    GdrStore store(folder, reporter);
    const OpenedDocument opened = openHandedInDocument(store, store.documentPath("client"));
    EXPECT_TRUE(opened.readWhole);
    EXPECT_EQ(opened.record.AgeText[3], "８５歳");
    EXPECT_EQ(opened.record.IsNew, kFalse);
    EXPECT_EQ(opened.record.Version, "300");
    EXPECT_EQ(opened.freeLineCount, 5);
}

TEST_F(HandedInDocument, Pre202DocumentGetsTheStrokePlaceholderAndNoScreenMode)
{
    GdrRecord r = currentDocument();
    r.ScreenMode = "WIDE";
    r.FreeLine = {};
    r.Version = "NEW";
    Bytes bytes = encodeGdr(r);
    bytes.erase(bytes.end() - 7, bytes.end() - 5);
    writeFile("old.gdr", bytes);
    GdrStore store(folder, reporter);
    const OpenedDocument opened = openHandedInDocument(store, store.documentPath("old"));
    EXPECT_EQ(opened.layout, GdrLayout::Pre202);
    EXPECT_EQ(opened.record.ScreenMode, "");
    EXPECT_EQ(opened.record.FreeLine.items().size(), 1u);
    EXPECT_EQ(opened.freeLineCount, 0);
}

TEST_F(HandedInDocument, UnreadableDocumentsAreReportedAndStartFromANewDocument)
{
    GdrRecord r = currentDocument();
    Bytes truncated = encodeGdr(r);
    truncated.erase(truncated.begin() + 100, truncated.end() - 5); // still ends in "300"
    writeFile("truncated.gdr", truncated);
    writeFile("empty.gdr", {});
    struct Case {
        const char* name;
        std::vector<std::string> titles;
    };
    for (const Case& c : {Case{"missing", {"Error At clsGdrOpe.ReadGdrFile", "Error At clsGdrOpe.ReadGdrFile"}},
                          Case{"empty", {"Error At clsGdrOpe.ReadGdrFile", "Error At clsGdrOpe.ReadGdrFile"}},
                          Case{"truncated", {"Error At clsGdrOpe.ReadGdrFile"}}}) {
        SCOPED_TRACE(c.name);
        reporter.errors.clear();
        GdrStore store(folder, reporter);
        const OpenedDocument opened = openHandedInDocument(store, store.documentPath(c.name));
        EXPECT_FALSE(opened.readWhole);
        EXPECT_EQ(reporter.titles(), c.titles);
        GdrRecord expected;
        makeNewDocument(expected);
        expected.Version = "300";
        EXPECT_EQ(opened.record, expected);
    }
    EXPECT_TRUE(reporter.errors.front().text.starts_with("【62】")) << reporter.errors.front().text;
}

TEST_F(HandedInDocument, WriteReplacesTheWholeFileAndLeavesNoTemporary)
{
    GdrStore store(folder, reporter);
    GdrRecord document = openNewDocument(store).record;
    document.FreeLine.mutableItems().resize(100);
    ASSERT_TRUE(store.writeSavedDocument(document));
    document.FreeLine.mutableItems().resize(1);
    ASSERT_TRUE(store.writeSavedDocument(document));
    EXPECT_EQ(fs::file_size(folder / "kinsketch.gdr"), 7134u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(HandedInDocument, AFailedWriteIsReportedAndKeepsThePreviousFile)
{
    GdrStore store(folder, reporter);
    GdrRecord document = openNewDocument(store).record;
    ASSERT_TRUE(store.writeSavedDocument(document));
    document.AgeText[0] = "😀";
    EXPECT_FALSE(store.writeSavedDocument(document));
    ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At clsGdrOpe.WriteGdrFile"});
    EXPECT_EQ(fs::file_size(folder / "kinsketch.gdr"), 7134u);

    document.AgeText[0] = "";
    GdrStore gone(folder / "no-such-folder", reporter);
    EXPECT_FALSE(gone.writeSavedDocument(document));
    EXPECT_TRUE(reporter.errors.back().text.starts_with("【76】")) << reporter.errors.back().text;
}

} // namespace
} // namespace kinsketch
