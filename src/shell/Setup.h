#pragma once

class QApplication;

// What every process showing Velmora's windows does once, before any window:
// the names under which QSettings keeps the recent files, our resources, and
// Qt's own dialogs in French.
void prepareApplication(QApplication& application);
