#pragma once

#include <optional>

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The keyboard's lock lights as the window system reports them; nothing when it
// cannot tell (no X11 display).
std::optional<LockKeys> queryLockKeys();
