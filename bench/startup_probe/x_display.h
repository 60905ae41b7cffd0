// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace probe {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A top-level window as the server mapped it: where it lies on the root
// window and when the probe learnt of it.
struct MappedWindow {
  xcb_window_t id = XCB_NONE;
  Rect geometry;
  double mappedAt = 0;
};

// The X display of $DISPLAY, watched for top-level windows being mapped
// (SubstructureNotify on the root window), and a mouse driven through the
// XTest extension. Throws std::runtime_error when either is missing.
class XDisplay {
 public:
  XDisplay();
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  // Forgets the events that came before now.
  void Discard();

  // The first top-level window mapped from now on whose geometry `wanted`
  // accepts, timed when its MapNotify arrives; nothing when none comes
  // within timeout seconds. Other windows (helpers of the toolkit) are
  // passed over.
  std::optional<MappedWindow> WaitForMap(const std::function<bool(const Rect&)>& wanted,
                                         double timeout);

  // Moves the pointer to a point of the root window and clicks the left
  // button there; returns the time just before the press was sent.
  double Click(int x, int y);

  // The pixels of a rectangle of a mapped window, as the server holds them.
  std::vector<std::uint8_t> Pixels(xcb_window_t window, const Rect& area);

 private:
  std::optional<Rect> Geometry(xcb_window_t window);
  std::optional<MappedWindow> Wanted(const xcb_generic_event_t& event, double at,
                                     const std::function<bool(const Rect&)>& wanted);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_NONE;
};

}  // namespace probe
