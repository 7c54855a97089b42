#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "GameFileBuilder.h"
#include "ModalBoxes.h"
#include "app/MainMenu.h"
#include "app/StatusPanel.h"
#include "app/frmRybnik.h"

// The pond window as it comes up: its size, its panel, its menus, with and without a game file.
class StartupWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;

    QString FilePath(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    void Write(const char* name, const QByteArray& content) const {
        QFile file(FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QLabel* Child(const frmRybnik& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void titleScreenHasItsClientAreaBelowTheMenuBar() {
        frmRybnik window(dir_->path());
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.windowTitle(), QStringLiteral("Zurk3"));
        QWidget* client = window.centralWidget();
        QCOMPARE(client->size(), QSize(489, 300));
        QCOMPARE(client->geometry().top(), window.menuBar()->geometry().bottom() + 1);
        QCOMPARE(window.height(), 300 + window.menuBar()->height());
        QCOMPARE(window.width(), 489);
        QCOMPARE(window.minimumSize(), window.maximumSize());

        auto* title = window.findChild<QLabel*>(QStringLiteral("picPozadi"));
        QVERIFY(title->isVisible());
        QCOMPARE(title->geometry(), QRect(0, 0, 400, 300));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("picUvod"))->geometry(), QRect(144, 224, 150, 50));
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("picUvod"))->isVisible());
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("picPodklad"))->geometry(), QRect(400, 0, 89, 300));
        QCOMPARE(window.Panel().geometry(), QRect(0, 50, 89, 200));
        QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void panelShowsZerosAtStart() {
        frmRybnik window(dir_->path());
        for (const char* name : {"lblBody", "lblUroven", "lblZivoty", "lblNutnaDelka", "lblDelka"}) {
            QLabel* box = Child(window, name);
            QVERIFY2(box, name);
            QCOMPARE(box->text(), QStringLiteral("0"));
            QCOMPARE(box->palette().color(QPalette::Window), QColor(0, 192, 192));
        }
        QVERIFY(!Child(window, "lblBonus")->isVisible());
        QCOMPARE(Child(window, "lblTxtBody")->text(), QStringLiteral("Celkem bodů"));
        QCOMPARE(Child(window, "lblBody")->geometry(), QRect(8, 16, 73, 25));
        QCOMPARE(Child(window, "lblZivoty")->geometry(), QRect(48, 56, 33, 25));
        QCOMPARE(Child(window, "lblDelka")->geometry(), QRect(8, 144, 73, 25));
        QCOMPARE(Child(window, "lblBonus")->geometry(), QRect(8, 168, 73, 33));
    }

    void menusWithoutAGameFile() {
        frmRybnik window(dir_->path());
        const MainMenu& menu = window.Menu();
        QCOMPARE(menu.mnuHraStart->text(), QStringLiteral("&Start"));
        QCOMPARE(menu.mnuHraStart->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(menu.mnuKonec->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QVERIFY(!menu.mnuHraStart->isEnabled());
        QVERIFY(!menu.mnuHraInformace->isEnabled());
        QVERIFY(menu.mnuKonec->isEnabled());
        QVERIFY(menu.mnuNastav->isEnabled());
        QVERIFY(menu.mnuNapovedaObsah->isEnabled());
        QVERIFY(!menu.mnuWWW->isEnabled());

        QStringList captions;
        for (QAction* top : window.menuBar()->actions()) captions << top->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("&Hra"), QStringLiteral("Další &funkce"),
                                        QStringLiteral("Nápo&věda")}));
        QVERIFY(!window.StepTimer().isActive());
        QCOMPARE(window.StepTimer().interval(), 80);
        QCOMPARE(window.StepTimer().timerType(), Qt::PreciseTimer);
    }

    void f2DoesNothingWithoutAGameFile() {
        frmRybnik window(dir_->path());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(window.World().LevelNo, 0);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("picPozadi"))->isVisible());
        QCOMPARE(window.centralWidget()->size(), QSize(489, 300));
    }

    void aGameFileEnablesStartAndInformace() {
        GameFileBuilder(3, "Pokusná hra").Level(10, 8).House(3, 3, 2).WriteTo(FilePath("zaklad.zurk"));
        ModalBoxes boxes;
        frmRybnik window(dir_->path());
        QVERIFY(window.Menu().mnuHraStart->isEnabled());
        QVERIFY(window.Menu().mnuHraInformace->isEnabled());
        QVERIFY(boxes.seen.empty());

        window.Menu().mnuHraInformace->trigger();
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        const QStringList lines = boxes.seen[0].text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Název hry : ")));
        QVERIFY(lines[0].endsWith(QStringLiteral("zaklad.zurk")));
        QCOMPARE(lines[1], QStringLiteral("Počet úrovní : 1"));
        QVERIFY(lines[2].startsWith(QStringLiteral("Poznámka : Pokusn")));
    }

    void aDamagedGameFileIsReportedAndLeavesTheGameMenuOff() {
        Write("zaklad.zurk", "too short");
        ModalBoxes boxes;
        frmRybnik window(dir_->path());
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].kind, QStringLiteral("critical"));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QVERIFY(boxes.seen[0].text.contains(QStringLiteral("zaklad.zurk")));
        QVERIFY(boxes.seen[0].text.contains(QStringLiteral("nelze načíst")));
        QVERIFY(!window.Menu().mnuHraStart->isEnabled());
        QVERIFY(!window.Menu().mnuHraInformace->isEnabled());
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("picPozadi"))->isVisible());
    }

    void theWebAddressItemIsOnWhenItsFileIsThere() {
        Write("WWW_Zurk.txt", "\"https://example.org/zurk\"\r\n");
        frmRybnik window(dir_->path());
        QVERIFY(window.Menu().mnuWWW->isEnabled());
    }

    void konecClosesTheWindow() {
        frmRybnik window(dir_->path());
        QVERIFY(window.isVisible());
        window.Menu().mnuKonec->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(StartupWindowTest)
#include "tst_StartupWindow.moc"
