#pragma once
// Whole-file reads and atomic writes for the document store. A write goes to
// a temporary file in the same folder, is flushed to disk and then renamed
// over the target, so a crash or a full disk never leaves a half-written file.

#include "gdr_codec.h"

#include <filesystem>

namespace kinsketch {

// Raises RunTimeError 53 for a missing file, 75 for one that cannot be read.
Bytes readWholeFile(const std::filesystem::path& path);

// Raises RunTimeError 61 (disk full), 70 (no permission), 76 (folder missing)
// or 75; the target is then unchanged.
void writeFileAtomically(const std::filesystem::path& path, ByteView content);

// Hides a folder of the program's own from the file browser: Windows keeps
// that in an attribute; elsewhere a name that begins with a dot does it.
// Nothing is reported when it cannot be done.
void hideFolder(const std::filesystem::path& folder);

} // namespace kinsketch
