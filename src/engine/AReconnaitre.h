#pragma once

#include "engine/Classe.h"
#include "engine/Exemple.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CEnsemble;

// A shape to recognise against a trained set: the best class by linear
// evaluation, rejected when the choice is ambiguous (probability below 0.98) or
// the shape lies far from the class (squared Mahalanobis distance above 110).
//
// The set is not owned and must outlive the binding. The object may be rebound
// to other sets; the evaluations always hold one entry per class of the set in
// use at the last recognition.
class CAReconnaitre : public CExemple {
public:
    static constexpr double PROBABILITE_MIN = 0.98;
    static constexpr double DISTANCE_MAX = 110.0;

    // The two acceptance rules; the boundaries themselves are accepted, NaN is not.
    static bool probabiliteAcceptee(double p) { return p >= PROBABILITE_MIN; }
    static bool distanceAcceptee(double d) { return d <= DISTANCE_MAX; }

    // An empty example bound to `ensemble`: give it a drawing, compute its features.
    explicit CAReconnaitre(const CEnsemble& ensemble);
    // A copy of `exemple`, features included, bound to `ensemble`.
    CAReconnaitre(const CExemple& exemple, const CEnsemble& ensemble);

    const CEnsemble& ensemble() const { return *m_ensemble; }
    void setEnsemble(const CEnsemble& ensemble);

    // evaluer(), choisir(), then both rejection tests; code AUCUN_CODE when
    // either rejects. The features must be computed and the set trained (and
    // able to recognise: CEnsemble::reconnaissancePossible()). A set without
    // classes gives no chosen class and both rejections.
    void reconnaitre();

    // The steps of reconnaitre(), in its order. With no chosen class both tests reject.
    void evaluer();
    void choisir();
    void probabiliteReconnaissance();
    void distanceMahalanobis();

    // The chosen class's name, kept when rejected; "" before recognition.
    const std::string& nomReconnu() const { return m_nomReconnu; }
    // A copy of the chosen class (sharing its examples); none before recognition.
    const std::optional<CClasse>& classeChoisie() const { return m_classeChoisie; }
    bool rejeteParProbabilite() const { return m_rejeteProbabilite; }
    bool rejeteParDistance() const { return m_rejeteDistance; }
    bool rejete() const { return m_rejeteProbabilite || m_rejeteDistance; }
    // The chosen class's code, or AUCUN_CODE when rejected.
    std::uint16_t code() const { return m_code; }

    std::span<const double> evaluations() const { return m_evaluations; }
    double meilleureEvaluation() const { return m_meilleureEvaluation; }
    int meilleurIndice() const { return m_meilleurIndice; }
    double probabilite() const { return m_probabilite; }
    double distance() const { return m_distance; }

    // A class as the evaluation ranks it: the probability it would have if it
    // were chosen, and the squared Mahalanobis distance to its mean.
    struct Candidate {
        int classIndex;
        double probability;
        double distance;
    };
    // After recognition: the `count` best-evaluated classes (fewer if the set
    // has fewer), best first; ties keep the class order, as the choice does.
    std::vector<Candidate> bestCandidates(int count) const;

    // The squared Mahalanobis distance from the features to the class's mean,
    // by the set's common covariance: what the distance test measures.
    double distanceTo(const CClasse& classe) const;

private:
    void reinitialiser();
    double probabilityOf(double evaluation) const;

    std::string m_nomReconnu;
    std::optional<CClasse> m_classeChoisie;
    bool m_rejeteProbabilite = false;
    bool m_rejeteDistance = false;
    std::uint16_t m_code = AUCUN_CODE;
    const CEnsemble* m_ensemble;
    std::vector<double> m_evaluations;
    double m_meilleureEvaluation = 0.0;
    int m_meilleurIndice = 0;
    double m_probabilite = 0.0;
    double m_distance = 0.0;
};
