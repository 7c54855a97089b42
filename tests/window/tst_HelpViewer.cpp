#include <QDesktopServices>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <sys/stat.h>

#include "dialogs/HelpViewer.h"

// The help opens Zurk3.hlp from the program's folder at its topic, and keeps to that folder.
class HelpViewerTest : public QObject {
    Q_OBJECT

public slots:
    void Open(const QUrl& url) { opened << url; }

private:
    // Every scheme a hostile help page might try is watched; none may reach the desktop unasked.
    static constexpr const char* Schemes[] = {"http", "https", "file", "javascript", "data", "smb", "mailto"};
    QList<QUrl> opened;
    std::unique_ptr<QTemporaryDir> dir_;

    void Write(const QString& name, const QByteArray& content) const {
        QFile file(dir_->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QTextBrowser* Browser(const HelpViewer& viewer) { return viewer.findChild<QTextBrowser*>(); }
    static QString Shown(const HelpViewer& viewer) { return Browser(viewer)->toPlainText(); }

private slots:
    void initTestCase() {
        for (const char* scheme : Schemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    void cleanupTestCase() {
        for (const char* scheme : Schemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    void init() {
        opened.clear();
        dir_ = std::make_unique<QTemporaryDir>();
    }

    void opensTheHelpFileAtItsTopic() {
        const QByteArray lines = QByteArray("<p>řádek</p>").repeated(200);
        Write(QStringLiteral("Zurk3.hlp"),
              "<h1>Úvod</h1>" + lines + "<h2><a name=\"1000\"></a>Obsah nápovědy</h2>" + lines);

        HelpViewer viewer(dir_->path());
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Zurk3 - Nápověda"));
        viewer.ShowTopic(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(Shown(viewer).contains(QStringLiteral("Obsah nápovědy")));
        QTRY_VERIFY(Browser(viewer)->verticalScrollBar()->value() > 0);
    }

    void aMissingOrUnreadableHelpFileIsSaidInCzech() {
        QCOMPARE(Shown(HelpViewer(dir_->path())),
                 QStringLiteral("Soubor nápovědy Zurk3.hlp nebyl nalezen v domovské složce programu."));
        // A FIFO would block for ever, and tables nested deep would take for ever to lay out.
        QVERIFY(::mkfifo(QFile::encodeName(dir_->filePath(QStringLiteral("Zurk3.hlp"))).constData(), 0600) == 0);
        const QString unreadable =
            QStringLiteral("Soubor nápovědy Zurk3.hlp v domovské složce programu nelze přečíst.");
        QCOMPARE(Shown(HelpViewer(dir_->path())), unreadable);
        QVERIFY(QFile::remove(dir_->filePath(QStringLiteral("Zurk3.hlp"))));
        Write(QStringLiteral("Zurk3.hlp"), QByteArray("<table><tr><td>").repeated(30) + "x");
        QCOMPARE(Shown(HelpViewer(dir_->path())), unreadable);
    }

    void onlyWebLinksLeaveAndOnlyTheFolderIsRead() {
        Write(QStringLiteral("Zurk3.hlp"), "<p>Hlavní<img src=\"secret.png\"></p>");
        Write(QStringLiteral("dalsi.html"), "<p>Druhá stránka</p>");
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath(QStringLiteral("cizi.html"));
        QVERIFY(QFile::copy(dir_->filePath(QStringLiteral("dalsi.html")), outside));
        QVERIFY(QFile::link(outside, dir_->filePath(QStringLiteral("odkaz.html"))));

        HelpViewer viewer(dir_->path());
        QTextBrowser* browser = Browser(viewer);
        for (const char* link : {"javascript:alert(1)", "data:text/html,x", "smb://host/share", "mailto:a@b.cz",
                                 "file:///etc/passwd", "../cizi.html", "odkaz.html"}) {
            emit browser->anchorClicked(QUrl(QString::fromLatin1(link)));
            QVERIFY2(Shown(viewer).startsWith(QStringLiteral("Hlavní")), link);
        }
        QVERIFY(opened.isEmpty());
        QVERIFY(browser->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(outside)).isNull());

        emit browser->anchorClicked(QUrl(QStringLiteral("https://zurk3.example.org/navod")));
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://zurk3.example.org/navod"))});
        emit browser->anchorClicked(QUrl(QStringLiteral("dalsi.html")));
        QCOMPARE(Shown(viewer), QStringLiteral("Druhá stránka"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
