#include "pictureconvert.h"
#include "uitext.h"

#include "figure/picturechoice.h"
#include "platform/fileio.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace tarvello {

Picture pictureFromImage(const QImage &image)
{
    // Drawing over white composites any alpha the way the picture is shown.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    Picture picture(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb rgb = line[x];
            picture.SetPixel(x, y,
                             std::uint32_t(qRed(rgb)) + std::uint32_t(qGreen(rgb)) * 256u
                                 + std::uint32_t(qBlue(rgb)) * 65536u);
        }
    }
    return picture;
}

QImage imageFromPicture(const Picture &picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t colour = picture.Pixel(x, y);
            line[x] = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF),
                           int((colour >> 16) & 0xFF));
        }
    }
    return image;
}

Result<QImage> readPictureFile(const QString &path)
{
    const std::string filePath = toFilePath(path);
    const std::optional<std::string> bytes = ReadFileBytes(filePath);
    if (!bytes)
        return PictureRefused(filePath, ReadFailureDescription(filePath));
    // Qt takes a bitmap cut short with its missing rows unset: refused here.
    if (std::string shortfall = PictureFileShortfall(*bytes); !shortfall.empty())
        return PictureRefused(filePath, std::move(shortfall));
    QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return PictureRefused(filePath, toFileText(reader.errorString()));
    return image;
}

} // namespace tarvello
