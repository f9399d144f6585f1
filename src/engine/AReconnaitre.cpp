#include "engine/AReconnaitre.h"

#include "engine/Ensemble.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr int N = CExemple::NB_CARACTERISTIQUES;
}

CAReconnaitre::CAReconnaitre(const CEnsemble& ensemble) : m_ensemble(&ensemble) {
    reinitialiser();
}

CAReconnaitre::CAReconnaitre(const CExemple& exemple, const CEnsemble& ensemble)
    : CExemple(exemple), m_ensemble(&ensemble) {
    reinitialiser();
}

void CAReconnaitre::setEnsemble(const CEnsemble& ensemble) {
    m_ensemble = &ensemble;
    reinitialiser();
}

void CAReconnaitre::reinitialiser() {
    m_nomReconnu.clear();
    m_classeChoisie.reset();
    m_rejeteProbabilite = m_rejeteDistance = false;
    m_code = AUCUN_CODE;
    m_evaluations.assign(static_cast<std::size_t>(m_ensemble->nbClasses()), 0.0);
    m_meilleureEvaluation = 0.0;
    m_meilleurIndice = 0;
    m_probabilite = 0.0;
    m_distance = 0.0;
}

void CAReconnaitre::reconnaitre() {
    evaluer();
    choisir();
    m_nomReconnu = m_classeChoisie ? m_classeChoisie->nom() : std::string();
    probabiliteReconnaissance();
    distanceMahalanobis();
    if (rejete())
        m_code = AUCUN_CODE;
}

void CAReconnaitre::evaluer() {
    const CEnsemble& set = *m_ensemble;
    m_evaluations.resize(static_cast<std::size_t>(set.nbClasses()));
    const Caracteristiques& f = caracteristiques();
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse::Poids& w = set.classe(c).poids();
        double v = w[0];
        for (int j = 1; j <= N; ++j)
            v += w[j] * f[j - 1];
        m_evaluations[c] = v;
    }
}

void CAReconnaitre::choisir() {
    m_meilleurIndice = 0;
    m_meilleureEvaluation = 0.0;
    m_classeChoisie.reset();
    m_code = AUCUN_CODE;
    if (m_evaluations.empty())
        return;
    m_meilleureEvaluation = m_evaluations[0];
    for (std::size_t c = 1; c < m_evaluations.size(); ++c) {
        if (!(m_meilleureEvaluation >= m_evaluations[c])) {
            m_meilleureEvaluation = m_evaluations[c];
            m_meilleurIndice = static_cast<int>(c);
        }
    }
    m_classeChoisie = m_ensemble->classe(m_meilleurIndice);
    m_code = m_classeChoisie->code();
}

double CAReconnaitre::probabilityOf(double evaluation) const {
    double sum = 0.0;
    for (double v : m_evaluations)
        sum += std::exp(v - evaluation);
    return 1.0 / sum;
}

double CAReconnaitre::distanceTo(const CClasse& classe) const {
    const CMatrice& q = m_ensemble->statistiques();
    const Caracteristiques& f = caracteristiques();
    const CClasse::Vecteur& m = classe.moyenne();
    double d = 0.0;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            d += ((f[i] - m[i]) * q.inverse(i, j)) * (f[j] - m[j]);
    return d;
}

void CAReconnaitre::probabiliteReconnaissance() {
    m_probabilite = 0.0;
    if (m_classeChoisie)
        m_probabilite = probabilityOf(m_meilleureEvaluation);
    m_rejeteProbabilite = !m_classeChoisie || !probabiliteAcceptee(m_probabilite);
}

void CAReconnaitre::distanceMahalanobis() {
    m_distance = 0.0;
    if (m_classeChoisie)
        m_distance = distanceTo(*m_classeChoisie);
    m_rejeteDistance = !m_classeChoisie || !distanceAcceptee(m_distance);
}

std::vector<CAReconnaitre::Candidate> CAReconnaitre::bestCandidates(int count) const {
    std::vector<int> order(m_evaluations.size());
    std::iota(order.begin(), order.end(), 0);
    // A NaN evaluation ranks last, so that the order stays a strict one.
    const auto rank = [this](int c) {
        const double v = m_evaluations[c];
        return std::isnan(v) ? -HUGE_VAL : v;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&rank](int a, int b) { return rank(a) > rank(b); });
    order.resize(std::min(order.size(), static_cast<std::size_t>(std::max(count, 0))));
    std::vector<Candidate> best;
    for (int c : order)
        best.push_back({c, probabilityOf(m_evaluations[c]), distanceTo(m_ensemble->classe(c))});
    return best;
}
