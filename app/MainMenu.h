#pragma once
#include <QCoreApplication>

class QAction;
class QMainWindow;

// The three menus of the main window with their captions, access keys and shortcuts, on a menu
// bar that keeps every menu in sight however narrow the window is.
// Start and Informace wait for a game file; WWW Zurk waits for its address file.
class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(MainMenu)

public:
    explicit MainMenu(QMainWindow& window);

    QAction* mnuHraStart;
    QAction* mnuHraInformace;
    QAction* mnuKonec;
    QAction* mnuNastav;
    QAction* mnuWWW;
    QAction* mnuNapovedaObsah;
};
