#include "dialogs/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/OpenWebPage.h"
#include "dialogs/WebAddress.h"
#include "dialogs/WindowPlacement.h"
#include "pond/RegularFile.h"

namespace {
const QString HelpFileName = QStringLiteral("Zurk3.hlp");
// Far more than any help needs; a larger file is no help file.
constexpr std::size_t MaxHelpFileSize = 4u << 20;
// Every level of tables inside tables doubles the time a page takes to lay out, so a few
// kilobytes of deeply nested tables would hold the game for good. Real help pages nest a few.
constexpr int MaxTableNesting = 8;

int TableNesting(const QByteArray& page) {
    const QByteArray text = page.toLower();
    int depth = 0;
    int deepest = 0;
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        if (text.mid(at, 6) == "<table")
            deepest = std::max(deepest, ++depth);
        else if (text.mid(at, 7) == "</table")
            depth = std::max(0, depth - 1);
    }
    return deepest;
}

QString Page(const QString& sentence) {
    return QStringLiteral("<p>") + sentence.toHtmlEscaped() + QStringLiteral("</p>");
}
}  // namespace

HelpBrowser::HelpBrowser(const QString& folder, QWidget* parent)
    : QTextBrowser(parent), folder_(QFileInfo(folder).canonicalFilePath()) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QString HelpBrowser::FileInFolder(const QUrl& url) const {
    if (!url.isLocalFile() || folder_.isEmpty()) return {};
    // Resolved through every link, so a link inside the folder cannot lead out of it.
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return path.startsWith(folder_ + QLatin1Char('/')) ? path : QString();
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (IsWebAddress(target))
        OpenWebPage(target, this);
    else if (!FileInFolder(target).isEmpty())
        setSource(target);
    // Any other link (mail, other programs' schemes, files elsewhere) leads nowhere.
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const bool page = type == QTextDocument::HtmlResource || type == QTextDocument::UnknownResource;
    const QUrl url = source().isValid() ? source().resolved(name) : name;
    const QString path = FileInFolder(url);
    FileRead file{FileReadStatus::NotReadable, {}};  // anything outside the folder stays unread
    if (!path.isEmpty())
        file = ReadRegularFile(QFile::encodeName(path).toStdString(), MaxHelpFileSize);
    else if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        file.Status = FileReadStatus::Missing;
    QByteArray bytes(reinterpret_cast<const char*>(file.Bytes.data()), static_cast<qsizetype>(file.Bytes.size()));
    if (file.Status == FileReadStatus::Read && !(page && TableNesting(bytes) > MaxTableNesting)) return bytes;
    if (!page) return {};
    const QString fileName = QFileInfo(url.path()).fileName();
    return Page(file.Status == FileReadStatus::Missing
                    ? QStringLiteral("Soubor nápovědy %1 nebyl nalezen v domovské složce programu.").arg(fileName)
                    : QStringLiteral("Soubor nápovědy %1 v domovské složce programu nelze přečíst.").arg(fileName));
}

HelpViewer::HelpViewer(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Zurk3 - Nápověda"));
    resize(640, 520);
    CenterForm(*this);

    browser_ = new HelpBrowser(folder, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setSource(QUrl::fromLocalFile(QDir(folder).filePath(HelpFileName)));
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
