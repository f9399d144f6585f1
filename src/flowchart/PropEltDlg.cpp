#include "flowchart/PropEltDlg.h"

#include "flowchart/Elements.h"
#include "flowchart/ParsedEdit.h"
#include "flowchart/ShapePictures.h"
#include "shell/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Fields of the parameters dialog read at most this many characters.
constexpr int kReadChars = 4;

struct SizeField {
    const char* label;
    int SizeParameters::*member;
    const char* name;
};

struct ShapeRow {
    int kind;
    std::vector<SizeField> fields;
};

const std::vector<ShapeRow>& shapeRows() {
    using S = SizeParameters;
    static const std::vector<ShapeRow> rows = {
        {kind::LigneHorizontale, {{"L", &S::horizontalLineLength, "horizontalLineLength"}}},
        {kind::LigneVerticale, {{"L", &S::verticalLineLength, "verticalLineLength"}}},
        {kind::RectangleHorizontal,
         {{"H", &S::horizontalRectangleHeight, "horizontalRectangleHeight"},
          {"L", &S::horizontalRectangleLength, "horizontalRectangleLength"}}},
        {kind::RectangleVertical,
         {{"H", &S::verticalRectangleHeight, "verticalRectangleHeight"},
          {"L", &S::verticalRectangleLength, "verticalRectangleLength"}}},
        {kind::Carre, {{"L", &S::squareSide, "squareSide"}}},
        {kind::TrianglePointeEnV,
         {{"H", &S::vTriangleHeight, "vTriangleHeight"},
          {"L", &S::vTriangleLength, "vTriangleLength"}}},
        {kind::TrianglePointeEnHaut,
         {{"H", &S::upTriangleHeight, "upTriangleHeight"},
          {"L", &S::upTriangleLength, "upTriangleLength"}}},
        {kind::Losange,
         {{"H", &S::diamondHeight, "diamondHeight"}, {"L", &S::diamondLength, "diamondLength"}}},
        {kind::Cercle, {{"R", &S::circleRadius, "circleRadius"}}},
        {kind::EllipseHorizontale,
         {{"RH", &S::horizontalEllipseVerticalRadius, "horizontalEllipseVerticalRadius"},
          {"RL", &S::horizontalEllipseHorizontalRadius, "horizontalEllipseHorizontalRadius"}}},
        {kind::EllipseVerticale,
         {{"RH", &S::verticalEllipseVerticalRadius, "verticalEllipseVerticalRadius"},
          {"RL", &S::verticalEllipseHorizontalRadius, "verticalEllipseHorizontalRadius"}}},
        {kind::Croix, {{"L", &S::crossSize, "crossSize"}}},
        {kind::FlecheGaucheDroite,
         {{"L", &S::arrowLength, "arrowLength"},
          {"HP", &S::arrowHeadHalfHeight, "arrowHeadHalfHeight"},
          {"LP", &S::arrowHeadLength, "arrowHeadLength"}}},
    };
    return rows;
}

} // namespace

SizingParameters SizingParameters::of(const COrganigramme& organigramme) {
    return {organigramme.fixedSize(), organigramme.sizes(), organigramme.minSize(),
            organigramme.step()};
}

void SizingParameters::applyTo(COrganigramme& organigramme) const {
    organigramme.setFixedSize(fixedSize);
    organigramme.sizes() = sizes;
    organigramme.setMinSize(minSize);
    organigramme.setStep(step);
}

CPropEltDlg::CPropEltDlg(const SizingParameters& parameters, QWidget* parent)
    : QDialog(parent), m_parameters(parameters) {
    setWindowTitle("Paramètres... ");
    m_boundingBox = new QRadioButton(
        "La taille de toutes les formes correspond au rectangle englobant du geste initial", this);
    m_boundingBox->setObjectName("boundingBox");
    m_fixed = new QRadioButton("Taille fixe :", this);
    m_fixed->setObjectName("fixedSize");
    (m_parameters.fixedSize ? m_fixed : m_boundingBox)->setChecked(true);
    m_sizes = sizesGroup();
    m_sizes->setEnabled(m_parameters.fixedSize);
    connect(m_fixed, &QRadioButton::toggled, this, [this](bool fixed) {
        m_parameters.fixedSize = fixed;
        m_sizes->setEnabled(fixed);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_boundingBox);
    layout->addWidget(m_fixed);
    layout->addWidget(m_sizes);
    layout->addWidget(stepGroup());
    layout->addWidget(okCancelButtons(this));
}

CParsedEdit* CPropEltDlg::addField(int& value, const QString& name) {
    CParsedEdit* edit = numericEdit(value, this);
    edit->setObjectName(name);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("000000") + 12);
    connect(edit, &QLineEdit::textChanged, this,
            [&value](const QString& text) { value = leadingNumber(text); });
    m_fields.push_back({edit, &value});
    return edit;
}

QGroupBox* CPropEltDlg::sizesGroup() {
    auto* group = new QGroupBox("Taille des formes", this);
    auto* grid = new QGridLayout(group);
    const std::vector<ShapeRow>& rows = shapeRows();
    const int perColumn = static_cast<int>(rows.size() + 1) / 2;
    // Picture, then up to three label and field pairs.
    constexpr int kColumns = 7;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const int line = r % perColumn;
        const int column = (r / perColumn) * (kColumns + 1);
        auto* picture = new QLabel(group);
        picture->setPixmap(shapePicture(rows[r].kind));
        grid->addWidget(picture, line, column);
        int c = column + 1;
        for (const SizeField& field : rows[r].fields) {
            CParsedEdit* edit = addField(m_parameters.sizes.*field.member, field.name);
            auto* label = new QLabel(field.label, group);
            label->setBuddy(edit);
            grid->addWidget(label, line, c++, Qt::AlignRight);
            grid->addWidget(edit, line, c++);
        }
    }
    grid->addWidget(new QLabel("P= pointe", group), perColumn, kColumns + 2, 1, kColumns - 1);
    grid->setColumnMinimumWidth(kColumns, 24);
    return group;
}

QGroupBox* CPropEltDlg::stepGroup() {
    auto* group = new QGroupBox("Agrandissement - Réduction", this);
    auto* grid = new QGridLayout(group);
    const struct {
        const char* label;
        int& value;
        const char* name;
    } rows[] = {
        {"Taille minimum des formes (en pixels) : ", m_parameters.minSize, "minSize"},
        {"Agrandissement - Réduction (en pixels) : \n('Taille : Agrandir' et 'Taille : Réduire')",
         m_parameters.step, "step"},
    };
    for (int r = 0; r < 2; ++r) {
        CParsedEdit* edit = addField(rows[r].value, rows[r].name);
        auto* label = new QLabel(rows[r].label, group);
        label->setBuddy(edit);
        grid->addWidget(label, r, 0);
        grid->addWidget(edit, r, 1);
    }
    return group;
}

void CPropEltDlg::accept() {
    for (const Field& field : m_fields)
        *field.value = leadingNumber(field.edit->text(), kReadChars);
    m_parameters.fixedSize = m_fixed->isChecked();
    QDialog::accept();
}
