// Any bytes as the text of a kelvrin.scriptcfg: every row read is a part of the text no longer
// than a row may be (empty when the entry was no longer than its "mp/") and without a control
// character, and the start map is the first entry.
#include "fuzz/FuzzInput.h"
#include "maps/MapCycle.h"
#include "maps/MapList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kelvrin::fuzz::TextOf(data, size);
    kelvrin::ServerSettings settings;
    kelvrin::MapRows selected;
    kelvrin::ReadMapCycle(settings, text, selected);
    for (const std::string& entry : selected) {
        if (entry.size() > kelvrin::kMaxMapRowLength || kelvrin::HoldsControlCharacter(entry) ||
            text.find(entry) == std::string_view::npos) {
            __builtin_trap();
        }
    }
    if (!selected.empty() && settings.si_map.find(selected.front()) == std::string::npos) {
        __builtin_trap();
    }
    return 0;
}
