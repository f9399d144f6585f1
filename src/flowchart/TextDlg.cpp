#include "flowchart/TextDlg.h"

#include "flowchart/ParsedEdit.h"
#include "shell/Configuration.h"
#include "shell/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QStringList textFontNames() {
    return {"Arial", "Comic Sans MS", "Courier New", "MS Sans Serif", "Times New Roman", "Verdana"};
}

QStringList textPointSizes() {
    return {"8", "10", "12", "14", "16", "20"};
}

void fillChoices(QComboBox* combo, const QStringList& choices, const QString& current) {
    combo->addItems(choices);
    if (!choices.contains(current))
        combo->addItem(current);
    combo->setCurrentText(current);
}

CInsertTextDlg::CInsertTextDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Insérer le texte suivant...");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Texte à insérer", this), 0, 1);
    grid->addWidget(new QLabel("Police", this), 0, 2);
    grid->addWidget(new QLabel("Taille", this), 0, 3);
    for (int i = 0; i < kLines; ++i) {
        TextLine& line = m_lines[i];
        line.font = kDefaultFontFace;
        Row& row = m_rows[i];
        row.text = new QLineEdit(this);
        row.text->setObjectName(QStringLiteral("text%1").arg(i + 1));
        row.text->setMinimumWidth(240);
        row.font = new QComboBox(this);
        row.font->setObjectName(QStringLiteral("font%1").arg(i + 1));
        fillChoices(row.font, textFontNames(), line.font);
        row.size = new QComboBox(this);
        row.size->setObjectName(QStringLiteral("size%1").arg(i + 1));
        fillChoices(row.size, textPointSizes(), QString::number(line.size));
        auto* label = new QLabel(QStringLiteral("Ligne %1").arg(i + 1), this);
        label->setBuddy(row.text);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(row.text, i + 1, 1);
        grid->addWidget(row.font, i + 1, 2);
        grid->addWidget(row.size, i + 1, 3);

        connect(row.font, &QComboBox::currentTextChanged, this,
                [&line](const QString& font) { line.font = font; });
        connect(row.size, &QComboBox::currentTextChanged, this,
                [&line](const QString& size) { line.size = leadingNumber(size); });
    }
    connect(m_rows[0].text, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_ok->setEnabled(!text.isEmpty());
        enableRow(1, !text.isEmpty());
        enableRow(2, !text.isEmpty() && !m_rows[1].text->text().isEmpty());
    });
    connect(m_rows[1].text, &QLineEdit::textChanged, this,
            [this](const QString& text) { enableRow(2, !text.isEmpty()); });

    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    enableRow(1, false);
    enableRow(2, false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CInsertTextDlg::enableRow(int i, bool enabled) {
    m_rows[i].text->setEnabled(enabled);
    m_rows[i].font->setEnabled(enabled);
    m_rows[i].size->setEnabled(enabled);
}

void CInsertTextDlg::accept() {
    for (int i = 0; i < kLines; ++i)
        m_lines[i].text = m_rows[i].text->text();
    QDialog::accept();
}

CTextDlg::CTextDlg(const TextLine& line, QWidget* parent) : QDialog(parent), m_line(line) {
    setWindowTitle("Modifier le texte...");
    m_text = new QLineEdit(m_line.text, this);
    m_text->setObjectName("text");
    m_text->setMinimumWidth(240);
    auto* font = new QComboBox(this);
    font->setObjectName("font");
    fillChoices(font, textFontNames(), m_line.font);
    auto* size = new QComboBox(this);
    size->setObjectName("size");
    fillChoices(size, textPointSizes(), QString::number(m_line.size));
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_line.text = text; });
    connect(font, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { m_line.font = name; });
    connect(size, &QComboBox::currentTextChanged, this,
            [this](const QString& points) { m_line.size = leadingNumber(points); });

    auto* grid = new QGridLayout;
    const QString headers[] = {"Chaîne de caractères", "Police", "Taille"};
    QWidget* fields[] = {m_text, font, size};
    for (int column = 0; column < 3; ++column) {
        auto* label = new QLabel(headers[column], this);
        label->setBuddy(fields[column]);
        grid->addWidget(label, 0, column);
        grid->addWidget(fields[column], 1, column);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okCancelButtons(this));
}

void CTextDlg::accept() {
    m_line.text = m_text->text();
    QDialog::accept();
}
