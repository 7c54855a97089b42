#pragma once

class QMainWindow;
class QWidget;

// The window's size is the game's business, never the player's: every level sets it anew.
// Gives frm a client area (the central widget, below the menu bar) of w x h pixels,
// keeping the window's top-left corner where it is. frm's menu widget, if it has one, must tell
// its height for a width.
void SetClientSize(QMainWindow& frm, int w, int h);

// Puts frm, frame included, in the middle of its screen.
void CenterForm(QWidget& frm);
