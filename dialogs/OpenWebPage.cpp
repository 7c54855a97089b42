#include "dialogs/OpenWebPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "dialogs/WebAddress.h"

void OpenWebPage(const QUrl& address, QWidget* parent) {
    if (QDesktopServices::openUrl(address)) return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zurk3"),
                    QCoreApplication::translate("OpenWebPage",
                                                "Internetovou adresu nelze otevřít v prohlížeči ! Zkopírujte si ji:") +
                        QStringLiteral("\n\n") + ShownAddress(address),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}
