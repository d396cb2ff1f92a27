#include "printed_picture.h"

// Placeholder until the printed picture is written.
namespace kinsketch {

struct PictureCanvas::Parts {};
PictureCanvas::PictureCanvas(std::unique_ptr<Parts> parts)
    : parts_(std::move(parts))
{}
PictureCanvas::~PictureCanvas() = default;
std::unique_ptr<PictureCanvas> PictureCanvas::of(GdrRecord, ErrorReporter&) { return nullptr; }
const GenoCanvas& PictureCanvas::canvas() const { throw 0; }
QPageLayout pageLayoutOf(const PrintOptions&) { return {}; }
void paintCanvasFitted(QPainter&, const GenoCanvas&, const QRectF&, const PrintedDetails&) {}
void printCanvasPage(QPagedPaintDevice&, const GenoCanvas&, const PrintOptions&) {}
void writeCanvasPdf(const GenoCanvas&, const std::filesystem::path&, const PrintOptions&, const QString&) {}

} // namespace kinsketch
