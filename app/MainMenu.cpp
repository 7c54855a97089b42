#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "app/WrappingMenuBar.h"

namespace {
QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool enabled) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}
}  // namespace

MainMenu::MainMenu(QMainWindow& window) {
    auto& bar = *new WrappingMenuBar(&window);
    window.setMenuWidget(&bar);
    QMenu* hra1 = bar.addMenu(tr("&Hra"));
    hra1->setObjectName(QStringLiteral("hra1"));
    mnuHraStart = AddItem(hra1, "mnuHraStart", tr("&Start"), false);
    mnuHraStart->setShortcut(QKeySequence(Qt::Key_F2));
    mnuHraInformace = AddItem(hra1, "mnuHraInformace", tr("&Informace"), false);
    hra1->addSeparator();
    mnuKonec = AddItem(hra1, "mnuKonec", tr("&Konec"), true);
    mnuKonec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* funkce1 = bar.addMenu(tr("Další &funkce"));
    funkce1->setObjectName(QStringLiteral("funkce1"));
    mnuNastav = AddItem(funkce1, "mnuNastav", tr("&Nastavení"), true);
    mnuWWW = AddItem(funkce1, "mnuWWW", tr("&WWW Zurk"), false);

    QMenu* napoveda1 = bar.addMenu(tr("Nápo&věda"));
    napoveda1->setObjectName(QStringLiteral("napoveda1"));
    mnuNapovedaObsah = AddItem(napoveda1, "mnuNapovedaObsah", tr("&Obsah"), true);
}
