#include "engine/CrossValidation.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "recognizer/TemplateMatcher.h"

#include <optional>
#include <random>

namespace {

// Each class's examples are shuffled and dealt to the folds in turn, the deal
// going on from one class to the next so that the folds stay even.
std::vector<std::vector<int>> dealFolds(const CEnsemble& set, int folds, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::vector<int>> foldOf(static_cast<std::size_t>(set.nbClasses()));
    int next = 0;
    for (int c = 0; c < set.nbClasses(); ++c) {
        const int n = set.classe(c).nbExemples();
        std::vector<int> order(static_cast<std::size_t>(n));
        for (int e = 0; e < n; ++e)
            order[e] = e;
        for (int e = n - 1; e > 0; --e)
            std::swap(order[e], order[random() % static_cast<std::uint32_t>(e + 1)]);
        foldOf[c].resize(static_cast<std::size_t>(n));
        for (int e : order)
            foldOf[c][e] = next++ % folds;
    }
    return foldOf;
}

// The set's classes without their examples; `keep(c, e)` picks those to copy.
template <typename Keep>
std::unique_ptr<CEnsemble> copyOf(const CEnsemble& set, Keep keep, bool newDrawings) {
    auto copy = std::make_unique<CEnsemble>(set.nom(), set.description());
    copy->setTypeAction(set.typeAction());
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& source = set.classe(c);
        auto classe = std::make_unique<CClasse>(source.nom(), source.description());
        classe->setCode(source.code());
        for (int e = 0; e < source.nbExemples(); ++e) {
            if (!keep(c, e))
                continue;
            const CExemple& example = source.exemple(e);
            auto kept = newDrawings ? std::make_unique<CExemple>(example.nom())
                                    : std::make_unique<CExemple>(example);
            if (newDrawings && example.dessin())
                kept->setDessin(example.dessin()->clone());
            classe->ajouterExemple(std::move(kept));
        }
        copy->ajouterClasse(std::move(classe));
    }
    copy->apprendre();
    return copy;
}

// Every example outside `fold` as a template of its class.
CTemplateMatcher templatesOutside(const CEnsemble& set, const std::vector<std::vector<int>>& foldOf,
                                  int fold) {
    CTemplateMatcher matcher;
    for (int c = 0; c < set.nbClasses(); ++c) {
        for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
            const auto& drawing = set.classe(c).exemple(e).dessin();
            if (foldOf[c][e] != fold && drawing)
                matcher.addTemplate(c, *drawing);
        }
    }
    return matcher;
}

// The class the fold's recogniser gives the example, -1 when it rejects it;
// empty when it cannot recognise it at all.
std::optional<int> recognised(const CExemple& example, const CEnsemble* training,
                              const CTemplateMatcher& matcher, CrossValidationResult& result) {
    if (training) {
        CAReconnaitre shape(example, *training);
        shape.reconnaitre();
        result.rejectedByProbability += shape.rejeteParProbabilite();
        result.rejectedByDistance += shape.rejeteParDistance();
        return shape.rejete() ? -1 : shape.meilleurIndice();
    }
    const auto match = example.dessin() ? matcher.match(*example.dessin()) : std::nullopt;
    if (!match)
        return std::nullopt;
    return match->classIndex;
}

} // namespace

CrossValidationResult crossValidate(const CEnsemble& set, int folds, std::uint32_t seed,
                                    Recognizer recognizer, const FoldProgress& progress) {
    const int classes = set.nbClasses();
    CrossValidationResult result;
    result.folds = folds;
    result.confusion.assign(static_cast<std::size_t>(classes),
                            std::vector<int>(static_cast<std::size_t>(classes) + 1, 0));
    const auto foldOf = dealFolds(set, folds, seed);
    for (int fold = 0; fold < folds; ++fold) {
        const auto training =
            recognizer == Recognizer::Trained
                ? copyOf(
                      set, [&](int c, int e) { return foldOf[c][e] != fold; }, false)
                : nullptr;
        const CTemplateMatcher matcher = recognizer == Recognizer::Templates
                                             ? templatesOutside(set, foldOf, fold)
                                             : CTemplateMatcher();
        const bool possible =
            training ? training->reconnaissancePossible() : matcher.templateCount() > 0;
        for (int c = 0; c < classes; ++c) {
            for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
                if (foldOf[c][e] != fold)
                    continue;
                ++result.examples;
                const auto best =
                    possible ? recognised(set.classe(c).exemple(e), training.get(), matcher, result)
                             : std::nullopt;
                if (!best)
                    ++result.impossible;
                if (!best || *best < 0) {
                    ++result.confusion[c][classes];
                    result.failures.push_back({c, e, -1});
                } else {
                    ++result.confusion[c][*best];
                    ++(*best == c ? result.right : result.wronglyAccepted);
                    if (*best != c)
                        result.failures.push_back({c, e, *best});
                }
            }
        }
        result.foldsDone = fold + 1;
        if (progress && !progress(result))
            break;
    }
    return result;
}

std::unique_ptr<CEnsemble> independentCopy(const CEnsemble& set) {
    return copyOf(
        set, [](int, int) { return true; }, true);
}
