#pragma once

#include "engine/Classe.h"
#include "recognizer/IndexedList.h"

#include <memory>
#include <string>
#include <vector>

// A square matrix with room for its inverse, indexed [row][column].
class CMatrice {
public:
    // Zero values and inverse of order n.
    explicit CMatrice(int ordre);
    // Values copied from `valeurs` (row after row, ordre x ordre); zero inverse.
    CMatrice(int ordre, const std::vector<double>& valeurs);
    virtual ~CMatrice();

    int ordre() const { return m_ordre; }
    double valeur(int ligne, int colonne) const { return m_valeurs[index(ligne, colonne)]; }
    void setValeur(int ligne, int colonne, double v) { m_valeurs[index(ligne, colonne)] = v; }
    double inverse(int ligne, int colonne) const { return m_inverse[index(ligne, colonne)]; }

    // Fills the inverse with the Moore-Penrose inverse of the values, built column
    // by column (Greville). For a non-singular matrix it is the ordinary inverse;
    // for a singular one it is still finite. A column whose residual is within
    // 1e-9 of the largest column norm counts as depending on the earlier ones.
    void inverser();

    // Some row holds only exact zeros.
    bool aLigneNulle() const;
    // Every row equals the next, element by element.
    bool lignesToutesEgales() const;

private:
    std::size_t index(int ligne, int colonne) const {
        return static_cast<std::size_t>(ligne) * static_cast<std::size_t>(m_ordre) +
               static_cast<std::size_t>(colonne);
    }

    int m_ordre;
    std::vector<double> m_valeurs;
    std::vector<double> m_inverse;
};

// A gesture set: named classes, what they are for, and the common statistics.
//
// The set owns its classes. Copies are shallow: a copy shares the class list and
// the statistics matrix, copies the name, description, file name and action
// type, and starts unmodified.
class CEnsemble {
public:
    using Classes = CIndexedList<std::unique_ptr<CClasse>>;

    CEnsemble();
    CEnsemble(std::string nom, std::string description);
    CEnsemble(const CEnsemble& other);
    CEnsemble& operator=(const CEnsemble& other);
    virtual ~CEnsemble();

    const std::string& nom() const { return m_nom; }
    void setNom(std::string nom) { m_nom = std::move(nom); }
    const std::string& description() const { return m_description; }
    void setDescription(std::string description) { m_description = std::move(description); }
    // Name + ".gst" at construction; the path read from, or the name last written to.
    const std::string& nomFichier() const { return m_nomFichier; }
    void setNomFichier(std::string nomFichier) { m_nomFichier = std::move(nomFichier); }
    // TYPE_AUCUN .. TYPE_TEXTE (Codes.h).
    int typeAction() const { return m_typeAction; }
    void setTypeAction(int typeAction) { m_typeAction = typeAction; }
    // Raised by the editor on every change, cleared when the set is written.
    bool modifie() const { return m_modifie; }
    void setModifie(bool modifie) { m_modifie = modifie; }

    int nbClasses() const { return m_classes->count(); }
    // Position 0..nbClasses()-1; outside that range the program ends with status -8.
    CClasse& classe(int i) { return *m_classes->at(i); }
    const CClasse& classe(int i) const { return *m_classes->at(i); }
    // Appends; the set takes the class.
    void ajouterClasse(std::unique_ptr<CClasse> classe);
    // Destroys the first class named like the one at position i, with its examples.
    void supprimerClasse(int i);

    int nbClassesVides() const;
    // True for a set without classes.
    bool toutesClassesVides() const;
    // Some class is usable (CClasse::etat() = ETAT_UTILISABLE).
    bool reconnaissancePossible() const;

    // Features, mean and scatter of every class that has examples, then
    // calculerStatistiques().
    void apprendre();
    // Common covariance pooled over the classes that have examples, its inverse,
    // and every such class's weights. When no class holds two examples the
    // covariance and its inverse are zero.
    void calculerStatistiques();
    // A fresh zero statistics matrix (the editor's step when no example is left).
    void initialiserStatistiques();

    // The editor's updates after one change, each leaving the statistics as
    // apprendre() would. After an example was added to class `classe` (its
    // features already computed): that class's mean and scatter, then the set
    // step. After an example was removed from it: the same when examples are
    // left, else the class's statistics start again from zero, and when no
    // class has examples left the set's matrix does too.
    void apresAjoutExemple(int classe);
    void apresSuppressionExemple(int classe);
    // After a class was removed: the set step.
    void apresSuppressionClasse();

    // Values: the common covariance; inverse: its inverse.
    const CMatrice& statistiques() const { return *m_statistiques; }

private:
    std::string m_nom;
    std::string m_description;
    std::string m_nomFichier;
    std::shared_ptr<Classes> m_classes;
    std::shared_ptr<CMatrice> m_statistiques;
    bool m_modifie = false;
    int m_typeAction = TYPE_AUCUN;
};
