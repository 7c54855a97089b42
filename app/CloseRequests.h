#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

class QWidget;

// Hears the player ask to quit where the main window does not: Ctrl+X typed into a box of the game
// or into the help, which the window's menu shortcut never sees, and the window's close button
// while a box blocks the window, whose request Qt drops. Either becomes a close of the main window,
// which ends the box and every box still to come.
class CloseRequests : public QObject, public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(QWidget& window);
    ~CloseRequests() override;
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::uint32_t deleteWindowAtom_ = 0;  // X11's WM_DELETE_WINDOW, 0 on other platforms
};
