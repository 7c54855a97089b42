#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <sys/stat.h>

#include "GameFileBuilder.h"
#include "ModalBoxes.h"
#include "TestRandom.h"
#include "app/MainMenu.h"
#include "app/frmRybnik.h"
#include "dialogs/HelpViewer.h"
#include "snake/clsZurk.h"

// Every file the game reads from its folder, there but unreadable (a folder stands in its
// place) or damaged: the game starts, goes on, and tells the player in Czech where it should.
class UnreadableFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    SteadyRandom random_;

    QString Path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    void Block(const char* name) const { QVERIFY(QDir(dir_->path()).mkdir(QString::fromLatin1(name))); }
    void Damage(const char* name) const {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF\x10\0\0\0WAVEnonsense", 20);
    }
    // One level: the snake's first step to the right eats a ball.
    void WriteGame() const {
        GameFileBuilder game(3);
        game.Level(8, 4, 0, 50).House(2, 2, 1).Ball(3, 2, 1);
        game.WriteTo(Path("zaklad.zurk"));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void anUnreadableGameFileIsReportedAndStartsNothing() {
        Block("zaklad.zurk");
        ModalBoxes boxes;
        frmRybnik window(dir_->path(), &random_);
        QCOMPARE(boxes.Texts(QStringLiteral("critical")).size(), 1);
        QVERIFY(boxes.Texts(QStringLiteral("critical"))[0].contains(QStringLiteral("nelze přečíst")));
        QVERIFY(!window.Menu().mnuHraStart->isEnabled());
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(window.World().LevelNo, 0);
    }

    void brokenAndUnreadableCuesLeaveTheGameGoing() {
        WriteGame();
        Damage("Mnam1.wav");
        Block("Naraz.wav");
        frmRybnik window(dir_->path(), &random_);
        window.StepTimer().setInterval(3600 * 1000);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F2);
        QTest::keyClick(&window, Qt::Key_Right);
        window.tmrPohyb_Timer();  // eats the ball: its cue cannot sound
        QCOMPARE(window.World().Score, 99);
        QCOMPARE(window.World().Snake().Delka(), 2);
        window.tmrPohyb_Timer();
        QCOMPARE(window.World().Snake().Delka(), 3);
    }

    void anUnreadableHelpFileIsSaidInCzech() {
        Block("Zurk3.hlp");
        HelpViewer viewer(dir_->path());
        QCOMPARE(viewer.findChild<QTextBrowser*>()->toPlainText(),
                 QStringLiteral("Soubor nápovědy Zurk3.hlp v domovské složce programu nelze přečíst."));
    }

    void anUnreadableWebAddressFileIsReported_data() {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a folder") << false;
        QTest::newRow("a FIFO, which must not block") << true;
    }

    void anUnreadableWebAddressFileIsReported() {
        QFETCH(bool, fifo);
        if (fifo)
            QVERIFY(::mkfifo(QFile::encodeName(Path("WWW_Zurk.txt")).constData(), 0600) == 0);
        else
            Block("WWW_Zurk.txt");
        frmRybnik window(dir_->path(), &random_);
        QVERIFY(window.Menu().mnuWWW->isEnabled());
        ModalBoxes boxes;
        window.Menu().mnuWWW->trigger();
        QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                 QStringList{QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !")});
    }
};

QTEST_MAIN(UnreadableFilesTest)
#include "tst_UnreadableFiles.moc"
