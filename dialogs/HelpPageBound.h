#pragma once
#include <cstddef>
#include <string_view>

// What a help page may cost the viewer. Laying out a page is the slow part, and it grows with
// the page's size, with how deep its elements nest, and twofold with every level of tables
// inside tables, so a few kilobytes could hold the game for good. A page is measured by reading
// its tags the way Qt's HTML reader reads them (comments, quoted values, blanks after "<",
// entities in tag names, implied tables and closed paragraphs), before Qt ever sees it.
class HelpPageBound {
public:
    static constexpr std::size_t MaxBytes = 128u << 10;
    static constexpr int MaxDepth = 32;        // elements inside elements, of any kind
    static constexpr int MaxTableNesting = 4;  // tables inside tables
    // Each byte weighs four times as much for every table around it: a cell is laid out more than
    // once to find its width, and its table's again inside the table around it.
    static constexpr std::size_t MaxWeightedBytes = 256u << 10;

    struct Cost {
        std::size_t Bytes = 0;
        int Depth = 0;
        int TableNesting = 0;
        std::size_t WeightedBytes = 0;
    };

    // The page's cost, read as far as needed: once a limit is passed, the rest is not read.
    static Cost Measure(std::string_view utf8Page);
    static bool Admits(const Cost& cost);
    static bool Admits(std::string_view utf8Page) { return Admits(Measure(utf8Page)); }
};
