#include "text/RechercheDlg.h"

#include "shell/Messages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

bool findNextOrTell(QTextEdit& editor, const TextSearch& search) {
    if (editor.find(search.text, search.flags))
        return true;
    QTextCursor restart(editor.document());
    if (search.flags & QTextDocument::FindBackward)
        restart.movePosition(QTextCursor::End);
    const QTextCursor found = editor.document()->find(search.text, restart, search.flags);
    if (!found.isNull()) {
        editor.setTextCursor(found);
        return true;
    }
    showMessage(&editor, "Impossible de trouver « " + search.text + " ».");
    return false;
}

int replaceAll(QTextEdit& editor, const TextSearch& search, const QString& replacement) {
    const QTextDocument::FindFlags forward = search.flags & ~QTextDocument::FindBackward;
    QTextCursor step(editor.document());
    step.beginEditBlock();
    QTextCursor at(editor.document());
    int count = 0;
    for (;;) {
        QTextCursor found = editor.document()->find(search.text, at, forward);
        if (found.isNull())
            break;
        found.insertText(replacement);
        at = found;
        ++count;
    }
    step.endEditBlock();
    return count;
}

CRechercheDlg::CRechercheDlg(QTextEdit& editor, TextSearch& search, Mode mode, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_search(search), m_mode(mode),
      m_text(new QLineEdit(search.text, this)),
      m_wholeWords(new QCheckBox("Mot &entier uniquement", this)),
      m_matchCase(new QCheckBox("Respecter la &casse", this)), m_summary(new QLabel(this)) {
    setWindowTitle(mode == Mode::Find ? "Rechercher" : "Remplacer");
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName("rechercher");
    m_text->setMinimumWidth(240);
    m_summary->setObjectName("bilan");
    m_wholeWords->setChecked(search.flags & QTextDocument::FindWholeWords);
    m_matchCase->setChecked(search.flags & QTextDocument::FindCaseSensitively);

    auto* rows = new QFormLayout;
    rows->addRow("Rec&hercher :", m_text);
    if (mode == Mode::Replace) {
        m_replacement = new QLineEdit(this);
        m_replacement->setObjectName("remplacer");
        rows->addRow("Rem&placer par :", m_replacement);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(rows);
    left->addWidget(m_wholeWords);
    left->addWidget(m_matchCase);
    if (mode == Mode::Find) {
        auto* direction = new QGroupBox("Direction", this);
        m_up = new QRadioButton("&Haut", direction);
        auto* down = new QRadioButton("&Bas", direction);
        (search.flags & QTextDocument::FindBackward ? m_up : down)->setChecked(true);
        auto* directions = new QHBoxLayout(direction);
        directions->addWidget(m_up);
        directions->addWidget(down);
        left->addWidget(direction);
    }
    left->addWidget(m_summary);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    auto* next = new QPushButton("&Suivant", this);
    next->setDefault(true);
    buttons->addWidget(next);
    connect(next, &QPushButton::clicked, this, &CRechercheDlg::OnSuivant);
    QList<QPushButton*> needText{next};
    if (mode == Mode::Replace) {
        auto* replace = new QPushButton("&Remplacer", this);
        auto* replaceAll = new QPushButton("Remplacer &tout", this);
        buttons->addWidget(replace);
        buttons->addWidget(replaceAll);
        connect(replace, &QPushButton::clicked, this, &CRechercheDlg::OnRemplacer);
        connect(replaceAll, &QPushButton::clicked, this, &CRechercheDlg::OnRemplacerTout);
        needText << replace << replaceAll;
    }
    auto* cancel = new QPushButton("Annuler", this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch();
    const auto enable = [needText](const QString& text) {
        for (QPushButton* button : needText)
            button->setEnabled(!text.isEmpty());
    };
    connect(m_text, &QLineEdit::textChanged, this, enable);
    enable(m_text->text());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

TextSearch CRechercheDlg::fields() const {
    QTextDocument::FindFlags flags;
    if (m_wholeWords->isChecked())
        flags |= QTextDocument::FindWholeWords;
    if (m_matchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (m_up != nullptr && m_up->isChecked())
        flags |= QTextDocument::FindBackward;
    return {m_text->text(), flags};
}

void CRechercheDlg::OnSuivant() {
    m_search = fields();
    m_summary->clear();
    findNextOrTell(m_editor, m_search);
}

// The selection is replaced only when it is what is looked for; the next
// occurrence is then selected.
void CRechercheDlg::OnRemplacer() {
    m_search = fields();
    m_summary->clear();
    const Qt::CaseSensitivity sensitivity = m_search.flags & QTextDocument::FindCaseSensitively
                                                ? Qt::CaseSensitive
                                                : Qt::CaseInsensitive;
    QTextCursor selection = m_editor.textCursor();
    if (selection.selectedText().compare(m_search.text, sensitivity) == 0)
        selection.insertText(m_replacement->text());
    findNextOrTell(m_editor, m_search);
}

void CRechercheDlg::OnRemplacerTout() {
    m_search = fields();
    const int count = replaceAll(m_editor, m_search, m_replacement->text());
    m_summary->setText(count == 1 ? QStringLiteral("1 remplacement effectué.")
                                  : QString("%1 remplacements effectués.").arg(count));
}
