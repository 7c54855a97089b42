#pragma once
#include <QObject>
#include <array>
#include <cstdint>

#include "pond/KeyStateWords.h"
#include "snake/clsKB.h"

class QKeyEvent;
class QWidget;

// Keeps the state word of the twenty keys the snake's keyboard reader asks about, the way
// the game has always read keys: top bit while the key is down, low bit flipping on every
// real press. Only the keys the main window itself receives count, whichever of its children
// has the focus; the help, the dialogs and the boxes keep their keys. Auto-repeat is no new
// press, flagged or not, so a key held down since another window had the keyboard is none either.
class KeyTracker : public QObject, public KeyStateSource {
    Q_OBJECT
public:
    explicit KeyTracker(QWidget& window);

    std::int16_t KeyState(int virtualKey) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether a key event is the platform repeating a held key rather than the player's hand.
    bool IsRepeat(const QKeyEvent& event, clsKB::Key key);

    KeyStateWords words_;  // only the twenty watched codes ever change
    std::array<quint64, static_cast<std::size_t>(clsKB::Key::Count)> releasedAt_{};  // the platform's time, by key
};
