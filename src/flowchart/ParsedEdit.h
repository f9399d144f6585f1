#pragma once

#include <QLineEdit>

// An edit field that takes only some kinds of characters; control characters
// always pass. Any other character is refused with a beep, unless a receiver
// of refusing() keeps it quiet.
class CParsedEdit : public QLineEdit {
    Q_OBJECT
public:
    enum Allowed { Digits = 1, Letters = 2, OtherPrintable = 4 };

    explicit CParsedEdit(int allowed, QWidget* parent = nullptr);

    bool allows(QChar c) const;

signals:
    // Before the beep; setting `beep` to false suppresses it.
    void refusing(QChar c, bool* beep);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_allowed;
};

// A numeric field of a flowchart dialog.
CParsedEdit* numericEdit(int value, QWidget* parent);

// The leading decimal integer of the text's first `maxChars` characters (all
// when negative); 0 for an empty or non-numeric text.
int leadingNumber(const QString& text, int maxChars = -1);
