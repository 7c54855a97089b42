#include "dialogs/OpenWebPage.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

void OpenWebPage(const QUrl& address, QWidget* parent) {
    if (QDesktopServices::openUrl(address)) return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zurk3"),
                    QStringLiteral("Internetovou adresu nelze otevřít v prohlížeči ! Zkopírujte si ji:\n\n%1")
                        .arg(address.toString()),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
