#include "training/RenommerDlg.h"

#include "engine/Codes.h"
#include "shell/DialogButtons.h"
#include "training/DialogFields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RenameDialog::RenameDialog(QWidget* parent) : QDialog(parent), m_rows(new QFormLayout) {
    setWindowTitle("Renommer...");
    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_rows);
    layout->addWidget(buttons);
}

void RenameDialog::addNameRow(QString& name) {
    auto* edit = new QLineEdit(name, this);
    edit->setObjectName("name");
    edit->setMinimumWidth(260);
    m_name = &name;
    connect(edit, &QLineEdit::textChanged, this, [this, &name](const QString& text) {
        name = text;
        fieldChanged();
    });
    m_rows->addRow("Nom :", edit);
}

void RenameDialog::fieldChanged() {
    m_ok->setEnabled(!m_name->isEmpty());
}

void RenameDialog::addDescriptionRow(QString& description) {
    auto* edit = new DescriptionEdit(description, this);
    edit->setObjectName("description");
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &description] {
        description = edit->toPlainText();
        fieldChanged();
    });
    m_rows->addRow("Description :", edit);
}

CRenommerClasseDlg::CRenommerClasseDlg(const QString& name, const QString& description,
                                       const QString& codeName, int actionType, QWidget* parent)
    : RenameDialog(parent), m_name(name), m_description(description), m_codeName(codeName) {
    addNameRow(m_name);
    addDescriptionRow(m_description);

    static const char* const labels[] = {"Commande associée :", "Composant d'oganigramme associé :",
                                         "Commande organigramme associée :", "Caractère associé :"};
    const bool typed = actionType > TYPE_AUCUN && actionType < NB_TYPES_ACTION;
    auto* codeLabel = new QLabel(labels[typed ? actionType : TYPE_AUCUN], this);
    auto* codeCombo = new QComboBox(this);
    codeCombo->setObjectName("codeName");
    if (typed) {
        fillSorted(codeCombo, codeNames(actionType));
        selectText(codeCombo, codeName);
    }
    codeLabel->setBuddy(codeCombo);
    codeLabel->setEnabled(typed);
    codeCombo->setEnabled(typed);
    m_rows->addRow(codeLabel, codeCombo);
    connect(codeCombo, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        m_codeName = text;
        fieldChanged();
    });
}

CRenommerExempleDlg::CRenommerExempleDlg(const QString& name, QWidget* parent)
    : RenameDialog(parent), m_name(name) {
    addNameRow(m_name);
}

CRenommerEnsembleDlg::CRenommerEnsembleDlg(const QString& name, const QString& description,
                                           QWidget* parent)
    : RenameDialog(parent), m_name(name), m_description(description) {
    addNameRow(m_name);
    addDescriptionRow(m_description);
}
