#pragma once
// The working folder "imgTmp" beside the program, through which the host
// system hands documents in and takes the results away.

#include <filesystem>
#include <optional>
#include <string>

namespace kinsketch {

// Creates the folder when it is missing. Returns false when it cannot be made.
bool ensureWorkingFolder(const std::filesystem::path& folder);

// Removes what a previous run left: every picture "*.bmp", "kinsketch.gdr"
// and the temporary files of an unfinished save ("*.bmp.tmp", "*.gdr.tmp"),
// matched without regard to case, but never the handed-in document
// (`handedInName` + ".gdr"). Returns the result file that could not be
// removed, if any: the host would take it for this run's result.
std::optional<std::filesystem::path> clearLeftovers(const std::filesystem::path& folder,
                                                    const std::string& handedInName);

} // namespace kinsketch
