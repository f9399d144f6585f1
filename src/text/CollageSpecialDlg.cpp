#include "text/CollageSpecialDlg.h"

#include "shell/DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

CCollageSpecialDlg::CCollageSpecialDlg(const QMimeData& source, QWidget* parent)
    : QDialog(parent), m_forms(new QListWidget(this)) {
    setWindowTitle("Collage spécial");
    m_forms->setObjectName("formes");
    const auto offer = [this](const QString& name, Form form) {
        auto* item = new QListWidgetItem(name, m_forms);
        item->setData(Qt::UserRole, static_cast<int>(form));
    };
    if (source.hasHtml())
        offer("Texte mis en forme", Form::Formatted);
    if (source.hasText())
        offer("Texte sans mise en forme", Form::Plain);
    if (source.hasImage())
        offer("Image", Form::Image);
    m_forms->setCurrentRow(0);

    QDialogButtonBox* buttons = okCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setText("Coller");
    connect(m_forms, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Coller en tant que :", this));
    layout->addWidget(m_forms);
    layout->addWidget(buttons);
}

bool CCollageSpecialDlg::hasForms() const {
    return m_forms->count() > 0;
}

CCollageSpecialDlg::Form CCollageSpecialDlg::form() const {
    return static_cast<Form>(m_forms->currentItem()->data(Qt::UserRole).toInt());
}
