#include "resources/HelpPageFilter.h"

#include <QUrl>
#include <algorithm>
#include <array>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <memory>
#include <string>
#include <vector>

#include "resources/WebAddress.h"

namespace {
// What an element is to the page's shape, which decides where it may stand and what it may hold.
enum class Role { Block, List, Item, Table, Row, Cell, Inline, LineBreak, Rule, Picture };
// What an open element may hold.
enum class Content { Flow, Phrasing, Items, Rows, Cells, Nothing };

struct Element {
    std::string_view Name;
    Role Kind;
    std::array<std::string_view, 3> Attributes;
};

// The allow-list: what our own help is made of, and nothing more.
constexpr Element AllowList[] = {
    {"h1", Role::Block, {}},
    {"h2", Role::Block, {}},
    {"h3", Role::Block, {}},
    {"p", Role::Block, {}},
    {"ul", Role::List, {}},
    {"ol", Role::List, {}},
    {"li", Role::Item, {}},
    {"table", Role::Table, {"border", "cellspacing", "cellpadding"}},
    {"tr", Role::Row, {}},
    {"th", Role::Cell, {}},
    {"td", Role::Cell, {}},
    {"b", Role::Inline, {}},
    {"i", Role::Inline, {}},
    {"small", Role::Inline, {}},
    {"a", Role::Inline, {"href", "name"}},
    {"br", Role::LineBreak, {}},
    {"hr", Role::Rule, {}},
    {"img", Role::Picture, {"src"}},
};

// An ordered list past its length goes on as a list that Qt does not number.
constexpr std::string_view UnnumberedList = "<ol type=\"none\">";

// Elements whose content is no text of the page: it goes with them.
constexpr std::string_view Dropped[] = {"head",   "script", "style", "title", "template", "iframe",
                                        "object", "embed",  "svg",   "math",  "noscript", "textarea"};

const Element* Find(std::string_view name) {
    const auto* found = std::find_if(std::begin(AllowList), std::end(AllowList),
                                     [&](const Element& element) { return element.Name == name; });
    return found == std::end(AllowList) ? nullptr : found;
}

Content Holds(Role role) {
    switch (role) {
    case Role::Block:
    case Role::Inline: return Content::Phrasing;
    case Role::List: return Content::Items;
    case Role::Table: return Content::Rows;
    case Role::Row: return Content::Cells;
    case Role::Item:
    case Role::Cell: return Content::Flow;
    default: return Content::Nothing;
    }
}

bool Fits(Role role, Content into) {
    switch (into) {
    case Content::Flow: return role != Role::Item && role != Role::Row && role != Role::Cell;
    case Content::Phrasing: return role == Role::Inline || role == Role::LineBreak || role == Role::Picture;
    case Content::Items: return role == Role::Item;
    case Content::Rows: return role == Role::Row;
    case Content::Cells: return role == Role::Cell;
    default: return false;
    }
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// A topic's name: what our help's anchors are called, and what a link within the page may name.
bool IsAnchorName(std::string_view name) {
    return !name.empty() && name.size() <= 32 && std::all_of(name.begin(), name.end(), IsNameCharacter);
}

// A picture of the help: a plain PNG file name in the program's folder, no path, no hidden file.
bool IsPictureName(std::string_view name) {
    constexpr std::string_view extension = ".png";
    return name.size() > extension.size() && name.size() <= 64 && IsNameCharacter(name.front()) &&
           name.substr(name.size() - extension.size()) == extension &&
           std::all_of(name.begin(), name.end(), [](char c) { return IsNameCharacter(c) || c == '.'; });
}

// A small whole number of pixels, as our tables' borders and spacing are.
bool IsSmallNumber(std::string_view text) {
    return !text.empty() && text.size() <= 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoi(std::string(text)) <= HelpPageFilter::MaxTableSpacing;
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

constexpr char32_t Replacement = 0xfffd;

// The characters that embed, override or isolate a direction: the text after one runs the way it
// says rather than its letters' own, to the end of the line. Without them, letters of a script
// written right to left still run so.
bool IsDirectionControl(char32_t code) {
    return (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

// What no UTF-8 text holds and the parser reads wrongly: a NUL byte ends the page there, and a
// UTF-16 or UTF-32 page reads as a byte a character.
bool IsUtf8Text(std::string_view page) {
    return page.find('\0') == std::string_view::npos && !page.starts_with("\xff\xfe") && !page.starts_with("\xfe\xff");
}

// The character at the start of text, and its length in bytes. libxml2 passes bytes that are no
// UTF-8 on into its text, where Qt would read each as a character of its own; such a byte, like
// a surrogate's or an overlong code, reads as one replacement character here.
char32_t DecodeUtf8(std::string_view text, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(0);
    length = 1;
    if (lead < 0x80) return lead;
    const std::size_t size = lead >= 0xc2 && lead <= 0xdf   ? 2
                             : lead >= 0xe0 && lead <= 0xef ? 3
                             : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                            : 0;
    if (size == 0) return Replacement;
    char32_t code = lead & (0x7fu >> size);
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return Replacement;
        code = (code << 6) | (byte(i) & 0x3f);
    }
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[size] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return Replacement;
    length = size;
    return code;
}

struct XmlFree {
    void operator()(xmlChar* text) const { xmlFree(text); }
};
struct XmlText {
    std::unique_ptr<xmlChar, XmlFree> Owned;
    std::string_view View() const {
        return Owned ? std::string_view(reinterpret_cast<const char*>(Owned.get())) : std::string_view();
    }
};

XmlText Attribute(const xmlNode& node, std::string_view name) {
    const std::string key(name);
    return {std::unique_ptr<xmlChar, XmlFree>(xmlGetNoNsProp(&node, reinterpret_cast<const xmlChar*>(key.c_str())))};
}

std::string_view NameOf(const xmlNode& node) { return reinterpret_cast<const char*>(node.name); }

// Writes the new page while walking the parsed one: each element of the page is written when the
// allow-list has it and it may stand where it is, and otherwise left out with its content walked
// in its place.
class PageWriter {
public:
    void Walk(xmlNode* root) {
        xmlNode* node = root;
        while (node != nullptr) {
            if (Enter(*node) && node->children != nullptr) {
                node = node->children;
                continue;
            }
            while (node != nullptr) {
                Leave(*node);
                if (node == root) return;
                if (node->next != nullptr) {
                    node = node->next;
                    break;
                }
                node = node->parent;
            }
        }
    }

    HelpPage Page() const { return {QString::fromUtf8(out_.data(), static_cast<qsizetype>(out_.size())), pictures_}; }
    bool NestedTooDeep() const { return nestedTooDeep_; }

private:
    struct Open {
        const Element* Kind;
        std::string StartTag;
        int Children = 0;  // items of a list, rows of a table, cells of a row
        int Items = 0;     // of an ordered list: every item written, in each list it went on as
    };

    Content Where() const { return open_.empty() ? Content::Flow : Holds(open_.back().Kind->Kind); }
    int Around(Role role) const {
        return static_cast<int>(
            std::count_if(open_.begin(), open_.end(), [&](const Open& open) { return open.Kind->Kind == role; }));
    }
    bool InLink() const {
        return std::any_of(open_.begin(), open_.end(), [](const Open& open) { return open.Kind->Name == "a"; });
    }

    // Whether to walk the node's content.
    bool Enter(const xmlNode& node) {
        if (node.type == XML_TEXT_NODE || node.type == XML_CDATA_SECTION_NODE) {
            if ((Where() == Content::Flow || Where() == Content::Phrasing) && node.content != nullptr)
                AppendText(reinterpret_cast<const char*>(node.content));
            return false;
        }
        if (node.type != XML_ELEMENT_NODE) return false;
        entered_.push_back(false);
        if (entered_.size() > HelpPageFilter::MaxNesting) {
            nestedTooDeep_ = true;
            return false;
        }
        const std::string_view name = NameOf(node);
        if (std::find(std::begin(Dropped), std::end(Dropped), name) != std::end(Dropped)) return false;
        const Element* element = Find(name);
        if (element == nullptr || !Fits(element->Kind, Where()) || !WithinLimits(*element)) return true;
        return Write(*element, node);
    }

    void Leave(const xmlNode& node) {
        if (node.type != XML_ELEMENT_NODE) return;
        if (entered_.back()) {
            Close(open_.back());
            open_.pop_back();
        }
        entered_.pop_back();
    }

    void Close(const Open& element) {
        if (element.Kind->Kind != Role::Inline) wordLength_ = 0;
        out_ += "</";
        out_ += element.Kind->Name;
        out_ += '>';
    }

    // The text escaped, a word broken where it grows past its length, and marks stacked on one
    // letter past what any script stacks left out. A word runs on across inline elements, and
    // ends at a blank or wherever a line must end.
    void AppendText(std::string_view text) {
        for (std::size_t at = 0; at < text.size();) {
            std::size_t length = 0;
            const char32_t code = DecodeUtf8(text.substr(at), length);
            const std::string_view character = code == Replacement ? "\ufffd" : text.substr(at, length);
            at += length;
            const QChar::Category kind = QChar::category(code);
            const bool mark =
                kind == QChar::Mark_NonSpacing || kind == QChar::Mark_SpacingCombining || kind == QChar::Mark_Enclosing;
            marks_ = mark ? marks_ + 1 : 0;
            if (marks_ > HelpPageFilter::MaxMarksOnALetter || IsDirectionControl(code)) continue;
            if (code == ' ' || code == '\t' || code == '\n' || code == '\r' || code == '\f') {
                wordLength_ = 0;
            } else if (++wordLength_ > HelpPageFilter::MaxWordLength) {
                out_ += "\u200b";
                wordLength_ = 1;
            }
            AppendEscaped(out_, character);
        }
    }

    bool WithinLimits(const Element& element) const {
        switch (element.Kind) {
        case Role::List: return Around(Role::List) < HelpPageFilter::MaxListNesting;
        case Role::Table: return Around(Role::Table) == 0 && tableCells_ < HelpPageFilter::MaxTableCells;
        case Role::Inline:
            return Around(Role::Inline) < HelpPageFilter::MaxInlineNesting && !(element.Name == "a" && InLink());
        default: return true;
        }
    }

    // Writes the element; whether to walk its content.
    bool Write(const Element& element, const xmlNode& node) {
        std::string tag(1, '<');
        tag += element.Name;
        if (element.Kind == Role::Picture) {
            const XmlText source = Attribute(node, "src");
            if (!IsPictureName(source.View()) || pictureCount_ >= HelpPageFilter::MaxPictures) return false;
            ++pictureCount_;
            const QString picture = QString::fromLatin1(source.View());
            if (!pictures_.contains(picture)) pictures_ << picture;
        }
        for (const std::string_view attribute : element.Attributes)
            if (!attribute.empty()) AppendAttribute(tag, attribute, Attribute(node, attribute).View());
        tag += '>';
        if (element.Kind != Role::Inline) wordLength_ = 0;
        if (Holds(element.Kind) == Content::Nothing) {
            out_ += tag;
            return false;
        }
        if (!open_.empty() && !CountChild(open_.back(), element)) return false;
        out_ += tag;
        if (element.Kind == Role::Item && open_.back().Items > HelpPageFilter::MaxListItems)
            out_ += std::to_string(open_.back().Items) + ". ";
        open_.push_back({&element, std::move(tag)});
        entered_.back() = true;
        return true;
    }

    // Counts a child of a list, a table or a row; whether it is written. A list or a table at its
    // length goes on as a new one.
    bool CountChild(Open& parent, const Element& child) {
        const int limit = child.Kind == Role::Item   ? HelpPageFilter::MaxListItems
                          : child.Kind == Role::Row  ? HelpPageFilter::MaxTableRows
                          : child.Kind == Role::Cell ? HelpPageFilter::MaxRowCells
                                                     : 0;
        if (limit == 0) return true;
        if (child.Kind == Role::Cell && (parent.Children >= limit || ++tableCells_ > HelpPageFilter::MaxTableCells))
            return false;
        if (parent.Children >= limit) {
            Close(parent);
            out_ += parent.Kind->Name == "ol" ? std::string(UnnumberedList) : parent.StartTag;
            parent.Children = 0;
        }
        ++parent.Children;
        if (parent.Kind->Name == "ol") ++parent.Items;
        return true;
    }

    static void AppendAttribute(std::string& tag, std::string_view name, std::string_view value) {
        std::string written;
        if (name == "href") {
            if (value.size() > 1 && value.front() == '#' && IsAnchorName(value.substr(1))) {
                written = value;
            } else {
                const QUrl web =
                    WebAddress(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())).trimmed());
                written = web.isValid() ? web.toString(QUrl::FullyEncoded).toStdString() : std::string();
            }
        } else if ((name == "name" && IsAnchorName(value)) || name == "src" || IsSmallNumber(value)) {
            written = value;  // a picture's src was checked before; the numbers are a table's sizes
        }
        if (written.empty()) return;
        tag += ' ';
        tag += name;
        tag += "=\"";
        AppendEscaped(tag, written);
        tag += '"';
    }

    std::string out_;
    std::vector<Open> open_;     // the elements written and not yet closed
    std::vector<bool> entered_;  // for each element of the page being walked: whether it was written
    QStringList pictures_;
    int pictureCount_ = 0;
    int tableCells_ = 0;
    int wordLength_ = 0;  // characters since the last place a line may break
    int marks_ = 0;       // combining marks since the last letter
    bool nestedTooDeep_ = false;
};

struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct ContextFree {
    void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};
}  // namespace

std::variant<HelpPage, HelpPageRefusal> HelpPageFilter::Filter(std::string_view utf8Page) {
    if (utf8Page.size() > MaxBytes) return HelpPageRefusal::TooLarge;
    if (!IsUtf8Text(utf8Page)) return HelpPageRefusal::NotUtf8Text;
    static const bool initialised = (xmlInitParser(), true);
    (void)initialised;
    // The help is UTF-8 whatever it declares; the parser reads nothing but these bytes, and says
    // nothing on the terminal about a page it has to mend.
    const std::unique_ptr<htmlParserCtxt, ContextFree> context(htmlNewParserCtxt());
    if (!context) return HelpPageRefusal::Unreadable;
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                        HTML_PARSE_NODEFDTD | HTML_PARSE_IGNORE_ENC | HTML_PARSE_COMPACT;
    const std::unique_ptr<xmlDoc, DocumentFree> document(htmlCtxtReadMemory(
        context.get(), utf8Page.data(), static_cast<int>(utf8Page.size()), nullptr, "UTF-8", options));
    if (!document) return HelpPageRefusal::Unreadable;
    PageWriter writer;
    if (xmlNode* root = xmlDocGetRootElement(document.get())) writer.Walk(root);
    if (writer.NestedTooDeep()) return HelpPageRefusal::NestedTooDeep;
    return writer.Page();
}

bool HelpPageFilter::Allows(std::string_view element, std::string_view attribute) {
    const Element* found = Find(element);
    if (found == nullptr || attribute.empty()) return found != nullptr;
    if (element == "ol" && attribute == "type") return true;  // the filter's own, of an UnnumberedList
    return std::find(found->Attributes.begin(), found->Attributes.end(), attribute) != found->Attributes.end();
}
