#include "generator/TextGestures.h"

#include "generator/CommandGestures.h"
#include "generator/ShapePaths.h"

// Random draws are made one statement at a time, never two in one call's arguments.
std::vector<Path> textGesture(int code, DrawingGenerator& g, Vec2 c, double size) {
    // The straight strokes are those of the moves of the command set.
    switch (code) {
    case 302:
        return commandGesture(204, g, c, size);
    case 303:
        return commandGesture(205, g, c, size);
    case 304:
        return commandGesture(202, g, c, size);
    default: {
        const double slant = g.uniform(-0.1, 0.1);
        const double height = size * g.uniform(0.25, 0.45);
        return {paths::placed({{-0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}, {0.5, -0.5}}, c, size, height,
                              slant)};
    }
    }
}
