#include "app/working_folder.h"

#include "document/file_names.h"

#include <system_error>
#include <vector>

namespace kinsketch {
namespace {

bool endsWithIgnoringCase(const std::string& name, const std::string& suffix)
{
    return name.size() >= suffix.size() &&
           sameFileNameIgnoringCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
}

} // namespace

bool ensureWorkingFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return true;
    std::filesystem::create_directories(folder, ec);
    return !ec && std::filesystem::is_directory(folder, ec);
}

std::optional<std::filesystem::path> clearLeftovers(const std::filesystem::path& folder,
                                                    const std::string& handedInName)
{
    std::vector<std::filesystem::path> leftovers;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = utf8FromPath(it->path().filename());
        const bool isHandedIn = !handedInName.empty() && sameFileNameIgnoringCase(name, handedInName + ".gdr");
        if (isHandedIn) continue;
        // A save cut off by a kill leaves its temporary files, holding the
        // previous client's family.
        const bool unfinishedSave = endsWithIgnoringCase(name, ".bmp.tmp") || endsWithIgnoringCase(name, ".gdr.tmp");
        if (endsWithIgnoringCase(name, ".bmp") || sameFileNameIgnoringCase(name, "kinsketch.gdr") || unfinishedSave)
            leftovers.push_back(it->path());
    }
    for (const auto& path : leftovers) {
        std::error_code removeError;
        std::filesystem::remove(path, removeError);
        if (!removeError) continue;
        const std::string name = utf8FromPath(path.filename());
        if (sameFileNameIgnoringCase(name, "kinsketch.bmp") || sameFileNameIgnoringCase(name, "kinsketch.gdr"))
            return path;
    }
    return std::nullopt;
}

} // namespace kinsketch
