#include "engine/Exemple.h"

#include "recognizer/ShapeRecognizer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

const std::shared_ptr<const std::vector<CInkPoint>>& noPoints() {
    static const auto empty = std::make_shared<const std::vector<CInkPoint>>();
    return empty;
}

struct Delta {
    double dx;
    double dy;
};

// Differences taken on integers, then converted, so that no pixel is rounded.
Delta delta(const CInkPoint& a, const CInkPoint& b) {
    return {static_cast<double>(std::int64_t{b.x} - a.x),
            static_cast<double>(std::int64_t{b.y} - a.y)};
}

double length(Delta d) {
    return std::sqrt(d.dx * d.dx + d.dy * d.dy);
}

// Cosine and sine of the direction from a to b; both 0 when a and b coincide.
void direction(const CInkPoint& a, const CInkPoint& b, double& cosinus, double& sinus) {
    const Delta d = delta(a, b);
    const double n = length(d);
    if (n == 0.0) {
        cosinus = sinus = 0.0;
        return;
    }
    cosinus = d.dx / n;
    sinus = d.dy / n;
}

// Successive steps of ink are a few pixels long, so the same pairs of cross and
// dot products come back again and again, and atan2 is the dearest part of the
// features. Each thread keeps the last angle found in each slot of a small
// table, keyed by the arguments' bits, since atan2 tells +0 from -0.
class TurnAngles {
public:
    double of(double sine, double cosine) {
        const auto s = std::bit_cast<std::uint64_t>(sine);
        const auto c = std::bit_cast<std::uint64_t>(cosine);
        Entry& e = m_entries[((s * 0x9E3779B97F4A7C15u) ^ (c * 0xC2B2AE3D27D4EB4Fu)) >> kShift];
        if (e.sine != s || e.cosine != c)
            e = {s, c, std::atan2(sine, cosine)};
        return e.angle;
    }

private:
    static constexpr int kBits = 12;
    static constexpr int kShift = 64 - kBits;
    // A NaN: products of pixel differences never have these bits.
    static constexpr std::uint64_t kEmpty = 0x7FF8'0000'0000'0001u;
    struct Entry {
        std::uint64_t sine = kEmpty, cosine = kEmpty;
        double angle = 0.0;
    };
    std::array<Entry, std::size_t{1} << kBits> m_entries{};
};

// The angle from one step to the next, as atan2 gives it.
double turn(Delta previous, Delta d) {
    constinit thread_local TurnAngles angles;
    return angles.of(d.dx * previous.dy - previous.dx * d.dy,
                     d.dx * previous.dx + d.dy * previous.dy);
}

} // namespace

CExemple::CExemple() : CExemple(std::string()) {}

CExemple::CExemple(std::string nom)
    : m_nom(std::move(nom)), m_reconnaisseur(std::make_shared<RecognizerSlot>()),
      m_points(noPoints()) {}

CExemple::~CExemple() = default;

CShapeRecognizer& CExemple::reconnaisseurFormes() const {
    if (!m_reconnaisseur->recognizer)
        m_reconnaisseur->recognizer = std::make_unique<CShapeRecognizer>(true, 0.0);
    return *m_reconnaisseur->recognizer;
}

void CExemple::preparerPoints() {
    auto points = std::make_shared<std::vector<CInkPoint>>();
    m_boiteMin = m_boiteMax = CInkPoint();
    if (m_dessin) {
        points->reserve(static_cast<std::size_t>(m_dessin->pointCount()));
        for (int s = 0; s < m_dessin->strokeCount(); ++s)
            for (const CInkPoint& p : m_dessin->stroke(s).points())
                points->push_back(p);
        const CPolygon& box = m_dessin->boundingRectangle();
        if (box.vertexCount() >= 3) {
            const CInkPoint& a = box.vertex(0);
            const CInkPoint& c = box.vertex(2);
            m_boiteMin = CInkPoint(std::min(a.x, c.x), std::min(a.y, c.y));
            m_boiteMax = CInkPoint(std::max(a.x, c.x), std::max(a.y, c.y));
        }
    }
    m_points = std::move(points);
    m_caracteristiques.fill(0.0);
}

void CExemple::calculerCaracteristiques() {
    preparerPoints();
    const std::vector<CInkPoint>& p = *m_points;
    const std::size_t n = p.size();
    if (n == 0)
        return;
    Caracteristiques& f = m_caracteristiques;
    const CInkPoint& first = p.front();
    const CInkPoint& last = p.back();

    // With fewer than three points the initial angle is taken towards the last one.
    direction(first, p[std::min<std::size_t>(2, n - 1)], f[0], f[1]);

    const Delta diagonal = delta(m_boiteMin, m_boiteMax);
    f[2] = length(diagonal);
    f[3] = std::atan2(diagonal.dy, diagonal.dx);

    const double ends = length(delta(first, last));
    f[4] = ends;
    direction(first, last, f[5], f[6]);

    Delta previous{};
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Delta d = delta(p[i], p[i + 1]);
        f[7] += length(d);
        if (i > 0) {
            const double theta = turn(previous, d);
            f[8] += theta;
            f[9] += std::fabs(theta);
            f[10] += theta * theta;
        }
        previous = d;
    }

    // The lower middle for an even count. A closed stroke is divided by one
    // pixel, so that f12 stays finite and still grows with the detour.
    const std::size_t m = (n % 2 == 1) ? (n - 1) / 2 : (n - 2) / 2;
    f[11] = (length(delta(p[m], first)) + length(delta(p[m], last))) / std::max(ends, 1.0);

    f[12] = last.t - first.t;
}
