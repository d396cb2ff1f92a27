#pragma once
// The picture a handed-in document gives when it is opened and saved at once,
// unchanged: the document is read the way start-up reads it, the automatic
// frame is rebuilt from CohabitFlag and the canvas is built as the menu
// selection builds it, then the layers are stored as the save button stores
// them (texts, added lines without their handles, pen strokes) and the canvas
// is redrawn for the picture.

#include "seams/error_reporter.h"

#include <QImage>

#include <filesystem>
#include <optional>

namespace kinsketch {

// Nothing when the document cannot be read whole; the reasons went to `reporter`.
std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter,
                                                double scale = 1.0);

} // namespace kinsketch
