#include "engine/Classe.h"

#include "engine/Ensemble.h"

#include <vector>

namespace {
constexpr int N = CExemple::NB_CARACTERISTIQUES;
}

CClasse::CClasse() : CClasse(std::string(), std::string()) {}

CClasse::CClasse(std::string nom, std::string description)
    : m_nom(std::move(nom)), m_description(std::move(description)),
      m_exemples(std::make_shared<Exemples>()) {
    initialiserStatistiques();
}

CClasse::~CClasse() = default;

void CClasse::ajouterExemple(std::unique_ptr<CExemple> exemple) {
    m_exemples->append(std::move(exemple));
}

void CClasse::supprimerExemple(int i) {
    const std::string nom = exemple(i).nom();
    m_exemples->removeFirstIf([&nom](const auto& e) { return e->nom() == nom; });
}

void CClasse::supprimerExemples() {
    m_exemples->clear();
}

void CClasse::initialiserStatistiques() {
    m_moyenne.fill(0.0);
    m_poids.fill(0.0);
    m_covariance = std::make_shared<CMatrice>(N);
}

void CClasse::calculerMoyenne() {
    if (estVide())
        return;
    Vecteur sum{};
    for (const auto& e : *m_exemples)
        for (int i = 0; i < N; ++i)
            sum[i] += e->caracteristiques()[i];
    const double count = nbExemples();
    for (int i = 0; i < N; ++i)
        m_moyenne[i] = sum[i] / count;
}

void CClasse::calculerCovariance() {
    std::vector<double> s(N * N, 0.0);
    for (const auto& e : *m_exemples) {
        Vecteur centred;
        for (int i = 0; i < N; ++i)
            centred[i] = e->caracteristiques()[i] - m_moyenne[i];
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                s[i * N + j] += centred[i] * centred[j];
    }
    m_covariance = std::make_shared<CMatrice>(N, s);
}

void CClasse::calculerPoids(const CMatrice& inverse) {
    m_poids.fill(0.0);
    for (int j = 1; j <= N; ++j)
        for (int i = 0; i < N; ++i)
            m_poids[j] += inverse.inverse(i, j - 1) * m_moyenne[i];
    double sum = 0.0;
    for (int j = 1; j <= N; ++j)
        sum += m_poids[j] * m_moyenne[j - 1];
    m_poids[0] = -0.5 * sum;
}

int CClasse::etat() const {
    if (nbExemples() < 2)
        return ETAT_TROP_PEU_D_EXEMPLES;
    if (m_covariance->aLigneNulle())
        return ETAT_LIGNE_NULLE;
    if (m_covariance->lignesToutesEgales())
        return ETAT_LIGNES_EGALES;
    return ETAT_UTILISABLE;
}
