#include "flowchart/OrgaDoc.h"

#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/PainterCanvas.h"
#include "flowchart/PropEltDlg.h"
#include "shell/Configuration.h"
#include "shell/EditorContext.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QColorDialog>

COrgaDoc::COrgaDoc(const CDocTemplate& docTemplate, EditorContext& context)
    : CDocument(docTemplate, context), m_organigramme(std::make_unique<COrganigramme>()) {
    LoadGestureSets();
}

COrgaDoc::~COrgaDoc() = default;

bool COrgaDoc::onOpenDocument(const QString& path) {
    OrgLoadResult loaded = openOrganigrammeFile(toStdString(path));
    if (!loaded.organigramme) {
        showMessage(context().dialogParent(), toQString(loaded.error));
        return false;
    }
    m_organigramme = std::move(loaded.organigramme);
    m_organigramme->setModified(false);
    setModifiedFlag(false);
    emit changed();
    return true;
}

bool COrgaDoc::onSaveDocument(const QString& path) {
    const FileResult saved = saveOrganigrammeFile(toStdString(path), *m_organigramme);
    if (!saved.ok) {
        showMessage(context().dialogParent(), toQString(saved.error));
        return false;
    }
    m_organigramme->setModified(false);
    return true;
}

QString COrgaDoc::defaultFolder() const {
    const Configuration& c = context().configuration();
    return toQString(c.dataRoot + c.flowchartFolder);
}

CElement* COrgaDoc::AddElement(std::unique_ptr<CElement> element) {
    CElement* added = m_organigramme->AddElement(std::move(element));
    modelChanged();
    return added;
}

void COrgaDoc::DeleteAllElements() {
    m_organigramme->DeleteAllElements();
    modelChanged();
}

void COrgaDoc::modelChanged() {
    if (m_organigramme->isModified()) {
        setModifiedFlag(true);
        m_organigramme->setModified(false);
    }
    emit changed();
}

void COrgaDoc::setColor(Colour colour) {
    if (colour != m_organigramme->color()) {
        m_organigramme->setColor(colour);
        m_organigramme->setModified(true);
    }
    modelChanged();
}

void COrgaDoc::LoadGestureSets() {
    Configuration& c = context().configuration();
    QStringList errors;
    const auto load = [&](const std::string& name) {
        LectureEnsemble read = chargerEnsemble(c.gestureSetPath(name));
        if (!read.erreur.empty())
            errors << toQString(read.erreur);
        return std::move(read.ensemble);
    };
    m_pComponentSet = load(c.componentSet);
    m_pCommandSet = load(c.commandSet);
    m_pCharacterSet = load(c.textSet);
    c.setsChanged = false;
    if (!errors.isEmpty())
        showMessage(context().dialogParent(), errors.join('\n'));
    emit changed();
}

void COrgaDoc::OnAutreCouleur(QWidget* parent) {
    if (const std::optional<Colour> colour = chooseColour(color(), parent))
        setColor(*colour);
}

void COrgaDoc::OnTailleElements(QWidget* parent) {
    CPropEltDlg dialog(SizingParameters::of(*m_organigramme), parent);
    if (dialog.exec() == QDialog::Accepted)
        dialog.parameters().applyTo(*m_organigramme);
}

void COrgaDoc::OnChoisirGestes() {
    context().OnChoisirGestes();
    if (context().configuration().setsChanged)
        LoadGestureSets();
}

std::optional<Colour> chooseColour(Colour initial, QWidget* parent) {
    QColorDialog dialog(toQColor(initial), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}
