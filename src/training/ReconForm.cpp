#include "training/ReconForm.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "shell/Strings.h"

#include "training/ElidedLabel.h"
#include "training/ExempleForm.h"
#include "training/ExempleView.h"
#include "training/ProprietesDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

CReconForm::CReconForm(QWidget* parent) : QWidget(parent) {
    setObjectName("resultat");
    setFocusPolicy(Qt::ClickFocus);
    auto* box = new QGroupBox("Reconnaissance", this);
    m_line1 = new QLabel(box);
    m_line2 = new QLabel(box);
    m_line1->setObjectName("line1");
    m_line2->setObjectName("line2");
    m_explanation = new ElidedLabel(box);
    m_explanation->setObjectName("explication");
    QFont small = m_explanation->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_explanation->setFont(small);
    m_proprietes = new QPushButton("Propriétés", box);
    m_effacer = new QPushButton("Effacer", box);
    m_proprietes->setObjectName("proprietesGeste");
    m_effacer->setObjectName("effacer");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 2, 8, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_line1, 0, 0);
    // The explanation shares the second line's row, whose height the button beside sets.
    auto* secondRow = new QVBoxLayout;
    secondRow->setSpacing(0);
    secondRow->addWidget(m_line2);
    secondRow->addWidget(m_explanation);
    grid->addLayout(secondRow, 1, 0);
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
    // Verdana at weight 300: Verdana has no light face, so the lines show its
    // regular one. Asking for regular keeps a font that stands in for Verdana
    // from picking a faint light face instead.
    QFont verdana("Verdana");
    verdana.setPixelSize(13);
    verdana.setWeight(QFont::Normal);
    m_line1->setFont(verdana);
    m_line2->setFont(verdana);
    setLines("", "");
    if (!m_view->gestureComplete())
        ActiverBoutons(false);
}

void CReconForm::ActiverBoutons(bool enable) {
    m_proprietes->setEnabled(enable);
    m_effacer->setEnabled(enable);
}

void CReconForm::setLines(const QString& line1, const QString& line2) {
    m_line1->setText(line1);
    m_line2->setText(line2);
    m_explanation->clear();
}

void CReconForm::explain(const CAReconnaitre& recognition) {
    QLocale french(QLocale::French);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto number = [&french](double value, int decimals) {
        return french.toString(value, 'f', decimals);
    };
    const bool byProbability = recognition.rejeteParProbabilite();
    const bool byDistance = recognition.rejeteParDistance();
    QString text = !byProbability && !byDistance ? "Accepté"
                   : !byDistance                 ? "Rejeté par la probabilité"
                   : !byProbability              ? "Rejeté par la distance"
                                                 : "Rejeté par la probabilité et la distance";
    const QString probability = "p " + number(recognition.probabilite(), 3) +
                                (byProbability ? " < " : " ≥ ") +
                                number(CAReconnaitre::PROBABILITE_MIN, 2);
    const QString distance = "d² " + number(recognition.distance(), 1) +
                             (byDistance ? " > " : " ≤ ") + number(CAReconnaitre::DISTANCE_MAX, 0);
    // The measure that rejected comes first: it is what a narrow pane shows.
    text += " : " + (byDistance && !byProbability ? distance + ", " + probability
                                                  : probability + ", " + distance);
    text += " ; meilleures classes :";
    for (const CAReconnaitre::Candidate& c : recognition.bestCandidates(3))
        text += QString(" %1 (p %2, d² %3)")
                    .arg(toQString(recognition.ensemble().classe(c.classIndex).nom()),
                         number(c.probability, 3), number(c.distance, 1));
    m_explanation->setText(text);
}

QString CReconForm::explanation() const {
    return m_explanation->text();
}

QString CReconForm::line1() const {
    return m_line1->text();
}

QString CReconForm::line2() const {
    return m_line2->text();
}

void CReconForm::OnEffacer() {
    m_view->EffacerGeste();
    m_form->MettreAJourControles();
}

void CReconForm::OnProprietes() {
    showExampleProperties(this, m_view->currentExample());
}
