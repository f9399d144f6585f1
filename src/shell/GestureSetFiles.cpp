#include "shell/GestureSetFiles.h"

#include "engine/FichierEnsemble.h"
#include "recognizer/Files.h"
#include "shell/Configuration.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QFileInfo>

QString askGestureSetFile(QWidget* parent, const Configuration& configuration,
                          const QString& initialName, const QString& badExtension) {
    const QString path = askOpenFileName(
        parent, {.defaultSuffix = "gst",
                 .filters = {"Gesture Files (*.gst)", allFilesFilter()},
                 .folder = toQString(configuration.dataRoot + configuration.gestureFolder),
                 .fileName = initialName});
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    if (file.suffix() != "gst") {
        showMessage(parent, "Le fichier " + file.fileName() + badExtension);
        return {};
    }
    if (!fileExists(toStdString(path))) {
        showMessage(parent, "Erreur lors de l'ouverture du fichier " + file.fileName() + "...");
        return {};
    }
    return path;
}

std::unique_ptr<CEnsemble> readGestureSet(QWidget* parent, const QString& path) {
    LectureEnsemble read = chargerEnsemble(toStdString(path));
    if (!read.erreur.empty()) {
        showMessage(parent, toQString(read.erreur));
        return nullptr;
    }
    return std::move(read.ensemble);
}
