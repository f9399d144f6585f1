#include "training/ApprentissageDoc.h"

#include "engine/FichierEnsemble.h"
#include "shell/Configuration.h"
#include "shell/DocTemplate.h"
#include "shell/EditorContext.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QFileInfo>

namespace {

std::unique_ptr<CEnsemble> takeOver(std::unique_ptr<CEnsemble> pending) {
    if (!pending)
        return std::make_unique<CEnsemble>();
    return std::make_unique<CEnsemble>(*pending);
}

} // namespace

CApprentissageDoc::CApprentissageDoc(const CDocTemplate& docTemplate, EditorContext& context)
    : CDocument(docTemplate, context), m_ensemble(takeOver(context.takePendingSet())) {}

CApprentissageDoc::~CApprentissageDoc() = default;

QString CApprentissageDoc::gestureFolder() const {
    const Configuration& c = context().configuration();
    return toQString(c.dataRoot + c.gestureFolder);
}

QString CApprentissageDoc::fileName() const {
    return QFileInfo(toQString(m_ensemble->nomFichier())).fileName();
}

bool CApprentissageDoc::enregistrerEnsemble(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const FileResult written =
        ::enregistrerEnsemble(*m_ensemble, toStdString(gestureFolder()), toStdString(name));
    if (!written.ok) {
        showMessage(context().dialogParent(), toQString(written.error));
        return false;
    }
    setPathName(gestureFolder() + name);
    return true;
}

CApprentissageDoc::SaveResult CApprentissageDoc::enregistrerSous() {
    QWidget* parent = context().dialogParent();
    const QString chosen = askSaveFileName(parent, {.defaultSuffix = "gst",
                                                    .filters = docTemplate().dialogFilters(),
                                                    .folder = gestureFolder(),
                                                    .fileName = toQString(m_ensemble->nom())});
    if (chosen.isEmpty())
        return SaveResult::Cancelled;
    const QFileInfo file(chosen);
    if (file.suffix() != "gst")
        showMessage(parent, "Le fichier " + file.fileName() + " ne peut être ouvert.");
    if (!enregistrerEnsemble(file.fileName()))
        return SaveResult::Failed;
    m_ensemble->setModifie(false);
    return SaveResult::Written;
}

bool CApprentissageDoc::onOpenDocument(const QString&) {
    return false;
}

bool CApprentissageDoc::onSaveDocument(const QString& path) {
    return enregistrerEnsemble(path);
}
