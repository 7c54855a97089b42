#pragma once
#include <QObject>
#include <array>
#include <cstdint>

#include "pond/KeyStateSource.h"

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
    void Pressed(int virtualKey);
    void Released(int virtualKey);
    void ReleaseAll();

    static constexpr std::uint16_t DownBit = 0x8000;
    static constexpr std::uint16_t ToggleBit = 0x0001;
    // Indexed by virtual-key code; only the twenty watched codes ever change.
    std::array<std::uint16_t, 256> words_{};
};
