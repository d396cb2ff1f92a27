#include "printed_picture.h"

#include "saved_picture.h"

#include "genogram/canvas_layer_store.h"
#include "genogram/canvas_opening.h"

namespace kinsketch {
namespace {

// The canvas keeps the reporter it was built with, but the caller's need not
// outlive the picture: reports reach the caller while the canvas is built,
// and nothing is painted afterwards that could report.
class RelayReporter : public ErrorReporter {
public:
    explicit RelayReporter(ErrorReporter& to)
        : target(&to)
    {}
    void reportError(std::string_view title, std::string_view text) override
    {
        if (target) target->reportError(title, text);
    }
    ErrorReporter* target;
};

} // namespace

struct PictureCanvas::Parts {
    Parts(GdrRecord from, ErrorReporter& to)
        : document(std::move(from))
        , reporter(to)
    {}
    GdrRecord document;
    RelayReporter reporter;
    GenoCanvas canvas{canvasSizeOf(document), document, reporter};
};

PictureCanvas::PictureCanvas(std::unique_ptr<Parts> parts)
    : parts_(std::move(parts))
{}

PictureCanvas::~PictureCanvas() = default;

std::unique_ptr<PictureCanvas> PictureCanvas::of(GdrRecord document, ErrorReporter& reporter)
{
    auto parts = std::make_unique<Parts>(std::move(document), reporter);
    GenoCanvas& canvas = parts->canvas;
    CanvasLayerStore layers(parts->document, parts->reporter, [&](CanvasSize) -> GenoCanvas& { return canvas; });
    openDocumentOnCanvas(layers, canvas);
    const bool stored = storeLayersForPicture(layers, canvas);
    parts->reporter.target = nullptr;
    if (!stored) return nullptr;
    return std::unique_ptr<PictureCanvas>(new PictureCanvas(std::move(parts)));
}

const GenoCanvas& PictureCanvas::canvas() const { return parts_->canvas; }

} // namespace kinsketch
