#pragma once

#include <QWidget>

class CApprentissageDoc;
class CClasse;
class CEnsemble;
class CExempleView;
class CReconForm;
class DescriptionEdit;
class SortedListBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The left pane of a gesture-set window: the set, its classes and the examples
// of the selected class, with what adds, renames, deletes and inspects them,
// and the SELECTION box. Training is kept current after every change.
//
// The lists show names in alphabetical order, so a row is not a position in the
// set: both are kept, the position found by exact name.
class CExempleForm : public QWidget {
    Q_OBJECT
public:
    CExempleForm(CApprentissageDoc& document, QWidget* parent);

    void setPanes(CExempleView* view, CReconForm* result);
    void OnInitialUpdate();

    // Every enabled state and the SELECTION texts.
    void MettreAJourControles();
    // Called at each press in the drawing area: nothing may change the set
    // while a gesture is being drawn.
    void DesactiverPendantTrace();

    void OnEnregistrer();
    void OnEnregistrerSous();
    // Asked before the window closes; mayClose() then tells whether it may.
    void DemanderEnregistrement();
    bool mayClose() const { return m_mayClose; }

    void OnAjouterExemple();
    void OnAjouterClasse();
    void OnSupprimerExemple();
    void OnSupprimerClasse();
    void OnRenommerEnsemble();
    void OnRenommerClasse();
    void OnRenommerExemple();
    void OnProprietesEnsemble();
    void OnProprietesClasse();
    void OnProprietesExemple();
    void OnSelchangeClasses();
    void OnSelchangeExemples();

    // Chooses the example as a click in both lists would; unknown names change nothing.
    void selectExample(const QString& className, const QString& exampleName);
    // The chosen class's position in the set, -1 when none.
    int chosenClassIndex() const { return m_indiceClasse; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CEnsemble& ensemble() const;
    CClasse& chosenClass() const;
    int IndiceClasse(int row) const;
    int IndiceExemple(int row) const;
    void ReinitialiserSaisies();
    void RemplirClasses();
    void RemplirExemples();
    void AdapterAuType();
    void SupprimerClassesVides();
    // OnEnregistrer's writing: empty classes removed first; nothing is written
    // for a set whose classes are all empty. False when writing failed.
    bool writeSet();
    void tellSetEmpty();
    void markModified();
    void showSet();
    void showClass();

    CApprentissageDoc& m_document;
    CExempleView* m_view = nullptr;
    CReconForm* m_result = nullptr;
    bool m_mayClose = true;
    bool m_initialising = true;
    int m_indiceListeClasses = -1;
    int m_indiceListeExemples = -1;
    int m_indiceClasse = -1;
    int m_indiceExemple = -1;

    QLabel* m_nomEnsemble;
    QLabel* m_descriptionEnsemble;
    QPushButton* m_proprietesEnsemble;
    QPushButton* m_renommerEnsemble;

    SortedListBox* m_classes;
    QPushButton* m_supprimerClasse;
    QPushButton* m_renommerClasse;
    QPushButton* m_proprietesClasse;
    QLabel* m_descriptionClasse;
    QLineEdit* m_nomClasse;
    DescriptionEdit* m_nouvelleDescription;
    QLabel* m_libelleCode;
    QComboBox* m_code;
    QPushButton* m_ajouterClasse;

    SortedListBox* m_exemples;
    QPushButton* m_supprimerExemple;
    QPushButton* m_renommerExemple;
    QPushButton* m_proprietesExemple;
    QLineEdit* m_nomExemple;
    QPushButton* m_ajouterExemple;

    QLabel* m_selectionClasse;
    QLabel* m_selectionExemple;
    QLabel* m_libelleSelectionCode;
    QLabel* m_selectionCode;
    QLabel* m_pasDeCommande;
};
