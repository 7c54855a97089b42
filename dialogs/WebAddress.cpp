#include "dialogs/WebAddress.h"

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
