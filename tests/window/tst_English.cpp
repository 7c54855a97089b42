#include <QAbstractButton>
#include <QMenu>
#include <QRegularExpression>
#include <QTextEdit>

#include "GameWindow.h"
#include "ModalBoxes.h"
#include "app/UiLanguage.h"

// A whole game played in English: every text of every window, box and menu it shows is read, and
// none may be Czech. Run with the system's languages set to English.
class EnglishTest : public QObject {
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
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void theLanguageIsTheFirstOneTheGameSpeaks() {
        const QStringList translated{"en"};
        const std::pair<QStringList, QString> cases[] = {{{"en-GB", "en-Latn-GB"}, "en"},
                                                         {{"en_US"}, "en"},
                                                         {{"de", "en"}, "en"},
                                                         {{"cs-CZ", "cs", "en"}, "cs"},
                                                         {{"C"}, "cs"},
                                                         {{"de-DE", "de"}, "cs"},
                                                         {{}, "cs"}};
        for (const auto& [languages, chosen] : cases) QCOMPARE(UiLanguage::Choose(languages, translated), chosen);
        QCOMPARE(UiLanguage::Translated(), translated);
        QCOMPARE(UiLanguage::Choose(QLocale::system().uiLanguages(), translated), QStringLiteral("en"));
    }

    // Level 1 crashes, then is won; level 2 is a bonus level; level 3 has no house; then a new
    // game from Ctrl+U is lost.
    void aWholeGameSpeaksNoCzech() {
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
        const auto crash = [&] {
            for (int i = 0; i < 4; ++i) game.Steer(Qt::Key_Right);
        };
        const auto win = [&] {
            game.Steer(Qt::Key_Right);
            game.Steer(Qt::Key_Left);
            game.Tick();
        };
        ReadEveryText();
        game.Tap(Qt::Key_F2);
        game.Tap(Qt::Key_Tab);
        crash();
        ReadEveryText();
        win();
        ReadEveryText();  // the bonus level
        win();
        game.Tap(Qt::Key_U, Qt::ControlModifier);
        crash();
        crash();
        game.Choose("mnuHraInformace");
        game.Choose("mnuNastav");
        game.Choose("mnuNapovedaObsah");
        ReadEveryText();
        QCOMPARE(boxes.Texts(QStringLiteral("message")),
                 (QStringList{"The level starts over!", "On to the next level!", "On to the next level!",
                              "Fantastic victory!!!", "The level starts over!", "Game over ..."}));
        QCOMPARE(boxes.Texts(QStringLiteral("critical")), QStringList{"The level has no Zurk, so it is skipped!"});
        QCOMPARE(boxes.Texts(QStringLiteral("input")), QStringList{"Enter the number of the level!"});
        QVERIFY(texts_.contains(QStringLiteral("Bonus")) && texts_.contains(QStringLiteral("Zurk's speed")));
        QVERIFY(texts_.contains(QStringLiteral("Level information")) && texts_.contains(QStringLiteral("&Game")));
        QVERIFY(!texts_.filter(QStringLiteral("Back to the contents")).isEmpty());  // the English help
        const QRegularExpression czech(QStringLiteral(
            "[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]|\\b(Hra|Pauza|Konec|Obsah|Informace|Nastaveni|Dalsi|funkce|Rychle|"
            "Pomalu|Storno|Zadejte|Postup|Uroven|Velikost|Celkem|Zivoty|Nutna|Delka|Soubor|Totalni)\\b"));
        for (const QString& text : texts_) QVERIFY2(!czech.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(EnglishTest)
#include "tst_English.moc"
