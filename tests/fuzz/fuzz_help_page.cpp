// libFuzzer target: any bytes as a help page, through the help page filter and then Qt's layout,
// as the help viewer shows it, or, when they begin as a PNG file does, as every picture of a page
// that names the most it may. The filtered page must hold only what the allow-list allows, in the
// one plain form the filter writes, nested no deeper than its limits let it; the pictures must
// keep within a page's budget and bring none of their file's text. libFuzzer's own timeout and
// memory limit catch a page or a picture that takes long or much.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "resources/HelpPageFilter.h"
#include "resources/HelpPictures.h"

namespace {
// Lists inside lists, each with its item; one table with its row and cell; a paragraph; inline
// elements in each other.
constexpr std::size_t MaxDepth = 2 * HelpPageFilter::MaxListNesting + 3 + 1 + HelpPageFilter::MaxInlineNesting;

bool IsVoid(std::string_view name) { return name == "br" || name == "hr" || name == "img"; }
// A word runs on through these, and ends at any other tag.
bool IsInline(std::string_view name) { return name == "b" || name == "i" || name == "small" || name == "a"; }

std::string_view Word(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= 'a' && text[at] <= 'z') ++at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return text.substr(start, at - start);
}

// Past an entity the filter writes, or false.
bool SkipEntity(std::string_view text, std::size_t& at) {
    for (const std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;"})
        if (text.substr(at, entity.size()) == entity) {
            at += entity.size();
            return true;
        }
    return false;
}

struct Open {
    std::string_view Name;
    int Children = 0;
};

int Limit(std::string_view parent) {
    if (parent == "ul" || parent == "ol") return HelpPageFilter::MaxListItems;
    if (parent == "table") return HelpPageFilter::MaxTableRows;
    if (parent == "tr") return HelpPageFilter::MaxRowCells;
    return 1 << 30;
}

// Whether the page is made only of allowed tags with allowed attributes, text with its markup
// characters escaped and no word past its length, tags closed in order, within the filter's limits.
bool IsAllowedPage(std::string_view page) {
    constexpr std::string_view breakHere = "\u200b";
    std::vector<Open> open;
    int word = 0;
    for (std::size_t at = 0; at < page.size();) {
        const char c = page[at];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || page.substr(at, 3) == breakHere)
            word = 0;
        else if (c != '<' && (static_cast<unsigned char>(c) & 0xc0) != 0x80 && ++word > HelpPageFilter::MaxWordLength)
            return false;
        if (c == '&') {
            if (!SkipEntity(page, at)) return false;
            continue;
        }
        if (c == '>' || c == '"') return false;
        if (c != '<') {
            ++at;
            continue;
        }
        const bool closing = ++at < page.size() && page[at] == '/';
        if (closing) ++at;
        const std::string_view name = Word(page, at);
        if (!HelpPageFilter::Allows(name)) return false;
        if (!IsInline(name)) word = 0;
        if (closing) {
            if (open.empty() || open.back().Name != name || at >= page.size() || page[at] != '>') return false;
            open.pop_back();
            ++at;
            continue;
        }
        while (at < page.size() && page[at] == ' ') {
            const std::string_view attribute = Word(page, ++at);
            if (!HelpPageFilter::Allows(name, attribute) || page.substr(at, 2) != "=\"") return false;
            for (at += 2; at < page.size() && page[at] != '"';)
                if (page[at] == '<' || page[at] == '>' || (page[at] == '&' && !SkipEntity(page, at)))
                    return false;
                else if (page[at] != '&')
                    ++at;
            ++at;
        }
        if (at >= page.size() || page[at] != '>') return false;
        ++at;
        if (!open.empty() && ++open.back().Children > Limit(open.back().Name)) return false;
        if (!IsVoid(name)) open.push_back({name});
        if (open.size() > MaxDepth) return false;
    }
    return open.empty();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Laying text out needs fonts, and fonts a Gui application; no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    if (bytes.startsWith("\x89PNG")) {
        HelpPictures pictures;
        std::vector<QImage> page;
        qsizetype spent = 0;
        for (int i = 0; i < HelpPageFilter::MaxPictures; ++i) {
            page.push_back(pictures.Decode(bytes));
            spent += page.back().sizeInBytes();
            if (page.back().width() > HelpPictures::MaxSide || page.back().height() > HelpPictures::MaxSide ||
                !page.back().textKeys().isEmpty() || spent > HelpPictures::MaxBytesPerPage)
                std::abort();
        }
        return 0;
    }
    const std::variant<HelpPage, HelpPageRefusal> filtered =
        HelpPageFilter::Filter(std::string_view(reinterpret_cast<const char*>(data), size));
    const HelpPage* page = std::get_if<HelpPage>(&filtered);
    if (page == nullptr) return 0;
    const QByteArray html = page->Html.toUtf8();
    if (!IsAllowedPage(std::string_view(html.constData(), static_cast<std::size_t>(html.size())))) std::abort();
    QTextDocument document;
    document.setHtml(page->Html);
    document.setTextWidth(620);
    if (document.size().height() < 0) std::abort();
    return 0;
}
