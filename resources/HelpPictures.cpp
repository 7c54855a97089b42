#include "resources/HelpPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <optional>

namespace {
constexpr QByteArrayView Signature("\x89PNG\r\n\x1a\n", 8);
// What a picture's pixels are made of: its header, palette, transparency, data and end.
constexpr QByteArrayView PixelChunks[] = {"IHDR", "PLTE", "tRNS", "IDAT", "IEND"};
constexpr qsizetype ChunkFrame = 12;  // a chunk's length, type and checksum around its data

// The file with its pixel chunks alone, each as it stands, or nothing when it is no PNG or ends
// before its end chunk.
std::optional<QByteArray> PixelsOnly(QByteArrayView file) {
    if (!file.startsWith(Signature)) return std::nullopt;
    QByteArray pixels = Signature.toByteArray();
    for (qsizetype at = Signature.size(); file.size() - at >= ChunkFrame;) {
        const qsizetype size = ChunkFrame + qFromBigEndian<quint32>(file.data() + at);
        if (size > file.size() - at) return std::nullopt;
        const QByteArrayView type = file.sliced(at + 4, 4);
        if (std::find(std::begin(PixelChunks), std::end(PixelChunks), type) != std::end(PixelChunks))
            pixels.append(file.sliced(at, size));
        at += size;
        if (type == "IEND") return pixels;
    }
    return std::nullopt;
}

qsizetype PixelBytes(QSize size, QImage::Format format) {
    const qsizetype bitsPerLine = qsizetype{size.width()} * QImage::toPixelFormat(format).bitsPerPixel();
    return (bitsPerLine + 31) / 32 * 4 * size.height();  // each line padded to 32 bits, as QImage does
}
}  // namespace

QImage HelpPictures::Decode(QByteArrayView file) {
    const std::optional<QByteArray> png = PixelsOnly(file);
    if (!png) return {};
    QBuffer buffer;
    buffer.setData(*png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || size.width() > MaxSide || size.height() > MaxSide || format == QImage::Format_Invalid ||
        PixelBytes(size, format) > bytesLeft_)
        return {};
    QImage picture = reader.read();
    // Should Qt decode to a larger format than it said, the page still keeps within its budget.
    if (picture.isNull() || picture.sizeInBytes() > bytesLeft_) return {};
    bytesLeft_ -= picture.sizeInBytes();
    return picture;
}
