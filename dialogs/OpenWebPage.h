#pragma once

class ProgramFolder;
class QMessageBox;
class QUrl;
class QWidget;

// Hands a web address to the desktop, which opens it in the player's browser. When the desktop
// cannot (no browser, or it refuses the address), the player is told so in a box that holds the
// address as selectable text, to copy into a browser by hand; the box is returned, shown and not
// waited for, and null when the page went to the browser.
QMessageBox* OpenWebPage(const QUrl& address, QWidget* parent);

// WWW Zurk: opens the address WWW_Zurk.txt in folder gives. A missing or unreadable file, one that
// holds no web address (an empty one too), or an address the desktop cannot open is told in a box
// over parent. That box is returned, shown and not waited for; null when the page went to the
// browser.
QMessageBox* OpenWwwZurk(QWidget& parent, const ProgramFolder& folder);
