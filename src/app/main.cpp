#include "app/Editors.h"
#include "shell/Application.h"
#include "shell/Configuration.h"
#include "shell/DocTemplate.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    prepareApplication(qtApplication);

    QCommandLineParser parser;
    parser.setApplicationDescription("Velmora, l'atelier des gestes dessinés");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRoot(
        "data-root", "Répertoire des données (à défaut de VELMORA_DATA_ROOT).", "DIR");
    parser.addOption(dataRoot);
    const QCommandLineOption noSplash("sans-splash", "Démarre sans l'image d'accueil.");
    parser.addOption(noSplash);
    parser.process(qtApplication);

    CApplication application(chooseDataRoot(std::getenv("VELMORA_DATA_ROOT"),
                                            parser.value(dataRoot).toStdString(),
                                            QDir::homePath().toStdString()),
                             editorTemplates(), newSetDialog(), adaptDialog());
    application.initInstance(parser.isSet(noSplash) ? CApplication::Splash::Skip
                                                    : CApplication::Splash::Show);
    return QApplication::exec();
}
