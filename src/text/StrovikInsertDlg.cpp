#include "text/StrovikInsertDlg.h"

#include "shell/DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CStrovikInsertDlg::CStrovikInsertDlg(QWidget* parent)
    : QDialog(parent), m_edit(new QPlainTextEdit(this)) {
    setWindowTitle("Insérer le texte...");
    m_edit->setObjectName("texte");
    m_edit->setTabChangesFocus(true);
    QDialogButtonBox* buttons = okCancelButtons(this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Quitter");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Insérer le texte suivant :", this));
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    resize(360, 200);
}

QString CStrovikInsertDlg::text() const {
    return result() == QDialog::Accepted ? m_edit->toPlainText() : QString();
}
