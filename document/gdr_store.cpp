#include "gdr_store.h"

#include "document_globals.h"
#include "error_trap.h"
#include "file_io.h"
#include "file_names.h"
#include "gdr_conversion.h"
#include "run_time_error.h"


namespace kinsketch {
namespace {

constexpr const char* kReadTitle = "clsGdrOpe.ReadGdrFile";

} // namespace

clsGdrOpe::clsGdrOpe(std::filesystem::path workFolder, ErrorReporter& reporter)
    : workFolder_(std::move(workFolder))
    , reporter_(reporter)
{
}

std::filesystem::path clsGdrOpe::documentPath(const std::string& name) const
{
    const std::string fileName = name + ".gdr";
    return findFileIgnoringCase(workFolder_, fileName).value_or(workFolder_ / pathFromUtf8(fileName));
}

std::filesystem::path clsGdrOpe::savedDocumentPath() const { return workFolder_ / "kinsketch.gdr"; }

int clsGdrOpe::WriteGdrFile()
{
    return trapErrors(reporter_, "clsGdrOpe.WriteGdrFile", [&] {
        const Bytes bytes = encodeGdr(gGdr);
        writeFileAtomically(savedDocumentPath(), bytes);
    });
}

int clsGdrOpe::ReadGdrFile_tmp(const std::filesystem::path& file, Bytes& content)
{
    content.clear();
    return trapErrors(reporter_, kReadTitle, [&] {
        Bytes bytes = readWholeFile(file);
        if (bytes.empty()) throw RunTimeError::subscriptOutOfRange("空のファイルです");
        content = std::move(bytes);
    });
}

int clsGdrOpe::ReadGdrFile_2(const std::filesystem::path& file)
{
    return trapErrors(reporter_, kReadTitle, [&] {
        GdrRecord record = decodeCurrentGdr(readWholeFile(file));
        record.IsNew = kFalse;
        gGdr = std::move(record);
    });
}

int clsGdrOpe::ReadGdrFile_v202Pre(const std::filesystem::path& file, GdrRecord& side)
{
    side = GdrRecord{};
    return trapErrors(reporter_, "clsGdrOpe.ReadGdrFile_v202Pre", [&] {
        side = decodePre202Gdr(readWholeFile(file));
        side.IsNew = kFalse;
    });
}

int clsGdrOpe::ReadGdrFile(const std::filesystem::path& file, Rows18Record& side)
{
    side = Rows18Record{};
    return trapErrors(reporter_, kReadTitle, [&] {
        side = decodeRows18Gdr(readWholeFile(file));
        gGdr.IsNew = kFalse;
    });
}

int clsGdrOpe::CreateNew_2()
{
    return trapErrors(reporter_, "clsGdrOpe.CreateNew", [&] { makeNewDocument(gGdr); });
}

} // namespace kinsketch
