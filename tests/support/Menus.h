#pragma once

#include <QString>

class QAction;
class QMainWindow;

// Opens `menu` of the window's menu bar with its Alt mnemonic, then presses the
// mnemonic of `entry`, as a user at the keyboard would. Fails the test when
// either is missing; a disabled entry is pressed all the same and does nothing.
void chooseMenuEntry(QMainWindow& window, const QString& menu, const QString& entry);

// The entry of a menu of the window's menu bar, both named by their texts.
QAction* menuEntry(QMainWindow& window, const QString& menu, const QString& entry);
