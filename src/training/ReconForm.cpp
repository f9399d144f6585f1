#include "training/ReconForm.h"

#include "training/ExempleForm.h"
#include "training/ExempleView.h"
#include "training/ProprietesDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CReconForm::CReconForm(QWidget* parent) : QWidget(parent) {
    setObjectName("resultat");
    setFocusPolicy(Qt::ClickFocus);
    auto* box = new QGroupBox("Reconnaissance", this);
    m_ligne1 = new QLabel(box);
    m_ligne2 = new QLabel(box);
    m_ligne1->setObjectName("ligne1");
    m_ligne2->setObjectName("ligne2");
    m_proprietes = new QPushButton("Propriétés", box);
    m_effacer = new QPushButton("Effacer", box);
    m_proprietes->setObjectName("proprietesGeste");
    m_effacer->setObjectName("effacer");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 2, 8, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_ligne1, 0, 0);
    grid->addWidget(m_ligne2, 1, 0);
    grid->addWidget(m_proprietes, 0, 1);
    grid->addWidget(m_effacer, 1, 1);
    grid->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(box);
    connect(m_effacer, &QPushButton::clicked, this, &CReconForm::OnEffacer);
    connect(m_proprietes, &QPushButton::clicked, this, &CReconForm::OnProprietes);
}

void CReconForm::setPanes(CExempleForm* form, CExempleView* view) {
    m_form = form;
    m_view = view;
}

void CReconForm::OnInitialUpdate() {
    // Weight 300 of Verdana, which has no light face: Windows draws it with the
    // regular one, whereas a substitute font here would pick a faint light face.
    QFont verdana("Verdana");
    verdana.setPixelSize(13);
    verdana.setWeight(QFont::Normal);
    m_ligne1->setFont(verdana);
    m_ligne2->setFont(verdana);
    setLignes("", "");
    if (!m_view->gesteComplet())
        ActiverBoutons(false);
}

void CReconForm::ActiverBoutons(bool enable) {
    m_proprietes->setEnabled(enable);
    m_effacer->setEnabled(enable);
}

void CReconForm::setLignes(const QString& ligne1, const QString& ligne2) {
    m_ligne1->setText(ligne1);
    m_ligne2->setText(ligne2);
}

QString CReconForm::ligne1() const {
    return m_ligne1->text();
}

QString CReconForm::ligne2() const {
    return m_ligne2->text();
}

void CReconForm::OnEffacer() {
    m_view->EffacerGeste();
    m_form->MettreAJourControles();
}

void CReconForm::OnProprietes() {
    montrerProprietesExemple(this, m_view->exempleCourant());
}
