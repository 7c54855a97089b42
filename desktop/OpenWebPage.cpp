#include "desktop/OpenWebPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "desktop/WebAddress.h"
#include "dialogs/GameBox.h"

QMessageBox* OpenWebPage(const QUrl& address, QWidget* parent) {
    if (QDesktopServices::openUrl(address)) return nullptr;
    QMessageBox* box =
        ShowGameBox(parent, QMessageBox::Critical, QStringLiteral("Zurk3"),
                    QCoreApplication::translate("OpenWebPage",
                                                "Internetovou adresu nelze otevřít v prohlížeči ! Zkopírujte si ji:") +
                        QStringLiteral("\n\n") + ShownAddress(address));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}
