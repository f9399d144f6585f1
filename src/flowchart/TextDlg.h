#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

// The fonts and point sizes that flowchart texts are offered in.
QStringList textFontNames();
QStringList textPointSizes();

// One line of text to write, with its font and point size.
struct TextLine {
    QString text;
    QString font;
    int size = 12;
};

// "Insérer le texte suivant...": up to three lines of text. A line is open only
// once the line above it has text; OK needs a first line.
class CInsertTextDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 3;

    explicit CInsertTextDlg(QWidget* parent);

    const TextLine& line(int i) const { return m_lines[i]; }

    void accept() override;

private:
    struct Row {
        QLineEdit* text;
        QComboBox* font;
        QComboBox* size;
    };
    void enableRow(int i, bool enabled);

    std::array<TextLine, kLines> m_lines;
    std::array<Row, kLines> m_rows;
    QPushButton* m_ok;
};

// "Modifier le texte...": the text of a text component, its font and its size.
class CTextDlg : public QDialog {
    Q_OBJECT
public:
    CTextDlg(const TextLine& line, QWidget* parent);

    const TextLine& line() const { return m_line; }

    void accept() override;

private:
    TextLine m_line;
    QLineEdit* m_text;
};

// Fills a font or size list and selects `current`, added to the list when it is
// not among the offered ones.
void fillChoices(QComboBox* combo, const QStringList& choices, const QString& current);
