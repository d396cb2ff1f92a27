#include "canvas_picture.h"

#include "canvas_painter.h"

#include "document/run_time_error.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <cctype>
#include <cmath>
#include <string>

namespace kinsketch {
namespace {

bool endsInPng(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".png";
}

} // namespace

QSize canvasPixelSize(const CanvasGeometry& geometry, double scale)
{
    return {static_cast<int>(std::nearbyint(geometry.clientWidth * scale / kTwipsPerPixel)),
            static_cast<int>(std::nearbyint(geometry.clientHeight * scale / kTwipsPerPixel))};
}

QImage renderCanvasPicture(const GenoCanvas& canvas, double scale)
{
    QImage image(canvasPixelSize(canvas.geometry(), scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintCanvas(painter, canvas, scale);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

void writePicture(const QImage& picture, const std::filesystem::path& file)
{
    const bool png = endsInPng(file);
    // RGB888 has no alpha channel, so the bitmap writer stores 24 bits a pixel.
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB888);
    const QString name = QString::fromStdString(file.string());
    QImageWriter writer(name, png ? "png" : "bmp");
    if (!writer.write(pixels)) {
        const std::string reason = writer.errorString().toStdString();
        if (writer.error() == QImageWriter::DeviceError) throw RunTimeError::pathFileAccess(file.string() + ": " + reason);
        throw RunTimeError::deviceIo(file.string() + ": " + reason);
    }
}

} // namespace kinsketch
