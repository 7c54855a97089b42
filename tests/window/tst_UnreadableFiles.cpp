#include <sys/stat.h>

#include "ModalBoxes.h"
#include "PondWindow.h"

// Every file the game reads from its folder, there but unreadable (a folder or a FIFO stands in
// its place) or damaged: the game starts, goes on, and tells the player in Czech where it should.
class UnreadableFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;

    QString Path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    void Block(const char* name, bool fifo = false) const {
        if (fifo)
            QVERIFY(::mkfifo(QFile::encodeName(Path(name)).constData(), 0600) == 0);
        else
            QVERIFY(QDir(dir_->path()).mkdir(QString::fromLatin1(name)));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    // The reasons a game file is refused are the reader's; the box says which file and why.
    void anUnreadableGameFileIsReportedAndStartsNothing() {
        Block("zaklad.zurk");
        ModalBoxes boxes;
        frmRybnik window(dir_->path());
        QCOMPARE(
            boxes.Texts(QStringLiteral("critical")),
            QStringList{
                QStringLiteral("Hru ze souboru %1 nelze načíst. Soubor %1 nelze přečíst.").arg(Path("zaklad.zurk"))});
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuHraStart"))->isEnabled());
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuHraInformace"))->isEnabled());
    }

    void brokenAndUnreadableCuesLeaveTheGameGoing() {
        GameFileBytes game(1, 3);
        game.Level(8, 4, 0, 50).House(2, 2, 1).Cell(CellBall, 3, 2, 1);  // the first step eats a ball
        PondWindow pond(game);
        QFile broken(pond.dir.filePath(QStringLiteral("Mnam1.wav")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF\x10\0\0\0WAVEnonsense", 20);
        broken.close();
        QVERIFY(QDir(pond.dir.path()).mkdir(QStringLiteral("Naraz.wav")));
        pond.Tap(Qt::Key_F2);
        pond.Steer(Qt::Key_Right);
        pond.Tick();  // the step after the broken cue
        QCOMPARE(pond.Panel(), (QStringList{"98", "1", "3", "50", "3"}));
    }

    // A folder in its place, or a FIFO, which must not block.
    void anUnreadableWebAddressFileIsReported() {
        for (const bool fifo : {false, true}) {
            init();
            Block("WWW_Zurk.txt", fifo);
            frmRybnik window(dir_->path());
            ModalBoxes boxes;
            window.findChild<QAction*>(QStringLiteral("mnuWWW"))->trigger();
            QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                     QStringList{QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !")});
        }
    }
};

QTEST_MAIN(UnreadableFilesTest)
#include "tst_UnreadableFiles.moc"
