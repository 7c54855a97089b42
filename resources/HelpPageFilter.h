#pragma once
// Why: Qt's HTML reader has no bound on a page's size or nesting, reads style sheets and pictures
// from anywhere, and lays some shapes out in quadratic time or worse; a help file is the player's
// to change, so the page is bounded (MaxBytes and the limits below) and filtered before Qt sees it.
// Can go when: Qt's rich text can be told to read only a given set of elements and to stop at a
// size and a depth, on every Qt the game builds with.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <string_view>
#include <variant>

// A help page as Qt may see it: only what our own help is made of, in a form that reads the same
// to any HTML reader.
struct HelpPage {
    QString Html;
    QStringList Pictures;  // the plain file names its pictures name, each once
};

// Why a help page is not shown.
enum class HelpPageRefusal {
    TooLarge,       // more than HelpPageFilter::MaxBytes
    NotUtf8Text,    // a NUL byte or a UTF-16 or UTF-32 byte order mark, which the parser would cut or garble
    NestedTooDeep,  // elements inside each other past HelpPageFilter::MaxNesting
    Unreadable,     // the parser made nothing of it
};

// Reduces a help page to an allow-list before Qt ever reads it. Qt's rich text reads style sheets,
// pictures from anywhere and sizes of any kind, and lays some shapes out in quadratic time or
// worse; each guard that copied one of its rules missed another. So the page is parsed by
// libxml2's HTML parser (no network), and a new page is written from its tree with nothing but
// headings, paragraphs, line breaks and rules, bold, italic and small text, lists a few levels
// deep, plain tables, links to topics and web pages, and pictures by plain name. Whatever else the
// page holds is left out, its text kept where it may stand. With that, a page costs about as much
// as its size.
class HelpPageFilter {
public:
    static constexpr std::size_t MaxBytes = 128u << 10;
    // libxml2 stops reading a page at 256 elements inside each other and keeps what it read; a
    // page nested deeper than this is refused rather than shown cut.
    static constexpr int MaxNesting = 128;
    static constexpr int MaxListNesting = 4;
    static constexpr int MaxInlineNesting = 4;  // bold, italic, small and links inside each other
    // Qt numbers and places list items and table rows in time that grows with the square of
    // their count, so a longer list or table goes on as a new one.
    // Why an ordered list goes on without Qt's numbers, its items numbered in their own text: Qt
    // numbers every list from 1 and reads no start number from the page.
    // Can go when: Qt's HTML reader takes <ol start>, on every Qt the game builds with.
    static constexpr int MaxListItems = 100;
    static constexpr int MaxTableRows = 100;
    static constexpr int MaxRowCells = 8;  // cells past these are left out
    // Each cell costs Qt a good deal to lay out: past these, cells are left out, and later tables
    // give their text as it stands.
    static constexpr int MaxTableCells = 1000;
    // Qt breaks a line inside a word of many runs (scripts or formats changing) in time that grows
    // with the square of its runs, so a longer word gets a zero-width space to break at.
    static constexpr int MaxWordLength = 64;
    // Marks stacked on one letter all share its place on one line, where Qt shapes them slowly.
    static constexpr int MaxMarksOnALetter = 8;
    static constexpr int MaxPictures = 64;
    static constexpr int MaxTableSpacing = 8;  // border, cellspacing and cellpadding, in pixels

    // The page reduced, or why it is refused.
    static std::variant<HelpPage, HelpPageRefusal> Filter(std::string_view utf8Page);

    // Whether the filter may write the element, or the attribute of that element.
    static bool Allows(std::string_view element, std::string_view attribute = {});
};
