#pragma once
#include <QObject>
#include <cstdint>

#include "pond/KeyStateWords.h"

class QWidget;

// Keeps the state word of the twenty keys the snake's keyboard reader asks about, the way
// the game has always read keys: top bit while the key is down, low bit flipping on every
// real press. Only the keys the main window itself receives count, whichever of its children
// has the focus; the help, the dialogs and the boxes keep their keys. Auto-repeat is no new press.
class KeyTracker : public QObject, public KeyStateSource {
    Q_OBJECT
public:
    explicit KeyTracker(QWidget& window);

    std::int16_t KeyState(int virtualKey) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyStateWords words_;  // only the twenty watched codes ever change
};
