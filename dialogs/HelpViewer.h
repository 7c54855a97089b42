#pragma once
#include <QTextBrowser>
#include <QWidget>

#include "resources/HelpPageFilter.h"
#include "resources/ProgramFolder.h"

// The help browser shows one page it is given, whole, and loads nothing by itself: Qt asks it for
// a resource only when the page names one it was not given, and gets a blank picture whatever it
// asks for, so Qt never looks for a file on its own either. Links to topics scroll the page, links
// to web pages go out to the desktop's browser, and no other link is followed.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;
    // What stands for a picture that cannot be shown: it takes no room.
    static QImage NoPicture();

private:
    void FollowLink(const QUrl& link);
};

// The help: Zurk3.hlp (or its translation) from the program's folder, an HTML file whose topics are
// anchors, reduced to what a help page needs (HelpPageFilter) with its pictures read from the
// folder by their plain names, and opened at the topic it was asked for.
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
    void ShowPage(const ProgramFolder& folder, const QString& fileName);
    // What the viewer says of a page it does not show.
    static QString Refusal(const QString& fileName, HelpPageRefusal refusal);

    HelpBrowser* browser_;
    QString topic_;
};
