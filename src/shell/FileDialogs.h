#pragma once

#include <QString>
#include <QStringList>

class QWidget;

inline QString allFilesFilter() {
    return QStringLiteral("All Files (*.*)");
}

struct FileDialogOptions {
    QString defaultSuffix = {}; // without the dot
    QStringList filters = {};   // "Gesture Files (*.gst)", ...
    QString folder = {};
    QString fileName = {};
};

// Qt's own file dialogs (French through the Qt translation), so that they look
// the same everywhere. Both return "" when the user cancels.
QString askOpenFileName(QWidget* parent, const FileDialogOptions& options);
// Asks before overwriting an existing file.
QString askSaveFileName(QWidget* parent, const FileDialogOptions& options);
