#pragma once

#include <optional>
#include <string>
#include <string_view>

// The person and speed an example's name carries, as the gesture-log readers
// name them: the fields before the first of "fast", "medium" or "slow", then
// that field. `group` is the name up to and including the speed ("s02-fast",
// "10-stylus-fast"). Empty for a name that carries no speed.
struct PersonSpeed {
    std::string person;
    std::string speed;
    std::string group;
};
std::optional<PersonSpeed> personSpeedOf(std::string_view exampleName);

bool isKnownSpeed(std::string_view speed);
