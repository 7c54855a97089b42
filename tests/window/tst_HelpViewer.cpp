#include <QDesktopServices>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "dialogs/HelpPageBound.h"
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
        // Not QTRY_VERIFY: Qt 6.8's narrows its timeout to int, which -Wconversion reports here.
        QVERIFY(QTest::qWaitFor([&] { return Browser(viewer)->verticalScrollBar()->value() > 0; }));
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
        // Pages over the bound, however their nesting hides; the bound is read as Qt reads.
        for (const QByteArray& page :
             {QByteArray("<table><tr><td>").repeated(30) + "x",
              QByteArray("<table><tr><td><!--</table>-->").repeated(100),
              QByteArray("<table title=\"</table>\"><tr><td>").repeated(100),
              QByteArray("< table><tr><td>").repeated(100), QByteArray("<ul><li>").repeated(10000),
              QByteArray("<b>").repeated(200000), QByteArray("<t&#97;ble>x")}) {
            Write(QStringLiteral("Zurk3.hlp"), page);
            QCOMPARE(Shown(HelpViewer(dir_->path())), unreadable);
        }
        Write(QStringLiteral("Zurk3.hlp"),
              QByteArray("<table><tr><td>").repeated(4) + QByteArray("<p>pět").repeated(100));
        QVERIFY(Shown(HelpViewer(dir_->path())).trimmed().startsWith(QStringLiteral("pět")));
    }

    // Wherever Qt's reader finds a table, the bound counts one, and at least as deep.
    void theBoundCountsEveryTableQtFinds() {
        for (const char* page :
             {"<td>y", "<th>y", "<tr><td>y", "<p><table><tr><td><b>x<p>y", "<table><tr><td><!--</table>-->y",
              "<table><tr><td><table title=\"</table>\"><tr><td>y", "<table><tr><td>< table><tr><td>y",
              "<table><tr><td><table/><tr><td>y", "<table><tr><td><table =</table>><tr><td>y",
              "<table><tr><td><b <table>><tr><td>y", "<table><tr><td><table><tr><td>x</table/>y",
              "<table><tr><td><\u00a0table><tr><td><p><table><tr><td>y", "<table><tr><td><table><tr><td></b></td>y"}) {
            QTextDocument document;
            document.setHtml(QString::fromUtf8(page));
            int deepest = 0;
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                int tables = 0;
                for (QTextFrame* frame = QTextCursor(block).currentFrame(); frame; frame = frame->parentFrame())
                    tables += qobject_cast<QTextTable*>(frame) ? 1 : 0;
                deepest = std::max(deepest, tables);
            }
            QVERIFY2(HelpPageBound::Measure(page).TableNesting >= deepest, page);
        }
    }

    // Pictures and style sheets come through the game's own reader only: a FIFO, a device, a link
    // out of the folder or a path elsewhere is never opened, by the help or by Qt behind it.
    void picturesAndStyleSheetsNeverOpenAnythingElse() {
        QTemporaryDir elsewhere;
        const QByteArray fifos[] = {QFile::encodeName(dir_->filePath(QStringLiteral("fifo.png"))),
                                    QFile::encodeName(elsewhere.filePath(QStringLiteral("fifo")))};
        for (const QByteArray& fifo : fifos) QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir_->filePath(QStringLiteral("zero.png"))));
        QVERIFY(QFile::link(QStringLiteral("/etc/passwd"), dir_->filePath(QStringLiteral("passwd.css"))));
        Write(QStringLiteral("Zurk3.hlp"),
              "<link rel=stylesheet href=fifo.png/><link rel=stylesheet href=passwd.css/>"
              "<p>Obrázky<img src=fifo.png><img src=zero.png><img src=\"" +
                  fifos[1] + "\"><img src=\"file://" + fifos[1] + "\"><img src=/etc/passwd></p>");
        // A reader of a FIFO shows as a writer that can open it; the writer's close sets it free.
        std::atomic<bool> read = false, done = false;
        std::thread watch([&] {
            for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(5)))
                for (const QByteArray& fifo : fifos)
                    if (const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK); writer >= 0) {
                        read = true;
                        ::close(writer);
                    }
        });
        HelpViewer viewer(dir_->path());
        viewer.ShowTopic(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTest::qWait(100);
        done = true;
        watch.join();
        QVERIFY(!read);
        QVERIFY(Shown(viewer).startsWith(QStringLiteral("Obrázky")));
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
        QCOMPARE(
            browser->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(outside)).value<QImage>().size(),
            QSize(1, 1));

        emit browser->anchorClicked(QUrl(QStringLiteral("https://zurk3.example.org/navod")));
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://zurk3.example.org/navod"))});
        emit browser->anchorClicked(QUrl(QStringLiteral("dalsi.html")));
        QCOMPARE(Shown(viewer), QStringLiteral("Druhá stránka"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
