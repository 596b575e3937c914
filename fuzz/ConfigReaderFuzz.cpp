// Any bytes as the text of a kelvrin.cfg: the reader must neither crash nor read out of bounds.
#include "fuzz/FuzzInput.h"
#include "settings/ConfigReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvrin::ServerSettings settings;
    kelvrin::ReadServerConfig(settings, kelvrin::fuzz::TextOf(data, size));
    return 0;
}
