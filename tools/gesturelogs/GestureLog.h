#pragma once

#include "recognizer/Dessin.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One gesture drawn by a person, read from a gesture log.
struct GestureLog {
    std::string kind; // what was drawn: the class it belongs to
    // PERSON-[DEVICE-]SPEED-..., unique within its kind: "s02-fast-arrow01",
    // "10-stylus-fast-X-01".
    std::string name;
    std::unique_ptr<CDessin> drawing;
};

struct LogReadResult {
    std::optional<GestureLog> log; // empty when the file is refused
    std::string error;             // French, when refused
};

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
