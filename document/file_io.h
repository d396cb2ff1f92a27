#pragma once
// Whole-file reads and atomic writes for the document store. A write goes to
// a temporary file in the same folder, is flushed to disk and then renamed
// over the target, so a crash or a full disk never leaves a half-written file.

#include "gdr_codec.h"

#include <filesystem>

namespace kinsketch {

// Raises RunTimeError 53 for a missing file, 75 for one that cannot be read,
// 6 before reading one larger than any document (maxGdrFileBytes).
Bytes readWholeFile(const std::filesystem::path& path);

// The temporary file is created where nothing stands (one left by a killed
// write, or a link planted there, is removed first), so nothing outside is
// written through a link; the rename replaces a link at `path` itself.
// Raises RunTimeError 61 (disk full), 70 (no permission), 76 (folder missing)
// or 75; the target is then unchanged.
void writeFileAtomically(const std::filesystem::path& path, ByteView content);

// Whether `path` is a symbolic link (on Windows also a junction or any other
// reparse point), which the program never writes through.
bool isLinkOrReparsePoint(const std::filesystem::path& path);

// Hides a folder of the program's own from the file browser: Windows keeps
// that in an attribute; elsewhere a name that begins with a dot does it.
// Nothing is reported when it cannot be done.
void hideFolder(const std::filesystem::path& folder);

} // namespace kinsketch
