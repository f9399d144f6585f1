#include "training/ApprentissageDoc.h"

#include "engine/FichierEnsemble.h"
#include "shell/Configuration.h"
#include "shell/DocTemplate.h"
#include "shell/EditorContext.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QFileInfo>
#include <QMessageBox>

namespace {

std::unique_ptr<CEnsemble> takeOver(std::unique_ptr<CEnsemble> pending) {
    if (!pending)
        return std::make_unique<CEnsemble>();
    return std::make_unique<CEnsemble>(*pending);
}

} // namespace

CApprentissageDoc::CApprentissageDoc(const CDocTemplate& docTemplate, EditorContext& context)
    : CDocument(docTemplate, context), m_ensemble(takeOver(context.takePendingSet())) {
    // A set read from disk carries the path it came from; a new one only its future name.
    const QFileInfo read(toQString(m_ensemble->nomFichier()));
    if (read.isAbsolute())
        m_ownFile = read.absoluteFilePath();
}

CApprentissageDoc::~CApprentissageDoc() = default;

QString CApprentissageDoc::gestureFolder() const {
    const Configuration& c = context().configuration();
    return toQString(c.dataRoot + c.gestureFolder);
}

QString CApprentissageDoc::fileName() const {
    return QFileInfo(toQString(m_ensemble->nomFichier())).fileName();
}

bool CApprentissageDoc::mayReplace(const QString& target) const {
    const QFileInfo file(target);
    if (!file.exists() || file.absoluteFilePath() == m_ownFile)
        return true;
    const Configuration& c = context().configuration();
    QString use;
    if (file.fileName() == toQString(c.componentSet))
        use = "\nC'est l'ensemble des composants que reconnaissent les organigrammes.";
    else if (file.fileName() == toQString(c.commandSet))
        use = "\nC'est l'ensemble des commandes que reconnaissent les organigrammes.";
    else if (file.fileName() == toQString(c.textSet))
        use = "\nC'est l'ensemble des caractères que reconnaissent les organigrammes.";
    QMessageBox question(QMessageBox::Warning, appTitle(),
                         "Le fichier " + file.fileName() + " existe déjà." + use +
                             "\nVoulez-vous le remplacer ?",
                         QMessageBox::Yes | QMessageBox::No, context().dialogParent());
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

bool CApprentissageDoc::enregistrerEnsemble(const QString& fileName) {
    return mayReplace(gestureFolder() + QFileInfo(fileName).fileName()) && write(fileName);
}

bool CApprentissageDoc::write(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const FileResult written =
        ::enregistrerEnsemble(*m_ensemble, toStdString(gestureFolder()), toStdString(name));
    if (!written.ok) {
        showMessage(context().dialogParent(), toQString(written.error));
        return false;
    }
    setPathName(gestureFolder() + name);
    m_ownFile = pathName();
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
    // The file dialog has already asked about replacing a file it showed.
    const bool asked =
        file.absoluteFilePath() == QFileInfo(gestureFolder() + file.fileName()).absoluteFilePath();
    if (!(asked ? write(file.fileName()) : enregistrerEnsemble(file.fileName())))
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
