#include "GameWindow.h"
#include "ModalBoxes.h"

// The main window as it comes up: its size, its panel, its menus, with and without a game file.
class StartupWindowTest : public QObject {
    Q_OBJECT

private slots:
    void withoutAGameFileTheTitleScreenWaits() {
        QTemporaryDir dir;
        GameWindow game(dir.path());
        QCOMPARE(game.window->centralWidget()->size(), QSize(489, 300));
        QCOMPARE(game.window->minimumSize(), game.window->maximumSize());
        QVERIFY(game.Label("picUvod")->isVisible());
        QCOMPARE(game.Panel(), (QStringList{"0", "0", "0", "0", "0"}));
        for (const char* off : {"mnuHraStart", "mnuHraInformace", "mnuWWW"})
            QVERIFY2(!game.Item(off)->isEnabled(), off);
        for (const char* on : {"mnuKonec", "mnuNastav", "mnuNapovedaObsah"}) QVERIFY2(game.Item(on)->isEnabled(), on);

        game.Tap(Qt::Key_F2);
        QVERIFY(game.Label("picPozadi")->isVisible());
    }

    // Informace shows the game's path as it stands, never read as markup.
    void aGameFileEnablesStartAndInformace() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("<img src=\"&#47;dev&#47;zero\">"));
        QVERIFY(QDir().mkdir(folder));
        WriteGameFile(folder, GameFileBytes(1, 3, "Pokusna hra").Level(10, 8, 0, 0).House(3, 3, 2));
        WriteFile(folder + QStringLiteral("/WWW_Zurk.txt"), "\"https://example.org/zurk\"\r\n");
        ModalBoxes boxes;
        GameWindow game(folder);
        for (const char* on : {"mnuHraStart", "mnuHraInformace", "mnuWWW"}) QVERIFY2(game.Item(on)->isEnabled(), on);
        QVERIFY(boxes.seen.empty());

        Qt::TextFormat format = Qt::RichText;
        boxes.whileOpen = [&] { format = qobject_cast<QMessageBox*>(boxes.current)->textFormat(); };
        game.Choose("mnuHraInformace");
        QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("Název hry : %1/zaklad.zurk\nPočet úrovní : 1\nPoznámka : "
                                                           "Pokusna hra%2")
                                                .arg(folder, QString(19, QLatin1Char(' ')))});
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(StartupWindowTest)
#include "tst_StartupWindow.moc"
