// kinsketch-doc: reads and writes working documents for the people who
// integrate and support the host system.
//
//   kinsketch-doc dump FILE.gdr          the document as start-up reads it, as JSON
//   kinsketch-doc new OUT.gdr            a new document
//   kinsketch-doc write IN.json OUT.gdr  a current-layout document from JSON

#include "cli/doc/document_json.h"
#include "document/file_io.h"
#include "document/handed_in_document.h"
#include "document/run_time_error.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using namespace kinsketch;

class FirstErrorReporter : public ErrorReporter {
public:
    void reportError(std::string_view, std::string_view text) override
    {
        if (first.empty()) first = text;
    }
    std::string first;
};

int usage()
{
    std::cerr << "usage: kinsketch-doc dump FILE.gdr | new OUT.gdr | write IN.json OUT.gdr\n";
    return 2;
}

int fail(const std::string& file, const std::string& what)
{
    std::cerr << "kinsketch-doc: " << file << ": " << what << "\n";
    return 1;
}

int dump(const std::string& file)
{
    FirstErrorReporter reporter;
    const std::filesystem::path path(file);
    GdrStore store(path.parent_path().empty() ? "." : path.parent_path(), reporter);
    const OpenedDocument opened = openHandedInDocument(store, path);
    if (!opened.readWhole) return fail(file, reporter.first);
    std::cout << printDocumentJson(documentToJson(opened.record, opened.layout, opened.freeLineCount)) << "\n";
    return 0;
}

int write(const std::filesystem::path& out, const GdrRecord& record)
{
    try {
        writeFileAtomically(out, encodeGdr(record));
        return 0;
    } catch (const RunTimeError& e) {
        return fail(out.string(), e.boxText());
    }
}

int newDocument(const std::string& out)
{
    FirstErrorReporter reporter;
    GdrStore store(".", reporter);
    return write(out, openNewDocument(store).record);
}

int writeFromJson(const std::string& in, const std::string& out)
{
    std::ifstream input(in, std::ios::binary);
    if (!input) return fail(in, "cannot be opened");
    try {
        return write(out, documentFromJson(DocumentJson::parse(input)));
    } catch (const DocumentJson::exception& e) {
        return fail(in, std::string("malformed JSON: ") + e.what());
    } catch (const DocumentJsonError& e) {
        return fail(in, e.what());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
    if (args.size() == 2 && args[0] == "new") return newDocument(args[1]);
    if (args.size() == 3 && args[0] == "write") return writeFromJson(args[1], args[2]);
    return usage();
}
