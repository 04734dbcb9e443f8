#include "app/key_lock_state.h"

#include <QGuiApplication>

// The system headers come last: X11's define macros (None, Bool, Status) that clash with
// names in Qt's headers.
#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(WENDREL_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

std::optional<bool> PlatformKeyLockState(KeyLock lock) {
#if defined(Q_OS_WIN)
  static constexpr int kKeys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
  // The low bit of a toggle key's state is its lock.
  return (GetKeyState(kKeys[static_cast<int>(lock)]) & 1) != 0;
#elif defined(WENDREL_HAVE_X11) && QT_CONFIG(xcb)
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display)
    return std::nullopt;
  // XKB names the indicators; their bit positions differ between keyboard maps.
  static constexpr const char* kNames[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
  const Atom name = XInternAtom(display, kNames[static_cast<int>(lock)], False);
  Bool on = False;
  if (!XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr))
    return std::nullopt;
  return on != False;
#else
  Q_UNUSED(lock);
  return std::nullopt;
#endif
}
