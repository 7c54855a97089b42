#include "UrlWatch.h"

#include <QDesktopServices>

UrlWatch::UrlWatch(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) Watch(scheme);
}

UrlWatch::~UrlWatch() {
    for (const QString& scheme : schemes_) Release(scheme);
}

void UrlWatch::Release(const QString& scheme) { QDesktopServices::unsetUrlHandler(scheme); }

void UrlWatch::Watch(const QString& scheme) { QDesktopServices::setUrlHandler(scheme, this, "Open"); }
