#include "dialogs/GameBox.h"

QMessageBox* ShowGameBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    // A message box is born modal; the window that shows it keeps the player to it instead.
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
}
