#include "engine/PersonSpeed.h"

#include <algorithm>
#include <array>

bool isKnownSpeed(std::string_view speed) {
    constexpr std::array<std::string_view, 3> kSpeeds{"fast", "medium", "slow"};
    for (const std::string_view known : kSpeeds)
        if (speed == known)
            return true;
    return false;
}

std::optional<PersonSpeed> personSpeedOf(std::string_view name) {
    std::size_t start = 0;
    while (start < name.size()) {
        const std::size_t end = std::min(name.find('-', start), name.size());
        const std::string_view field = name.substr(start, end - start);
        if (start > 0 && isKnownSpeed(field)) {
            const std::string_view before = name.substr(0, start - 1);
            return PersonSpeed{std::string(before.substr(0, before.find('-'))), std::string(field),
                               std::string(name.substr(0, end))};
        }
        start = end + 1;
    }
    return std::nullopt;
}
