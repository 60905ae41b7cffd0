// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "x_display.h"

#include <poll.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "clock.h"

namespace probe {
namespace {

// xcb hands out replies and events allocated with malloc.
struct FreeDeleter {
  void operator()(void* block) const { std::free(block); }
};
template <class T>
using Owned = std::unique_ptr<T, FreeDeleter>;

void Check(xcb_connection_t* connection, xcb_void_cookie_t cookie, const char* what) {
  Owned<xcb_generic_error_t> error(xcb_request_check(connection, cookie));
  if (error) throw std::runtime_error(std::string("X request failed: ") + what);
}

}  // namespace

XDisplay::XDisplay() {
  int screenNumber = 0;
  connection_ = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection_)) {
    throw std::runtime_error("cannot open the X display named by DISPLAY");
  }
  const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection_, &xcb_test_id);
  if (xtest == nullptr || !xtest->present) {
    throw std::runtime_error("the X server has no XTEST extension");
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  root_ = screens.data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  Check(connection_,
        xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask),
        "select SubstructureNotify on the root window");
}

XDisplay::~XDisplay() { xcb_disconnect(connection_); }

void XDisplay::Discard() {
  xcb_flush(connection_);
  while (Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
  }
}

std::optional<MappedWindow> XDisplay::WaitForMap(const std::function<bool(const Rect&)>& wanted,
                                                 double timeout) {
  const double deadline = Now() + timeout;
  for (;;) {
    // Events that a reply brought along are already read: take them first,
    // so that the wait below never sleeps on one that has arrived.
    while (Owned<xcb_generic_event_t> event{xcb_poll_for_queued_event(connection_)}) {
      if (auto window = Wanted(*event, Now(), wanted)) return window;
    }
    const double left = deadline - Now();
    if (left <= 0) return std::nullopt;
    pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&socket, 1, static_cast<int>(left * 1000) + 1);
    if (Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
      if (auto window = Wanted(*event, Now(), wanted)) return window;
    }
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("lost the X display");
  }
}

std::optional<MappedWindow> XDisplay::Wanted(const xcb_generic_event_t& event, double at,
                                             const std::function<bool(const Rect&)>& wanted) {
  if ((event.response_type & 0x7F) != XCB_MAP_NOTIFY) return std::nullopt;
  const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
  const std::optional<Rect> geometry = Geometry(map.window);
  if (!geometry || !wanted(*geometry)) return std::nullopt;
  return MappedWindow{map.window, *geometry, at};
}

std::optional<Rect> XDisplay::Geometry(xcb_window_t window) {
  Owned<xcb_get_geometry_reply_t> reply(
      xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
  if (!reply) return std::nullopt;  // gone already
  return Rect{reply->x, reply->y, reply->width, reply->height};
}

double XDisplay::Click(int x, int y) {
  const auto fake = [this](std::uint8_t type, std::uint8_t detail, int x, int y) {
    return xcb_test_fake_input_checked(connection_, type, detail, XCB_CURRENT_TIME, root_,
                                       static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                                       0);
  };
  const auto move = fake(XCB_MOTION_NOTIFY, 0, x, y);
  const double at = Now();
  const auto press = fake(XCB_BUTTON_PRESS, 1, 0, 0);
  const auto release = fake(XCB_BUTTON_RELEASE, 1, 0, 0);
  xcb_flush(connection_);
  Check(connection_, move, "XTest pointer motion");
  Check(connection_, press, "XTest button press");
  Check(connection_, release, "XTest button release");
  return at;
}

std::vector<std::uint8_t> XDisplay::Pixels(xcb_window_t window, const Rect& area) {
  Owned<xcb_get_image_reply_t> reply(xcb_get_image_reply(
      connection_,
      xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                    static_cast<std::int16_t>(area.x), static_cast<std::int16_t>(area.y),
                    static_cast<std::uint16_t>(area.width), static_cast<std::uint16_t>(area.height),
                    ~0u),
      nullptr));
  if (!reply) throw std::runtime_error("cannot read a window's pixels");
  const std::uint8_t* data = xcb_get_image_data(reply.get());
  return {data, data + xcb_get_image_data_length(reply.get())};
}

}  // namespace probe
