#pragma once

#include <optional>

enum class KeyLock { Caps, Num, Scroll };

// Whether the lock is on, as the windowing system knows it; nothing where the platform
// gives no way to ask (Wayland, the offscreen platform).
std::optional<bool> PlatformKeyLockState(KeyLock lock);
