#pragma once

#include <QString>

class QComboBox;
class QWidget;

// Selects everything in an edit and types `text` over it, key by key.
void typeOver(QWidget* edit, const QString& text);
// Types `text` into the widget key by key, non-ASCII letters included.
void typeText(QWidget* widget, const QString& text);
// Gives the combo box the focus and walks down its list with the arrow keys to
// `name`; fails the test when another item is then current.
void chooseByKeys(QComboBox* combo, const QString& name);
