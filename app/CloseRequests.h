#pragma once
#include <QObject>

class QWidget;

// Hears Ctrl+X, the game's quit key, in every window of the game: the main window's menu shortcut
// never sees it typed into a box, a message, a dialog or the help. There it closes the main window,
// which ends the game. A text field keeps Ctrl+X to cut with.
class CloseRequests : public QObject {
public:
    explicit CloseRequests(QWidget& window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};
