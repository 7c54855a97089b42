#include <QLibraryInfo>
#include <QProcess>
#include <QTextBrowser>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GameWindow.h"
#include "ModalBoxes.h"
#include "app/GameWording.h"
#include "dialogs/HelpViewer.h"

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
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    // The reasons a game file is refused are the reader's; the box says which file and why. A
    // folder; a link, which is not followed wherever it leads: nowhere, to itself, to a game beside
    // it or outside the folder.
    void anUnreadableGameFileIsReportedAndStartsNothing() {
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath(QStringLiteral("zaklad.zurk"));
        WriteGameFile(elsewhere.path());
        const char* link = "je odkaz, a hra čte ze své složky jen obyčejné soubory.";
        const std::pair<QString, const char*> cases[] = {{QString(), "nelze přečíst."},
                                                         {QStringLiteral("nowhere"), link},
                                                         {QStringLiteral("zaklad.zurk"), link},
                                                         {QStringLiteral("beside.zurk"), link},
                                                         {outside, link}};
        for (const auto& [target, why] : cases) {
            init();
            QVERIFY(QFile::copy(outside, Path("beside.zurk")));
            if (target.isNull())
                Block("zaklad.zurk");
            else
                QVERIFY(QFile::link(target, Path("zaklad.zurk")));
            ModalBoxes boxes;
            const GameWindow game(dir_->path());
            QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                     QStringList{QStringLiteral("Hru ze souboru %1 nelze načíst. Soubor %2")
                                     .arg(Path("zaklad.zurk"), QString::fromUtf8(why))});
            for (const char* item : {"mnuHraStart", "mnuHraInformace"}) QVERIFY2(!game.Item(item)->isEnabled(), item);
        }
    }

    // Links out of the folder, to what a help there might show: the help is refused as a file that
    // cannot be read, a picture of the help as one that cannot be shown.
    void linksOutOfTheFolderAreNotFollowed() {
        QTemporaryDir elsewhere, pictured;
        WriteFile(elsewhere.filePath(QStringLiteral("Zurk3.hlp")), "<p>tajné</p>");
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("Zurk3.hlp")), Path("Zurk3.hlp")));
        QVERIFY(QImage(3, 2, QImage::Format_RGB32).save(elsewhere.filePath(QStringLiteral("a.png"))));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("a.png")), pictured.filePath(QStringLiteral("a.png"))));
        WriteFile(pictured.filePath(QStringLiteral("Zurk3.hlp")), "<img src=a.png>");

        QCOMPARE(HelpViewer(dir_->path()).findChild<QTextBrowser*>()->toPlainText(),
                 QStringLiteral("Soubor nápovědy Zurk3.hlp v domovské složce programu nelze přečíst."));
        const HelpViewer help(pictured.path());
        const QVariant picture = help.findChild<QTextBrowser*>()->document()->resource(QTextDocument::ImageResource,
                                                                                       QUrl(QStringLiteral("a.png")));
        QCOMPARE(picture.value<QImage>().size(), QSize(1, 1));
    }

    // Each fault of the reader in Czech, with its counts in their three forms.
    void theReasonsOfTheReaderAreSaidInCzech() {
        using F = GameFileFault;
        const auto in = [](F::Kind what, std::size_t at, int level, int a, int b) {
            return GameLoadFault{FileReadStatus::Read, {what, at, level, 0, a, b}};
        };
        const std::pair<GameLoadFault, const char*> reasons[] = {
            {in(F::ShortHeader, 0, 0, 1, 0), "Hlavička hry je useknutá: soubor má jen 1 bajt ze 34."},
            {in(F::ShortHeader, 0, 0, 3, 0), "jen 3 bajty ze 34."},
            {in(F::ShortHeader, 0, 0, 0, 0), "jen 0 bajtů ze 34."},
            {in(F::CutShort, 41, 1, 0, 0), "Záznam na pozici 41 je useknutý koncem souboru."},
            {in(F::TooManyLevels, 41, 2, 1, 0), "Na pozici 41 začíná úroveň 2, hlavička ale ohlašuje jen 1 úroveň."},
            {in(F::TooManyLevels, 62, 5, 4, 0), "ohlašuje jen 4 úrovně."},
            {in(F::TooManyLevels, 69, 6, 5, 0), "ohlašuje jen 5 úrovní."},
            {in(F::TooLarge, 34, 1, 51, 5), "Úroveň 1 na pozici 34 má rozměr 51x5, největší dovolený je 50x40."},
            {in(F::CellOffMap, 41, 1, 0, 2), "Záznam buňky na pozici 41 míří mimo mapu (0, 2)."}};
        for (const auto& [fault, says] : reasons) {
            const QString text = GameWording::LoadFault(QStringLiteral("a.zurk"), fault);
            QVERIFY2(text.endsWith(QString::fromUtf8(says)), qPrintable(text));
        }
    }

    void brokenAndUnreadableCuesLeaveTheGameGoing() {
        GameFileBytes file(1, 3);
        file.Level(8, 4, 0, 50).House(2, 2, 1).Cell(CellBall, 3, 2, 1);  // the first step eats a ball
        GameWindow game(file);
        WriteFile(game.dir.filePath(QStringLiteral("Mnam1.wav")), QByteArray("RIFF\x10\0\0\0WAVEnonsense", 20));
        QVERIFY(QDir(game.dir.path()).mkdir(QStringLiteral("Naraz.wav")));
        game.Play({"F2", "Right", "tick", "tick"});  // and the step after the broken cue
        QCOMPARE(game.Panel(), (QStringList{"98", "1", "3", "50", "3"}));
    }

    // Without its folder the game says so once and reads no file at all: not those of the current
    // folder, where a game, an address and a help lie ready.
    void withoutItsFolderTheGameSaysSoAndReadsNothing() {
        WriteGameFile(dir_->path());
        for (const char* name : {"WWW_Zurk.txt", "Zurk3.hlp"}) WriteFile(Path(name), "https://zurk3.example.org/");
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_->path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(here); });
        ModalBoxes boxes;
        const GameWindow game{ProgramFolder(std::string())};
        QCOMPARE(boxes.seen.size(), std::size_t{1});
        QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                 QStringList{QStringLiteral("Domovskou složku programu nelze najít, a tak hra nenačte žádný soubor: "
                                            "ani hru, ani zvuky, ani nápovědu !")});
        for (const char* item : {"mnuHraStart", "mnuHraInformace", "mnuWWW"})
            QVERIFY2(!game.Item(item)->isEnabled(), item);
        game.Item("mnuNapovedaObsah")->trigger();
        auto* help = game.window->findChild<QTextBrowser*>();
        QVERIFY(help);
        QCOMPARE(help->toPlainText(),
                 QStringLiteral("Soubor nápovědy Zurk3.hlp nebyl nalezen v domovské složce programu."));
        QCOMPARE(boxes.seen.size(), std::size_t{1});
    }

    // A folder whose path leaves no room for the names of its files: the game opens them from the
    // folder, not by their paths, and loads its game.
    void aFolderOfTheLongestPathHasItsFilesRead() {
        WriteGameFile(dir_->path());
        QString folder = dir_->path();
        while (folder.size() < 4091) folder += u'/' + QString(std::min<qsizetype>(200, 4090 - folder.size()), u'z');
        QVERIFY(QDir().mkpath(folder));
        const int deepest = ::open(QFile::encodeName(folder).constData(), O_DIRECTORY);
        QVERIFY(::renameat(AT_FDCWD, QFile::encodeName(Path("zaklad.zurk")).constData(), deepest, "zaklad.zurk") == 0);
        const auto takeDown = qScopeGuard([deepest] {
            ::unlinkat(deepest, "zaklad.zurk", 0);
            ::close(deepest);
        });
        ModalBoxes boxes;
        const GameWindow game(folder);
        QVERIFY(boxes.seen.empty());
        QVERIFY(game.Item("mnuHraStart")->isEnabled());
    }

    // A program in a folder whose path is longer than the system will name: its folder is not found.
    // Qt then takes the folder the program was started in for the program's, and the game, started
    // from one with a qt.conf and a platform plugin of its own, must read neither.
    void aFolderTooLongToNameIsNotFound() {
        const std::string name(200, 'z');
        std::vector<int> folders{::open(QFile::encodeName(dir_->path()).constData(), O_DIRECTORY)};
        for (std::size_t length = 0; length <= PATH_MAX; length += name.size() + 1) {
            QVERIFY(::mkdirat(folders.back(), name.c_str(), 0700) == 0);
            folders.push_back(::openat(folders.back(), name.c_str(), O_DIRECTORY));
            QVERIFY(folders.back() >= 0);
        }
        // Folders this deep are out of reach by path, so each is taken down from the one above it.
        const auto takeDown = qScopeGuard([&] {
            for (const char* program : {"probe", "zurk3"}) ::unlinkat(folders.back(), program, 0);
            for (std::size_t i = folders.size() - 1; i > 0; --i) {
                ::close(folders[i]);
                ::unlinkat(folders[i - 1], name.c_str(), AT_REMOVEDIR);
            }
            ::close(folders.front());
        });
        const int deepest = folders.back();
        for (const auto& [from, to] :
             {std::pair{ZURK3_PROGRAM_FOLDER_PROBE, "probe"}, std::pair{ZURK3_PROGRAM, "zurk3"}}) {
            QFile original(QString::fromUtf8(from));
            QVERIFY(original.open(QIODevice::ReadOnly));
            const QByteArray program = original.readAll();
            const int copy = ::openat(deepest, to, O_WRONLY | O_CREAT | O_EXCL, 0700);
            QVERIFY(copy >= 0);
            QCOMPARE(::write(copy, program.constData(), static_cast<std::size_t>(program.size())), program.size());
            ::close(copy);
        }

        QProcess run;
        run.setChildProcessModifier([deepest] {
            if (::fchdir(deepest) != 0) ::_exit(126);
        });
        run.start(QStringLiteral("./probe"));
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(run.readAllStandardOutput(), QByteArray("(not found)"));

        // A qt.conf that sends Qt to the plugins beside it, with the platform plugin Qt would load.
        QTemporaryDir start;
        WriteFile(start.filePath(QStringLiteral("qt.conf")), "[Paths]\nPlugins=.\n");
        const QString plugin = QStringLiteral("/platforms/libqoffscreen.so");
        QVERIFY(QDir(start.path()).mkdir(QStringLiteral("platforms")));
        QVERIFY(QFile::copy(QLibraryInfo::path(QLibraryInfo::PluginsPath) + plugin, start.path() + plugin));
        const int startFolder = ::open(QFile::encodeName(start.path()).constData(), O_DIRECTORY);
        const auto closeStart = qScopeGuard([startFolder] { ::close(startFolder); });
        QProcess game;
        game.setChildProcessModifier([deepest, startFolder] {
            // Started from there by its name relative to there, as a shell would: the game's own
            // path is too long to start it by.
            char started[] = "./zurk3";
            char* arguments[] = {started, nullptr};
            const int program = ::openat(deepest, "zurk3", O_RDONLY | O_CLOEXEC);
            if (program >= 0 && ::fchdir(startFolder) == 0) ::fexecve(program, arguments, environ);
            ::_exit(126);
        });
        game.start(QStringLiteral("/bin/true"));  // never run: the game takes its place
        QFile memory(QStringLiteral("/proc/%1/maps").arg(game.processId()));
        QByteArray mapped;
        QVERIFY(WaitFor(
            [&] {
                mapped = memory.open(QIODevice::ReadOnly) ? memory.readAll() : QByteArray();
                memory.close();
                return mapped.contains("libqoffscreen.so") || game.state() == QProcess::NotRunning;
            },
            60000));
        game.kill();
        game.waitForFinished();
        QVERIFY2(mapped.contains("libqoffscreen.so"), game.readAllStandardError().constData());
        for (const QByteArray& line : mapped.split('\n'))
            QVERIFY2(!line.contains(QFile::encodeName(start.path())), line.constData());
    }

    // A folder in its place, a FIFO, which must not block, or a link out of the folder to an address.
    void anUnreadableWebAddressFileIsReported() {
        QTemporaryDir elsewhere;
        const QString address = elsewhere.filePath(QStringLiteral("WWW_Zurk.txt"));
        WriteFile(address, "https://zurk3.example.org/");
        enum Kind { Folder, Fifo, LinkOut };
        for (const Kind kind : {Folder, Fifo, LinkOut}) {
            init();
            if (kind == LinkOut)
                QVERIFY(QFile::link(address, Path("WWW_Zurk.txt")));
            else
                Block("WWW_Zurk.txt", kind == Fifo);
            const GameWindow game(dir_->path());
            ModalBoxes boxes;
            game.Choose("mnuWWW");
            QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                     QStringList{QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !")});
        }
    }
};

QTEST_MAIN(UnreadableFilesTest)
#include "tst_UnreadableFiles.moc"
