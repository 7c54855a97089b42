// libFuzzer target: any bytes as a help page. Measuring a page against the help page bound must
// end soon and sanely whatever the bytes are; libFuzzer's own timeout catches a slow input.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dialogs/HelpPageBound.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const HelpPageBound::Cost cost = HelpPageBound::Measure(page);
    // Reading stops at the first limit passed, so no count runs far past its limit.
    if (cost.Bytes != size || cost.Depth < 0 || cost.Depth > HelpPageBound::MaxDepth + 3 ||
        cost.TableNesting > cost.Depth)
        std::abort();
    return 0;
}
