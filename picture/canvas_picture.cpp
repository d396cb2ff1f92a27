#include "canvas_picture.h"

#include "document/file_io.h"

#include "canvas_painter.h"

#include "document/run_time_error.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace kinsketch {
namespace {

bool endsInPng(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".png";
}

// A Windows bitmap as the platform's picture service writes one: file
// header, BITMAPINFOHEADER, 24 bits a pixel, rows bottom-up padded to four
// bytes, 96 dots per inch.
std::vector<char> bmpBytes(const QImage& rgb888)
{
    constexpr std::uint32_t kHeaderSize = 14 + 40;
    constexpr std::int32_t kPixelsPerMetre = 3780;
    const int width = rgb888.width();
    const int height = rgb888.height();
    const auto stride = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::vector<char> bytes(kHeaderSize + pixelBytes, 0);
    std::size_t at = 0;
    const auto put = [&](auto value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
        at += sizeof value;
    };
    put('B');
    put('M');
    put(kHeaderSize + pixelBytes);
    put(std::uint32_t{0});
    put(kHeaderSize);
    put(std::uint32_t{40});
    put(std::int32_t{width});
    put(std::int32_t{height}); // positive: bottom-up
    put(std::uint16_t{1});
    put(std::uint16_t{24});
    put(std::uint32_t{0}); // uncompressed
    put(pixelBytes);
    put(kPixelsPerMetre);
    put(kPixelsPerMetre);
    put(std::uint32_t{0});
    put(std::uint32_t{0});
    for (int y = height - 1; y >= 0; --y) {
        const uchar* source = rgb888.constScanLine(y);
        char* target = bytes.data() + at;
        for (int x = 0; x < width; ++x) {
            target[3 * x] = static_cast<char>(source[3 * x + 2]);
            target[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
            target[3 * x + 2] = static_cast<char>(source[3 * x]);
        }
        at += stride;
    }
    return bytes;
}

} // namespace

QSize canvasPixelSize(const CanvasGeometry& geometry, double scale)
{
    return {static_cast<int>(std::nearbyint(geometry.clientWidth * scale / kTwipsPerPixel)),
            static_cast<int>(std::nearbyint(geometry.clientHeight * scale / kTwipsPerPixel))};
}

QImage renderCanvasPicture(const GenoCanvas& canvas, double scale)
{
    return renderScenePicture(sceneOf(canvas), canvas.geometry(), scale);
}

QImage renderScenePicture(const CanvasScene& scene, const CanvasGeometry& geometry, double scale)
{
    QImage image(canvasPixelSize(geometry, scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintScene(painter, scene, geometry, scale);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

void writePicture(const QImage& picture, const std::filesystem::path& file)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB888);
    if (endsInPng(file)) {
        QImageWriter writer(QString::fromStdString(file.string()), "png");
        if (!writer.write(pixels))
            throw RunTimeError::pathFileAccess(file.string() + ": " + writer.errorString().toStdString());
        return;
    }
    // The host takes the picture as soon as it sees it: it must never find half a file.
    const std::vector<char> bytes = bmpBytes(pixels);
    writeFileAtomically(file, ByteView(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace kinsketch
