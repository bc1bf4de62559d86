// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QScreen>
#include <QSizeF>
#include <QWidget>
#include <QWindow>
#include <optional>

// The X11 connection is Qt's own, where Qt runs on X11.
#if defined(COILCALC_HAVE_XCB) && QT_CONFIG(xcb)
#define COILCALC_ASK_WINDOW_MANAGER
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef COILCALC_ASK_WINDOW_MANAGER
Q_LOGGING_CATEGORY(placementLog, "coilcalc.placement", QtWarningMsg)

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window property, empty if it is not set.
std::vector<uint32_t> Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 4096), nullptr));
  if (!r || r->format != 32) return {};
  const auto* items = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
  return {items, items + xcb_get_property_value_length(r.get()) / 4};
}

// Asks the window manager for the frame it will give the window once mapped
// (_NET_REQUEST_FRAME_EXTENTS, answered in _NET_FRAME_EXTENTS), in device pixels.
std::optional<QMargins> RequestFrameExtents(QWidget& window) {
  static bool unanswered = false;
  if (unanswered) return std::nullopt;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return std::nullopt;
  xcb_connection_t* c = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
  if (!geometry) return std::nullopt;
  const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  const std::vector<uint32_t> supported =
      Property(c, geometry->root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
    return std::nullopt;  // no window manager, or one that cannot tell
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = id;
  message.type = request;
  xcb_send_event(c, 0, geometry->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);
  // The answer comes within a few milliseconds. A window manager that claims the request but
  // leaves it unanswered costs one short wait, once: it is not asked again.
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  QElapsedTimer waited;
  waited.start();
  do {
    const std::vector<uint32_t> e = Property(c, id, extents, XCB_ATOM_CARDINAL);
    if (e.size() == 4) {
      qCDebug(placementLog) << "frame extents answered in" << waited.elapsed() << "ms";
      return QMargins(e[0], e[2], e[1], e[3]);  // left, right, top, bottom
    }
    QThread::msleep(1);
  } while (waited.elapsed() < 100);
  qCDebug(placementLog) << "frame extents unanswered; the window manager is not asked again";
  unanswered = true;
  return std::nullopt;
}
#endif

// In Qt's device-independent pixels, which need not be whole where Qt scales the screen.
QMarginsF ExpectedFrameMargins(QWidget& window) {
  const QWindow* handle = window.windowHandle();
  if (handle != nullptr && !handle->frameMargins().isNull()) return handle->frameMargins();
  // A dialog gets the frame of its parent window, which is known without asking.
  if (const QWidget* parent = window.parentWidget()) {
    const QWindow* parentHandle = parent->window()->windowHandle();
    if (parentHandle != nullptr && !parentHandle->frameMargins().isNull()) {
      return parentHandle->frameMargins();
    }
  }
#ifdef COILCALC_ASK_WINDOW_MANAGER
  if (handle != nullptr) {
    if (const std::optional<QMargins> device = RequestFrameExtents(window)) {
      return QMarginsF(*device) / handle->devicePixelRatio();
    }
  }
#endif
  return {};
}

}  // namespace

void CentreOnScreen(QWidget& window) {
  window.winId();  // a native window, which the window manager can be asked about
  const QMarginsF frame = ExpectedFrameMargins(window);
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  const QSizeF outer = QSizeF(window.size()).grownBy(frame);
  const QPointF frameTopLeft =
      QRectF(screen->geometry()).center() - QPointF(outer.width(), outer.height()) / 2;
  // The client area's place: move() would place the frame as far as Qt knows it yet.
  window.setGeometry(
      QRect((frameTopLeft + QPointF(frame.left(), frame.top())).toPoint(), window.size()));
}
