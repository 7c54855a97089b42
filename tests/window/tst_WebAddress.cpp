#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalBoxes.h"
#include "app/frmRybnik.h"
#include "dialogs/WebAddress.h"

// The WWW Zurk command: reading the address file's first item and opening it.
class WebAddressTest : public QObject {
    Q_OBJECT

public slots:
    void Open(const QUrl& url) { opened << url; }

private:
    // Every scheme a hostile address file might try is watched; only web pages may reach the desktop.
    static constexpr const char* Schemes[] = {"http", "https", "file", "javascript", "data", "smb", "ssh", "mailto"};
    QList<QUrl> opened;

    QStringList Choose(const QByteArray& content) {
        QTemporaryDir dir;
        Write(dir, content);
        frmRybnik window(dir.path());
        ModalBoxes boxes;
        window.findChild<QAction*>(QStringLiteral("mnuWWW"))->trigger();
        return boxes.Texts(QStringLiteral("critical"));
    }

    static void Write(const QTemporaryDir& dir, const QByteArray& content) {
        QFile file(dir.filePath(QStringLiteral("WWW_Zurk.txt")));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        for (const char* scheme : Schemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    void cleanupTestCase() {
        for (const char* scheme : Schemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    void init() { opened.clear(); }

    void theFirstItemIsOpened_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("item");
        QTest::newRow("plain") << QByteArray("https://zurk.example/") << QByteArray("https://zurk.example/");
        QTest::newRow("leading spaces") << QByteArray("   https://zurk.example/")
                                        << QByteArray("https://zurk.example/");
        QTest::newRow("cut at the comma")
            << QByteArray("https://zurk.example/a,b") << QByteArray("https://zurk.example/a");
        QTest::newRow("quoted, then more items")
            << QByteArray("\"https://zurk.example/hra,3\",dalsi\r\n") << QByteArray("https://zurk.example/hra,3");
        QTest::newRow("quoted keeps the comma")
            << QByteArray("  \"https://zurk.example/a,b\", rest") << QByteArray("https://zurk.example/a,b");
        QTest::newRow("only the first line")
            << QByteArray("https://one.example/\r\nhttps://two.example/") << QByteArray("https://one.example/");
        QTest::newRow("windows line end")
            << QByteArray("https://zurk.example/\r\n") << QByteArray("https://zurk.example/");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("blank line") << QByteArray("   \r\n") << QByteArray("");
        QTest::newRow("empty quotes") << QByteArray("\"\"") << QByteArray("");
    }

    // The item as read, and the menu opening it without a word, or nothing when it is empty.
    void theFirstItemIsOpened() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, item);
        QCOMPARE(QByteArray::fromStdString(FirstItem(text.toStdString())), item);
        QTemporaryDir dir;
        Write(dir, text);
        frmRybnik window(dir.path());
        ModalBoxes boxes;
        window.findChild<QAction*>(QStringLiteral("mnuWWW"))->trigger();
        QVERIFY(boxes.seen.empty());
        QCOMPARE(opened, item.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(QString::fromUtf8(item))});
    }

    void onlyWebAddressesAreOpened_data() {
        QTest::addColumn<QByteArray>("text");
        for (const char* text : {"file:///etc/passwd", "javascript:alert(1)", "data:text/html,<b>x</b>",
                                 "smb://host/share", "ssh://user@host/", "mailto:zurk@example.org", "/usr/bin/xterm",
                                 "zurk3.example.org", "http:///no-host", "https//zurk3.example.org"})
            QTest::newRow(text) << QByteArray(text);
    }

    void onlyWebAddressesAreOpened() {
        QFETCH(QByteArray, text);
        QCOMPARE(Choose(text), QStringList{QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu "
                                                          "neobsahuje internetovou adresu WWW Zurk !")});
        QVERIFY(opened.isEmpty());
    }

    void aFileGoneSinceStartUpIsReported() {
        QTemporaryDir dir;
        Write(dir, "https://zurk.example/");
        frmRybnik window(dir.path());
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("WWW_Zurk.txt"))));
        ModalBoxes boxes;
        window.findChild<QAction*>(QStringLiteral("mnuWWW"))->trigger();
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].kind, QStringLiteral("critical"));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("V domovské složce programu nelze najít soubor WWW_Zurk.txt, "
                                                    "kde je uložena internetová adresa WWW Zurk !"));
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(WebAddressTest)
#include "tst_WebAddress.moc"
