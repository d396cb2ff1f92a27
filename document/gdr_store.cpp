#include "gdr_store.h"

#include "error_trap.h"
#include "file_io.h"
#include "file_names.h"
#include "gdr_conversion.h"
#include "run_time_error.h"

namespace kinsketch {
namespace {

constexpr const char* kReadTitle = "clsGdrOpe.ReadGdrFile";

// Runs `read` under the error trap; nothing when it raised.
template <typename Result, typename Read>
std::optional<Result> readTrapped(ErrorReporter& reporter, const char* title, Read read)
{
    std::optional<Result> result;
    trapErrors(reporter, title, [&] { result = read(); });
    return result;
}

// A document reader under the error trap; text read as 「・」 is told once,
// under the reader's title.
template <typename Result, typename Read>
std::optional<Result> readReported(ErrorReporter& reporter, const char* title, Read read)
{
    UnreadableText unreadable;
    std::optional<Result> result = readTrapped<Result>(reporter, title, [&] { return read(unreadable); });
    if (result && unreadable.characters > 0)
        reporter.reportError(std::string("Error At ") + title,
                             "文書に読めない文字が " + std::to_string(unreadable.characters) + " 文字あり（最初は " +
                                 unreadable.firstField + "）、「・」として読み込みました。");
    return result;
}

GdrRecord notNew(GdrRecord record)
{
    record.isNew = kFalse;
    return record;
}

} // namespace

GdrStore::GdrStore(std::filesystem::path workFolder, ErrorReporter& reporter)
    : workFolder_(std::move(workFolder))
    , reporter_(reporter)
{}

std::filesystem::path GdrStore::documentPath(const std::string& name) const
{
    const std::string fileName = name + ".gdr";
    return findFileIgnoringCase(workFolder_, fileName).value_or(workFolder_ / pathFromUtf8(fileName));
}

std::filesystem::path GdrStore::savedDocumentPath() const { return workFolder_ / "kinsketch.gdr"; }

bool GdrStore::writeSavedDocument(const GdrRecord& document)
{
    return trapErrors(reporter_, "clsGdrOpe.WriteGdrFile", [&] {
        const Bytes bytes = encodeGdr(document);
        writeFileAtomically(savedDocumentPath(), bytes);
    });
}

std::optional<Bytes> GdrStore::readContent(const std::filesystem::path& file)
{
    return readTrapped<Bytes>(reporter_, kReadTitle, [&] {
        Bytes bytes = readWholeFile(file);
        if (bytes.empty()) throw RunTimeError::subscriptOutOfRange("空のファイルです");
        return bytes;
    });
}

std::optional<GdrRecord> GdrStore::readCurrentLayout(const std::filesystem::path& file)
{
    return readReported<GdrRecord>(reporter_, kReadTitle, [&](UnreadableText& unreadable) {
        return notNew(decodeCurrentGdr(readWholeFile(file), &unreadable));
    });
}

std::optional<GdrRecord> GdrStore::readPre202Layout(const std::filesystem::path& file)
{
    return readReported<GdrRecord>(reporter_, "clsGdrOpe.ReadGdrFile_v202Pre", [&](UnreadableText& unreadable) {
        return notNew(decodePre202Gdr(readWholeFile(file), &unreadable));
    });
}

std::optional<Rows18Record> GdrStore::readRows18Layout(const std::filesystem::path& file)
{
    return readReported<Rows18Record>(reporter_, kReadTitle, [&](UnreadableText& unreadable) {
        const Bytes bytes = readWholeFile(file);
        try {
            return decodeRows18Gdr(bytes, &unreadable);
        } catch (const RunTimeError&) {
            // A current-layout document cut short has lost the version at its
            // end and only looks like the 18-row layout: it is reported as cut
            // short.
            static_cast<void>(decodeCurrentGdr(bytes));
            throw;
        }
    });
}

GdrRecord GdrStore::createNew()
{
    GdrRecord record;
    trapErrors(reporter_, "clsGdrOpe.CreateNew", [&] { makeNewDocument(record); });
    return record;
}

} // namespace kinsketch
