#pragma once

#include <functional>

// The clock that drawing views read to stamp points: seconds since 1970 with
// millisecond resolution. Tests and the gesture player set its time by hand.
class GestureClock {
public:
    static double now();

    // While it lives, the clock reads this object's time instead of the system's.
    class Manual {
    public:
        explicit Manual(double start = 1000.0);
        ~Manual();
        Manual(const Manual&) = delete;
        Manual& operator=(const Manual&) = delete;

        void set(double seconds) { m_time = seconds; }
        void advance(double seconds) { m_time += seconds; }
        double time() const { return m_time; }

    private:
        double m_time;
        Manual* m_previous;
    };

private:
    static Manual* s_manual;
};
