#include "flowchart/OrgaDoc.h"

#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/PainterCanvas.h"
#include "flowchart/PropEltDlg.h"
#include "shell/Configuration.h"
#include "shell/EditorContext.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include "recognizer/TextEncoding.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QUndoStack>

namespace {

// Going from one state of the flowchart to the next. Both states are shared
// with the neighbouring steps.
class FlowchartStep : public QUndoCommand {
public:
    FlowchartStep(COrgaDoc& document, const QString& text,
                  std::shared_ptr<const OrganigrammeContent> before,
                  std::shared_ptr<const OrganigrammeContent> after)
        : QUndoCommand(text), m_doc(document), m_before(std::move(before)),
          m_after(std::move(after)) {}

    void undo() override { m_doc.restoreContent(m_before); }
    // Pushed once the change is made: there is nothing to redo then.
    void redo() override {
        if (m_done)
            m_doc.restoreContent(m_after);
        m_done = true;
    }

private:
    COrgaDoc& m_doc;
    std::shared_ptr<const OrganigrammeContent> m_before;
    std::shared_ptr<const OrganigrammeContent> m_after;
    bool m_done = false;
};

// Each step keeps up to two copies of the flowchart.
constexpr int kUndoLimit = 100;

} // namespace

COrgaDoc::COrgaDoc(const CDocTemplate& docTemplate, EditorContext& context)
    : CDocument(docTemplate, context), m_organigramme(std::make_unique<COrganigramme>()),
      m_undoStack(new QUndoStack(this)) {
    m_undoStack->setUndoLimit(kUndoLimit);
    connect(m_undoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setModifiedFlag(!clean); });
    resetUndo();
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
    resetUndo();
    setModifiedFlag(false);
    emit changed();
    return true;
}

bool COrgaDoc::onSaveDocument(const QString& path) {
    if (!acceptLostCharacters())
        return false;
    const FileResult saved = saveOrganigrammeFile(toStdString(path), *m_organigramme);
    if (!saved.ok) {
        showMessage(context().dialogParent(), toQString(saved.error));
        return false;
    }
    m_organigramme->setModified(false);
    m_undoStack->setClean();
    return true;
}

// Flowchart files write their texts in Windows-1252: what it lacks is saved as
// '?', which the user hears about before it happens.
bool COrgaDoc::acceptLostCharacters() {
    std::string texts;
    for (const auto& element : m_organigramme->elements())
        if (element->type() == kind::Texte) {
            const auto& texte = static_cast<const CTexte&>(*element);
            texts += texte.text() + texte.fontName();
        }
    const std::string lost = outsideWindows1252(texts);
    if (lost.empty())
        return true;
    QStringList characters;
    for (const char32_t c : toQString(lost).toStdU32String())
        characters << QString::fromStdU32String(std::u32string(1, c));
    QMessageBox question(QMessageBox::Warning, appTitle(),
                         "Ces caractères ne peuvent pas être enregistrés dans un organigramme et "
                         "deviendront « ? » : " +
                             characters.join(' ') + "\nEnregistrer quand même ?",
                         QMessageBox::Yes | QMessageBox::No, context().dialogParent());
    return question.exec() == QMessageBox::Yes;
}

QString COrgaDoc::defaultFolder() const {
    const Configuration& c = context().configuration();
    return toQString(c.dataRoot + c.flowchartFolder);
}

CElement* COrgaDoc::AddElement(std::unique_ptr<CElement> element) {
    CElement* added = m_organigramme->AddElement(std::move(element));
    modelChanged("Forme");
    return added;
}

void COrgaDoc::DeleteAllElements() {
    m_organigramme->DeleteAllElements();
    modelChanged("Tout effacer");
}

void COrgaDoc::modelChanged(const QString& step) {
    if (m_organigramme->isModified()) {
        m_organigramme->setModified(false);
        auto after = std::make_shared<const OrganigrammeContent>(m_organigramme->content());
        m_undoStack->push(new FlowchartStep(*this, step, m_content, after));
        m_content = std::move(after);
        setModifiedFlag(true);
    }
    emit changed();
}

void COrgaDoc::markModified() {
    m_organigramme->setModified(false);
    setModifiedFlag(true);
    emit changed();
}

void COrgaDoc::restoreContent(std::shared_ptr<const OrganigrammeContent> content) {
    m_organigramme->setContent(*content);
    m_organigramme->setModified(false);
    m_content = std::move(content);
    emit changed();
    updateAllViews(nullptr, kContentReplaced);
}

void COrgaDoc::resetUndo() {
    m_undoStack->clear();
    m_content = std::make_shared<const OrganigrammeContent>(m_organigramme->content());
}

void COrgaDoc::setColor(Colour colour) {
    if (colour != m_organigramme->color()) {
        m_organigramme->setColor(colour);
        m_organigramme->setModified(true);
    }
    modelChanged("Couleur");
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
