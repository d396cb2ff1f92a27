#pragma once
// The picture a handed-in document gives when it is opened and saved at once,
// unchanged: the document is read the way start-up reads it, the automatic
// frame is rebuilt from `cohabitMarks` and the canvas is built as the menu
// selection builds it, then the layers are stored as the save button stores
// them (texts, added lines without their handles, pen strokes) and the canvas
// is redrawn for the picture.

#include "printed_picture.h"

#include "seams/error_reporter.h"

#include <QImage>

#include <filesystem>
#include <memory>
#include <optional>

namespace kinsketch {

// The canvas the picture is painted from, for a picture on paper, in a PDF
// or without some details. Nothing when the document cannot be read whole
// or a layer could not be stored; the reasons went to `reporter`.
std::unique_ptr<PictureCanvas> pictureCanvasOfHandedInDocument(const std::filesystem::path& file,
                                                               ErrorReporter& reporter);

// Nothing when the document cannot be read whole; the reasons went to `reporter`.
std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter,
                                                double scale = 1.0);

} // namespace kinsketch
