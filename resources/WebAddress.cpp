#include "resources/WebAddress.h"

#include <QCoreApplication>
#include <algorithm>

#include "pond/RegularFile.h"
#include "resources/ProgramFolder.h"

namespace {
constexpr std::string_view WwwZurkFile = "WWW_Zurk.txt";

bool AllShow(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_Enclosing: return false;
        case QChar::Separator_Space: return c == u' ';
        default: return true;
        }
    });
}

QString ShownHost(const QUrl& address) {
    QString ace = address.host(QUrl::EncodeUnicode);
    if (ace.contains(u':')) return u'[' + ace + u']';  // an IPv6 address
    // Qt's own choice shows any name under a top-level domain of its list in its letters, whatever they are.
    const QString letters = QUrl::fromAce(ace.toLatin1(), QUrl::IgnoreIDNWhitelist);
    QChar::Script script = QChar::Script_Common;
    for (const uint c : letters.toUcs4()) {
        // Digits, hyphens and combining accents belong to every script.
        const QChar::Script of = QChar::script(c);
        if (of == QChar::Script_Common || of == QChar::Script_Inherited) continue;
        if (script != QChar::Script_Common && of != script) return ace;
        script = of;
    }
    return letters.isEmpty() ? ace : letters;
}
}  // namespace

bool HasWwwZurkFile(const ProgramFolder& folder) { return folder.HasEntry(WwwZurkFile); }

std::variant<QUrl, WwwZurkRefusal> WwwZurkAddress(const ProgramFolder& folder) {
    // The address is one short line; a file far larger is no address file.
    constexpr std::size_t MaxAddressFileSize = 64u << 10;
    const FileRead file = folder.Read(WwwZurkFile, MaxAddressFileSize);
    if (file.Status == FileReadStatus::Missing) return WwwZurkRefusal::Missing;
    if (file.Status != FileReadStatus::Read) return WwwZurkRefusal::Unreadable;
    const std::string item = FirstItem({reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size()});
    const QUrl address = WebAddress(QString::fromLocal8Bit(item.data(), static_cast<qsizetype>(item.size())));
    if (!address.isValid()) return WwwZurkRefusal::NoAddress;
    return address;
}

std::string FirstItem(std::string_view text) {
    const std::size_t lineEnd = text.find('\n');
    std::string_view line = text.substr(0, lineEnd);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    line.remove_prefix(start);

    if (line.front() == '"') {
        line.remove_prefix(1);
        return std::string(line.substr(0, line.find('"')));
    }
    std::string_view item = line.substr(0, line.find(','));
    // Blanks before the comma or at the end of the line are no part of an address.
    const std::size_t last = item.find_last_not_of(" \t");
    return std::string(item.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QUrl WebAddress(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return IsWebAddress(url) ? url : QUrl();
}

QString ShownAddress(const QUrl& address) {
    QString written = address.scheme() + QStringLiteral("://");
    if (!address.userName().isEmpty()) written += address.userName() + u'@';
    written += ShownHost(address);
    if (address.port() != -1) written += u':' + QString::number(address.port());
    written += address.toDisplayString(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    const bool allShow = AllShow(written);
    QString shown = allShow ? written : address.toString(QUrl::FullyEncoded);
    if (!address.userName().isEmpty()) {
        shown += QStringLiteral("\n\n") +
                 QCoreApplication::translate("WebAddress",
                                             "Pozor: adresa nese jméno uživatele %1, stránka je na serveru %2.")
                     .arg(address.userName(allShow ? QUrl::PrettyDecoded : QUrl::FullyEncoded), ShownHost(address));
    }
    return shown;
}
