#pragma once

#include "recognizer/Dessin.h"

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

// Drawings as a person makes them with a mouse or a pen: each stroke follows a
// path, sampled in time, slowing into corners, with a pixel or two of tremor.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

// The polyline a pen follows; its vertices are where the pen turns.
using Path = std::vector<Vec2>;

struct PenStyle {
    double sampleRateHz = 100.0; // mice and tablets report at 60 to 200 Hz
    double speed = 600.0;        // cruising speed, pixels per second
    double cornerSpeed = 0.3;    // share of the cruising speed kept in a sharp corner
    double brakingTime = 0.05;   // seconds of cruising before a corner over which the pen slows
    // Bends of a smaller radius (pixels) slow the pen down, by the cube root of
    // the ratio, as hands do (the two-thirds power law); 0: they do not.
    double curveRadius = 0.0;
    double jitter = 1.0;    // tremor amplitude in pixels
    double pause = 0.12;    // seconds between two strokes of one gesture
    double clockStep = 0.0; // time stamps are cut to this many seconds; 0 keeps them exact
    // Seconds over which the tremor wanders, whatever the sampling rate; 0: it
    // moves a good part of the way at every sample.
    double tremorTime = 0.0;
    // A point is reported only once the pen is this many pixels from the last
    // one reported, as many mice and tablets do: a slow pen gives fewer points.
    double minStep = 0.0;
};

class DrawingGenerator {
public:
    explicit DrawingGenerator(std::uint32_t seed) : m_random(seed) {}

    // A writer picked at random: sampling rate, speed and tremor vary.
    PenStyle randomStyle();
    double uniform(double lo, double hi);
    int uniformInt(int lo, int hi);

    std::unique_ptr<CDessin> draw(const std::vector<Path>& strokes, const PenStyle& style);
    std::unique_ptr<CDessin> draw(const std::vector<Path>& strokes) {
        return draw(strokes, randomStyle());
    }

private:
    std::unique_ptr<CStroke> sample(const Path& path, const PenStyle& style, double& clock);

    std::mt19937 m_random;
};
