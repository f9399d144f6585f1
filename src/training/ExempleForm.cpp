#include "training/ExempleForm.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "shell/Messages.h"
#include "shell/Strings.h"
#include "training/ApprentissageDoc.h"
#include "training/ClVidesDlg.h"
#include "training/DialogFields.h"
#include "training/ElidedLabel.h"
#include "training/ExempleView.h"
#include "training/ProprietesDlg.h"
#include "training/ReconForm.h"
#include "training/RenommerDlg.h"
#include "training/SortedListBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kNameLength = 49;
constexpr int kDescriptionMax = 499;
const QString kAucuneSelection = QStringLiteral("aucune sélection");

// As narrow as its text: the style's usual minimum would not let three
// buttons share a column of the form.
QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QString(text).remove('&')) + 10);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

QLabel* label(const char* name, QWidget* parent) {
    auto* l = new ElidedLabel(parent);
    l->setObjectName(name);
    return l;
}

QFont arial(int pixelSize, QFont::Weight weight) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(3);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return layout;
}

} // namespace

CExempleForm::CExempleForm(CApprentissageDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setObjectName("formulaire");
    // The small type of dialog boxes, so that the form holds in its 475 pixels.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    auto* set = new QGroupBox("ENSEMBLE", this);
    m_nomEnsemble = label("nomEnsemble", set);
    m_descriptionEnsemble = label("descriptionEnsemble", set);
    m_proprietesEnsemble = button("&Propriétés", "proprietesEnsemble", set);
    m_renommerEnsemble = button("Renommer", "renommerEnsemble", set);
    auto* setGrid = new QGridLayout(set);
    setGrid->setContentsMargins(8, 4, 8, 4);
    setGrid->setVerticalSpacing(2);
    setGrid->addWidget(m_nomEnsemble, 0, 0);
    setGrid->addWidget(m_descriptionEnsemble, 1, 0);
    setGrid->addWidget(m_proprietesEnsemble, 0, 1);
    setGrid->addWidget(m_renommerEnsemble, 1, 1);
    setGrid->setColumnStretch(0, 1);

    auto* classes = new QGroupBox("CLASSES", this);
    m_classes = new SortedListBox(classes);
    m_classes->setObjectName("classes");
    m_supprimerClasse = button("Supprimer", "supprimerClasse", classes);
    m_renommerClasse = button("Renommer", "renommerClasse", classes);
    m_proprietesClasse = button("Propriétés", "proprietesClasse", classes);
    m_descriptionClasse = label("descriptionClasse", classes);
    m_nomClasse = new QLineEdit(classes);
    m_nomClasse->setObjectName("nomClasse");
    m_nomClasse->setMaxLength(kNameLength);
    m_nouvelleDescription = new DescriptionEdit(DescriptionEdit::kPlaceholder, classes);
    m_nouvelleDescription->setObjectName("nouvelleDescription");
    m_nouvelleDescription->setFixedHeight(fontMetrics().lineSpacing() * 2 + 10);
    m_libelleCode = new QLabel("Commande :", classes);
    m_libelleCode->setObjectName("libelleCode");
    m_code = new QComboBox(classes);
    m_code->setObjectName("code");
    m_libelleCode->setBuddy(m_code);
    m_ajouterClasse = button("&Ajouter", "ajouterClasse", classes);
    auto* newClass = new QFormLayout;
    newClass->setVerticalSpacing(2);
    newClass->addRow("Nom :", m_nomClasse);
    newClass->addRow(m_nouvelleDescription);
    newClass->addRow(m_libelleCode);
    newClass->addRow(m_code);
    auto* classLayout = new QVBoxLayout(classes);
    classLayout->setContentsMargins(4, 4, 4, 4);
    classLayout->setSpacing(3);
    classLayout->addWidget(m_classes, 1);
    classLayout->addLayout(row({m_supprimerClasse, m_renommerClasse, m_proprietesClasse}));
    classLayout->addWidget(m_descriptionClasse);
    classLayout->addLayout(newClass);
    classLayout->addWidget(m_ajouterClasse, 0, Qt::AlignRight);

    auto* examples = new QGroupBox("EXEMPLES", this);
    m_exemples = new SortedListBox(examples);
    m_exemples->setObjectName("exemples");
    m_supprimerExemple = button("&Supprimer", "supprimerExemple", examples);
    m_renommerExemple = button("Renommer", "renommerExemple", examples);
    m_proprietesExemple = button("&Propriétés", "proprietesExemple", examples);
    m_nomExemple = new QLineEdit(examples);
    m_nomExemple->setObjectName("nomExemple");
    m_nomExemple->setMaxLength(kNameLength);
    m_ajouterExemple = button("&Ajouter", "ajouterExemple", examples);
    auto* exampleLayout = new QVBoxLayout(examples);
    exampleLayout->setContentsMargins(4, 4, 4, 4);
    exampleLayout->setSpacing(3);
    exampleLayout->addWidget(m_exemples, 1);
    exampleLayout->addLayout(row({m_supprimerExemple, m_renommerExemple, m_proprietesExemple}));
    auto* newExample = new QHBoxLayout;
    newExample->addWidget(new QLabel("Nom :", examples));
    newExample->addWidget(m_nomExemple, 1);
    newExample->addWidget(m_ajouterExemple);
    exampleLayout->addLayout(newExample);

    auto* selection = new QGroupBox("SELECTION", this);
    m_selectionClasse = label("selectionClasse", selection);
    m_selectionExemple = label("selectionExemple", selection);
    m_libelleSelectionCode = new QLabel("Commande :", selection);
    m_libelleSelectionCode->setObjectName("libelleSelectionCode");
    m_selectionCode = label("selectionCode", selection);
    m_pasDeCommande = new QLabel("Pas de commande\nassociée à cet ensemble", selection);
    m_pasDeCommande->setObjectName("pasDeCommande");
    auto* selectionGrid = new QGridLayout(selection);
    selectionGrid->setContentsMargins(8, 4, 8, 4);
    selectionGrid->setVerticalSpacing(2);
    selectionGrid->addWidget(new QLabel("Classe :", selection), 0, 0);
    selectionGrid->addWidget(m_selectionClasse, 0, 1);
    selectionGrid->addWidget(new QLabel("Exemple :", selection), 1, 0);
    selectionGrid->addWidget(m_selectionExemple, 1, 1);
    selectionGrid->addWidget(m_libelleSelectionCode, 2, 0);
    selectionGrid->addWidget(m_selectionCode, 2, 1);
    selectionGrid->addWidget(m_pasDeCommande, 2, 0, 1, 2);
    selectionGrid->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(examples, 1);
    right->addWidget(selection);
    auto* lower = new QHBoxLayout;
    lower->addWidget(classes, 1);
    lower->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(set);
    layout->addLayout(lower, 1);

    m_pasDeCommande->hide();
    m_nomClasse->installEventFilter(this);
    m_nomExemple->installEventFilter(this);

    connect(m_ajouterExemple, &QPushButton::clicked, this, &CExempleForm::OnAjouterExemple);
    connect(m_ajouterClasse, &QPushButton::clicked, this, &CExempleForm::OnAjouterClasse);
    connect(m_supprimerExemple, &QPushButton::clicked, this, &CExempleForm::OnSupprimerExemple);
    connect(m_supprimerClasse, &QPushButton::clicked, this, &CExempleForm::OnSupprimerClasse);
    connect(m_renommerEnsemble, &QPushButton::clicked, this, &CExempleForm::OnRenommerEnsemble);
    connect(m_renommerClasse, &QPushButton::clicked, this, &CExempleForm::OnRenommerClasse);
    connect(m_renommerExemple, &QPushButton::clicked, this, &CExempleForm::OnRenommerExemple);
    connect(m_proprietesEnsemble, &QPushButton::clicked, this, &CExempleForm::OnProprietesEnsemble);
    connect(m_proprietesClasse, &QPushButton::clicked, this, &CExempleForm::OnProprietesClasse);
    connect(m_proprietesExemple, &QPushButton::clicked, this, &CExempleForm::OnProprietesExemple);
    connect(m_classes, &QListWidget::itemSelectionChanged, this, &CExempleForm::OnSelchangeClasses);
    connect(m_exemples, &QListWidget::itemSelectionChanged, this,
            &CExempleForm::OnSelchangeExemples);
    connect(m_nomClasse, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ajouterClasse->setEnabled(!text.isEmpty()); });
    connect(m_nomExemple, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            m_ajouterExemple->setEnabled(false);
        else if (m_view->gestureComplete())
            m_ajouterExemple->setEnabled(true);
    });
}

void CExempleForm::setPanes(CExempleView* view, CReconForm* result) {
    m_view = view;
    m_result = result;
}

CEnsemble& CExempleForm::ensemble() const {
    return m_document.ensemble();
}

CClasse& CExempleForm::chosenClass() const {
    return ensemble().classe(m_indiceClasse);
}

bool CExempleForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_nomClasse && m_nomClasse->text().isEmpty())
            m_nomClasse->setText(NomLibre(*m_classes, "geste"));
        if (watched == m_nomExemple && m_nomExemple->text().isEmpty())
            m_nomExemple->setText(NomLibre(*m_exemples, "exemple"));
    }
    return QWidget::eventFilter(watched, event);
}

void CExempleForm::OnInitialUpdate() {
    m_nomEnsemble->setFont(arial(15, QFont::Bold));
    for (QLabel* text : {m_descriptionEnsemble, m_selectionClasse, m_selectionCode,
                         m_selectionExemple, m_pasDeCommande})
        text->setFont(arial(14, QFont::Medium));
    MettreAJourControles();
    m_document.setTitle(m_document.fileName());
    showSet();
    RemplirClasses();
    OnSelchangeClasses();
    ReinitialiserSaisies();
    AdapterAuType();
    m_initialising = false;
}

void CExempleForm::showSet() {
    m_nomEnsemble->setText(toQString(ensemble().nom()));
    m_descriptionEnsemble->setText(toQString(ensemble().description()));
}

int CExempleForm::IndiceClasse(int row) const {
    const std::string name = toStdString(m_classes->textAt(row));
    for (int i = 0; i < ensemble().nbClasses(); ++i)
        if (ensemble().classe(i).nom() == name)
            return i;
    return -1;
}

int CExempleForm::IndiceExemple(int row) const {
    if (m_indiceClasse < 0)
        return -1;
    const std::string name = toStdString(m_exemples->textAt(row));
    const CClasse& classe = chosenClass();
    for (int i = 0; i < classe.nbExemples(); ++i)
        if (classe.exemple(i).nom() == name)
            return i;
    return -1;
}

void CExempleForm::ReinitialiserSaisies() {
    m_nomClasse->setText(NomLibre(*m_classes, "geste"));
    m_nouvelleDescription->setPlainText(DescriptionEdit::kPlaceholder);
    if (ensemble().typeAction() != TYPE_AUCUN)
        selectText(m_code, toQString(nomCode(TYPE_AUCUN, AUCUN_CODE)));
    m_nomExemple->setText(NomLibre(*m_exemples, "exemple"));
}

void CExempleForm::RemplirClasses() {
    m_classes->removeAll();
    for (int i = 0; i < ensemble().nbClasses(); ++i)
        m_classes->addSorted(toQString(ensemble().classe(i).nom()));
    if (m_classes->count() > 0)
        m_classes->select(0);
    m_indiceListeClasses = 0;
    m_indiceClasse = IndiceClasse(0);
}

void CExempleForm::RemplirExemples() {
    if (m_classes->count() == 0) {
        m_exemples->removeAll();
        for (QWidget* w :
             std::initializer_list<QWidget*>{m_exemples, m_supprimerExemple, m_renommerExemple,
                                             m_proprietesExemple, m_nomExemple, m_ajouterExemple})
            w->setEnabled(false);
        return;
    }
    if (m_indiceClasse < 0)
        return;
    m_exemples->removeAll();
    const CClasse& classe = chosenClass();
    for (int i = 0; i < classe.nbExemples(); ++i)
        m_exemples->addSorted(toQString(classe.exemple(i).nom()));
    m_exemples->select(m_exemples->count() > 0 ? 0 : -1);
    m_indiceListeExemples = 0;
    m_indiceExemple = IndiceExemple(0);
    m_nomExemple->setText(NomLibre(*m_exemples, "exemple"));
}

void CExempleForm::AdapterAuType() {
    m_code->clear();
    switch (ensemble().typeAction()) {
    case TYPE_AUCUN:
        m_libelleCode->setText("Commande associée :");
        m_libelleCode->setEnabled(false);
        m_code->setEnabled(false);
        m_libelleSelectionCode->hide();
        m_selectionCode->hide();
        m_pasDeCommande->show();
        return;
    case TYPE_COMPOSANTS:
        m_libelleCode->setText("Composant d'oganigramme associé :");
        m_libelleSelectionCode->setText("Composant :");
        break;
    case TYPE_COMMANDES:
        m_libelleCode->setText("Commande organigramme associée :");
        m_libelleSelectionCode->setText("Commande :");
        break;
    case TYPE_TEXTE:
        m_libelleCode->setText("Caractère associé :");
        m_libelleSelectionCode->setText("Caractère :");
        break;
    default:
        return;
    }
    fillSorted(m_code, codeNames(ensemble().typeAction()));
    selectText(m_code, toQString(nomCode(TYPE_AUCUN, AUCUN_CODE)));
    m_pasDeCommande->hide();
}

void CExempleForm::MettreAJourControles() {
    const bool complet = m_view->gestureComplete();
    if (!m_initialising)
        m_result->ActiverBoutons(complet);
    m_proprietesEnsemble->setEnabled(ensemble().reconnaissancePossible() &&
                                     !ensemble().toutesClassesVides());
    m_renommerEnsemble->setEnabled(true);
    if (m_indiceClasse >= 0) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_renommerClasse, m_proprietesClasse,
                                                          m_supprimerClasse, m_ajouterExemple,
                                                          m_exemples, m_nomExemple})
            w->setEnabled(true);
        m_proprietesClasse->setEnabled(chosenClass().etat() == CClasse::ETAT_UTILISABLE);
        showClass();
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_renommerClasse, m_proprietesClasse,
                                                          m_supprimerClasse, m_ajouterExemple})
            w->setEnabled(false);
        for (QLabel* text : {m_selectionClasse, m_descriptionClasse, m_selectionCode})
            text->setText(kAucuneSelection);
    }
    m_ajouterClasse->setEnabled(true);
    const bool exemple = m_indiceClasse >= 0 && m_indiceExemple >= 0;
    m_selectionExemple->setText(exemple ? m_exemples->textAt(m_exemples->selection())
                                        : kAucuneSelection);
    for (QPushButton* b : {m_renommerExemple, m_proprietesExemple, m_supprimerExemple})
        b->setEnabled(exemple);
    if (!complet)
        m_ajouterExemple->setEnabled(false);
}

void CExempleForm::showClass() {
    const CClasse& classe = chosenClass();
    m_selectionClasse->setText(m_classes->textAt(m_classes->selection()));
    m_descriptionClasse->setText(toQString(classe.description()));
    m_selectionCode->setText(toQString(nomCode(ensemble().typeAction(), classe.code())));
}

void CExempleForm::DesactiverPendantTrace() {
    for (QPushButton* b :
         {m_proprietesEnsemble, m_renommerEnsemble, m_supprimerClasse, m_renommerClasse,
          m_proprietesClasse, m_ajouterClasse, m_supprimerExemple, m_renommerExemple,
          m_proprietesExemple, m_ajouterExemple})
        b->setEnabled(false);
    m_result->ActiverBoutons(false);
    m_result->setLines("", "");
}

void CExempleForm::OnSelchangeClasses() {
    m_view->capture().finishNow();
    m_indiceListeClasses = m_classes->selection();
    m_indiceClasse = m_indiceListeClasses < 0 ? -1 : IndiceClasse(m_indiceListeClasses);
    RemplirExemples();
    OnSelchangeExemples();
}

void CExempleForm::selectExample(const QString& className, const QString& exampleName) {
    const int classRow = m_classes->findExact(className);
    if (classRow < 0)
        return;
    if (classRow != m_classes->selection()) {
        m_classes->select(classRow);
        OnSelchangeClasses();
    }
    const int exampleRow = m_exemples->findExact(exampleName);
    if (exampleRow < 0)
        return;
    m_exemples->select(exampleRow);
    OnSelchangeExemples();
}

void CExempleForm::OnSelchangeExemples() {
    m_view->capture().finishNow();
    m_indiceListeExemples = m_exemples->selection();
    m_indiceExemple = m_indiceListeExemples < 0 ? -1 : IndiceExemple(m_indiceListeExemples);
    if (m_indiceClasse >= 0) {
        if (m_view->gestureComplete())
            m_view->EffacerGeste();
        if (m_indiceExemple >= 0) {
            m_view->setCurrentExample(
                std::make_unique<CExemple>(chosenClass().exemple(m_indiceExemple)));
            m_view->DessinerExemple();
            m_view->setGestureComplete(true);
        }
    } else {
        m_view->EffacerGeste();
    }
    if (!m_initialising)
        m_result->setLines("", "");
    MettreAJourControles();
}

void CExempleForm::markModified() {
    ensemble().setModifie(true);
}

void CExempleForm::OnAjouterExemple() {
    const QString name = m_nomExemple->text().left(kNameLength);
    m_view->currentExample().setNom(toStdString(name));
    if (!m_view->gestureComplete()) {
        showMessage(this, "Aucun geste n'a été dessiné...");
        return;
    }
    if (name.isEmpty()) {
        showMessage(this, "Remplir le champ Nom de l'exemple.");
        return;
    }
    if (m_exemples->findExact(name) >= 0) {
        showMessage(this, "Le nom de l'exemple existe déjà...");
        return;
    }
    if (m_indiceClasse < 0) {
        showMessage(this, "Sélectionner une classe à laquelle ajouter cet exemple...");
        return;
    }
    chosenClass().ajouterExemple(std::make_unique<CExemple>(m_view->currentExample()));
    const int added = m_exemples->addSorted(name);
    m_exemples->select(added);
    m_indiceListeExemples = added;
    m_indiceExemple = IndiceExemple(added);
    m_nomExemple->setText(NomLibre(*m_exemples, "exemple"));
    ensemble().apresAjoutExemple(m_indiceClasse);
    MettreAJourControles();
    markModified();
}

void CExempleForm::OnAjouterClasse() {
    const QString name = m_nomClasse->text().left(kNameLength);
    const QString description = m_nouvelleDescription->toPlainText().left(kDescriptionMax);
    if (name.isEmpty()) {
        showMessage(this, "Remplir le champ Nom du geste.");
        return;
    }
    if (m_classes->findExact(name) >= 0) {
        showMessage(this, "Le nom du geste existe déjà...");
        return;
    }
    auto classe = std::make_unique<CClasse>(toStdString(name), toStdString(description));
    const int type = ensemble().typeAction();
    classe->setCode(static_cast<std::uint16_t>(
        type != TYPE_AUCUN ? codeDuNom(type, toStdString(m_code->currentText())) : AUCUN_CODE));
    ensemble().ajouterClasse(std::move(classe));
    const int added = m_classes->addSorted(name);
    m_classes->select(added);
    m_indiceListeClasses = added;
    m_indiceClasse = IndiceClasse(added);
    m_exemples->removeAll();
    m_indiceExemple = -1;
    ReinitialiserSaisies();
    MettreAJourControles();
    markModified();
}

void CExempleForm::OnSupprimerExemple() {
    if (m_indiceClasse < 0 || m_indiceExemple < 0)
        return;
    chosenClass().supprimerExemple(m_indiceExemple);
    const int removed = m_exemples->selection();
    m_exemples->removeAt(removed);
    if (m_exemples->count() > 0)
        m_exemples->select(std::max(removed - 1, 0));
    OnSelchangeExemples();
    m_nomExemple->setText(NomLibre(*m_exemples, "exemple"));
    ensemble().apresSuppressionExemple(m_indiceClasse);
    MettreAJourControles();
    markModified();
}

void CExempleForm::OnSupprimerClasse() {
    if (m_indiceClasse < 0)
        return;
    ensemble().supprimerClasse(m_indiceClasse);
    const int removed = m_classes->selection();
    m_classes->removeAt(removed);
    if (m_classes->count() > 0)
        m_classes->select(std::max(removed - 1, 0));
    OnSelchangeClasses();
    ReinitialiserSaisies();
    if (ensemble().nbClasses() > 0)
        ensemble().apresSuppressionClasse();
    else
        ensemble().initialiserStatistiques();
    MettreAJourControles();
    markModified();
}

void CExempleForm::OnRenommerClasse() {
    if (m_indiceClasse < 0) {
        showMessage(this, "Sélectionner une classe à renommer.");
        return;
    }
    CClasse& classe = chosenClass();
    const int type = ensemble().typeAction();
    CRenommerClasseDlg dialog(toQString(classe.nom()), toQString(classe.description()),
                              toQString(nomCode(type, classe.code())), type, this);
    if (dialog.exec() == QDialog::Accepted) {
        classe.setNom(toStdString(dialog.name()));
        classe.setDescription(toStdString(dialog.description()));
        classe.setCode(static_cast<std::uint16_t>(codeDuNom(type, toStdString(dialog.codeName()))));
        m_classes->replaceAt(m_classes->selection(), dialog.name());
        showClass();
    }
    markModified();
}

void CExempleForm::OnRenommerExemple() {
    if (m_indiceClasse < 0 || m_indiceExemple < 0) {
        showMessage(this, "Sélectionner un exemple à renommer.");
        return;
    }
    CExemple& exemple = chosenClass().exemple(m_indiceExemple);
    CRenommerExempleDlg dialog(toQString(exemple.nom()), this);
    if (dialog.exec() == QDialog::Accepted) {
        exemple.setNom(toStdString(dialog.name()));
        m_exemples->replaceAt(m_exemples->selection(), dialog.name());
        m_selectionExemple->setText(dialog.name());
    }
    markModified();
}

void CExempleForm::OnRenommerEnsemble() {
    CRenommerEnsembleDlg dialog(toQString(ensemble().nom()), toQString(ensemble().description()),
                                this);
    if (dialog.exec() == QDialog::Accepted) {
        ensemble().setNom(toStdString(dialog.name()));
        ensemble().setDescription(toStdString(dialog.description()));
        showSet();
    }
    markModified();
}

void CExempleForm::OnProprietesEnsemble() {
    if (ensemble().nbClassesVides() > 0) {
        CClVidesDlg question(this);
        if (question.exec() != QDialog::Accepted)
            return;
        SupprimerClassesVides();
    }
    CProprietesEnsembleDlg choice(this);
    if (choice.exec() != QDialog::Accepted)
        return;
    // The set's matrices and weights are shown only while the selected class
    // lists examples.
    const bool hasExamples = m_exemples->count() > 0;
    switch (choice.choice()) {
    case 0:
    case 1:
        if (hasExamples) {
            CMatriceDlg matrix(ensemble().statistiques(),
                               choice.choice() == 0 ? CMatriceDlg::Part::Values
                                                    : CMatriceDlg::Part::Inverse,
                               this);
            matrix.exec();
        }
        break;
    case 2:
        if (hasExamples) {
            CPoidsClassesDlg weights(ensemble(), this);
            weights.exec();
        }
        break;
    default:
        showMessage(this, "Erreur dans la fonction OnProprietesClasse() de CExempleForm...");
    }
}

void CExempleForm::OnProprietesClasse() {
    if (m_indiceClasse < 0)
        return;
    CProprietesClasseDlg choice(this);
    if (choice.exec() != QDialog::Accepted)
        return;
    const CClasse& classe = chosenClass();
    switch (choice.choice()) {
    case 0: {
        CCaracteristiquesDlg features(classe.moyenne(), this);
        features.exec();
        break;
    }
    case 1:
        if (m_exemples->count() > 0) {
            CMatriceDlg matrix(classe.covariance(), CMatriceDlg::Part::Values, this);
            matrix.exec();
        }
        break;
    case 2: {
        CPoidsClasseDlg weights(classe.poids(), this);
        weights.exec();
        break;
    }
    default:
        showMessage(this, "Erreur dans la fonction OnProprietesClasse() de CExempleForm...");
    }
}

void CExempleForm::OnProprietesExemple() {
    if (m_indiceClasse < 0 || m_indiceExemple < 0)
        return;
    showExampleProperties(this, chosenClass().exemple(m_indiceExemple));
}

void CExempleForm::SupprimerClassesVides() {
    const int k = ensemble().nbClassesVides();
    if (k == 0)
        return;
    QString names;
    for (int i = ensemble().nbClasses() - 1; i >= 0; --i) {
        const CClasse& classe = ensemble().classe(i);
        if (!classe.estVide())
            continue;
        const QString name = toQString(classe.nom());
        const int left = ensemble().nbClassesVides();
        if (left == k)
            names = name;
        else if (left == 1)
            names = name + " et " + names;
        else
            names = name + ", " + names;
        m_classes->removeAt(m_classes->findSameCase(name));
        ensemble().supprimerClasse(i);
    }
    showMessage(this,
                k == 1 ? "La classe " + names + " a été supprimée\ncar elle était vide."
                       : "Les classes " + names + " ont été supprimées\ncar elles étaient vides.");
    if (m_classes->count() > 0)
        m_classes->select(0);
    OnSelchangeClasses();
    ReinitialiserSaisies();
    markModified();
}

void CExempleForm::tellSetEmpty() {
    showMessage(this, "L'ensemble '" + toQString(ensemble().nom()) +
                          "' est vide...\nPas d'enregistrement possible...");
}

bool CExempleForm::writeSet() {
    if (ensemble().toutesClassesVides()) {
        tellSetEmpty();
        return true;
    }
    SupprimerClassesVides();
    return m_document.enregistrerEnsemble(m_document.fileName());
}

void CExempleForm::OnEnregistrer() {
    if (!ensemble().modifie()) {
        showMessage(this, "Le fichier " + m_document.fileName() + " n'a pas été modifié.");
        return;
    }
    if (writeSet())
        ensemble().setModifie(false);
}

void CExempleForm::OnEnregistrerSous() {
    if (ensemble().toutesClassesVides()) {
        tellSetEmpty();
    } else {
        SupprimerClassesVides();
        if (m_document.enregistrerSous() == CApprentissageDoc::SaveResult::Failed)
            return;
    }
    ensemble().setModifie(false);
}

void CExempleForm::DemanderEnregistrement() {
    m_mayClose = true;
    if (!ensemble().modifie())
        return;
    QMessageBox question(QMessageBox::Question, "Enregistrement...",
                         "Enregistrer les modifications apportées à " + m_document.fileName() +
                             " ?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    switch (question.exec()) {
    case QMessageBox::Yes:
        if (writeSet())
            ensemble().setModifie(false);
        else
            m_mayClose = false;
        break;
    case QMessageBox::No:
        break;
    default:
        m_mayClose = false;
    }
}
