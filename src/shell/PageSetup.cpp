#include "shell/PageSetup.h"

#include "shell/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QPageSize::PageSizeId kPapers[] = {QPageSize::A3,       QPageSize::A4,     QPageSize::A5,
                                         QPageSize::B5,       QPageSize::Letter, QPageSize::Legal,
                                         QPageSize::Executive};

} // namespace

void setUpPage(QPrinter& printer, QWidget* parent) {
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        QPageSetupDialog dialog(&printer, parent);
        dialog.exec();
        return;
    }
    PageSetupDialog dialog(printer, parent);
    dialog.exec();
}

PageSetupDialog::PageSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer) {
    setWindowTitle("Configuration de l'impression");
    const QPageLayout layout = printer.pageLayout();

    m_paper = new QComboBox(this);
    for (QPageSize::PageSizeId id : kPapers)
        m_paper->addItem(QPageSize::name(id), id);
    if (const int current = m_paper->findData(layout.pageSize().id()); current >= 0)
        m_paper->setCurrentIndex(current);
    else
        m_paper->setCurrentIndex(m_paper->findData(QPageSize::A4));

    auto* orientation = new QGroupBox("Orientation", this);
    m_portrait = new QRadioButton("Portrait", orientation);
    m_landscape = new QRadioButton("Paysage", orientation);
    (layout.orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)->setChecked(true);
    auto* orientationRows = new QVBoxLayout(orientation);
    orientationRows->addWidget(m_portrait);
    orientationRows->addWidget(m_landscape);

    auto* margins = new QGroupBox("Marges (mm)", this);
    auto* marginRows = new QFormLayout(margins);
    const QMarginsF current = layout.margins(QPageLayout::Millimeter);
    const double values[4] = {current.left(), current.top(), current.right(), current.bottom()};
    const char* const labels[4] = {"Gauche :", "Haut :", "Droite :", "Bas :"};
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = new QDoubleSpinBox(margins);
        m_margins[i]->setDecimals(1);
        m_margins[i]->setRange(0.0, 50.0);
        m_margins[i]->setValue(values[i]);
        marginRows->addRow(labels[i], m_margins[i]);
    }

    auto* paper = new QFormLayout;
    paper->addRow("Format du papier :", m_paper);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(paper);
    rows->addWidget(orientation);
    rows->addWidget(margins);
    rows->addWidget(okCancelButtons(this));
}

void PageSetupDialog::accept() {
    const auto id = static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt());
    m_printer.setPageLayout(QPageLayout(
        QPageSize(id), m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(),
                  m_margins[3]->value()),
        QPageLayout::Millimeter));
    QDialog::accept();
}
