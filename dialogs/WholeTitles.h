#pragma once
// Why: Qt sizes a box by its text and buttons, never by its title, and a window manager cuts a
// title short ("Informa… úrovni") in a box narrower than the title.
// Can go when: Qt makes a box wide enough for its whole title itself, on every Qt the game
// builds with.
#include <QObject>

class QApplication;
class QWidget;

// A window manager draws a box's title centred in the title bar, between the window's icon and
// its buttons, and cuts it short ("Informa… úrovni") when the box is narrower than that. While
// it lives, this makes every box of the application that lays out its buttons in a button box
// (the standard message and input boxes among them) wide enough for its whole title, before
// the box is first shown. Boxes laid out by hand ask TitleWidth themselves.
class WholeTitles : public QObject {
    Q_OBJECT
public:
    explicit WholeTitles(QApplication& application);

    // The width a window needs for its whole title under a title bar, 0 for a window with no
    // title bar or no title.
    static int TitleWidth(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
