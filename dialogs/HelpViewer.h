#pragma once
#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "dialogs/ProgramFolder.h"
#include "pond/RegularFile.h"

// The help browser keeps to the program's folder: it reads pages, pictures and style sheets only
// from there, only from regular files of sensible size, pages only within what a help page may
// cost, and follows links to web pages out to the desktop's browser and every other link nowhere.
// Qt never opens a file of the help by itself: every resource comes from here, a refused one as an
// empty one. The help's addresses name the folder as their root, so nothing above it can be named.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const ProgramFolder& folder, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void FollowLink(const QUrl& link);
    // The file a help address names, resolved through every link; empty when it leads nowhere.
    std::string Resolve(const QUrl& url) const;
    bool InFolder(const std::string& path) const;
    FileRead Read(const QUrl& url, std::size_t maxBytes) const;
    QVariant Page(const QUrl& url, int type);

    std::string folder_;                // resolved through every link
    std::size_t pictureBytesLeft_ = 0;  // what the pictures of the page in view may still take
};

// The help: Zurk3.hlp (or its translation) from the program's folder, an HTML file whose topics are anchors,
// opened at the topic it was asked for.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer(const ProgramFolder& folder, QWidget* parent = nullptr);

    // Shows the help at a topic (1000 is the contents).
    void ShowTopic(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The help in the player's language when the folder holds it, else the Czech one.
    static QString HelpFileName(const ProgramFolder& folder);

    HelpBrowser* browser_;
    QString topic_;
};
