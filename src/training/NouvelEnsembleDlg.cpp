#include "training/NouvelEnsembleDlg.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "shell/DialogButtons.h"
#include "shell/Strings.h"
#include "training/DialogFields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CNouvelEnsembleDlg::CNouvelEnsembleDlg(QWidget* parent)
    : QDialog(parent), m_setDescription(DescriptionEdit::kPlaceholder), m_gestureName("geste1"),
      m_gestureDescription(DescriptionEdit::kPlaceholder), m_codeName("Aucun") {
    setWindowTitle("Nouvel ensemble de gestes");

    auto* set = new QGroupBox("Nouvel ensemble", this);
    m_setNameEdit = new QLineEdit(set);
    m_setNameEdit->setObjectName("setName");
    m_setDescriptionEdit = new DescriptionEdit(m_setDescription, set);
    m_setDescriptionEdit->setObjectName("setDescription");
    m_typeCombo = new QComboBox(set);
    m_typeCombo->setObjectName("actionType");
    fillSorted(m_typeCombo, actionTypeNames());
    selectText(m_typeCombo, toQString(nomTypeAction(TYPE_AUCUN)));
    auto* setRows = new QFormLayout(set);
    setRows->addRow("Nom :", m_setNameEdit);
    setRows->addRow("Description :", m_setDescriptionEdit);
    setRows->addRow("Type :", m_typeCombo);

    auto* gesture = new QGroupBox("Premier geste de l'ensemble", this);
    m_gestureNameEdit = new QLineEdit(m_gestureName, gesture);
    m_gestureNameEdit->setObjectName("gestureName");
    m_gestureDescriptionEdit = new DescriptionEdit(m_gestureDescription, gesture);
    m_gestureDescriptionEdit->setObjectName("gestureDescription");
    m_codeLabel = new QLabel("Commande :", gesture);
    m_codeCombo = new QComboBox(gesture);
    m_codeCombo->setObjectName("codeName");
    m_codeLabel->setBuddy(m_codeCombo);
    m_codeLabel->hide();
    m_codeCombo->hide();
    auto* gestureRows = new QFormLayout(gesture);
    gestureRows->addRow("Nom :", m_gestureNameEdit);
    gestureRows->addRow("Description :", m_gestureDescriptionEdit);
    gestureRows->addRow(m_codeLabel, m_codeCombo);

    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(set);
    layout->addWidget(gesture);
    layout->addWidget(buttons);

    connect(m_setNameEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_setName = text;
        namesChanged();
    });
    connect(m_gestureNameEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_gestureName = text;
        namesChanged();
    });
    connect(m_setDescriptionEdit, &QPlainTextEdit::textChanged, this,
            [this] { m_setDescription = m_setDescriptionEdit->toPlainText(); });
    connect(m_gestureDescriptionEdit, &QPlainTextEdit::textChanged, this,
            [this] { m_gestureDescription = m_gestureDescriptionEdit->toPlainText(); });
    connect(m_typeCombo, &QComboBox::currentTextChanged, this, &CNouvelEnsembleDlg::typeChanged);
    connect(m_codeCombo, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { m_codeName = name; });
}

void CNouvelEnsembleDlg::namesChanged() {
    m_ok->setEnabled(!m_setName.isEmpty() && !m_gestureName.isEmpty());
}

void CNouvelEnsembleDlg::typeChanged(const QString& typeName) {
    m_actionType = typeActionDuNom(toStdString(typeName));
    const bool withCode = m_actionType != TYPE_AUCUN;
    m_codeLabel->setVisible(withCode);
    m_codeCombo->setVisible(withCode);
    if (!withCode)
        return;
    static const char* const labels[] = {"", "Composants :", "Commandes :", "Texte :"};
    m_codeLabel->setText(labels[m_actionType]);
    fillSorted(m_codeCombo, codeNames(m_actionType));
    m_codeName = toQString(nomCode(m_actionType, AUCUN_CODE));
    selectText(m_codeCombo, m_codeName);
}

void CNouvelEnsembleDlg::accept() {
    m_setName = m_setNameEdit->text();
    m_setDescription = m_setDescriptionEdit->toPlainText();
    m_gestureName = m_gestureNameEdit->text();
    m_gestureDescription = m_gestureDescriptionEdit->toPlainText();
    QDialog::accept();
}

std::unique_ptr<CEnsemble> askNewGestureSet(QWidget* parent) {
    CNouvelEnsembleDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    auto set = std::make_unique<CEnsemble>();
    set->setNom(toStdString(dialog.setName()));
    set->setDescription(toStdString(dialog.setDescription()));
    set->setNomFichier(toStdString(dialog.setName()) + ".gst");
    set->setTypeAction(dialog.actionType());
    auto first = std::make_unique<CClasse>(toStdString(dialog.gestureName()),
                                           toStdString(dialog.gestureDescription()));
    first->setCode(
        static_cast<std::uint16_t>(codeDuNom(set->typeAction(), toStdString(dialog.codeName()))));
    set->ajouterClasse(std::move(first));
    return set;
}
