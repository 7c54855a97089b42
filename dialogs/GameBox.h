#pragma once
#include <QMessageBox>

// One of the game's standard boxes with one OK button, waiting until it is closed. Its text is shown
// as it stands: a path or a note out of a file is never read as markup.
void ShowGameBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
