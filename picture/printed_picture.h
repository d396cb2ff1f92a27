#pragma once
// The genogram on paper, in a PDF or in an SVG file, for care meetings: the
// picture the save files, drawn by the same painting routine at the device's
// resolution (vector lines, real text), fitted to the page with its
// proportions kept. Identifying details can be left out; the symbols, the
// connector lines, the frame and the free lines always stay.

#include "document/gdr_record.h"
#include "genogram/geno_canvas.h"
#include "seams/error_reporter.h"

#include <QDate>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <filesystem>
#include <memory>

namespace kinsketch {

// What a printed copy shows of the identifying details.
struct PrintedDetails {
    bool ages = true;
    bool remarks = true;
    bool texts = true;       // the texts placed on the canvas
    bool bandColours = true; // the age and remark bands' pink and green; without them, white
    bool operator==(const PrintedDetails&) const = default;
};

struct PrintOptions {
    QPageSize::PageSizeId paper = QPageSize::A4; // A4 or A3
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    PrintedDetails details;
    QString heading;     // one line above the picture; empty: none
    QString footer;      // one short line under the picture; empty: none
    bool legend = false; // 凡例: beside the picture in landscape, under it in portrait
};

// What a care-meeting record names on its page. The names are personal data:
// they are printed, never stored.
struct PrintTitle {
    QString client; // 利用者名
    QString author; // 作成者
    QDate made;     // 作成日; none: left blank
    bool operator==(const PrintTitle&) const = default;
};

// 「ジェノグラム　利用者名：…　作成者：…　作成日：…」, each label shown even
// when its value is blank, so that it can be written in by hand.
QString printedHeading(const PrintTitle& title);

// The paper, orientation and margins a page is laid out with.
QPageLayout pageLayoutOf(const PrintOptions& options);

// The canvas a document's saved picture is drawn from, built offscreen from a
// copy of the document with its layers stored as the save stores them; the
// document it came from is never touched.
class PictureCanvas {
public:
    // Nothing when a layer could not be stored; the reason went to `reporter`.
    static std::unique_ptr<PictureCanvas> of(GdrRecord document, ErrorReporter& reporter);
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    const GenoCanvas& canvas() const;

private:
    struct Parts;
    explicit PictureCanvas(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

// The saved picture without the details not wanted: with every detail it is
// the saved picture itself. A left-out age or remark leaves its box empty,
// as an age never entered does; a left-out text leaves nothing.
QImage renderCanvasPictureShowing(const GenoCanvas& canvas, const PrintedDetails& details, double scale = 1.0);

// Where the canvas lands when fitted into `target`: proportions kept, centred.
QRectF fittedCanvasRect(const CanvasGeometry& geometry, const QRectF& target);
// Where the canvas lands on a page laid out with `options`, in points from
// the page's top-left corner (the heading, the footer and the legend take
// their room beside it).
QRectF canvasRectOnPage(const GenoCanvas& canvas, const PrintOptions& options);

// Paints the canvas fitted into `target` (the painter's device pixels),
// proportions kept and centred, leaving out the details not wanted.
void paintCanvasFitted(QPainter& painter, const GenoCanvas& canvas, const QRectF& target,
                       const PrintedDetails& details);
// One page on a device already set up with its page layout (a printer from
// the print dialog, the preview's printer, a PDF writer): the canvas fitted
// within the printable area, the heading above it, the footer under it and
// the legend of what it uses beside or under it.
void printCanvasPage(QPagedPaintDevice& device, const GenoCanvas& canvas, const PrintOptions& options);

// A one-page PDF on the chosen paper, titled `title`; the file appears whole
// or not at all. Raises RunTimeError when it cannot be written.
void writeCanvasPdf(const GenoCanvas& canvas, const std::filesystem::path& file, const PrintOptions& options,
                    const QString& title);

} // namespace kinsketch
