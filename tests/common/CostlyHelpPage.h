#pragma once
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include "resources/HelpPageFilter.h"
#include "resources/HelpPictures.h"

// Writes Zurk3.hlp into the folder, a page of the most pictures a page may name, each the costliest
// a help picture may be: as large as it may be, with a zTXt and an iTXt chunk of a few kilobytes
// that libpng would inflate to megabytes (to just under the 8 MB it inflates a chunk to). Qt
// writes long Latin-1 text as zTXt, and other long text as iTXt. Whether all was written.
inline bool WriteCostlyHelpPage(const QDir& folder) {
    QImage picture(HelpPictures::MaxSide, HelpPictures::MaxSide, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    picture.setText(QStringLiteral("Comment"), QString(7 << 20, u'a'));
    picture.setText(QStringLiteral("Popis"), QString(3 << 20, u'ř'));
    QByteArray png;
    QBuffer buffer(&png);
    bool written = buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "png");
    QByteArray page;
    for (int i = 0; i < HelpPageFilter::MaxPictures; ++i) {
        QFile file(folder.filePath(QString::number(i) + QStringLiteral(".png")));
        written = written && file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
        page += "<img src=" + QByteArray::number(i) + ".png>";
    }
    QFile help(folder.filePath(QStringLiteral("Zurk3.hlp")));
    return written && help.open(QIODevice::WriteOnly) && help.write(page) == page.size();
}
