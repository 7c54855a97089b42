#pragma once

class QUrl;
class QWidget;

// Hands a web address to the desktop, which opens it in the player's browser. When the desktop
// cannot (no browser, or it refuses the address), the player is told so in a box that holds the
// address as selectable text, to copy into a browser by hand.
void OpenWebPage(const QUrl& address, QWidget* parent);
