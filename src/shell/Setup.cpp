#include "shell/Setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void loadResources() {
    Q_INIT_RESOURCE(velmora);
}

void prepareApplication(QApplication& application) {
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QApplication::setApplicationName("Velmora");
    QApplication::setApplicationVersion("1.0");
    loadResources();
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        qWarning("qtbase_fr.qm not found: Qt's dialogs stay in English");
}
