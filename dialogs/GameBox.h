#pragma once
#include <QMessageBox>

// Shows one of the game's standard boxes with one OK button and returns at once; the box goes
// once it is closed, after its finished signal. Its text is shown as it stands: a path or a note
// out of a file is never read as markup. Whoever shows it keeps the other windows from the player
// meanwhile (PlayerModality in the game).
QMessageBox* ShowGameBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
