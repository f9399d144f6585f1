#pragma once

#include "engine/Classe.h"
#include "engine/Exemple.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class CEnsemble;
class CMatrice;
class QLineEdit;

// The windows that look inside the trained engine. They show copies: nothing
// typed into them reaches the set.

// Asks which display to open: radio buttons, the first one chosen at opening.
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // The choice made, 0 for the first button.
    int choice() const { return m_choice; }

protected:
    ChoiceDialog(const QString& caption, const QStringList& choices, QWidget* parent);

private:
    int m_choice = 0;
};

class CProprietesExempleDlg : public ChoiceDialog {
    Q_OBJECT
public:
    explicit CProprietesExempleDlg(QWidget* parent);
};

class CProprietesClasseDlg : public ChoiceDialog {
    Q_OBJECT
public:
    explicit CProprietesClasseDlg(QWidget* parent);
};

class CProprietesEnsembleDlg : public ChoiceDialog {
    Q_OBJECT
public:
    explicit CProprietesEnsembleDlg(QWidget* parent);
};

// "Caractéristiques de Rubine": f1..f13 of an example or a class mean, read-only,
// 2 decimals except the lengths and angle sums, which show none.
class CCaracteristiquesDlg : public QDialog {
    Q_OBJECT
public:
    CCaracteristiquesDlg(const CExemple::Caracteristiques& valeurs, QWidget* parent);
};

// Grids of numbers that the user may retype: OK closes only while every cell
// still reads as a number, and what was typed is thrown away.
class NumberCellsDialog : public QDialog {
    Q_OBJECT
public:
    void accept() override;

protected:
    NumberCellsDialog(const QString& caption, QWidget* parent);

    QLineEdit* cell(double value);
    // The grid goes above the OK button.
    void setGrid(QLayout* grid);
};

// "Propriétés": a 13 x 13 matrix, cell (r, c) showing element [r][c].
class CMatriceDlg : public NumberCellsDialog {
    Q_OBJECT
public:
    enum class Part { Values, Inverse };

    CMatriceDlg(const CMatrice& matrice, Part part, QWidget* parent);
};

// "Poids associés à la classe": w0..w13 in two rows of seven.
class CPoidsClasseDlg : public NumberCellsDialog {
    Q_OBJECT
public:
    CPoidsClasseDlg(const CClasse::Poids& poids, QWidget* parent);
};

// "Poids associés à toutes les classes": row k shows wk, column j class j in
// set order; the grid has room for 13 classes and shows 0 where there is none.
class CPoidsClassesDlg : public NumberCellsDialog {
    Q_OBJECT
public:
    static constexpr int kColonnes = 13;

    CPoidsClassesDlg(const CEnsemble& ensemble, QWidget* parent);

    // Row by row, NB_POIDS rows of kColonnes.
    static std::vector<double> table(const CEnsemble& ensemble);
};

// "Quelques points...": the point count, points 0 to 3, P-2 and P-1, and the
// corners of the bounding box of its own copy of an example. A point the
// example does not have is left blank.
class CPointsDlg : public QDialog {
    Q_OBJECT
public:
    CPointsDlg(const CExemple& exemple, QWidget* parent);

private:
    CExemple m_exemple;
};

// The example-level choice and the display it opens, for the form and the
// result pane alike.
void showExampleProperties(QWidget* parent, const CExemple& exemple);
