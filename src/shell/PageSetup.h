#pragma once

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QRadioButton;

// The page set-up of the printer: the platform's dialog when the printer is
// one of the system's, else ours, so that the command always shows one.
void setUpPage(QPrinter& printer, QWidget* parent);

// Paper size, orientation and margins of the page, in millimetres; OK puts
// them into the printer.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    PageSetupDialog(QPrinter& printer, QWidget* parent);

    void accept() override;

private:
    QPrinter& m_printer;
    QComboBox* m_paper;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
    // Left, top, right, bottom.
    QDoubleSpinBox* m_margins[4];
};
