#include "ui/DisplayCheck.h"

#include <cstdlib>
#include <string_view>

namespace kelvrin {

namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool CanStart(std::string_view platform) {
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb") return IsSet("DISPLAY");
    if (name.starts_with("wayland")) return IsSet("WAYLAND_DISPLAY");
    return !name.empty();
}

}  // namespace

bool HasDisplay() {
    std::string_view platforms =
        IsSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "xcb;wayland";
    for (;;) {
        const std::size_t end = platforms.find(';');
        if (CanStart(platforms.substr(0, end))) return true;
        if (end == std::string_view::npos) return false;
        platforms.remove_prefix(end + 1);
    }
}

}  // namespace kelvrin
