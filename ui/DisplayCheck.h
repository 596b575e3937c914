#pragma once

namespace kelvrin {

// Whether Qt will find somewhere to show windows, judged from the environment before Qt starts
// (Qt ends the program, with advice to reinstall it, when none of its platforms starts). The
// platforms are those QT_QPA_PLATFORM names, ";" between them and options after ":", or xcb and
// wayland when it names none. xcb needs DISPLAY and wayland WAYLAND_DISPLAY; any other platform
// the operator names, such as offscreen, needs no display server and is taken as it is.
bool HasDisplay();

}  // namespace kelvrin
