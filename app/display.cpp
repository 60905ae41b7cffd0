// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/display.h"

#if defined(_WIN32) || defined(__APPLE__)

bool HasDisplay(int, char**) { return true; }

#else

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Qt's choice, in order: -platform on the command line, QT_QPA_PLATFORM,
// then X11 or Wayland; each may be a list separated by ';', and each name
// may carry options after ':'.
std::string Platforms(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return argv[i + 1];
  }
  const std::string chosen = Variable("QT_QPA_PLATFORM");
  return chosen.empty() ? "xcb;wayland" : chosen;
}

bool WaylandDisplay() {
  if (!Variable("WAYLAND_DISPLAY").empty()) return true;
  const std::string runtime = Variable("XDG_RUNTIME_DIR");  // where the default socket lies
  std::error_code error;
  return !runtime.empty() && std::filesystem::exists(runtime + "/wayland-0", error);
}

// Only X11 and Wayland are known to need a display that the user has to
// give; offscreen, vnc, eglfs, linuxfb and the like bring their own.
bool CanShow(std::string platform) {
  platform = platform.substr(0, platform.find(':'));
  std::transform(platform.begin(), platform.end(), platform.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (platform == "xcb") return !Variable("DISPLAY").empty();
  if (platform.starts_with("wayland")) return WaylandDisplay();
  return true;
}

}  // namespace

bool HasDisplay(int argc, char** argv) {
  const std::string platforms = Platforms(argc, argv);
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = platforms.find(';', begin);
    if (CanShow(platforms.substr(begin, end - begin))) return true;
    if (end == std::string::npos) return false;
    begin = end + 1;
  }
}

#endif
