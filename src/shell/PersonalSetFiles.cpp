#include "shell/PersonalSetFiles.h"

#include "engine/Codes.h"
#include "engine/FichierEnsemble.h"
#include "engine/PersonalClass.h"
#include "recognizer/Files.h"
#include "shell/Configuration.h"
#include "shell/ShippedSetFiles.h"
#include "shell/Strings.h"

namespace {

QString shippedName(int typeAction) {
    return typeAction == TYPE_COMPOSANTS ? QStringLiteral("formes") : QStringLiteral("commandes");
}

const std::string& configuredName(const Configuration& configuration, int typeAction) {
    return typeAction == TYPE_COMPOSANTS ? configuration.componentSet : configuration.commandSet;
}

} // namespace

AdaptableSet readAdaptableSet(const Configuration& configuration, int typeAction) {
    const std::string& name = configuredName(configuration, typeAction);
    const std::string path = configuration.gestureSetPath(name);
    LectureEnsemble read =
        fileExists(path)
            ? chargerEnsemble(path)
            : lireEnsemble(shippedSetContent(shippedName(typeAction) + ".gst").toStdString(), path);
    if (!read.erreur.empty())
        return {nullptr, toQString(read.erreur)};
    if (read.ensemble->typeAction() != typeAction)
        return {nullptr,
                "Le fichier " + toQString(configuration.gestureFolder + name) +
                    " ne contient pas de gestes " +
                    (typeAction == TYPE_COMPOSANTS ? "associés aux composants d'un organigramme."
                                                   : "associés aux commandes d'un organigramme.")};
    return {std::move(read.ensemble), {}};
}

QString savePersonalSet(const Configuration& configuration, CEnsemble& set) {
    const QString shipped = shippedName(set.typeAction());
    const std::string kept = configuration.gestureSetPath(toStdString(shipped + "-livre.gst"));
    if (!fileExists(kept)) {
        const FileResult written =
            writeFileAtomically(kept, shippedSetContent(shipped + ".gst").toStdString());
        if (!written.ok)
            return toQString(written.error);
    }
    const FileResult saved =
        enregistrerEnsemble(set, configuration.dataRoot + configuration.gestureFolder,
                            configuredName(configuration, set.typeAction()));
    return saved.ok ? QString() : toQString(saved.error);
}

QString learnDrawing(const Configuration& configuration, int typeAction, int code,
                     std::shared_ptr<CDessin> drawing) {
    AdaptableSet adaptable = readAdaptableSet(configuration, typeAction);
    if (!adaptable.set)
        return adaptable.error;
    CEnsemble& set = *adaptable.set;
    addPersonalExample(set.classe(personalClass(set, nomCode(typeAction, code), code)),
                       std::move(drawing));
    return savePersonalSet(configuration, set);
}
