#include "engine/AReconnaitre.h"

#include "engine/Ensemble.h"

#include <cmath>

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

void CAReconnaitre::probabiliteReconnaissance() {
    m_probabilite = 0.0;
    if (m_classeChoisie) {
        double sum = 0.0;
        for (double v : m_evaluations)
            sum += std::exp(v - m_meilleureEvaluation);
        m_probabilite = 1.0 / sum;
    }
    m_rejeteProbabilite = !m_classeChoisie || !probabiliteAcceptee(m_probabilite);
}

void CAReconnaitre::distanceMahalanobis() {
    m_distance = 0.0;
    if (m_classeChoisie) {
        const CMatrice& q = m_ensemble->statistiques();
        const Caracteristiques& f = caracteristiques();
        const CClasse::Vecteur& m = m_classeChoisie->moyenne();
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                m_distance += ((f[i] - m[i]) * q.inverse(i, j)) * (f[j] - m[j]);
    }
    m_rejeteDistance = !m_classeChoisie || !distanceAcceptee(m_distance);
}
