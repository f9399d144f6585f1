#include "training/ApprentissageDoc.h"

#include "engine/FichierEnsemble.h"
#include "shell/Application.h"
#include "shell/DocTemplate.h"
#include "shell/FileDialogs.h"
#include "shell/MainFrm.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QFileInfo>

namespace {

std::unique_ptr<CEnsemble> takeOver(std::unique_ptr<CEnsemble> pending) {
    if (!pending)
        return std::make_unique<CEnsemble>();
    return std::make_unique<CEnsemble>(*pending);
}

const Configuration& configuration() {
    return CApplication::instance()->configuration();
}

QString gestureFolder() {
    return toQString(configuration().dataRoot + configuration().gestureFolder);
}

} // namespace

CApprentissageDoc::CApprentissageDoc(const CDocTemplate& docTemplate)
    : CDocument(docTemplate), m_ensemble(takeOver(CApplication::instance()->takePendingSet())) {}

CApprentissageDoc::~CApprentissageDoc() = default;

QString CApprentissageDoc::nomFichier() const {
    return QFileInfo(toQString(m_ensemble->nomFichier())).fileName();
}

bool CApprentissageDoc::enregistrerEnsemble(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const FileResult written =
        ::enregistrerEnsemble(*m_ensemble, toStdString(gestureFolder()), toStdString(name));
    if (!written.ok) {
        showMessage(CApplication::instance()->mainFrame(), toQString(written.error));
        return false;
    }
    setPathName(gestureFolder() + name);
    return true;
}

CApprentissageDoc::Resultat CApprentissageDoc::enregistrerSous() {
    QWidget* parent = CApplication::instance()->mainFrame();
    const QString chosen = askSaveFileName(parent, {.defaultSuffix = "gst",
                                                    .filters = docTemplate().dialogFilters(),
                                                    .folder = gestureFolder(),
                                                    .fileName = toQString(m_ensemble->nom())});
    if (chosen.isEmpty())
        return Resultat::Annule;
    const QFileInfo file(chosen);
    if (file.suffix() != "gst")
        showMessage(parent, "Le fichier " + file.fileName() + " ne peut être ouvert.");
    if (!enregistrerEnsemble(file.fileName()))
        return Resultat::Echec;
    m_ensemble->setModifie(false);
    return Resultat::Ecrit;
}

bool CApprentissageDoc::onOpenDocument(const QString&) {
    return false;
}

bool CApprentissageDoc::onSaveDocument(const QString& path) {
    return enregistrerEnsemble(path);
}
