#include "app/Editors.h"
#include "shell/Application.h"
#include "shell/Configuration.h"
#include "shell/DocTemplate.h"
#include "shell/InstanceLink.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    prepareApplication(qtApplication);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Velmora, l'atelier des gestes dessinés.\n"
        "Ouvre chaque FICHIER dans son éditeur, d'après son extension : texte (.svk), "
        "organigramme (.org) ou ensemble de gestes (.gst). Quand Velmora tourne déjà sur le "
        "même répertoire des données, les fichiers lui sont confiés.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRoot(
        "data-root", "Répertoire des données (à défaut de VELMORA_DATA_ROOT).", "DIR");
    parser.addOption(dataRoot);
    const QCommandLineOption noSplash("sans-splash", "Démarre sans l'image d'accueil.");
    parser.addOption(noSplash);
    parser.addPositionalArgument("fichiers", "Fichiers à ouvrir.", "[FICHIER...]");
    parser.process(qtApplication);

    // Made absolute now: the data root becomes the current folder at start.
    QStringList files;
    for (const QString& file : parser.positionalArguments())
        files << QDir::current().absoluteFilePath(file);
    const std::string root =
        chooseDataRoot(std::getenv("VELMORA_DATA_ROOT"), parser.value(dataRoot).toStdString(),
                       QDir::homePath().toStdString());
    InstanceLink link(QString::fromStdString(root));
    if (!files.isEmpty() && link.handOver(files))
        return EXIT_SUCCESS;

    CApplication application(root, editorTemplates(), newSetDialog(), adaptDialog());
    application.initInstance(parser.isSet(noSplash) ? CApplication::Splash::Skip
                                                    : CApplication::Splash::Show);
    application.receiveFiles(link);
    application.openFiles(files);
    return QApplication::exec();
}
