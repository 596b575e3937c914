// Any bytes read as a kelvrin.cfg, composed, read again and composed again. The reader takes each
// setting from the first place its name appears, anywhere in the text, so a text value that holds
// another setting's name takes that setting's place in the next read, and one such value can
// lead to the next: the round trip cannot be an identity from the bytes on. What the writer
// promises (the README says it in words), with S1 = read(bytes), T1 = compose(S1) and
// S(k+1) = read(Tk), T(k+1) = compose(S(k+1)):
//   - when no text value of S1 holds a setting name, T2 == T1 byte for byte and S3 carries
//     what S2 carries (the store is the same from the first reread on);
//   - always, some Tk with k <= kRounds equals T(k+1) byte for byte, and S(k+2) carries what
//     S(k+1) carries: a fixed point is reached.
#include <optional>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "settings/ConfigReader.h"
#include "settings/ConfigWriter.h"
#include "settings/SettingDescription.h"

namespace {

using kelvrin::ServerSettings;

// Reads the text into a fresh store and composes it again.
std::string ReadAndCompose(std::string_view text, ServerSettings& store) {
    store = ServerSettings{};
    kelvrin::ReadServerConfig(store, text);
    // The composed config always fits: a text too long would be a finding.
    const std::optional<std::string> composed = kelvrin::ComposeServerConfig(store);
    if (!composed) __builtin_trap();
    return *composed;
}

// Every setting the file carries (the game type as its index).
bool SameStore(const ServerSettings& a, const ServerSettings& b) {
    for (const kelvrin::SettingDescription& setting : kelvrin::kSettingDescriptions) {
        if (setting.text != nullptr ? a.*setting.text != b.*setting.text
                                    : a.*setting.number != b.*setting.number) {
            return false;
        }
    }
    return true;
}

// Whether a text value the writer writes holds a setting's name.
bool HoldsASettingName(const ServerSettings& store) {
    for (const kelvrin::SettingDescription& value : kelvrin::kSettingDescriptions) {
        if (value.text == nullptr) continue;
        for (const kelvrin::SettingDescription& setting : kelvrin::kSettingDescriptions) {
            if ((store.*value.text).find(setting.name) != std::string::npos) return true;
        }
    }
    return false;
}

}  // namespace

// One more round than there are text values the writer writes.
constexpr int kRounds = 10;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ServerSettings first;
    std::string text = ReadAndCompose(kelvrin::fuzz::TextOf(data, size), first);
    const bool clean = !HoldsASettingName(first);
    ServerSettings previous;
    std::string next = ReadAndCompose(text, previous);
    for (int round = 1; round <= kRounds; ++round) {
        ServerSettings store;
        const std::string after = ReadAndCompose(next, store);
        if (next == text) {
            if (!SameStore(previous, store)) __builtin_trap();
            return 0;
        }
        if (clean) __builtin_trap();
        text = std::move(next);
        next = after;
        previous = std::move(store);
    }
    __builtin_trap();
}
