#include "gesture/GestureClock.h"

#include <chrono>

GestureClock::Manual* GestureClock::s_manual = nullptr;

double GestureClock::now() {
    if (s_manual)
        return s_manual->time();
    const auto since1970 = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since1970).count();
    return static_cast<double>(ms / 1000) + static_cast<double>(ms % 1000) / 1000.0;
}

GestureClock::Manual::Manual(double start) : m_time(start), m_previous(s_manual) {
    s_manual = this;
}

GestureClock::Manual::~Manual() {
    s_manual = m_previous;
}
