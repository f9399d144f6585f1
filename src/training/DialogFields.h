#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class QComboBox;

// A description box: it empties itself when it gains the focus holding only
// "Aucune description", and says "Aucune description" again when it loses the
// focus empty, so an untouched description reads "Aucune description".
class DescriptionEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static const QString kPlaceholder;

    explicit DescriptionEdit(const QString& text, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The names of the four action types.
QStringList actionTypeNames();
// "Aucun", then the names of the type's codes in code order; "Aucun" alone for type 0.
QStringList codeNames(int actionType);
// Replaces the items by `names` in French alphabetical order, the way a sorted
// list shows them, without announcing a change of selection.
void fillSorted(QComboBox* combo, QStringList names);
// Selects the item reading `text` without announcing it.
void selectText(QComboBox* combo, const QString& text);
