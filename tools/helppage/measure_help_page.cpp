// Prints, for pages at the help page bound and for hostile pages, whether the bound admits them,
// how long measuring took and, for the admitted ones, how long Qt takes to lay them out.
#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <cstdio>
#include <functional>
#include <string>

#include "dialogs/HelpPageBound.h"

namespace {
std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Text that fills a page up to about bytes.
std::string Filler(std::size_t bytes) {
    const std::string paragraph = "<p>Zurk leze rybnikem a poji kulicky, mousky i zlatou kulicku. </p>\n";
    return Repeat(paragraph, bytes / paragraph.size());
}

std::string Nested(const std::string& open, const std::string& close, int depth, const std::string& inside) {
    return Repeat(open, static_cast<std::size_t>(depth)) + inside + Repeat(close, static_cast<std::size_t>(depth));
}

void Report(const char* name, const std::string& page) {
    QElapsedTimer timer;
    timer.start();
    const HelpPageBound::Cost cost = HelpPageBound::Measure(page);
    const double measureMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const bool admitted = HelpPageBound::Admits(cost);
    std::printf("%-44s %8zu B  depth %6d  tables %3d  weighted %8zu  %-8s measured in %8.2f ms", name, page.size(),
                cost.Depth, cost.TableNesting, cost.WeightedBytes, admitted ? "admitted" : "refused", measureMs);
    if (admitted) {
        timer.start();
        QTextDocument document;
        document.setHtml(QString::fromStdString(page));
        document.setTextWidth(620);
        const double height = document.size().height();
        std::printf("  laid out in %8.1f ms (%.0f px high)", static_cast<double>(timer.nsecsElapsed()) / 1e6, height);
    }
    std::printf("\n");
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const std::size_t limit = HelpPageBound::MaxBytes;
    const int tables = HelpPageBound::MaxTableNesting;
    const std::size_t innermost = (HelpPageBound::MaxWeightedBytes >> (2 * tables)) - 100;
    Report("plain paragraphs at the size bound", Filler(limit - 100));
    Report("tables nested at the bound, text inside",
           Nested("<table border=1><tr><td>", "</td></tr></table>", tables, Filler(innermost)));
    const std::string row = "<tr><td>a</td><td>b</td><td>c</td></tr>";
    Report("one table of small cells at the bound",
           "<table border=1>" + Repeat(row, (HelpPageBound::MaxWeightedBytes / 4 - 100) / row.size()) + "</table>");
    Report("tables nested at the bound, small cells inside",
           Nested("<table border=1><tr><td>", "</td></tr></table>", tables - 1,
                  "<table border=1>" + Repeat(row, innermost / row.size()) + "</table>"));
    Report("elements nested at the depth bound",
           Nested("<div style=\"margin-left:4px\">", "</div>", HelpPageBound::MaxDepth - 1, Filler(limit - 9000)));
    Report("lists nested at the depth bound",
           Nested("<ul><li>", "</li></ul>", (HelpPageBound::MaxDepth - 1) / 2, Filler(limit - 5000)));
    Report("100 levels of tables, comments closing", Nested("<table><tr><td><!--</table>-->", "", 100, "x"));
    Report("100 levels of tables, quoted closing", Nested("<table title=\"</table>\"><tr><td>", "", 100, "x"));
    Report("100 levels of tables, blank after <", Nested("< table><tr><td>", "", 100, "x"));
    Report("10 000 nested lists", Nested("<ul><li>", "</li></ul>", 10000, "x"));
    Report("4 000 nested lists, within the size bound", Nested("<ul><li>", "", 4000, "x"));
    Report("200 000 nested <b>", Nested("<b>", "</b>", 200000, "x"));
    Report("40 000 nested <b>, within the size bound", Nested("<b>", "", 40000, "x"));
    return 0;
}
