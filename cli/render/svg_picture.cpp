#include "svg_picture.h"

#include "picture/canvas_picture.h"

#include "document/file_io.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace kinsketch {

void writeCanvasSvg(const GenoCanvas& canvas, const std::filesystem::path& file, const PrintedDetails& details,
                    const QString& title)
{
    const QSize size = canvasPixelSize(canvas.geometry(), 1.0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setResolution(96);
    svg.setTitle(title);
    {
        QPainter painter(&svg);
        paintCanvasFitted(painter, canvas, QRectF(QPointF(), size), details);
    }
    writeFileAtomically(file, ByteView(reinterpret_cast<const std::uint8_t*>(buffer.data().constData()),
                                       static_cast<std::size_t>(buffer.data().size())));
}

} // namespace kinsketch
