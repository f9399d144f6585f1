#include "engine/Ensemble.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int N = CExemple::NB_CARACTERISTIQUES;
constexpr double kDependentColumn = 1e-9;
} // namespace

CMatrice::CMatrice(int ordre)
    : m_ordre(std::max(ordre, 0)), m_valeurs(index(m_ordre, 0), 0.0),
      m_inverse(m_valeurs.size(), 0.0) {}

CMatrice::CMatrice(int ordre, const std::vector<double>& valeurs) : CMatrice(ordre) {
    std::copy_n(valeurs.begin(), std::min(valeurs.size(), m_valeurs.size()), m_valeurs.begin());
}

CMatrice::~CMatrice() = default;

void CMatrice::inverser() {
    const int n = m_ordre;
    const auto a = [this](int row, int column) { return valeur(row, column); };
    auto b = [this](int row, int column) -> double& { return m_inverse[index(row, column)]; };
    std::fill(m_inverse.begin(), m_inverse.end(), 0.0);
    if (n == 0)
        return;

    double largestNorm = 0.0;
    for (int k = 0; k < n; ++k) {
        double squares = 0.0;
        for (int q = 0; q < n; ++q)
            squares += a(q, k) * a(q, k);
        largestNorm = std::max(largestNorm, std::sqrt(squares));
    }
    const double tolerance = kDependentColumn * largestNorm;

    std::vector<double> d(static_cast<std::size_t>(n)), c(static_cast<std::size_t>(n)),
        row(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        // d = B a(k), then the residual c = a(k) - A(k) d of a(k) off the earlier columns.
        for (int r = 0; r < k; ++r) {
            double sum = 0.0;
            for (int q = 0; q < n; ++q)
                sum += b(r, q) * a(q, k);
            d[r] = sum;
        }
        double cc = 0.0;
        for (int q = 0; q < n; ++q) {
            double u = 0.0;
            for (int r = 0; r < k; ++r)
                u += a(q, r) * d[r];
            c[q] = a(q, k) - u;
            cc += c[q] * c[q];
        }

        if (std::sqrt(cc) > tolerance) {
            for (int q = 0; q < n; ++q)
                row[q] = c[q] / cc;
        } else {
            // A dependent column: b = (d' B) / (1 + d'd).
            double dd = 0.0;
            for (int r = 0; r < k; ++r)
                dd += d[r] * d[r];
            for (int q = 0; q < n; ++q) {
                double sum = 0.0;
                for (int r = 0; r < k; ++r)
                    sum += d[r] * b(r, q);
                row[q] = sum / (1.0 + dd);
            }
        }
        for (int r = 0; r < k; ++r)
            for (int q = 0; q < n; ++q)
                b(r, q) -= d[r] * row[q];
        for (int q = 0; q < n; ++q)
            b(k, q) = row[q];
    }
}

bool CMatrice::aLigneNulle() const {
    for (int i = 0; i < m_ordre; ++i) {
        bool zero = true;
        for (int j = 0; j < m_ordre && zero; ++j)
            zero = valeur(i, j) == 0.0;
        if (zero)
            return true;
    }
    return false;
}

bool CMatrice::lignesToutesEgales() const {
    for (int i = 0; i + 1 < m_ordre; ++i)
        for (int j = 0; j < m_ordre; ++j)
            if (valeur(i, j) != valeur(i + 1, j))
                return false;
    return true;
}

CEnsemble::CEnsemble() : CEnsemble("ensemble", "Aucune description") {}

CEnsemble::CEnsemble(std::string nom, std::string description)
    : m_nom(std::move(nom)), m_description(std::move(description)), m_nomFichier(m_nom + ".gst"),
      m_classes(std::make_shared<Classes>()), m_statistiques(std::make_shared<CMatrice>(N)) {}

CEnsemble::CEnsemble(const CEnsemble& other)
    : m_nom(other.m_nom), m_description(other.m_description), m_nomFichier(other.m_nomFichier),
      m_classes(other.m_classes), m_statistiques(other.m_statistiques),
      m_typeAction(other.m_typeAction) {}

CEnsemble& CEnsemble::operator=(const CEnsemble& other) {
    m_nom = other.m_nom;
    m_description = other.m_description;
    m_nomFichier = other.m_nomFichier;
    m_classes = other.m_classes;
    m_statistiques = other.m_statistiques;
    m_modifie = false;
    m_typeAction = other.m_typeAction;
    return *this;
}

CEnsemble::~CEnsemble() = default;

void CEnsemble::ajouterClasse(std::unique_ptr<CClasse> classe) {
    m_classes->append(std::move(classe));
}

void CEnsemble::supprimerClasse(int i) {
    classe(i).supprimerExemples();
    const std::string nom = classe(i).nom();
    m_classes->removeFirstIf([&nom](const auto& c) { return c->nom() == nom; });
}

int CEnsemble::nbClassesVides() const {
    int empty = 0;
    for (const auto& c : *m_classes)
        empty += c->estVide();
    return empty;
}

bool CEnsemble::toutesClassesVides() const {
    return nbClassesVides() == nbClasses();
}

bool CEnsemble::reconnaissancePossible() const {
    return std::any_of(m_classes->begin(), m_classes->end(),
                       [](const auto& c) { return c->etat() == CClasse::ETAT_UTILISABLE; });
}

void CEnsemble::apprendre() {
    for (auto& c : *m_classes) {
        if (c->estVide())
            continue;
        for (int e = 0; e < c->nbExemples(); ++e)
            c->exemple(e).calculerCaracteristiques();
        c->calculerMoyenne();
        c->calculerCovariance();
    }
    calculerStatistiques();
}

void CEnsemble::calculerStatistiques() {
    std::vector<double> pooled(N * N, 0.0);
    int examples = 0, used = 0;
    for (const auto& c : *m_classes) {
        if (c->estVide())
            continue;
        examples += c->nbExemples();
        ++used;
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                pooled[i * N + j] += c->covariance().valeur(i, j);
    }
    // No class with two examples: nothing to pool, and a zero matrix has a zero inverse.
    const int divisor = examples - used;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            m_statistiques->setValeur(i, j, divisor > 0 ? pooled[i * N + j] / divisor : 0.0);
    m_statistiques->inverser();

    for (auto& c : *m_classes)
        if (!c->estVide())
            c->calculerPoids(*m_statistiques);
}

void CEnsemble::apresAjoutExemple(int i) {
    classe(i).calculerMoyenne();
    classe(i).calculerCovariance();
    calculerStatistiques();
}

void CEnsemble::apresSuppressionExemple(int i) {
    CClasse& changed = classe(i);
    if (!changed.estVide()) {
        changed.calculerMoyenne();
        changed.calculerCovariance();
    }
    calculerStatistiques();
    if (changed.estVide())
        changed.initialiserStatistiques();
    if (toutesClassesVides())
        initialiserStatistiques();
}

void CEnsemble::apresSuppressionClasse() {
    calculerStatistiques();
}

void CEnsemble::initialiserStatistiques() {
    m_statistiques = std::make_shared<CMatrice>(N);
}
