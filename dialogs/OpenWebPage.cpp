#include "dialogs/OpenWebPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "dialogs/GameBox.h"
#include "resources/WebAddress.h"

namespace {
// The texts of the game's own address keep the context the translations file them under.
QString Why(WwwZurkRefusal refusal) {
    switch (refusal) {
    case WwwZurkRefusal::Missing:
        return QCoreApplication::translate("WebAddress",
                                           "V domovské složce programu nelze najít soubor WWW_Zurk.txt, "
                                           "kde je uložena internetová adresa WWW Zurk !");
    case WwwZurkRefusal::Unreadable:
        return QCoreApplication::translate("WebAddress",
                                           "Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !");
    case WwwZurkRefusal::NoAddress:
        return QCoreApplication::translate("WebAddress",
                                           "Soubor WWW_Zurk.txt v domovské složce programu neobsahuje "
                                           "internetovou adresu WWW Zurk !");
    }
    return {};
}
}  // namespace

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

QMessageBox* OpenWwwZurk(QWidget& parent, const ProgramFolder& folder) {
    const std::variant<QUrl, WwwZurkRefusal> address = WwwZurkAddress(folder);
    if (const auto* refusal = std::get_if<WwwZurkRefusal>(&address))
        return ShowGameBox(&parent, QMessageBox::Critical, parent.windowTitle(), Why(*refusal));
    return OpenWebPage(std::get<QUrl>(address), &parent);
}
