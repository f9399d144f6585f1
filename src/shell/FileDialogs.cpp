#include "shell/FileDialogs.h"

#include <QFileDialog>

namespace {

QString ask(QWidget* parent, const FileDialogOptions& options, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setNameFilters(options.filters);
    if (!options.folder.isEmpty())
        dialog.setDirectory(options.folder);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString askOpenFileName(QWidget* parent, const FileDialogOptions& options) {
    return ask(parent, options, QFileDialog::AcceptOpen);
}

QString askSaveFileName(QWidget* parent, const FileDialogOptions& options) {
    return ask(parent, options, QFileDialog::AcceptSave);
}
