#pragma once

class QMessageBox;
class QUrl;
class QWidget;

// Hands a web address to the desktop, which opens it in the player's browser. When the desktop
// cannot (no browser, or it refuses the address), the player is told so in a box that holds the
// address as selectable text, to copy into a browser by hand; the box is returned, shown and not
// waited for, and null when the page went to the browser.
QMessageBox* OpenWebPage(const QUrl& address, QWidget* parent);
