#pragma once

#include <algorithm>

// Integer view coordinates of the flowchart, y growing downward.
struct CPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
    CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
    CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

// A rectangle as given: left may exceed right and top may exceed bottom until
// it is normalised.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const CRect&, const CRect&) = default;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    CPoint topLeft() const { return {left, top}; }
    CPoint centerPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    CRect normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    CRect inflated(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    CRect offset(CPoint by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
    // Right and bottom edges are outside, so an empty rectangle contains nothing.
    bool contains(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};
