#pragma once
#include <QUrl>
#include <string>
#include <string_view>
#include <variant>

#include "resources/ProgramFolder.h"

// Why WWW_Zurk.txt gives no address to open.
enum class WwwZurkRefusal {
    Missing,     // the program's folder holds no such file
    Unreadable,  // it is there but cannot be read as a plain file
    NoAddress,   // its first item is no web address; an empty file's neither
};

// Whether folder holds a WWW_Zurk.txt for the menu to offer.
bool HasWwwZurkFile(const ProgramFolder& folder);
// The game's web address, as WWW_Zurk.txt in folder gives it, or why it gives none.
std::variant<QUrl, WwwZurkRefusal> WwwZurkAddress(const ProgramFolder& folder);

// The first item of a text file, read the way the game reads its web address: leading blanks
// skipped; a quoted item runs to the next double quote (quotes dropped), any other item to the
// first comma or the end of the line. Empty when the text holds no item.
std::string FirstItem(std::string_view text);

// Only web pages ever leave the game for the desktop: an absolute http or https address with a host.
bool IsWebAddress(const QUrl& url);
// The text as a web address, or an invalid QUrl when it is none.
QUrl WebAddress(const QString& text);
// The address as the player reads it, to copy into a browser: as it is written when every
// character of it shows, else in its encoded form, every byte visible. A right-to-left override or
// an invisible character would make the address read as another one. Its host shows as a browser
// shows it: in its own letters when they are all of one script, else in Punycode, so that Cyrillic
// letters that look Latin do not pass for a Latin name. A user name before the host, which reads
// as the host itself (www.bank.example@elsewhere.example), is told in a line of its own below.
QString ShownAddress(const QUrl& address);
