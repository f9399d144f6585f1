#pragma once

#include <QString>
#include <QStringList>

class QMainWindow;
class QWidget;

// What a window shows, one line per element, in the order its widgets were
// made: the title, then each label, button, field, list and box with its text,
// its items, and whether it is disabled "(off)", checked "(x)", read-only
// "(ro)" or the button that Return presses "(default)". Hidden widgets are
// left out.
QStringList windowTexts(const QWidget& window);
// The same for the main window: its title, its menu bar entry by entry with the
// shortcut and status tip of each, its tool bars, its status line and panes, then the
// active document window.
QStringList frameTexts(const QMainWindow& frame);

// Compares the lines with section [section] of the golden file tests/texts/<file>.txt,
// a line break within a line written \n and `root`, when given, <racine>/.
void expectTexts(const QString& file, const QString& section, QStringList lines,
                 const QString& root = {});
