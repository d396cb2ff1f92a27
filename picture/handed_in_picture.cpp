#include "handed_in_picture.h"

#include "canvas_picture.h"

#include "genogram/cohabit_frame_builder.h"

#include "document/handed_in_document.h"

namespace kinsketch {

std::unique_ptr<PictureCanvas> pictureCanvasOfHandedInDocument(const std::filesystem::path& file,
                                                               ErrorReporter& reporter)
{
    GdrStore store(file.parent_path(), reporter);
    OpenedDocument opened = openHandedInDocument(store, file);
    if (!opened.readWhole) return nullptr;
    rebuildCohabitFrameFromFlags(opened.record, reporter);
    return PictureCanvas::of(std::move(opened.record), reporter);
}

std::optional<QImage> pictureOfHandedInDocument(const std::filesystem::path& file, ErrorReporter& reporter,
                                                double scale)
{
    const std::unique_ptr<PictureCanvas> picture = pictureCanvasOfHandedInDocument(file, reporter);
    if (!picture) return std::nullopt;
    return renderCanvasPicture(picture->canvas(), scale);
}

} // namespace kinsketch
