#include "training/DialogFields.h"

#include "engine/Codes.h"
#include "shell/Strings.h"

#include <QCollator>
#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

const QString DescriptionEdit::kPlaceholder = QStringLiteral("Aucune description");

DescriptionEdit::DescriptionEdit(const QString& text, QWidget* parent)
    : QPlainTextEdit(text, parent) {
    setTabChangesFocus(true);
    setFixedHeight(fontMetrics().lineSpacing() * 3 + 12);
}

void DescriptionEdit::focusInEvent(QFocusEvent* event) {
    if (toPlainText() == kPlaceholder)
        clear();
    QPlainTextEdit::focusInEvent(event);
}

void DescriptionEdit::focusOutEvent(QFocusEvent* event) {
    if (toPlainText().isEmpty())
        setPlainText(kPlaceholder);
    QPlainTextEdit::focusOutEvent(event);
}

QStringList actionTypeNames() {
    QStringList names;
    for (int type = TYPE_AUCUN; type < NB_TYPES_ACTION; ++type)
        names << toQString(nomTypeAction(type));
    return names;
}

QStringList codeNames(int actionType) {
    QStringList names{toQString(nomCode(actionType, AUCUN_CODE))};
    for (int code : codesDuType(actionType))
        names << toQString(nomCode(actionType, code));
    return names;
}

void fillSorted(QComboBox* combo, QStringList names) {
    const QCollator french{QLocale(QLocale::French)};
    std::sort(names.begin(), names.end(), french);
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(names);
}

void selectText(QComboBox* combo, const QString& text) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findText(text));
}
