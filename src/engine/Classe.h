#pragma once

#include "engine/Codes.h"
#include "engine/Exemple.h"
#include "recognizer/IndexedList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CMatrice;

// A gesture class: named examples and the statistics training derives from them.
//
// The class owns its examples. Copies are shallow: a copy shares the example
// list and the covariance matrix of its source, and copies the name,
// description, mean, weights and code.
class CClasse {
public:
    static constexpr int NB_POIDS = CExemple::NB_CARACTERISTIQUES + 1;
    using Vecteur = CExemple::Caracteristiques;
    using Poids = std::array<double, NB_POIDS>;
    using Exemples = CIndexedList<std::unique_ptr<CExemple>>;

    // Statuses of etat().
    static constexpr int ETAT_UTILISABLE = -1;
    static constexpr int ETAT_TROP_PEU_D_EXEMPLES = 1;
    static constexpr int ETAT_LIGNE_NULLE = 2;
    static constexpr int ETAT_LIGNES_EGALES = 3;

    CClasse();
    CClasse(std::string nom, std::string description);
    CClasse(const CClasse&) = default;
    CClasse& operator=(const CClasse&) = default;
    virtual ~CClasse();

    const std::string& nom() const { return m_nom; }
    void setNom(std::string nom) { m_nom = std::move(nom); }
    const std::string& description() const { return m_description; }
    void setDescription(std::string description) { m_description = std::move(description); }
    // Read with the set's action type (Codes.h); AUCUN_CODE when the class stands for nothing.
    std::uint16_t code() const { return m_code; }
    void setCode(std::uint16_t code) { m_code = code; }

    int nbExemples() const { return m_exemples->count(); }
    bool estVide() const { return m_exemples->empty(); }
    // Position 0..nbExemples()-1; outside that range the program ends with status -8.
    CExemple& exemple(int i) { return *m_exemples->at(i); }
    const CExemple& exemple(int i) const { return *m_exemples->at(i); }
    // Appends; the class takes the example.
    void ajouterExemple(std::unique_ptr<CExemple> exemple);
    // Destroys the first example named like the one at position i.
    void supprimerExemple(int i);
    // Destroys every example.
    void supprimerExemples();

    // Zero mean and weights, a fresh zero covariance matrix.
    void initialiserStatistiques();
    // Training steps; the examples' features must be computed first.
    void calculerMoyenne();
    // The scatter matrix, not divided by the example count.
    void calculerCovariance();
    void calculerPoids(const CMatrice& inverse);

    // ETAT_TROP_PEU_D_EXEMPLES below two examples, else ETAT_LIGNE_NULLE when the
    // covariance has a zero row, else ETAT_LIGNES_EGALES when all its rows are
    // equal, else ETAT_UTILISABLE.
    int etat() const;

    const Vecteur& moyenne() const { return m_moyenne; }
    const CMatrice& covariance() const { return *m_covariance; }
    // w0 (constant term), then w1..w13.
    const Poids& poids() const { return m_poids; }

private:
    std::string m_nom;
    std::string m_description;
    std::shared_ptr<Exemples> m_exemples;
    Vecteur m_moyenne{};
    std::shared_ptr<CMatrice> m_covariance;
    Poids m_poids{};
    std::uint16_t m_code = AUCUN_CODE;
};
