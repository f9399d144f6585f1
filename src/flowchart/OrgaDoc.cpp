#include "flowchart/OrgaDoc.h"

#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/PainterCanvas.h"
#include "flowchart/PropEltDlg.h"
#include "shell/Application.h"
#include "shell/MainFrm.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QColorDialog>

namespace {

QWidget* messageParent() {
    return CApplication::instance()->mainFrame();
}

} // namespace

COrgaDoc::COrgaDoc(const CDocTemplate& docTemplate)
    : CDocument(docTemplate), m_organigramme(std::make_unique<COrganigramme>()) {
    LoadGestureSets();
}

COrgaDoc::~COrgaDoc() = default;

bool COrgaDoc::onOpenDocument(const QString& path) {
    OrgLoadResult loaded = openOrganigrammeFile(toStdString(path));
    if (!loaded.organigramme) {
        showMessage(messageParent(), toQString(loaded.error));
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
        showMessage(messageParent(), toQString(saved.error));
        return false;
    }
    m_organigramme->setModified(false);
    return true;
}

QString COrgaDoc::defaultFolder() const {
    const Configuration& c = CApplication::instance()->configuration();
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
    Configuration& c = CApplication::instance()->configuration();
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
        showMessage(messageParent(), errors.join('\n'));
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
    CApplication& application = *CApplication::instance();
    application.OnChoisirGestes();
    if (application.configuration().setsChanged)
        LoadGestureSets();
}

std::optional<Colour> chooseColour(Colour initial, QWidget* parent) {
    QColorDialog dialog(toQColor(initial), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}
