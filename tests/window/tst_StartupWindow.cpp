#include "GameWindow.h"
#include "ModalBoxes.h"

// The main window as it comes up: its size, its panel, its menus, with and without a game file.
class StartupWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;

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

    // Informace shows the game's path as it stands, never read as markup.
    void aGameFileEnablesStartAndInformace() {
        const QString folder = dir_->filePath(QStringLiteral("<img src=\"&#47;dev&#47;zero\">"));
        QVERIFY(QDir().mkdir(folder));
        WriteGameFile(folder, GameFileBytes(1, 3, "Pokusna hra").Level(10, 8, 0, 0).House(3, 3, 2));
        WriteFile(folder + QStringLiteral("/WWW_Zurk.txt"), "\"https://example.org/zurk\"\r\n");
        ModalBoxes boxes;
        frmRybnik window(folder);
        window.Form_Load();
        for (const char* on : {"mnuHraStart", "mnuHraInformace", "mnuWWW"}) QVERIFY2(Enabled(window, on), on);
        QVERIFY(boxes.seen.empty());

        Qt::TextFormat format = Qt::RichText;
        boxes.whileOpen = [&] { format = qobject_cast<QMessageBox*>(boxes.current)->textFormat(); };
        window.findChild<QAction*>(QStringLiteral("mnuHraInformace"))->trigger();
        QVERIFY(WaitFor([] { return !ModalBoxes::AnyOpen(); }));
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("Název hry : %1/zaklad.zurk\nPočet úrovní : 1\nPoznámka : Pokusna hra%2")
                     .arg(folder, QString(19, QLatin1Char(' '))));
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(StartupWindowTest)
#include "tst_StartupWindow.moc"
