#include "generator/DrawingGenerator.h"

#include <algorithm>
#include <cmath>

namespace {

double length(Vec2 a, Vec2 b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// How sharply the pen turns at vertex i: 0 straight on, 1 straight back.
double sharpness(const Path& path, std::size_t i) {
    if (i == 0 || i + 1 >= path.size())
        return 1.0;
    const Vec2 a = path[i - 1], b = path[i], c = path[i + 1];
    const double ux = b.x - a.x, uy = b.y - a.y, vx = c.x - b.x, vy = c.y - b.y;
    const double nu = std::hypot(ux, uy), nv = std::hypot(vx, vy);
    if (nu == 0 || nv == 0)
        return 0.0;
    const double cosine = (ux * vx + uy * vy) / (nu * nv);
    return std::clamp((1.0 - cosine) / 2.0, 0.0, 1.0);
}

} // namespace

double DrawingGenerator::uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(m_random);
}

int DrawingGenerator::uniformInt(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(m_random);
}

PenStyle DrawingGenerator::randomStyle() {
    PenStyle style;
    style.sampleRateHz = uniform(60.0, 200.0);
    style.speed = uniform(250.0, 1200.0);
    style.cornerSpeed = uniform(0.2, 0.5);
    style.jitter = uniform(0.4, 1.6);
    style.pause = uniform(0.05, 0.25);
    return style;
}

std::unique_ptr<CStroke> DrawingGenerator::sample(const Path& path, const PenStyle& style,
                                                  double& clock) {
    // Arc length at each vertex, and the speed the pen keeps there.
    std::vector<double> at(path.size(), 0.0), slowest(path.size(), 1.0);
    for (std::size_t i = 1; i < path.size(); ++i)
        at[i] = at[i - 1] + length(path[i - 1], path[i]);
    for (std::size_t i = 0; i < path.size(); ++i) {
        slowest[i] = 1.0 - (1.0 - style.cornerSpeed) * sharpness(path, i);
        if (style.curveRadius > 0 && i > 0 && i + 1 < path.size()) {
            // The bend's radius: the arc around the vertex over the angle turned there.
            const double turned = std::acos(1.0 - 2.0 * sharpness(path, i));
            const double arc = (at[i + 1] - at[i - 1]) / 2;
            if (turned > 0 && arc > 0)
                slowest[i] = std::min(slowest[i],
                                      std::min(1.0, std::cbrt(arc / turned / style.curveRadius)));
        }
    }
    const double total = at.back();
    const double braking = std::max(8.0, style.speed * style.brakingTime);

    const auto speedAt = [&](double s) {
        double factor = 1.0;
        const auto first = std::lower_bound(at.begin(), at.end(), s - braking) - at.begin();
        for (auto i = static_cast<std::size_t>(first); i < at.size() && at[i] <= s + braking; ++i) {
            const double near = std::fabs(s - at[i]) / braking;
            if (near < 1.0)
                factor = std::min(factor, slowest[i] + (1.0 - slowest[i]) * near);
        }
        return style.speed * factor;
    };
    const auto positionAt = [&](double s) {
        const auto it = std::upper_bound(at.begin(), at.end(), s);
        const std::size_t i =
            it == at.begin() ? 0 : std::min<std::size_t>(it - at.begin() - 1, path.size() - 2);
        const double span = at[i + 1] - at[i];
        const double f = span > 0 ? std::clamp((s - at[i]) / span, 0.0, 1.0) : 0.0;
        return Vec2{path[i].x + f * (path[i + 1].x - path[i].x),
                    path[i].y + f * (path[i + 1].y - path[i].y)};
    };

    // Tremor: a slowly wandering offset rather than independent noise per sample.
    std::normal_distribution<double> noise(0.0, 1.0);
    Vec2 tremor;
    auto stroke = std::make_unique<CStroke>();
    const auto emit = [&](double s, double dt, bool last) {
        if (style.tremorTime > 0) {
            const double keep = std::exp(-dt / style.tremorTime);
            const double fresh = style.jitter * std::sqrt(1.0 - keep * keep);
            tremor.x = keep * tremor.x + fresh * noise(m_random);
            tremor.y = keep * tremor.y + fresh * noise(m_random);
        } else {
            tremor.x = 0.7 * tremor.x + 0.3 * style.jitter * noise(m_random);
            tremor.y = 0.7 * tremor.y + 0.3 * style.jitter * noise(m_random);
        }
        const Vec2 p = positionAt(s);
        const double stamp =
            style.clockStep > 0 ? std::floor(clock / style.clockStep) * style.clockStep : clock;
        const int x = static_cast<int>(std::lround(p.x + tremor.x));
        const int y = static_cast<int>(std::lround(p.y + tremor.y));
        if (style.minStep > 0 && stroke->pointCount() > 0) {
            const CInkPoint& previous = stroke->point(stroke->pointCount() - 1);
            const double step = std::hypot(x - previous.x, y - previous.y);
            if (step == 0 || (step < style.minStep && !last))
                return;
        }
        stroke->addPoint(x, y, stamp);
    };

    double s = 0.0;
    emit(0.0, 0.0, false);
    if (path.size() < 2)
        return stroke;
    while (s < total) {
        const double dt = (1.0 / style.sampleRateHz) * uniform(0.9, 1.1);
        s = std::min(total, s + speedAt(s) * dt);
        clock += dt;
        emit(s, dt, s >= total);
    }
    return stroke;
}

std::unique_ptr<CDessin> DrawingGenerator::draw(const std::vector<Path>& strokes,
                                                const PenStyle& style) {
    auto drawing = std::make_unique<CDessin>();
    double clock = 0.0;
    for (std::size_t k = 0; k < strokes.size(); ++k) {
        if (k > 0)
            clock += style.pause;
        drawing->addStroke(sample(strokes[k], style, clock));
    }
    return drawing;
}
