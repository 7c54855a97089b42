#pragma once
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "GameFileBytes.h"
#include "ModalBoxes.h"
#include "WaitFor.h"
#include "app/SpriteLists.h"
#include "app/frmRybnik.h"
#include "pond/RandomSource.h"

inline void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

// The game file as the game looks for it in its folder; by default one level the snake can play.
inline void WriteGameFile(const QString& folder,
                          const GameFileBytes& game = GameFileBytes(1, 3).Level(5, 3, 0, 2).House(2, 2, 2)) {
    game.WriteTo(QFile::encodeName(folder + QStringLiteral("/zaklad.zurk")).toStdString());
}

// The main window on the files of a folder, by default a folder of its own with the test's game
// file, driven as a player drives it: keys typed into the window, menu items, and the step timer's
// ticks. Each of them returns once the boxes and messages it brought are answered (a ModalBoxes
// answers them) and the game goes on.
class GameWindow {
public:
    // chance: the game's source of chance, when the test needs its own.
    explicit GameWindow(const GameFileBytes& game, RandomSource* chance = nullptr) {
        WriteGameFile(dir.path(), game);
        Start(dir.path(), chance);
    }
    // On a folder the test has filled, or one that cannot be found.
    explicit GameWindow(const ProgramFolder& folder) { Start(folder, nullptr); }

    QTimer* StepTimer() const { return window->findChild<QTimer*>(QStringLiteral("tmrPohyb")); }
    // One tick of the step timer, as the timer itself fires it: only while it runs.
    void Tick() const {
        TickUnderABox();
        Settle();
    }
    // The same while a box is up, where it must not wait for the box.
    void TickUnderABox() const {
        QTimer* timer = StepTimer();
        QVERIFY(timer->isActive());
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
    // A tick that was already queued when the timer stopped.
    void StrayTick() const { QMetaObject::invokeMethod(StepTimer(), "timeout"); }
    void Tap(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        Tap(QKeySequence(QKeyCombination(modifiers, key)));
    }
    void Tap(const QKeySequence& keys) const {
        QTest::keySequence(window.get(), keys);
        Settle();
    }
    void Steer(Qt::Key key) const {
        Tap(key);
        Tick();
    }
    QAction* Item(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    void Choose(const char* item) const {
        Item(item)->trigger();
        Settle();
    }
    // Plays a way there: "tick" a tick, "mnu..." that menu item, anything else keys typed.
    void Play(const QStringList& way) const {
        for (const QString& step : way) {
            if (step == QStringLiteral("tick"))
                Tick();
            else if (step.startsWith(QStringLiteral("mnu")))
                Choose(qPrintable(step));
            else
                Tap(QKeySequence(step));
        }
    }
    // Until every box and message is answered, and what follows each has come.
    static void Settle() {
        QVERIFY(WaitFor([] { return !ModalBoxes::AnyOpen(); }, 20000));
    }
    // The dialog in front, once one has come there.
    static QDialog* DialogInFront() {
        WaitFor([] { return qobject_cast<QDialog*>(QApplication::activeWindow()) != nullptr; });
        return qobject_cast<QDialog*>(QApplication::activeWindow());
    }
    QLabel* Label(const char* name) const { return window->findChild<QLabel*>(QString::fromLatin1(name)); }
    QString Shown(const char* name) const { return Label(name)->text(); }
    // The side panel's boxes: score, level, lives, required length, length.
    QStringList Panel() const {
        QStringList shown;
        for (const char* box : {"lblBody", "lblUroven", "lblZivoty", "lblNutnaDelka", "lblDelka"}) shown << Shown(box);
        return shown;
    }

    // The sprite the canvas shows on cell (x, y) of a level drawn at 20 pixels a cell, -1 for none.
    int SpriteAt(int x, int y) const {
        const QImage canvas = window->findChild<QWidget*>(QStringLiteral("canvas"))->grab().toImage();
        const qreal dpr = canvas.devicePixelRatio();
        const QImage cell = canvas.copy(QRect(QPoint((x - 1) * 20, (y - 1) * 20) * dpr, QSize(20, 20) * dpr))
                                .convertToFormat(QImage::Format_RGB32);
        for (int n = 1; n <= SpriteCount; ++n)
            if (sprites.Sprite(1, n, dpr).toImage().convertToFormat(QImage::Format_RGB32) == cell) return n;
        return -1;
    }

    QTemporaryDir dir;
    SeededRandom random{1};  // the same chance in every run, unless the test gives its own
    SpriteLists sprites;
    std::unique_ptr<frmRybnik> window;

private:
    void Start(const ProgramFolder& folder, RandomSource* chance) {
        window = std::make_unique<frmRybnik>(folder, chance ? chance : &random);
        window->Form_Load();
        // An hour a step, so that no tick comes but those the test gives.
        StepTimer()->setInterval(3600 * 1000);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    }
};
