#include "shell/Setup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says at every window what it cannot do.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith("This plugin does not support"))
        defaultHandler(type, context, text);
}

} // namespace

// A QApplication for the whole test program, on the offscreen platform unless
// another is asked for, with the user's settings kept in a temporary folder.
int main(int argc, char** argv) {
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(dropPlatformNotices);
    QApplication application(argc, argv);
    prepareApplication(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
