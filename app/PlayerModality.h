#pragma once
// Why: Qt's own modality drops the close request of the window it blocks, on X11 and Wayland
// alike, so the player could not quit the game while a message, a box or a dialog is open.
// Can go when: a window blocked by Qt's modality still gets its close request, on X11 and
// Wayland, on every Qt the game builds with; then the dialogs are opened window-modal and this goes.
#include <QObject>
#include <QPointer>
#include <vector>

class QDialog;
class QWidget;

// Makes every dialog of the game modal for the player while Qt sees none as modal: while one is
// open, the other windows of the game take no key, no click and no close, and the newest dialog
// stays in front; the player can quit the game whatever is open, by the main window's close too.
class PlayerModality : public QObject {
public:
    // window: the main window, which gets the keyboard back when the last dialog closes.
    explicit PlayerModality(QWidget& window);

    // Closes every dialog still open, newest first, as the program quits.
    void CloseAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The dialog in front, or none.
    QDialog* Newest() const;
    void Opened(QDialog* dialog);
    void Closed(QDialog* dialog);
    // Whether an input event for watched is one the player meant for a window behind the newest dialog.
    bool Behind(QObject* watched) const;
    static void BringToFront(QWidget* window);

    QWidget& window_;
    std::vector<QPointer<QDialog>> open_;  // oldest first
};
