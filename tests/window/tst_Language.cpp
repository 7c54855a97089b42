#include <QAbstractButton>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextEdit>

#include "GameWindow.h"
#include "ModalBoxes.h"
#include "app/GameWording.h"
#include "app/StatusPanel.h"
#include "app/UiLanguage.h"

// A whole game played in the language the environment asks for: Czech under a Czech locale and
// under C, English under LANGUAGE=en, where every text of every window, box and menu it shows is
// read and none may be Czech. The menus of either language show in the narrowest window.
class LanguageTest : public QObject {
    Q_OBJECT

private:
    QStringList texts_;

    // Every text the game's windows show now: titles, menus, labels, buttons, pages.
    void ReadEveryText() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            texts_ << top->windowTitle();
            for (QLabel* label : top->findChildren<QLabel*>()) texts_ << label->text();
            for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) texts_ << button->text();
            for (QAction* action : top->findChildren<QAction*>()) texts_ << action->text();
            for (QTextEdit* page : top->findChildren<QTextEdit*>()) texts_ << page->toPlainText();
        }
    }

private slots:
    void theLanguageIsTheFirstOneTheGameSpeaks() {
        const std::pair<QStringList, QString> cases[] = {{{"en-GB", "en-Latn-GB"}, "en"},
                                                         {{"en_US"}, "en"},
                                                         {{"de", "en"}, "en"},
                                                         {{"cs-CZ", "cs", "en"}, "cs"},
                                                         {{"C"}, "cs"},
                                                         {{"de-DE", "de"}, "cs"},
                                                         {{}, "cs"}};
        for (const auto& [languages, chosen] : cases) QCOMPARE(UiLanguage::Choose(languages, {"en"}), chosen);
        QCOMPARE(UiLanguage::Translated(), QStringList{"en"});
    }

    // Level 1 crashes, then is won; level 2 is a bonus level; level 3 has no house; then a new
    // game from Ctrl+U is lost. Tab, Informace and Ctrl+U come while the snake moves.
    void aWholeGameInThePlayersLanguage() {
        const bool english = UiLanguage::Choose(QLocale::system().uiLanguages(), {"en"}) == QStringLiteral("en");
        GameFileBytes file(3, 2);
        file.Level(5, 3, 0, 2).House(2, 2, 2);
        file.Level(5, 3, 1, 2).House(2, 2, 2);
        file.Level(5, 3, 0, 2);
        GameWindow game(file);
        for (const char* help : {"Zurk3.hlp", "Zurk3.en.hlp"})
            QVERIFY(QFile::copy(QStringLiteral(ZURK3_PROGRAM_DIR "/") + help, game.dir.filePath(help)));
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("1");
        boxes.whileOpen = [&] { ReadEveryText(); };
        // Right and back home wins a corridor; four steps to the right crash.
        const QStringList win = {"Right", "tick", "Left", "tick", "tick"};
        const QStringList crash = {"Right", "tick", "Right", "tick", "Right", "tick", "Right", "tick"};
        ReadEveryText();
        game.Play({"F2", "Right", "tick", "Tab", "mnuHraInformace", "Right", "tick", "Right", "tick", "Right", "tick"});
        ReadEveryText();  // the crash
        game.Play(win);
        ReadEveryText();  // the bonus level
        game.Play(win + QStringList{"mnuHraStart", "Right", "tick", "Ctrl+U"} + crash + crash);
        game.Play({"mnuNastav", "mnuNapovedaObsah"});
        ReadEveryText();
        // The texts are the game's own: their Czech is pinned by the translation's check, their
        // language here.
        const auto message = [](FlowMessage m) { return GameWording::Message(m); };
        const QString repeats = message(FlowMessage::LevelRepeats), next = message(FlowMessage::NextLevel);
        QCOMPARE(
            boxes.Texts(QStringLiteral("message")),
            (QStringList{repeats, next, next, message(FlowMessage::Victory), repeats, message(FlowMessage::GameLost)}));
        QCOMPARE(boxes.Texts(QStringLiteral("critical")), QStringList{GameWording::NoSnake()});
        QCOMPARE(boxes.Texts(QStringLiteral("input")), QStringList{GameWording::LevelNumberPrompt()});
        QCOMPARE(boxes.seen[0].title, GameWording::LevelInfoTitle());  // Tab's
        for (const ModalBoxes::Seen& box : boxes.seen)
            if (box.kind == QStringLiteral("critical") || box.kind == QStringLiteral("input"))
                QCOMPARE(box.title, QStringLiteral("Zurk3"));
        if (!english) return;
        QVERIFY(!texts_.filter(QStringLiteral("Back to the contents")).isEmpty());  // the English help
        const QRegularExpression czech(QStringLiteral(
            "[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]|\\b(Hra|Pauza|Konec|Obsah|Informace|Nastaveni|Dalsi|funkce|Rychle|"
            "Pomalu|Storno|Zadejte|Postup|Uroven|Velikost|Celkem|Zivoty|Nutna|Delka|Soubor|Totalni)\\b"));
        for (const QString& text : texts_) QVERIFY2(!czech.match(text).hasMatch(), qPrintable(text));
    }

    // The narrowest window a level gets: one cell wide, and too high for 20-pixel cells on the
    // test's 800 x 600 screen. Every menu title stands whole on a line of the menu bar above the
    // pond, none folded behind the bar's extension button.
    void everyMenuShowsOnTheNarrowestLevel() {
        GameFileBytes file(1, 3);
        file.Level(1, MaxFieldHeight, 0, 2).House(1, 2, 1);
        GameWindow game(file);
        game.Tap(Qt::Key_F2);
        frmRybnik& window = *game.window;
        QCOMPARE(window.centralWidget()->width(), 12 + SidePanelWidth);
        for (const char* name : {"hra1", "funkce1", "napoveda1"}) {
            QAction* title = window.findChild<QMenu*>(QString::fromLatin1(name))->menuAction();
            const QList<QMenuBar*> bars = window.findChildren<QMenuBar*>();
            const auto holds = [&](const QMenuBar* bar) {
                const QRect place = bar->actionGeometry(title);
                return bar->isVisible() && bar->actions().contains(title) && bar->rect().contains(place) &&
                       bar->mapTo(&window, place.bottomLeft()).y() < window.centralWidget()->y();
            };
            QVERIFY2(std::any_of(bars.begin(), bars.end(), holds), name);
        }
        for (QWidget* extension : window.findChildren<QWidget*>(QStringLiteral("qt_menubar_ext_button")))
            QVERIFY(!extension->isVisible());
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_Language.moc"
