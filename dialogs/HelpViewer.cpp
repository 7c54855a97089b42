#include "dialogs/HelpViewer.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/HelpPageFilter.h"
#include "desktop/OpenWebPage.h"
#include "desktop/WebAddress.h"
#include "desktop/WindowPlacement.h"
#include "pond/RegularFile.h"

namespace {
// The look of our help, the same for every page: the page itself may bring no style.
const QString HelpStyle = QStringLiteral(
    "body { font-family: sans-serif; }"
    "h1, h2, h3 { color: #806000; }"
    "h2 { margin-top: 18px; }"
    "th { background-color: #d8e8e8; text-align: left; }"
    "i { color: #305030; }");
// A picture of the help is a small PNG: one a screen wide at most, and all of a page's together
// no more than a few of those.
constexpr std::size_t MaxPictureFileSize = 4u << 20;
constexpr int MaxPictureSide = 1024;
constexpr qsizetype MaxPictureBytesPerPage = 32 << 20;

QByteArray Bytes(const FileRead& file) {
    return {reinterpret_cast<const char*>(file.Bytes.data()), static_cast<qsizetype>(file.Bytes.size())};
}

// The picture named, from the folder, drawing on what the page may still spend on pictures.
QImage Picture(const ProgramFolder& folder, const QString& name, qsizetype& bytesLeft) {
    const FileRead file = folder.Read(name.toStdString(), MaxPictureFileSize);
    if (file.Status != FileReadStatus::Read) return HelpBrowser::NoPicture();
    QByteArray bytes = Bytes(file);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide ||
        qsizetype{4} * size.width() * size.height() > bytesLeft)
        return HelpBrowser::NoPicture();
    QImage picture = reader.read();
    if (picture.isNull()) return HelpBrowser::NoPicture();
    bytesLeft -= picture.sizeInBytes();
    return picture;
}
}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    document()->setDefaultStyleSheet(HelpStyle);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QImage HelpBrowser::NoPicture() {
    QImage nothing(1, 1, QImage::Format_ARGB32);
    nothing.fill(Qt::transparent);
    return nothing;
}

QVariant HelpBrowser::loadResource(int, const QUrl&) {
    // An empty answer would send Qt to the file itself, and any answer but a picture is kept under
    // its name, where a picture of that name would later find it and load the file instead.
    return NoPicture();
}

void HelpBrowser::FollowLink(const QUrl& link) {
    if (IsWebAddress(link))
        OpenWebPage(link, this);
    else if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        scrollToAnchor(link.fragment());
}

HelpViewer::HelpViewer(const ProgramFolder& folder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Zurk3 - Nápověda"));
    resize(640, 520);
    CenterForm(*this);

    browser_ = new HelpBrowser(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    ShowPage(folder, HelpFileName(folder));
}

QString HelpViewer::HelpFileName(const ProgramFolder& folder) {
    const QString czech = QStringLiteral("Zurk3.hlp");
    //: The help file in the language of the translation, beside the Czech Zurk3.hlp in the
    //: program's folder, e.g. Zurk3.en.hlp.
    const QString translated = tr("Zurk3.hlp");
    return folder.HasEntry(QFile::encodeName(translated).toStdString()) ? translated : czech;
}

void HelpViewer::ShowPage(const ProgramFolder& folder, const QString& fileName) {
    const FileRead file = folder.Read(QFile::encodeName(fileName).toStdString(), HelpPageFilter::MaxBytes);
    const std::optional<HelpPage> page =
        file.Status == FileReadStatus::Read
            ? HelpPageFilter::Filter({reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size()})
            : std::nullopt;
    if (!page) {
        browser_->setPlainText(file.Status == FileReadStatus::Missing
                                   ? tr("Soubor nápovědy %1 nebyl nalezen v domovské složce programu.").arg(fileName)
                                   : tr("Soubor nápovědy %1 v domovské složce programu nelze přečíst.").arg(fileName));
        return;
    }
    // Every picture is in the document before Qt reads the page, so Qt never has to look for one.
    qsizetype pictureBytesLeft = MaxPictureBytesPerPage;
    for (const QString& name : page->Pictures)
        browser_->document()->addResource(QTextDocument::ImageResource, QUrl(name),
                                          Picture(folder, name, pictureBytesLeft));
    browser_->setHtml(page->Html);
}

void HelpViewer::ShowTopic(int topic) {
    topic_ = QString::number(topic);
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(topic_);
}

void HelpViewer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first time, the page is laid out only once the window has its size.
    if (!topic_.isEmpty()) QTimer::singleShot(0, browser_, [this] { browser_->scrollToAnchor(topic_); });
}
