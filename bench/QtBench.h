#pragma once

#include "shell/Configuration.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

// What the benchmarks of the interface share: one Qt application for the
// process, on the platform of QT_QPA_PLATFORM (offscreen when there is no
// display), and a data root in a temporary folder.

inline void startQt() {
    static int argc = 1;
    static char name[] = "velmora-bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> qt;
    if (qt)
        return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qt = std::make_unique<QApplication>(argc, argv);
    prepareApplication(*qt);
}

struct DataRoot {
    QTemporaryDir folder;
    std::string root = folder.path().toStdString() + "/Données/";
    DataRoot() {
        createFolder(root);
        createMissingFolders(Configuration(root));
    }
};
