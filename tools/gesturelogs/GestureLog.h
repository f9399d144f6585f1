#pragma once

#include "engine/PersonSpeed.h"
#include "recognizer/Dessin.h"

#include <memory>
#include <optional>
#include <string>

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
