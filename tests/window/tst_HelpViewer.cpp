#include <QElapsedTimer>
#include <QImageWriter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "CostlyHelpPage.h"
#include "GameWindow.h"
#include "ResidentMemory.h"
#include "UrlWatch.h"
#include "dialogs/HelpViewer.h"
#include "resources/HelpPageFilter.h"

// The help opens Zurk3.hlp from the program's folder at its topic, shows only what a help page
// needs, and reads nothing but the page and its pictures from that folder.
class HelpViewerTest : public QObject {
    Q_OBJECT

private:
    // Every scheme a hostile help page might try is watched; none may reach the desktop unasked.
    UrlWatch watch_{{"http", "https", "file", "javascript", "data", "smb", "mailto"}};
    std::unique_ptr<QTemporaryDir> dir_;

    void Write(const QString& name, const QByteArray& content) const { WriteFile(dir_->filePath(name), content); }
    static void WritePicture(const QString& path, QSize size) {
        QImage picture(size, QImage::Format_ARGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(path, "png"));
    }
    static QTextBrowser* Browser(const HelpViewer& viewer) { return viewer.findChild<QTextBrowser*>(); }
    static QString Shown(const HelpViewer& viewer) { return Browser(viewer)->toPlainText(); }
    static QString Filtered(const QByteArray& page) {
        const std::variant<HelpPage, HelpPageRefusal> filtered = HelpPageFilter::Filter(page.toStdString());
        return std::holds_alternative<HelpPage>(filtered) ? std::get<HelpPage>(filtered).Html
                                                          : QStringLiteral("(refused)");
    }
    // The size of every picture the page shows, as Qt would draw it.
    static QList<QSize> PictureSizes(const QTextDocument& document) {
        QList<QSize> sizes;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                if (const QTextFormat format = fragment.fragment().charFormat(); format.isImageFormat())
                    sizes << document.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                                 .value<QImage>()
                                 .size();
        return sizes;
    }

private slots:
    void init() {
        watch_.opened.clear();
        dir_ = std::make_unique<QTemporaryDir>();
    }

    // A page the parser would cut or garble is refused, and says why. (A help that is missing or
    // cannot be read is the unreadable files' test's.)
    void aRefusedHelpFileIsSaidInCzech() {
        const QString file = QStringLiteral("Soubor nápovědy Zurk3.hlp v domovské složce programu ");
        const QString notUtf8 = QStringLiteral("není text v kódování UTF-8.");
        const std::pair<QByteArray, QString> refused[] = {
            {QByteArray(HelpPageFilter::MaxBytes + 1, 'x'),
             QStringLiteral("je příliš velký: nápověda smí mít nejvýše 128 KiB.")},
            {QByteArray("<p>a\0b", 6), notUtf8},
            {QByteArray("\xff\xfe\0\0<\0\0\0", 8), notUtf8},  // UTF-32
            {QByteArray("\xfe\xff\x30\x42"), notUtf8},        // UTF-16 without a NUL byte
            {QByteArray("<b>").repeated(300), QStringLiteral("má značky vnořené hlouběji než do 128 úrovní.")},
        };
        for (const auto& [page, why] : refused) {
            Write(QStringLiteral("Zurk3.hlp"), page);
            QCOMPARE(Shown(HelpViewer(dir_->path())), file + why);
        }
        Write(QStringLiteral("Zurk3.hlp"), QByteArray(HelpPageFilter::MaxBytes, 'x'));
        QCOMPARE(Shown(HelpViewer(dir_->path())).remove(QChar(0x200b)).size(), HelpPageFilter::MaxBytes);
    }

    // Both helps as the game ships them keep every word, every topic and every link within the
    // allow-list, and the look the viewer gives them.
    void ourHelpKeepsItsTopicsLinksAndLook() {
        for (const char* name : {"Zurk3.hlp", "Zurk3.en.hlp"}) {
            QFile file(QStringLiteral(ZURK3_PROGRAM_DIR "/") + QString::fromLatin1(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray page = file.readAll();
            const QString filtered = Filtered(page);
            for (int topic = 1000; topic <= 1070; topic += 10) {
                QVERIFY2(filtered.contains(QStringLiteral("<a name=\"%1\">").arg(topic)), name);
                QVERIFY2(topic == 1000 || filtered.contains(QStringLiteral("<a href=\"#%1\">").arg(topic)), name);
            }
            QCOMPARE(filtered.count(QStringLiteral("<th>")), 7);
            QCOMPARE(filtered.count(QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">")), 3);
            QTextDocument asWritten;
            asWritten.setHtml(QString::fromUtf8(page));
            QTextDocument shown;
            shown.setHtml(filtered);
            QCOMPARE(shown.toPlainText(), asWritten.toPlainText());
        }
        HelpViewer viewer(ProgramFolder(QStringLiteral(ZURK3_PROGRAM_DIR)));
        const QTextDocument& document = *Browser(viewer)->document();
        const QTextBlock heading = document.begin();
        QCOMPARE(heading.text(), QStringLiteral("Zurk3"));
        QCOMPARE(heading.begin().fragment().charFormat().foreground().color(), QColor(0x80, 0x60, 0x00));
    }

    // What the filter writes of each kind of element and attribute, and where it leaves them out.
    void theFilterKeepsOnlyTheAllowList() {
        const std::pair<const char*, const char*> pages[] = {
            {"<p style=\"line-height:1e8%\" class=x id=y onclick=z>a", "<p>a</p>"},
            {"<style>@import \"x\";</style><link rel=stylesheet href=x><script>alert(1)</script><p>a", "<p>a</p>"},
            {"<h1 align=center>a</h1><h2>b</h2><h3>c</h3><h4>d</h4><div><span><font size=100>e</font></span></div>",
             "<h1>a</h1><h2>b</h2><h3>c</h3>de"},
            {"<p><b>a</b><i>b</i><small>c</small><u>d</u><big>e</big><br>f<hr>",
             "<p><b>a</b><i>b</i><small>c</small>de<br>f</p><hr>"},
            {"<a href=\"#1010\" name=\"1000\" title=t>a</a><a href=\"#a b\" name=\"../x\">b</a>",
             "<a href=\"#1010\" name=\"1000\">a</a><a>b</a>"},
            {"<a href=\"javascript:alert(1)\">a</a><a href=\"file:///etc/passwd\">b</a><a href=\"dalsi.html\">c</a>"
             "<a href=\"data:text/html,x\">d</a><a href=\"https://zurk3.example.org/n&aacute;vod?a=1&amp;b=2\">e</a>",
             "<a>a</a><a>b</a><a>c</a><a>d</a><a href=\"https://zurk3.example.org/n%C3%A1vod?a=1&amp;b=2\">e</a>"},
            {"<table border=1 cellspacing=100 cellpadding=4 width=100000><tr><td colspan=1000 rowspan=9>a</table>",
             "<table border=\"1\" cellpadding=\"4\"><tr><td>a</td></tr></table>"},
            {"<table><tr><td>a<table><tr><td>b</table></table>", "<table><tr><td>ab</td></tr></table>"},
            {"<p>&lt;img src=x&gt; &amp;amp; \"q\" &#x202e;a&#x202a;b&#x2066;c&#x2069;&#x200f;\xd7\x90</p>",
             "<p>&lt;img src=x&gt; &amp;amp; &quot;q&quot; abc\u200f\u05d0</p>"},
            {"<ul><li>1<ul><li>2<ol><li>3<ul><li>4<ul><li>5</ul></ul></ol></ul></ul>",
             "<ul><li>1<ul><li>2<ol><li>3<ul><li>45</li></ul></li></ol></li></ul></li></ul>"},
            {"<b><i><small><a href=#x><b>a</b></a></small></i></b>",
             "<b><i><small><a href=\"#x\">a</a></small></i></b>"},
            {"<a href=#x>a<a href=#y>b</a></a>", "<a href=\"#x\">a</a><a href=\"#y\">b</a>"},
            {"<li>a</li><tr><td>b</td></tr><ul>c<li>d</ul>", "ab<ul><li>d</li></ul>"},
        };
        for (const auto& [page, written] : pages) QCOMPARE(Filtered(page), QString::fromUtf8(written));
    }

    // Lists and tables past their length go on as new ones; a row keeps its first cells; the
    // page keeps its first pictures, each named once.
    void theFilterKeepsPagesWithinItsLimits() {
        const QString items = Filtered("<ol>" + QByteArray("<li>x").repeated(HelpPageFilter::MaxListItems + 2));
        QCOMPARE(items.count(QStringLiteral("<li>")), HelpPageFilter::MaxListItems + 2);
        QVERIFY(items.endsWith(QStringLiteral("</ol><ol type=\"none\"><li>101. x</li><li>102. x</li></ol>")));
        const QString rows =
            Filtered("<table border=1>" + QByteArray("<tr><td>x").repeated(HelpPageFilter::MaxTableRows + 1));
        QCOMPARE(rows.count(QStringLiteral("<table border=\"1\">")), 2);
        QCOMPARE(rows.count(QStringLiteral("<tr>")), HelpPageFilter::MaxTableRows + 1);
        QCOMPARE(Filtered("<table><tr>" + QByteArray("<td>x").repeated(HelpPageFilter::MaxRowCells + 1))
                     .count(QStringLiteral("<td>")),
                 HelpPageFilter::MaxRowCells);
        const QString cells =
            Filtered(QByteArray("<table><tr><td>x<td>x</table>").repeated(HelpPageFilter::MaxTableCells));
        QCOMPARE(cells.count(QStringLiteral("<td>")), HelpPageFilter::MaxTableCells);
        QVERIFY(cells.contains(QStringLiteral("</td></tr></table>xx")));
        // A word breaks where it grows past its length, across the inline elements it runs through.
        const QByteArray word(HelpPageFilter::MaxWordLength - 1, 'w');
        QCOMPARE(Filtered("<p>" + word + "<b>ww</b> " + word + "w</p><p>w"),
                 QStringLiteral("<p>") + word + "<b>w\u200bw</b> " + word + "w</p><p>w</p>");
        // Bytes that are no UTF-8 are each a character to Qt, and so to the filter.
        QCOMPARE(Filtered("<p>" + QByteArray("\xb8\x80").repeated(HelpPageFilter::MaxWordLength / 2 + 1)),
                 "<p>" + QString(HelpPageFilter::MaxWordLength, QChar(0xfffd)) + "\u200b\ufffd\ufffd</p>");
        const QByteArray accent = "\xcc\x81";
        QCOMPARE(
            Filtered("<p>a" + accent.repeated(HelpPageFilter::MaxMarksOnALetter + 1) + "b" + accent),
            QString::fromUtf8("<p>a" + accent.repeated(HelpPageFilter::MaxMarksOnALetter) + "b" + accent + "</p>"));
        const HelpPage pictures = std::get<HelpPage>(HelpPageFilter::Filter(
            ("<img src=\"./a.png\"><img src=\"../a.png\"><img src=\"/tmp/a.png\"><img src=\".a.png\">"
             "<img src=\"a.gif\"><img src=\"file:a.png\"><img src=\"a.png?1\"><img src=\"data:image/png;base64,AA\">" +
             QByteArray("<img src=\"a.png\"><img src=b.png>").repeated(HelpPageFilter::MaxPictures))
                .toStdString()));
        QCOMPARE(pictures.Pictures, (QStringList{QStringLiteral("a.png"), QStringLiteral("b.png")}));
        QCOMPARE(pictures.Html.count(QStringLiteral("<img")), HelpPageFilter::MaxPictures);
    }

    // A page naming a file by a style sheet and then as a picture, from a FIFO, a device, a path
    // elsewhere or the current folder: the help reads only plain names in its folder, through the
    // game's reader, and Qt opens nothing by itself.
    void picturesComeFromTheFolderAloneByPlainName() {
        QTemporaryDir elsewhere, current;
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(here); });
        WritePicture(dir_->filePath(QStringLiteral("a.png")), {3, 2});
        WritePicture(elsewhere.filePath(QStringLiteral("secret.png")), {5, 5});
        WritePicture(current.filePath(QStringLiteral("secret.png")), {7, 7});
        const QByteArray fifos[] = {QFile::encodeName(dir_->filePath(QStringLiteral("fifo.png"))),
                                    QFile::encodeName(elsewhere.filePath(QStringLiteral("fifo.png")))};
        for (const QByteArray& fifo : fifos) QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir_->filePath(QStringLiteral("zero.png"))));
        QByteArray page = "<p>Obrázky";
        for (const QByteArray& name :
             {fifos[0], fifos[1], QByteArray("fifo.png"), QFile::encodeName(elsewhere.filePath("secret.png")),
              QByteArray("secret.png"), QByteArray("zero.png"), QByteArray("/etc/shadow"), QByteArray("a.png")})
            page += "<style>@import \"" + name + "\";</style><link rel=stylesheet href=\"" + name + "\"><img src=\"" +
                    name + "\">";
        Write(QStringLiteral("Zurk3.hlp"), page);
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
        viewer.grab();  // painted, pictures and all
        done = true;
        watch.join();
        QVERIFY(!read);
        QCOMPARE(Shown(viewer).left(7), QStringLiteral("Obrázky"));
        QList<QSize> sizes = PictureSizes(*Browser(viewer)->document());
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, (QList<QSize>{{1, 1}, {1, 1}, {1, 1}, {3, 2}}));
    }

    // The most pictures a page may name, each the costliest there is: the page takes no more than
    // the pictures it may keep (as many whole as the page's budget holds), generously counted, as
    // the pictures' text is never inflated.
    void aPageOfCostlyPicturesCostsNoMoreThanItsPictures() {
        QVERIFY(WriteCostlyHelpPage(dir_->path()));
        QVERIFY(ResidentMemory::ResetPeak());
        const long long before = ResidentMemory::Now();
        const HelpViewer viewer(dir_->path());
        QVERIFY2(ResidentMemory::Peak() - before < 3 * HelpPictures::MaxBytesPerPage,
                 QByteArray::number((ResidentMemory::Peak() - before) >> 20) + " MB");
        const QList<QSize> sizes = PictureSizes(*Browser(viewer)->document());
        QCOMPARE(sizes.count(QSize(HelpPictures::MaxSide, HelpPictures::MaxSide)),
                 HelpPictures::MaxBytesPerPage / (qsizetype{4} * HelpPictures::MaxSide * HelpPictures::MaxSide));
    }

    // Pages that once held the game for good or for minutes, or took gigabytes: each is shown
    // soon, within a sane height.
    void hostilePagesAreShownSoon() {
        WritePicture(dir_->filePath(QStringLiteral("a.png")), {3, 2});
        const QByteArray pages[] = {
            QByteArray("<p style=\"line-height:100000000%\">x</p>").repeated(2),
            QByteArray("<p style=\"margin-top:10000000px\">x</p>").repeated(2) +
                "<img src=a.png width=100000000 height=100000000>",
            "<table>" + QByteArray("<tr><td colspan=10000 rowspan=10000>x").repeated(300) + "</table>",
            "<style>" + QByteArray("*{}").repeated(5000) + "</style><p>x",
            "<style>" + QByteArray("@import \"b.css?1\";").repeated(4000) + "</style><p>x",
            "<ol>" + QByteArray("<li>x").repeated(12000) + "</ol>",
            "<p>a" + QByteArray("\xcc\x81").repeated(60000),
            "<table border=1>" + QByteArray("<tr><td>a<td>b<td>c").repeated(6800) + "</table>",
            "<p>" + QByteArray("a\xd7\x90").repeated(43000),
            "<p>" + QByteArray("<b>a</b>a").repeated(14000),
        };
        Write(QStringLiteral("b.css"), QByteArray(64 << 10, '*'));
        for (const QByteArray& page : pages) {
            Write(QStringLiteral("Zurk3.hlp"), page);
            QElapsedTimer timer;
            timer.start();
            HelpViewer viewer(dir_->path());
            QTextDocument& document = *Browser(viewer)->document();
            document.setTextWidth(620);
            const qreal height = document.size().height();
            QVERIFY2(timer.elapsed() < 15000, page.left(40).constData());
            QVERIFY2(height > 0 && height < 1e6, page.left(40).constData());
            QVERIFY(!Shown(viewer).trimmed().isEmpty());
        }
    }

    // The help opens at its topic, and of a page's links follows only topics and web pages.
    void opensAtItsTopicAndFollowsOnlyTopicAndWebLinks() {
        const QByteArray lines = QByteArray("<p>řádek</p>").repeated(200);
        Write(QStringLiteral("Zurk3.hlp"), "<p>Hlavní</p>" + lines + "<h2><a name=\"1010\"></a>Cíl</h2>" + lines);
        Write(QStringLiteral("dalsi.html"), "<p>Druhá stránka</p>");
        HelpViewer viewer(dir_->path());
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Zurk3 - Nápověda"));
        viewer.ShowTopic(1010);
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTextBrowser* browser = Browser(viewer);
        QVERIFY(WaitFor([&] { return browser->verticalScrollBar()->value() > 0; }));
        browser->verticalScrollBar()->setValue(0);
        for (const char* link : {"javascript:alert(1)", "data:text/html,x", "smb://host/share", "mailto:a@b.cz",
                                 "file:///etc/passwd", "dalsi.html", "dalsi.html#1010"}) {
            emit browser->anchorClicked(QUrl(QString::fromLatin1(link)));
            QVERIFY2(Shown(viewer).startsWith(QStringLiteral("Hlavní")), link);
            QCOMPARE(browser->verticalScrollBar()->value(), 0);
        }
        QVERIFY(watch_.opened.isEmpty());
        emit browser->anchorClicked(QUrl(QStringLiteral("https://zurk3.example.org/navod")));
        QCOMPARE(watch_.opened, QList<QUrl>{QUrl(QStringLiteral("https://zurk3.example.org/navod"))});
        emit browser->anchorClicked(QUrl(QStringLiteral("#1010")));
        QVERIFY(browser->verticalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
