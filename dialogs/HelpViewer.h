#pragma once
#include <QTextBrowser>
#include <QWidget>

// The help browser keeps to the program's folder: it reads pages, pictures and style sheets only
// from there, only from regular files of sensible size, and follows links to web pages out to the
// desktop's browser and every other link nowhere.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const QString& folder, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void FollowLink(const QUrl& link);
    // The local file a link or resource names, if it lies inside the program's folder; else empty.
    QString FileInFolder(const QUrl& url) const;

    QString folder_;
};

// The help: Zurk3.hlp (or its translation) from the program's folder, an HTML file whose topics are anchors,
// opened at the topic it was asked for.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer(const QString& folder, QWidget* parent = nullptr);

    // Shows the help at a topic (1000 is the contents).
    void ShowTopic(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The help in the player's language when the folder holds it, else the Czech one.
    static QString HelpFileName(const QString& folder);

    HelpBrowser* browser_;
    QString topic_;
};
