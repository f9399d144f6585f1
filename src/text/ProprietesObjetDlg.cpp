#include "text/ProprietesObjetDlg.h"

#include "shell/DialogButtons.h"
#include "text/CntrItem.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QSpinBox* sizeBox(int value, const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 20000);
    box->setSuffix(" pixels");
    box->setValue(value);
    return box;
}

} // namespace

CProprietesObjetDlg::CProprietesObjetDlg(const CStrovikCntrItem& item, QWidget* parent)
    : QDialog(parent), m_natural(item.naturalSize()),
      m_width(sizeBox(item.displaySize().width(), "largeur", this)),
      m_height(sizeBox(item.displaySize().height(), "hauteur", this)),
      m_keepRatio(new QCheckBox("&Conserver les proportions", this)) {
    setWindowTitle("Propriétés de l'objet");
    m_keepRatio->setChecked(true);
    auto* natural = new QPushButton("Taille d'&origine", this);
    connect(natural, &QPushButton::clicked, this, [this] {
        m_following = true;
        m_width->setValue(m_natural.width());
        m_height->setValue(m_natural.height());
        m_following = false;
    });
    if (m_natural.width() > 0 && m_natural.height() > 0) {
        const double ratio = double(m_natural.height()) / m_natural.width();
        connect(m_width, &QSpinBox::valueChanged, this,
                [this, ratio] { follow(m_width, m_height, ratio); });
        connect(m_height, &QSpinBox::valueChanged, this,
                [this, ratio] { follow(m_height, m_width, 1.0 / ratio); });
    }

    auto* rows = new QFormLayout;
    rows->addRow("Type :", new QLabel("Image " + item.typeName(), this));
    rows->addRow(
        "Taille d'origine :",
        new QLabel(QString("%1 × %2 pixels").arg(m_natural.width()).arg(m_natural.height()), this));
    rows->addRow("&Largeur :", m_width);
    rows->addRow("&Hauteur :", m_height);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(m_keepRatio);
    layout->addWidget(natural, 0, Qt::AlignLeft);
    layout->addWidget(okCancelButtons(this));
}

void CProprietesObjetDlg::follow(QSpinBox* changed, QSpinBox* other, double otherPerChanged) {
    if (m_following || !m_keepRatio->isChecked())
        return;
    m_following = true;
    other->setValue(std::max(1, qRound(changed->value() * otherPerChanged)));
    m_following = false;
}

QSize CProprietesObjetDlg::displaySize() const {
    return {m_width->value(), m_height->value()};
}
