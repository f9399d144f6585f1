#include "shell/KeyLocks.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt names: it comes last.
#include <X11/XKBlib.h>

namespace {

bool indicatorOn(Display* display, const char* name) {
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
           on;
}

} // namespace

std::optional<LockKeys> queryLockKeys() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return std::nullopt;
    return LockKeys{indicatorOn(display, "Caps Lock"), indicatorOn(display, "Num Lock"),
                    indicatorOn(display, "Scroll Lock")};
}
