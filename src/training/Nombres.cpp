#include "training/Nombres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// printf's conversions in the "C" locale, whatever locale the application runs in.
std::string printed(std::chars_format format, int precision, double value) {
    std::array<char, 400> text;
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    return std::string(text.data(), end.ptr);
}

std::string grouped(std::string_view digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ' ';
        text += digits[i];
    }
    return text;
}

} // namespace

std::string FormaterNombre(double value, int decimales) {
    if (!std::isfinite(value))
        return printed(std::chars_format::fixed, 0, value);
    const std::string rounded =
        printed(std::chars_format::fixed, std::clamp(decimales, 0, 20), std::fabs(value));
    if (rounded.find_first_not_of("0.") == std::string::npos)
        return "0";
    const std::size_t point = rounded.find('.');
    std::string text = value < 0 ? "-" : "";
    text += grouped(std::string_view(rounded).substr(0, point));
    if (point != std::string::npos)
        text += rounded.substr(point);
    return text;
}

std::string formatGeneral(double value) {
    return printed(std::chars_format::general, 15, value);
}
