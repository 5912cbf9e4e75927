#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys, where the system
// tells it: Linux shows each keyboard's lock lights under /sys/class/leds.

#include <optional>

struct LockState {
    std::optional<bool> capsLock;    // nothing when the system cannot tell
    std::optional<bool> numLock;
    std::optional<bool> scrollLock;
};

LockState ReadLockState();
