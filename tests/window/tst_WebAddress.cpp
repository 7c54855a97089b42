#include "GameWindow.h"
#include "ModalBoxes.h"
#include "UrlWatch.h"

// WWW Zurk: the first item of WWW_Zurk.txt, opened only when it is a web address.
class WebAddressTest : public QObject {
    Q_OBJECT

private:
    // Every scheme a hostile address file might try is watched; only web pages may reach the desktop.
    UrlWatch watch_{{"http", "https", "file", "javascript", "data", "smb", "ssh", "mailto"}};

    // The texts of the boxes the command shows with the file holding content; no file at all when
    // content is null.
    static QStringList Choose(const QByteArray& content) {
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("WWW_Zurk.txt")), content);
        GameWindow game(dir.path());
        if (content.isNull())
            QFile::remove(dir.filePath(QStringLiteral("WWW_Zurk.txt")));  // gone since the game started
        ModalBoxes boxes;
        game.Choose("mnuWWW");
        return boxes.Texts();
    }

private slots:
    void init() { watch_.opened.clear(); }

    // Leading blanks and the line end go, an unquoted item ends at a comma, a quoted one keeps it.
    void theFirstItemIsOpened() {
        const std::pair<const char*, const char*> files[] = {
            {"   https://zurk.example/a\r\nx", "https://zurk.example/a"},
            {"http://zurk.example/a,b", "http://zurk.example/a"},
            {" \"https://zurk.example/a,b\",c", "https://zurk.example/a,b"}};
        for (const auto& [text, item] : files) {
            watch_.opened.clear();
            QVERIFY(Choose(text).isEmpty());
            QCOMPARE(watch_.opened, QList<QUrl>{QUrl(QString::fromLatin1(item))});
        }
    }

    void onlyWebAddressesAreOpened() {
        for (const char* text :
             {"file:///etc/passwd", "javascript:alert(1)", "data:text/html,x", "smb://host/share", "ssh://user@host/",
              "mailto:zurk@example.org", "/usr/bin/xterm", "zurk3.example.org", "http:///no-host", "", "\"\"", " \r\n"})
            QCOMPARE(Choose(text), QStringList{QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu "
                                                              "neobsahuje internetovou adresu WWW Zurk !")});
        QVERIFY(watch_.opened.isEmpty());
    }

    // A file gone since start-up, and an address the desktop cannot open (offscreen there is no
    // browser at all), which the box gives to copy.
    void whatCannotBeOpenedIsReported() {
        QCOMPARE(Choose(QByteArray()), QStringList{QStringLiteral("V domovské složce programu nelze najít soubor "
                                                                  "WWW_Zurk.txt, kde je uložena internetová adresa "
                                                                  "WWW Zurk !")});
        QVERIFY(watch_.opened.isEmpty());
        UrlWatch::Release(QStringLiteral("https"));
        const QStringList told = Choose("https://zurk.example/a");
        watch_.Watch(QStringLiteral("https"));
        QCOMPARE(told,
                 QStringList{QStringLiteral("Internetovou adresu nelze otevřít v prohlížeči ! Zkopírujte si ji:\n\n"
                                            "https://zurk.example/a")});
    }

    // The address to copy is the one that would be opened: one that a right-to-left override or an
    // invisible character would make read as another is shown encoded; a plain Czech one as written.
    // A host of Cyrillic letters that pass for Latin ones (in apple.com, google.com) shows in
    // Punycode, one of a single script in its letters; a user name that passes for the host is told.
    void theAddressToCopyShowsWhatWouldBeOpened() {
        UrlWatch::Release(QStringLiteral("http"));
        const auto back = qScopeGuard([this] { watch_.Watch(QStringLiteral("http")); });
        const std::pair<const char*, const char*> addresses[] = {
            {"http://example.com/\u202etxt.exe", "http://example.com/%E2%80%AEtxt.exe"},
            {"http://example.com/a\u200bb", "http://example.com/a%E2%80%8Bb"},
            {"http://example.com/\u2067x\u2069", "http://example.com/%E2%81%A7x%E2%81%A9"},
            {"http://zurk.p\u0159\u00edklad.cz/n\u00e1pov\u011bda",
             "http://zurk.p\u0159\u00edklad.cz/n\u00e1pov\u011bda"},
            {"http://\u0430\u0440\u0440\u04cf\u0435.com/", "http://xn--80ak6aa92e.com/"},
            {"http://g\u043e\u043egle.com/", "http://xn--ggle-55da.com/"},
            {"http://[::1]:8080/a", "http://[::1]:8080/a"},
            {"http://www.paypal.com@zurk.example/",
             "http://www.paypal.com@zurk.example/\n\nPozor: adresa nese jm\u00e9no u\u017eivatele www.paypal.com, "
             "str\u00e1nka je na serveru zurk.example."}};
        for (const auto& [written, shown] : addresses) {
            const QStringList told = Choose(QByteArray(written));
            QCOMPARE(told.size(), 1);
            QCOMPARE(told[0].section(QLatin1Char('\n'), 2, -1), QString::fromUtf8(shown));
        }
    }
};

QTEST_MAIN(WebAddressTest)
#include "tst_WebAddress.moc"
