#include "dialogs/HelpViewer.h"

#include <QFile>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/OpenWebPage.h"
#include "dialogs/WindowPlacement.h"
#include "pond/RegularFile.h"
#include "resources/HelpPageFilter.h"
#include "resources/HelpPictures.h"
#include "resources/WebAddress.h"

namespace {
// The look of our help, the same for every page: the page itself may bring no style.
const QString HelpStyle = QStringLiteral(
    "body { font-family: sans-serif; }"
    "h1, h2, h3 { color: #806000; }"
    "h2 { margin-top: 18px; }"
    "th { background-color: #d8e8e8; text-align: left; }"
    "i { color: #305030; }");
QByteArrayView Bytes(const FileRead& file) { return {file.Bytes.data(), static_cast<qsizetype>(file.Bytes.size())}; }

// The picture named, from the folder, decoded within what the page has left for pictures. One
// that cannot be shown takes no room, as a missing one does: the page reads on without it.
QImage Picture(const ProgramFolder& folder, const QString& name, HelpPictures& pictures) {
    const FileRead file = folder.Read(name.toStdString(), HelpPictures::MaxFileSize);
    const QImage picture = file.Status == FileReadStatus::Read ? pictures.Decode(Bytes(file)) : QImage();
    return picture.isNull() ? HelpBrowser::NoPicture() : picture;
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
    if (file.Status == FileReadStatus::Missing) {
        browser_->setPlainText(tr("Soubor nápovědy %1 nebyl nalezen v domovské složce programu.").arg(fileName));
        return;
    }
    const std::variant<HelpPage, HelpPageRefusal> filtered =
        file.Status == FileReadStatus::Read
            ? HelpPageFilter::Filter({reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size()})
            : std::variant<HelpPage, HelpPageRefusal>(
                  file.Status == FileReadStatus::TooLarge ? HelpPageRefusal::TooLarge : HelpPageRefusal::Unreadable);
    if (const HelpPageRefusal* refusal = std::get_if<HelpPageRefusal>(&filtered)) {
        browser_->setPlainText(Refusal(fileName, *refusal));
        return;
    }
    const HelpPage& page = std::get<HelpPage>(filtered);
    // Every picture is in the document before Qt reads the page, so Qt never has to look for one.
    HelpPictures pictures;
    for (const QString& name : page.Pictures)
        browser_->document()->addResource(QTextDocument::ImageResource, QUrl(name), Picture(folder, name, pictures));
    browser_->setHtml(page.Html);
}

QString HelpViewer::Refusal(const QString& fileName, HelpPageRefusal refusal) {
    switch (refusal) {
    case HelpPageRefusal::TooLarge:
        return tr("Soubor nápovědy %1 v domovské složce programu je příliš velký: nápověda smí mít nejvýše %2 KiB.")
            .arg(fileName, QString::number(HelpPageFilter::MaxBytes >> 10));
    case HelpPageRefusal::NotUtf8Text:
        return tr("Soubor nápovědy %1 v domovské složce programu není text v kódování UTF-8.").arg(fileName);
    case HelpPageRefusal::NestedTooDeep:
        return tr("Soubor nápovědy %1 v domovské složce programu má značky vnořené hlouběji než do %2 úrovní.")
            .arg(fileName, QString::number(HelpPageFilter::MaxNesting));
    case HelpPageRefusal::Unreadable: break;
    }
    return tr("Soubor nápovědy %1 v domovské složce programu nelze přečíst.").arg(fileName);
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
