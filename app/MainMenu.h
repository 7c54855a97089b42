#pragma once
#include <QCoreApplication>

class QAction;
class QMenuBar;

// The three menus of the main window with their captions, access keys and shortcuts.
// Start and Informace wait for a game file; WWW Zurk waits for its address file.
class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(MainMenu)

public:
    explicit MainMenu(QMenuBar& bar);

    QAction* mnuHraStart;
    QAction* mnuHraInformace;
    QAction* mnuKonec;
    QAction* mnuNastav;
    QAction* mnuWWW;
    QAction* mnuNapovedaObsah;
};
