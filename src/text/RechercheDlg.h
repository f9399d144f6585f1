#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

// What was last looked for; the view keeps it for "Suivant".
struct TextSearch {
    QString text;
    QTextDocument::FindFlags flags;
};

// Selects the next occurrence after the editor's cursor (before it when the
// search goes up), going round the text once. Says so when there is none.
bool findNextOrTell(QTextEdit& editor, const TextSearch& search);
// Replaces every occurrence as one step that can be undone; returns their number.
int replaceAll(QTextEdit& editor, const TextSearch& search, const QString& replacement);

// The find and the replace windows. They stay open beside the text while the
// user goes on working in it.
class CRechercheDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };

    CRechercheDlg(QTextEdit& editor, TextSearch& search, Mode mode, QWidget* parent);

    Mode mode() const { return m_mode; }

private:
    TextSearch fields() const;
    void OnSuivant();
    void OnRemplacer();
    void OnRemplacerTout();

    QTextEdit& m_editor;
    TextSearch& m_search;
    const Mode m_mode;
    QLineEdit* m_text;
    QLineEdit* m_replacement = nullptr;
    QCheckBox* m_wholeWords;
    QCheckBox* m_matchCase;
    QRadioButton* m_up = nullptr;
    QLabel* m_summary;
};
