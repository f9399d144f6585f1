#pragma once

#include "app/Editors.h"
#include "shell/Application.h"
#include "shell/Configuration.h"
#include "shell/DocTemplate.h"
#include "shell/MainFrm.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

// What the interface benchmarks share. The platform is the one of
// QT_QPA_PLATFORM, offscreen when there is no display.

// Qt's application object for the whole process, made on the first call.
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

// A data root with its folders in a temporary folder.
struct DataRoot {
    QTemporaryDir folder;
    std::string root = folder.path().toStdString() + "/Données/";
    DataRoot() {
        createFolder(root);
        createMissingFolders(Configuration(root));
    }
};

// Velmora started over `root`, its main window shown and painted.
inline std::unique_ptr<CApplication> startApplication(const std::string& root) {
    auto application = std::make_unique<CApplication>(root, editorTemplates());
    application->initInstance(CApplication::Splash::Skip);
    CMainFrame* frame = application->mainFrame();
    if (!QTest::qWaitForWindowExposed(frame))
        qFatal("the main window was never shown");
    frame->repaint();
    return application;
}
