#include "engine/Outliers.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kTimesTheMedian = 10.0;

} // namespace

std::vector<double> distancesLeftOut(const CEnsemble& set, int classe) {
    const CClasse& own = set.classe(classe);
    std::vector<double> distances(static_cast<std::size_t>(own.nbExemples()), 0.0);
    int examples = 0, used = 0;
    for (int c = 0; c < set.nbClasses(); ++c) {
        examples += set.classe(c).nbExemples();
        used += !set.classe(c).estVide();
    }
    // Degrees of freedom of the common covariance, and the share of the
    // example's own offset that its class's mean would move away from it.
    const double freedom = examples - used;
    const int n = own.nbExemples();
    if (n < 2 || freedom < 2.0)
        return distances;
    const double shift = double(n) / (n - 1);
    for (int e = 0; e < n; ++e) {
        const CAReconnaitre shape(own.exemple(e), set);
        const double q = shape.distanceTo(own) / freedom;
        const double rest = 1.0 - shift * q;
        distances[e] = rest > 0.0 ? shift * shift * (freedom - 1.0) * q / rest
                                  : std::numeric_limits<double>::infinity();
    }
    return distances;
}

std::vector<bool> outliersAmong(const std::vector<double>& distances) {
    std::vector<bool> marked(distances.size(), false);
    if (distances.empty())
        return marked;
    std::vector<double> sorted = distances;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    for (std::size_t e = 0; e < distances.size(); ++e)
        marked[e] = !CAReconnaitre::distanceAcceptee(distances[e]) &&
                    distances[e] > kTimesTheMedian * *middle;
    return marked;
}
