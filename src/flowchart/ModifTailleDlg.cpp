#include "flowchart/ModifTailleDlg.h"

#include "flowchart/ParsedEdit.h"
#include "flowchart/ShapePictures.h"
#include "shell/DialogButtons.h"
#include "shell/Strings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Five digits keep every resized figure well inside the coordinates' range.
constexpr int kMaxDigits = 5;

CParsedEdit* sizeEdit(int value, QWidget* parent, int& stored) {
    CParsedEdit* edit = numericEdit(value, parent);
    edit->setMaxLength(kMaxDigits);
    QObject::connect(edit, &QLineEdit::textChanged, parent,
                     [&stored](const QString& text) { stored = leadingNumber(text); });
    return edit;
}

QLabel* titleLine(const QString& title, QWidget* parent) {
    auto* heading = new QLabel(title, parent);
    heading->setObjectName("title");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

} // namespace

CModifTailleDlg::CModifTailleDlg(const QString& title, std::span<const Dimension> dimensions,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Modifier la taille...");
    QLabel* heading = titleLine(title, this);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kRows; ++i) {
        const bool shown = static_cast<std::size_t>(i) < dimensions.size();
        if (shown)
            m_values[i] = dimensions[i].value;
        m_labels[i] = new QLabel(shown ? toQString(dimensions[i].label) : QString(), this);
        m_edits[i] = sizeEdit(m_values[i], this, m_values[i]);
        m_edits[i]->setObjectName(QStringLiteral("value%1").arg(i + 1));
        m_labels[i]->setBuddy(m_edits[i]);
        m_labels[i]->setVisible(shown);
        m_edits[i]->setVisible(shown);
        grid->addWidget(m_labels[i], i, 0);
        grid->addWidget(m_edits[i], i, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(okCancelButtons(this));
}

void CModifTailleDlg::accept() {
    for (int i = 0; i < kRows; ++i)
        m_values[i] = m_edits[i]->isVisibleTo(this) ? leadingNumber(m_edits[i]->text()) : 0;
    QDialog::accept();
}

CModifTailleFlecheDlg::CModifTailleFlecheDlg(int length, int headHalfHeight, int headLength,
                                             QWidget* parent)
    : QDialog(parent), m_values{length, headHalfHeight, headLength} {
    setWindowTitle("Modifier la taille...");
    QLabel* heading = titleLine("Flèche", this);
    const char* const labels[kFields] = {"longueur : ", "hauteur pointe : ", "longueur pointe : "};
    const char* const names[kFields] = {"length", "headHalfHeight", "headLength"};
    const ArrowDimension pictures[kFields] = {
        ArrowDimension::Length, ArrowDimension::HeadHalfHeight, ArrowDimension::HeadLength};
    auto* grid = new QGridLayout;
    for (int i = 0; i < kFields; ++i) {
        auto* picture = new QLabel(this);
        picture->setPixmap(arrowDimensionPicture(pictures[i]));
        m_edits[i] = sizeEdit(m_values[i], this, m_values[i]);
        m_edits[i]->setObjectName(names[i]);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(m_edits[i]);
        grid->addWidget(picture, i, 0);
        grid->addWidget(label, i, 1);
        grid->addWidget(m_edits[i], i, 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(okCancelButtons(this));
}

void CModifTailleFlecheDlg::accept() {
    for (int i = 0; i < kFields; ++i)
        m_values[i] = leadingNumber(m_edits[i]->text());
    QDialog::accept();
}
