#pragma once

#include "flowchart/Organigramme.h"

#include <QDialog>

#include <vector>

class CParsedEdit;
class QGroupBox;
class QRadioButton;

// How a flowchart sizes its components: the gesture's box or fixed sizes, the
// fixed sizes, and the step and minimum of "Taille : Agrandir" and "Réduire".
struct SizingParameters {
    bool fixedSize = false;
    SizeParameters sizes;
    int minSize = 5;
    int step = 10;

    static SizingParameters of(const COrganigramme& organigramme);
    void applyTo(COrganigramme& organigramme) const;
};

// "Paramètres... ": the sizing parameters of one flowchart. OK reads at most
// four characters of each field.
class CPropEltDlg : public QDialog {
    Q_OBJECT
public:
    CPropEltDlg(const SizingParameters& parameters, QWidget* parent);

    const SizingParameters& parameters() const { return m_parameters; }

    void accept() override;

private:
    struct Field {
        CParsedEdit* edit;
        int* value;
    };
    CParsedEdit* addField(int& value, const QString& name);
    QGroupBox* sizesGroup();
    QGroupBox* stepGroup();

    SizingParameters m_parameters;
    std::vector<Field> m_fields;
    QRadioButton* m_boundingBox;
    QRadioButton* m_fixed;
    QGroupBox* m_sizes;
};
