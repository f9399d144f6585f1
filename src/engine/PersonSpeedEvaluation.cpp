#include "engine/PersonSpeedEvaluation.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "engine/PersonSpeed.h"
#include "recognizer/TemplateMatcher.h"

#include <algorithm>
#include <map>
#include <random>

namespace {

// For each person and speed, each class's examples by position in the class.
using Groups = std::map<std::string, std::vector<std::vector<int>>>;

Groups groupsOf(const CEnsemble& set) {
    Groups groups;
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& classe = set.classe(c);
        for (int e = 0; e < classe.nbExemples(); ++e) {
            const auto who = personSpeedOf(classe.exemple(e).nom());
            auto& perClass = groups[who ? who->group : std::string()];
            perClass.resize(static_cast<std::size_t>(set.nbClasses()));
            perClass[c].push_back(e);
        }
    }
    return groups;
}

// Statistics from features already computed: mean and scatter of each class,
// then the set step, which is what apprendre() does after the features.
void train(CEnsemble& set) {
    for (int c = 0; c < set.nbClasses(); ++c) {
        set.classe(c).calculerMoyenne();
        set.classe(c).calculerCovariance();
    }
    set.calculerStatistiques();
}

// Each example's template vector, computed once for all the draws; empty for
// an example without a drawing or whose drawing has no length.
using Vectors = std::vector<std::vector<std::optional<std::vector<double>>>>;

Vectors templateVectors(const CEnsemble& set) {
    Vectors vectors(static_cast<std::size_t>(set.nbClasses()));
    for (int c = 0; c < set.nbClasses(); ++c) {
        for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
            const auto& drawing = set.classe(c).exemple(e).dessin();
            vectors[c].push_back(drawing ? CTemplateMatcher::vectorOf(*drawing) : std::nullopt);
        }
    }
    return vectors;
}

} // namespace

void RecognitionCounts::add(const RecognitionCounts& other) {
    tests += other.tests;
    right += other.right;
    bestRight += other.bestRight;
    rejected += other.rejected;
    rejectedByProbability += other.rejectedByProbability;
    rejectedByDistance += other.rejectedByDistance;
    wronglyAccepted += other.wronglyAccepted;
    impossible += other.impossible;
}

PersonSpeedResult evaluatePerPersonAndSpeed(const CEnsemble& set, int training, int repetitions,
                                            std::uint32_t seed, Recognizer recognizer) {
    PersonSpeedResult result;
    result.training = training;
    result.repetitions = repetitions;
    result.perClass.resize(static_cast<std::size_t>(set.nbClasses()));
    std::seed_seq seeds{seed, static_cast<std::uint32_t>(training)};
    std::mt19937 random(seeds);
    const auto vectors = recognizer == Recognizer::Templates ? templateVectors(set) : Vectors();

    for (auto& [group, perClass] : groupsOf(set)) {
        std::vector<int> classes; // those of the set that this group can evaluate
        for (int c = 0; c < set.nbClasses(); ++c) {
            if (static_cast<int>(perClass[c].size()) > training)
                classes.push_back(c);
            else if (!perClass[c].empty())
                ++result.classesLeftOut;
        }
        if (classes.empty())
            continue;
        ++result.groups;
        for (int r = 0; r < repetitions; ++r) {
            CEnsemble trained(set.nom(), set.description());
            CTemplateMatcher matcher;
            for (std::size_t position = 0; position < classes.size(); ++position) {
                const int c = classes[position];
                std::vector<int>& examples = perClass[c];
                const auto n = static_cast<std::uint32_t>(examples.size());
                // The first `training` places of a partial shuffle are the draw.
                for (std::uint32_t k = 0; k < static_cast<std::uint32_t>(training); ++k)
                    std::swap(examples[k], examples[k + random() % (n - k)]);
                if (recognizer == Recognizer::Templates) {
                    for (int k = 0; k < training; ++k)
                        if (const auto& vector = vectors[c][examples[k]])
                            matcher.addTemplate(static_cast<int>(position), *vector);
                    continue;
                }
                const CClasse& source = set.classe(c);
                auto classe = std::make_unique<CClasse>(source.nom(), source.description());
                classe->setCode(source.code());
                for (int k = 0; k < training; ++k)
                    classe->ajouterExemple(std::make_unique<CExemple>(source.exemple(examples[k])));
                trained.ajouterClasse(std::move(classe));
            }
            if (recognizer == Recognizer::Trained)
                train(trained);
            const bool possible = recognizer == Recognizer::Trained
                                      ? trained.reconnaissancePossible()
                                      : matcher.templateCount() > 0;
            for (std::size_t position = 0; position < classes.size(); ++position) {
                const int c = classes[position];
                RecognitionCounts& counts = result.perClass[c];
                for (std::size_t k = static_cast<std::size_t>(training); k < perClass[c].size();
                     ++k) {
                    ++counts.tests;
                    if (!possible) {
                        ++counts.impossible;
                        continue;
                    }
                    const int e = perClass[c][k];
                    if (recognizer == Recognizer::Templates) {
                        const auto& vector = vectors[c][e];
                        const auto match = vector ? matcher.match(*vector) : std::nullopt;
                        if (!match) {
                            ++counts.impossible;
                            continue;
                        }
                        const bool best = match->classIndex == static_cast<int>(position);
                        counts.bestRight += best;
                        ++(best ? counts.right : counts.wronglyAccepted);
                        continue;
                    }
                    CAReconnaitre shape(set.classe(c).exemple(e), trained);
                    shape.reconnaitre();
                    const bool best = shape.meilleurIndice() == static_cast<int>(position);
                    counts.bestRight += best;
                    counts.rejectedByProbability += shape.rejeteParProbabilite();
                    counts.rejectedByDistance += shape.rejeteParDistance();
                    if (shape.rejete())
                        ++counts.rejected;
                    else if (best)
                        ++counts.right;
                    else
                        ++counts.wronglyAccepted;
                }
            }
        }
    }
    for (const RecognitionCounts& counts : result.perClass)
        result.overall.add(counts);
    return result;
}

std::vector<int> learningCurveSizes(const CEnsemble& set) {
    int largest = 0;
    for (int c = 0; c < set.nbClasses(); ++c)
        largest = std::max(largest, set.classe(c).nbExemples());
    std::vector<int> sizes;
    for (int n = 2, next = 3; n < largest; n = std::exchange(next, n + next))
        sizes.push_back(n);
    return sizes;
}
