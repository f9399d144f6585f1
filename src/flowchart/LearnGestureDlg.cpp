#include "flowchart/LearnGestureDlg.h"

#include "engine/Codes.h"
#include "shell/Strings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

CLearnGestureDlg::CLearnGestureDlg(int nearestCode, QWidget* parent)
    : QDialog(parent), m_question(new QLabel(this)), m_components(new QComboBox(this)) {
    setWindowTitle("Apprendre ce geste...");
    m_components->setObjectName("composant");
    for (int code : codesDuType(TYPE_COMPOSANTS))
        m_components->addItem(toQString(nomCode(TYPE_COMPOSANTS, code)), code);
    const auto ask = [this](const QString& name) {
        m_question->setText("Apprendre ce geste comme : " + name + " ?");
    };
    connect(m_components, &QComboBox::currentTextChanged, this, ask);
    m_components->setCurrentIndex(std::max(0, m_components->findData(nearestCode)));
    ask(m_components->currentText());

    auto* other = new QFormLayout;
    other->addRow("Ou comme :", m_components);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addLayout(other);
    layout->addWidget(buttons);
}

int CLearnGestureDlg::code() const {
    return m_components->currentData().toInt();
}
