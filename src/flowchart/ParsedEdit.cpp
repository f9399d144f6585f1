#include "flowchart/ParsedEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>

#include <limits>

namespace {

// Pasted text is held to the same characters, without a beep.
class AllowedCharacters : public QValidator {
public:
    explicit AllowedCharacters(const CParsedEdit& edit) : QValidator(nullptr), m_edit(edit) {}

    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (!m_edit.allows(c))
                return Invalid;
        return Acceptable;
    }

private:
    const CParsedEdit& m_edit;
};

} // namespace

CParsedEdit::CParsedEdit(int allowed, QWidget* parent) : QLineEdit(parent), m_allowed(allowed) {
    auto* validator = new AllowedCharacters(*this);
    validator->setParent(this);
    setValidator(validator);
}

bool CParsedEdit::allows(QChar c) const {
    if (c.unicode() < 32)
        return true;
    if (c.isDigit() && c.unicode() < 128)
        return m_allowed & Digits;
    if (c.isLetter())
        return m_allowed & Letters;
    return c.isPrint() && (m_allowed & OtherPrintable);
}

void CParsedEdit::keyPressEvent(QKeyEvent* event) {
    // Shortcuts (select all, copy, paste...) carry their letter as text.
    const bool shortcut =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    for (const QChar c : shortcut ? QString() : event->text()) {
        if (!allows(c)) {
            bool beep = true;
            emit refusing(c, &beep);
            if (beep)
                QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

CParsedEdit* numericEdit(int value, QWidget* parent) {
    auto* edit = new CParsedEdit(CParsedEdit::Digits, parent);
    edit->setText(QString::number(value));
    return edit;
}

int leadingNumber(const QString& text, int maxChars) {
    const QString read = maxChars < 0 ? text : text.left(maxChars);
    long long value = 0;
    for (const QChar c : read) {
        if (c < '0' || c > '9')
            break;
        value =
            std::min<long long>(value * 10 + (c.unicode() - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(value);
}
