#include "dialogs/HelpViewer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>

#include "dialogs/HelpPageBound.h"
#include "dialogs/OpenWebPage.h"
#include "dialogs/ProgramFolder.h"
#include "dialogs/WebAddress.h"
#include "dialogs/WindowPlacement.h"

namespace {
// The help's addresses name the program's folder as their root.
const QUrl HelpRoot(QStringLiteral("file:///"));
// Pictures and style sheets of a help are small; a larger file is none of them.
constexpr std::size_t MaxPictureFileSize = 4u << 20;
constexpr std::size_t MaxStyleSheetSize = 64u << 10;
// A picture larger than a screen or two is no picture of the help, and the pictures of one page
// together take no more than a few such.
constexpr std::size_t MaxPictureBytes = 64u << 20;
constexpr std::size_t MaxPictureBytesPerPage = 256u << 20;

QByteArray Bytes(const FileRead& file) {
    return {reinterpret_cast<const char*>(file.Bytes.data()), static_cast<qsizetype>(file.Bytes.size())};
}

// The picture in file, drawing on what the page may still spend on pictures.
QImage Picture(const FileRead& file, std::size_t& bytesLeft) {
    QByteArray bytes = Bytes(file);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(static_cast<int>(std::min(MaxPictureBytes, bytesLeft) >> 20));
    const QImage picture = file.Status == FileReadStatus::Read && bytesLeft >= (1u << 20) ? reader.read() : QImage();
    bytesLeft -= std::min(bytesLeft, static_cast<std::size_t>(picture.sizeInBytes()));
    if (!picture.isNull()) return picture;
    // A picture that cannot be shown takes no room; an empty answer would let Qt look for it itself.
    QImage nothing(1, 1, QImage::Format_ARGB32);
    nothing.fill(Qt::transparent);
    return nothing;
}
}  // namespace

HelpBrowser::HelpBrowser(const ProgramFolder& folder, QWidget* parent)
    : QTextBrowser(parent), folder_(ProgramFolder::Resolved(folder.Path())) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

std::string HelpBrowser::Resolve(const QUrl& url) const {
    if (!url.isLocalFile() || folder_.empty()) return {};
    return ProgramFolder::Resolved(folder_ + QFile::encodeName(url.path()).toStdString());
}

bool HelpBrowser::InFolder(const std::string& path) const {
    return path.size() > folder_.size() && path.compare(0, folder_.size(), folder_) == 0 && path[folder_.size()] == '/';
}

FileRead HelpBrowser::Read(const QUrl& url, std::size_t maxBytes) const {
    errno = 0;
    const std::string path = Resolve(url);
    if (InFolder(path)) return ReadRegularFile(path, maxBytes);
    const bool missing = path.empty() && (errno == ENOENT || errno == ENOTDIR);
    return {missing ? FileReadStatus::Missing : FileReadStatus::NotReadable, {}};
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (IsWebAddress(target))
        OpenWebPage(target, this);
    else if (InFolder(Resolve(target)))
        setSource(target);
    // Any other link (mail, other programs' schemes, files elsewhere) leads nowhere.
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = source().isValid() ? source().resolved(name) : HelpRoot.resolved(name);
    switch (type) {
    case QTextDocument::ImageResource: return Picture(Read(url, MaxPictureFileSize), pictureBytesLeft_);
    case QTextDocument::StyleSheetResource: {
        const FileRead file = Read(url, MaxStyleSheetSize);
        return file.Status == FileReadStatus::Read ? QString::fromUtf8(Bytes(file)) : QString(QLatin1String(""));
    }
    case QTextDocument::HtmlResource:
    case QTextDocument::MarkdownResource:
    case QTextDocument::UnknownResource: return Page(url, type);
    default: return QByteArray("");
    }
}

QVariant HelpBrowser::Page(const QUrl& url, int type) {
    pictureBytesLeft_ = MaxPictureBytesPerPage;
    const FileRead file = Read(url, HelpPageBound::MaxBytes);
    if (file.Status == FileReadStatus::Read && type != QTextDocument::MarkdownResource) {
        // Measured as the very text Qt will read, whatever encoding the page declares.
        const QByteArray bytes = Bytes(file);
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
        const QString page = decoder(bytes);
        const QByteArray text = page.toUtf8();
        if (HelpPageBound::Admits(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))))
            return page;
    }
    const QString fileName = QFileInfo(url.path()).fileName();
    const QString sentence = file.Status == FileReadStatus::Missing
                                 ? tr("Soubor nápovědy %1 nebyl nalezen v domovské složce programu.").arg(fileName)
                                 : tr("Soubor nápovědy %1 v domovské složce programu nelze přečíst.").arg(fileName);
    return type == QTextDocument::MarkdownResource ? sentence
                                                   : QStringLiteral("<p>") + sentence.toHtmlEscaped() + "</p>";
}

HelpViewer::HelpViewer(const ProgramFolder& folder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Zurk3 - Nápověda"));
    resize(640, 520);
    CenterForm(*this);

    browser_ = new HelpBrowser(folder, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setSource(HelpRoot.resolved(QUrl(HelpFileName(folder))));
}

QString HelpViewer::HelpFileName(const ProgramFolder& folder) {
    const QString czech = QStringLiteral("Zurk3.hlp");
    //: The help file in the language of the translation, beside the Czech Zurk3.hlp in the
    //: program's folder, e.g. Zurk3.en.hlp.
    const QString translated = tr("Zurk3.hlp");
    return folder.HasEntry(QFile::encodeName(translated).toStdString()) ? translated : czech;
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
