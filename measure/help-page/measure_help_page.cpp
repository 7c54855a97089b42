// Prints, for hostile help pages up to the size bound and for any page files named on the command
// line, how long the help page filter takes, how long Qt then takes to lay the page out, and the
// program's memory afterwards and at its most meanwhile: the figures behind the claim that a page
// costs about its size. Then the same of a page of the costliest pictures, as the help shows it.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <string>

#include "CostlyHelpPage.h"
#include "ResidentMemory.h"
#include "dialogs/HelpViewer.h"
#include "resources/HelpPageFilter.h"

namespace {
constexpr std::size_t Limit = HelpPageFilter::MaxBytes;

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// piece as often as fits the size bound between head and tail.
std::string Fill(const std::string& head, const std::string& piece, const std::string& tail = {}) {
    return head + Repeat(piece, (Limit - head.size() - tail.size()) / piece.size()) + tail;
}

// open inside itself as deep as a page may nest (in the parser's html and body), then closed, as
// often as fits the size bound; open holds levels elements.
std::string Nested(const std::string& open, int levels, const std::string& close) {
    const auto times = static_cast<std::size_t>((HelpPageFilter::MaxNesting - 2) / levels);
    return Fill("", Repeat(open, times) + "x" + Repeat(close, times));
}

void PrintMemory() {
    std::printf(", %3lld MB now, %3lld MB at most\n", ResidentMemory::Now() >> 20, ResidentMemory::Peak() >> 20);
}

void Report(const char* name, const std::string& page) {
    ResidentMemory::ResetPeak();
    QElapsedTimer timer;
    timer.start();
    const std::variant<HelpPage, HelpPageRefusal> filtered = HelpPageFilter::Filter(page);
    const double filterMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%-46s %7zu B  filtered in %7.1f ms", name, page.size(), filterMs);
    if (const HelpPage* kept = std::get_if<HelpPage>(&filtered)) {
        timer.start();
        QTextDocument document;
        document.setHtml(kept->Html);
        document.setTextWidth(620);
        const double height = document.size().height();
        const double layoutMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        std::printf(" to %7lld B, laid out in %7.1f ms (%8.0f px high)", static_cast<long long>(kept->Html.size()),
                    layoutMs, height);
    } else {
        std::printf(", refused");
    }
    PrintMemory();
}

// The most pictures a page may name, each the costliest a picture may be, shown by the help.
void ReportPictures() {
    const char* name = "the most pictures, with inflating text";
    QTemporaryDir folder;
    if (!WriteCostlyHelpPage(folder.path())) {
        std::printf("%s: cannot be written\n", name);
        return;
    }
    ResidentMemory::ResetPeak();
    QElapsedTimer timer;
    timer.start();
    const HelpViewer viewer(folder.path());
    std::printf("%-46s %7d pictures, shown in %7.1f ms", name, HelpPageFilter::MaxPictures,
                static_cast<double>(timer.nsecsElapsed()) / 1e6);
    PrintMemory();
}

// Text with a character of every few code points of the scripts a font may lack.
std::string ManyScripts() {
    QString text;
    for (std::size_t i = 0; text.toUtf8().size() + 8 < static_cast<qsizetype>(Limit) - 8; ++i)
        text += QChar(static_cast<char16_t>(0x0590 + (i * 37) % 0x2a00));
    return "<p>" + text.toStdString();
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            QFile file(QString::fromLocal8Bit(argv[i]));
            if (!file.open(QIODevice::ReadOnly)) {
                std::printf("%s: cannot be read\n", argv[i]);
                continue;
            }
            Report(argv[i], file.readAll().toStdString());
        }
        return 0;
    }
    Report("paragraphs", Fill("", "<p>Zurk leze rybnikem a poji kulicky.</p>\n"));
    Report("line breaks", Fill("<p>", "<br>"));
    Report("rules", Fill("", "<hr>"));
    Report("headings", Fill("", "<h1>x</h1>"));
    Report("one word", Fill("<p>", "a"));
    Report("combining accents on one letter", Fill("<p>a", "\xcc\x81"));
    Report("many scripts", ManyScripts());
    Report("one flat ordered list", Fill("<ol>", "<li>x"));
    Report("one flat list, four deep", Fill("<ol><li><ol><li><ol><li><ul>", "<li>x"));
    Report("lists nested as deep as they go",
           Nested("<ul><li><ul><li><ul><li><ul><li><ul><li>", 10, "</ul></ul></ul></ul></ul>"));
    Report("one table, rows of three cells", Fill("<table border=1>", "<tr><td>a<td>b<td>c"));
    Report("one table, one row", Fill("<table border=1><tr>", "<td>a"));
    Report("tables of eight cells a row", Fill("<table border=1>", "<tr><td>a<td>a<td>a<td>a<td>a<td>a<td>a<td>a"));
    Report("eight cells of one long word", "<table border=1><tr>" + Repeat("<td>" + std::string(16000, 'a'), 8));
    Report("one word of changing scripts", Fill("<p>", "a\xd7\x90"));
    Report("one word of changing formats", Fill("<p>", "<b>a</b>a"));
    Report("tables in tables", Nested("<table border=1><tr><td>", 3, "</table>"));
    Report("small tables", Fill("", "<table border=1><tr><td>x</table>"));
    Report("spanned cells", Fill("<table>", "<tr><td colspan=1000 rowspan=1000>x"));
    Report("bold, italic, small and links in each other",
           Nested("<b><i><small><a href=#x>", 4, "</a></small></i></b>"));
    Report("pictures", Fill("", "<img src=a.png>"));
    Report("links", Fill("", "<a href=\"https://zurk3.example.org/a\">x</a>"));
    Report("tags of any kind", Nested("<div><span><font><center><q>", 5, "</q></center></font></span></div>"));
    Report("tags nested deeper than a page may", Fill("", "<b>"));
    Report("line height", "<p style=\"line-height:100000000%\">x<p style=\"line-height:100000000%\">y");
    Report("margins", Fill("", "<p style=\"margin-top:10000000px\">x"));
    Report("style rules", "<style>" + Repeat("*{}", 5000) + "</style><p>x");
    Report("style sheet imports", Fill("<style>", "@import \"b.css?1\";", "</style>"));
    Report("comments", Fill("", "<!-- x -->"));
    Report("unclosed comment", Fill("<p>a<!--", "x"));
    Report("entities", Fill("<p>", "&amp;&#x202e;&nbsp;"));
    Report("open tags without end", Fill("", "<a"));
    ReportPictures();
    return 0;
}
