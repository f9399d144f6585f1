#include "training/ClVidesDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CClVidesDlg::CClVidesDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Classes vides");
    auto* layout = new QVBoxLayout(this);
    for (const char* line :
         {"Certaines classes de votre ensemble sont vides.",
          "Cliquer sur Supprimer pour les enlever ou sinon cliquer sur Annuler."})
        layout->addWidget(new QLabel(line, this), 0, Qt::AlignHCenter);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* remove = buttons->addButton("Supprimer", QDialogButtonBox::AcceptRole);
    buttons->addButton("Annuler", QDialogButtonBox::RejectRole);
    remove->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
