#include "GameWindow.h"
#include "ModalBoxes.h"

// The main window as it comes up: its size, its panel, its menus, with and without a game file.
class StartupWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;

    void Write(const char* name, const QByteArray& content) const {
        QFile file(dir_->filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static bool Enabled(const frmRybnik& window, const char* item) {
        return window.findChild<QAction*>(QString::fromLatin1(item))->isEnabled();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void withoutAGameFileTheTitleScreenWaits() {
        frmRybnik window(dir_->path());
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(489, 300));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("picUvod"))->isVisible());
        for (const char* name : {"lblBody", "lblUroven", "lblZivoty", "lblNutnaDelka", "lblDelka"})
            QCOMPARE(window.findChild<QLabel*>(QString::fromLatin1(name))->text(), QStringLiteral("0"));
        for (const char* off : {"mnuHraStart", "mnuHraInformace", "mnuWWW"}) QVERIFY2(!Enabled(window, off), off);
        for (const char* on : {"mnuKonec", "mnuNastav", "mnuNapovedaObsah"}) QVERIFY2(Enabled(window, on), on);

        QTest::keyClick(&window, Qt::Key_F2);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("picPozadi"))->isVisible());
        QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    void aGameFileEnablesStartAndInformace() {
        GameFileBytes game(1, 3, "Pokusna hra");
        game.Level(10, 8, 0, 0).House(3, 3, 2);
        WriteGameFile(*dir_, game);
        Write("WWW_Zurk.txt", "\"https://example.org/zurk\"\r\n");
        ModalBoxes boxes;
        frmRybnik window(dir_->path());
        window.Form_Load();
        for (const char* on : {"mnuHraStart", "mnuHraInformace", "mnuWWW"}) QVERIFY2(Enabled(window, on), on);
        QVERIFY(boxes.seen.empty());

        window.findChild<QAction*>(QStringLiteral("mnuHraInformace"))->trigger();
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("Název hry : %1\nPočet úrovní : 1\nPoznámka : Pokusna hra%2")
                     .arg(dir_->filePath(QStringLiteral("zaklad.zurk")), QString(19, QLatin1Char(' '))));
    }
};

QTEST_MAIN(StartupWindowTest)
#include "tst_StartupWindow.moc"
