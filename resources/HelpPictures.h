#pragma once
#include <QByteArrayView>
#include <QImage>
#include <cstddef>

// The pictures of one help page, decoded by the game before Qt lays the page out, within what a
// page may spend on them. Only a picture's pixels are read: the text, colour profiles and other
// chunks a PNG file may carry never reach the decoder, as libpng inflates a text chunk of a few
// kilobytes to megabytes and Qt keeps each such text with the picture.
class HelpPictures {
public:
    // A picture of the help is a small PNG: one a screen wide at most, and all of a page's
    // together no more than a few of those.
    static constexpr std::size_t MaxFileSize = 4u << 20;
    static constexpr int MaxSide = 1024;
    static constexpr qsizetype MaxBytesPerPage = 32 << 20;

    // The picture in a PNG file's bytes, or a null picture when they hold none whole, it is
    // larger than MaxSide, or its pixels would take more than the page has left.
    QImage Decode(QByteArrayView file);

private:
    qsizetype bytesLeft_ = MaxBytesPerPage;
};
