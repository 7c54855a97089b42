#include "dialogs/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "app/WindowPlacement.h"

HelpViewer::HelpViewer(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Zurk3 - Nápověda"));
    resize(640, 520);
    CenterForm(*this);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    QFile file(QDir(folder).filePath(QStringLiteral("Zurk3.hlp")));
    if (file.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    else if (!file.exists())
        browser_->setHtml(QStringLiteral(
            "<p>Soubor nápovědy Zurk3.hlp nebyl nalezen v domovské složce programu.</p>"));
    else
        browser_->setHtml(QStringLiteral(
            "<p>Soubor nápovědy Zurk3.hlp v domovské složce programu nelze přečíst.</p>"));
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
