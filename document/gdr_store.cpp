#include "gdr_store.h"

#include "document_globals.h"
#include "file_io.h"
#include "file_names.h"
#include "gdr_conversion.h"
#include "run_time_error.h"

#include <new>

namespace kinsketch {
namespace {

constexpr const char* kReadTitle = "clsGdrOpe.ReadGdrFile";

} // namespace

clsGdrOpe::clsGdrOpe(std::filesystem::path workFolder, ErrorReporter& reporter)
    : workFolder_(std::move(workFolder))
    , reporter_(reporter)
{
}

template <class Operation>
int clsGdrOpe::trapped(const char* title, Operation&& operation)
{
    try {
        operation();
        return 0;
    } catch (const RunTimeError& error) {
        reporter_.reportTrapped(title, error);
    } catch (const std::bad_alloc&) {
        reporter_.reportTrapped(title, RunTimeError(7, "メモリが不足しています。"));
    } catch (const std::filesystem::filesystem_error& error) {
        reporter_.reportTrapped(title, RunTimeError::pathFileAccess(error.what()));
    }
    return 1;
}

std::filesystem::path clsGdrOpe::documentPath(const std::string& name) const
{
    const std::string fileName = name + ".gdr";
    return findFileIgnoringCase(workFolder_, fileName).value_or(workFolder_ / pathFromUtf8(fileName));
}

std::filesystem::path clsGdrOpe::savedDocumentPath() const { return workFolder_ / "kinsketch.gdr"; }

int clsGdrOpe::WriteGdrFile()
{
    return trapped("clsGdrOpe.WriteGdrFile", [&] {
        const Bytes bytes = encodeGdr(gGdr);
        writeFileAtomically(savedDocumentPath(), bytes);
    });
}

int clsGdrOpe::ReadGdrFile_tmp(const std::filesystem::path& file, Bytes& content)
{
    content.clear();
    return trapped(kReadTitle, [&] {
        Bytes bytes = readWholeFile(file);
        if (bytes.empty()) throw RunTimeError::subscriptOutOfRange("空のファイルです");
        content = std::move(bytes);
    });
}

int clsGdrOpe::ReadGdrFile_2(const std::filesystem::path& file)
{
    return trapped(kReadTitle, [&] {
        GdrRecord record = decodeCurrentGdr(readWholeFile(file));
        record.IsNew = kFalse;
        gGdr = std::move(record);
    });
}

int clsGdrOpe::ReadGdrFile_v202Pre(const std::filesystem::path& file, GdrRecord& side)
{
    side = GdrRecord{};
    return trapped("clsGdrOpe.ReadGdrFile_v202Pre", [&] {
        side = decodePre202Gdr(readWholeFile(file));
        side.IsNew = kFalse;
    });
}

int clsGdrOpe::ReadGdrFile(const std::filesystem::path& file, Rows18Record& side)
{
    side = Rows18Record{};
    return trapped(kReadTitle, [&] {
        side = decodeRows18Gdr(readWholeFile(file));
        gGdr.IsNew = kFalse;
    });
}

int clsGdrOpe::CreateNew_2()
{
    return trapped("clsGdrOpe.CreateNew", [&] { makeNewDocument(gGdr); });
}

} // namespace kinsketch
