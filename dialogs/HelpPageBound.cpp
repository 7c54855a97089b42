#include "dialogs/HelpPageBound.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
// How many bytes of Unicode white space (Qt's QChar::isSpace) start at text[at]; 0 for none.
std::size_t SpaceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    const unsigned first = byte(0), second = byte(1), third = byte(2);
    if (first == ' ' || (first >= 0x09 && first <= 0x0d)) return 1;
    if (first == 0xc2 && (second == 0x85 || second == 0xa0)) return 2;
    const bool generalPunctuation =
        first == 0xe2 && second == 0x80 &&
        ((third >= 0x80 && third <= 0x8a) || third == 0xa8 || third == 0xa9 || third == 0xaf);
    if (generalPunctuation || (first == 0xe1 && second == 0x9a && third == 0x80) ||
        (first == 0xe2 && second == 0x81 && third == 0x9f) || (first == 0xe3 && second == 0x80 && third == 0x80))
        return 3;
    return 0;
}

// Reads the tags of a page step by step as Qt's HTML reader does, keeping the elements still open.
// Where Qt's reading is not followed to the letter, the count comes out higher, never lower; a tag
// name no help page would write (quoted, or with an entity in it) makes the page unreadable.
class TagReader {
public:
    explicit TagReader(std::string_view page) : text_(page) {}

    HelpPageBound::Cost Read() {
        cost_.Bytes = text_.size();
        while (!AtEnd() && HelpPageBound::Admits(cost_)) {
            const std::size_t tag = std::min(text_.find('<', pos_), text_.size());
            Weigh(tag - pos_, tables_);
            pos_ = tag;
            if (AtEnd()) break;
            const int tablesBefore = tables_;
            ++pos_;
            Tag();
            pos_ = std::min(pos_, text_.size());
            Weigh(pos_ - tag, std::max(tablesBefore, tables_));
        }
        return cost_;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool HasPrefix(char c, std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() && text_[pos_ + ahead] == c;
    }
    void EatSpace() {
        while (const std::size_t space = AtEnd() ? 0 : SpaceLength(text_, pos_)) pos_ += space;
    }
    void SkipPast(char c) {
        const std::size_t at = text_.find(c, pos_);
        pos_ = at == std::string_view::npos ? text_.size() : at + 1;
    }
    void Weigh(std::size_t bytes, int tables) {
        const int shift = std::min(tables, HelpPageBound::MaxTableNesting + 1);
        cost_.WeightedBytes += bytes << (2 * shift);
    }
    void Refuse() {
        cost_.Depth = HelpPageBound::MaxDepth + 1;
        pos_ = text_.size();
    }

    // A word of a tag: quoted, or up to a blank, "<", ">", "=" or "/>". An entity in it is left as
    // it stands: the bytes of an entity Qt understands never end a word.
    std::string Word() {
        std::string word;
        if (HasPrefix('"') || HasPrefix('\'')) {
            quoted_ = true;
            const char quote = text_[pos_++];
            const std::size_t end = std::min(text_.find(quote, pos_), text_.size());
            word = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            return word;
        }
        quoted_ = false;
        while (!AtEnd()) {
            const char c = text_[pos_];
            if (c == '>' || c == '<' || c == '=' || (c == '/' && HasPrefix('>', 1)) || SpaceLength(text_, pos_)) break;
            word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            ++pos_;
        }
        return word;
    }
    std::string TagName() {
        std::string name = Word();
        if (quoted_ || name.find('&') != std::string::npos) Refuse();
        return name;
    }

    void Tag() {
        EatSpace();
        if (HasPrefix('!')) {
            ++pos_;
            if (HasPrefix('-') && HasPrefix('-', 1)) {
                const std::size_t end = text_.find("-->", pos_ + 2);
                pos_ = end == std::string_view::npos ? text_.size() : end + 3;
            } else {
                SkipPast('>');
            }
        } else if (HasPrefix('/')) {
            ++pos_;
            const std::string name = TagName();
            SkipPast('>');
            Close(name);
        } else {
            const std::string name = TagName();
            if (!AtEnd() && SpaceLength(text_, pos_)) Attributes();
            bool closedAtOnce = false;
            for (; !AtEnd() && text_[pos_] != '>'; ++pos_) closedAtOnce = closedAtOnce || text_[pos_] == '/';
            ++pos_;
            Open(name, closedAtOnce);
        }
    }

    void Attributes() {
        while (!AtEnd()) {
            EatSpace();
            if (HasPrefix('>') || HasPrefix('/') || Word().empty()) return;
            EatSpace();
            if (HasPrefix('=')) {
                ++pos_;
                EatSpace();
                Word();
            }
        }
    }

    // The depth below which the nearest open element named one of names lies; npos for none.
    std::size_t Nearest(std::initializer_list<std::string_view> names) const {
        for (std::size_t at = open_.size(); at-- > 0;)
            if (std::find(names.begin(), names.end(), open_[at]) != names.end()) return at;
        return std::string::npos;
    }
    void Truncate(std::size_t depth) {
        open_.resize(std::min(depth, open_.size()));
        tables_ = static_cast<int>(std::count(open_.begin(), open_.end(), "table"));
    }
    void Push(std::string name) {
        if (name == "table") ++tables_;
        open_.push_back(std::move(name));
        cost_.Depth = std::max(cost_.Depth, static_cast<int>(open_.size()));
        cost_.TableNesting = std::max(cost_.TableNesting, tables_);
    }

    // Where Qt places a new element: a cell without a row gets a table and a row made for it, a row
    // without a table a table; a paragraph closes the paragraph it would land in, and the inline
    // elements inside that; a list item does not nest straight in another; rows, cells and the parts
    // of tables and definition lists climb to where they belong, to the top when nowhere.
    void Open(std::string name, bool closedAtOnce) {
        if (name.empty()) return;  // Qt keeps such an element out of the tree's nesting
        if (name == "td" && Nearest({"tr"}) == std::string::npos) {
            Push("table");
            Push("tr");
        }
        if (name == "tr" && Nearest({"table"}) == std::string::npos) Push("table");
        std::size_t keep = open_.size();
        if (name == "p") {
            while (keep > 0 && !IsBlock(open_[keep - 1])) --keep;
            keep = keep > 0 && open_[keep - 1] == "p" ? keep - 1 : open_.size();
        } else if (name == "li") {
            if (keep > 0 && open_.back() == "li") --keep;
        } else if (name == "td" || name == "th") {
            keep = Below(Nearest({"tr"}));
        } else if (name == "tr") {
            keep = Below(Nearest({"table", "thead", "tbody", "tfoot"}));
        } else if (name == "thead" || name == "tbody" || name == "tfoot" || name == "caption") {
            keep = Below(Nearest({"table"}));
        } else if (name == "dd") {
            keep = Below(Nearest({"dt", "dl"}));
        } else if (name == "dt") {
            keep = Below(Nearest({"dl"}));
        } else if (name == "body" || name == "qt") {
            while (keep > 0 && open_[keep - 1] == "head") --keep;
        }
        Truncate(keep);
        const bool empty = name == "img" || name == "hr" || name == "br" || name == "meta";
        if (!empty && !closedAtOnce) Push(std::move(name));
    }
    static std::size_t Below(std::size_t parent) { return parent == std::string::npos ? 0 : parent + 1; }
    // Qt's block elements; every other element, tables and their rows too, a paragraph climbs through.
    static bool IsBlock(std::string_view name) {
        static constexpr std::string_view blocks[] = {
            "p",  "body", "qt", "blockquote", "caption", "center", "dd", "div", "dl", "dt", "h1",
            "h2", "h3",   "h4", "h5",         "h6",      "li",     "ol", "pre", "td", "th", "ul"};
        return std::find(std::begin(blocks), std::end(blocks), name) != std::end(blocks);
    }

    // A closing tag closes its element and every element inside it; one that closes nothing open is
    // ignored.
    void Close(const std::string& name) {
        const std::size_t at = Nearest({name});
        if (!name.empty() && at != std::string::npos) Truncate(at);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool quoted_ = false;
    std::vector<std::string> open_;
    int tables_ = 0;
    HelpPageBound::Cost cost_;
};
}  // namespace

HelpPageBound::Cost HelpPageBound::Measure(std::string_view utf8Page) { return TagReader(utf8Page).Read(); }

bool HelpPageBound::Admits(const Cost& cost) {
    return cost.Bytes <= MaxBytes && cost.Depth <= MaxDepth && cost.TableNesting <= MaxTableNesting &&
           cost.WeightedBytes <= MaxWeightedBytes;
}
