#pragma once

#include "flowchart/Organigramme.h"
#include "shell/Document.h"

#include <memory>
#include <optional>

class CEnsemble;
class QUndoStack;
class QWidget;

// A flowchart: its components, what new components get, and the three gesture
// sets that its view recognises with (components, commands, characters), read
// from the configured files when the document is made and again when the user
// chooses other sets.
class COrgaDoc : public CDocument {
    Q_OBJECT
public:
    COrgaDoc(const CDocTemplate& docTemplate, EditorContext& context);
    ~COrgaDoc() override;

    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;
    QString defaultFolder() const override;
    void reloadGestureSets() override { LoadGestureSets(); }

    COrganigramme& organigramme() { return *m_organigramme; }
    const COrganigramme& organigramme() const { return *m_organigramme; }

    CElement* AddElement(std::unique_ptr<CElement> element);
    void DeleteAllElements();
    // To be called after the flowchart was changed through organigramme(): a
    // flowchart marked modified becomes one undoable step named `step`; then
    // changed() is told.
    void modelChanged(const QString& step = {});
    // A command that changed nothing still leaves the document modified, with
    // nothing to undo.
    void markModified();

    // Undoing back to the state last saved or opened makes the document unmodified.
    QUndoStack& undoStack() const { return *m_undoStack; }
    // Puts the flowchart back as a step left it; views forget their selection.
    void restoreContent(std::shared_ptr<const OrganigrammeContent> content);

    Colour color() const { return m_organigramme->color(); }
    void setColor(Colour colour);
    int penWidth() const { return m_organigramme->penWidth(); }

    const CEnsemble& componentSet() const { return *m_pComponentSet; }
    const CEnsemble& commandSet() const { return *m_pCommandSet; }
    const CEnsemble& characterSet() const { return *m_pCharacterSet; }
    // Reads the three configured sets; says which could not be read.
    void LoadGestureSets();

    // Menu commands: "&Autre couleur...", "&Taille des éléments...", "&Choisir les gestes...".
    void OnAutreCouleur(QWidget* parent);
    void OnTailleElements(QWidget* parent);
    void OnChoisirGestes();

signals:
    // The components, the colour or the sets changed.
    void changed();

private:
    void resetUndo();
    // Asks whether to save anyway when texts hold characters the file cannot.
    bool acceptLostCharacters();

    std::unique_ptr<COrganigramme> m_organigramme;
    // The flowchart as the last step left it: the state the next step undoes to.
    std::shared_ptr<const OrganigrammeContent> m_content;
    QUndoStack* m_undoStack;
    std::unique_ptr<CEnsemble> m_pComponentSet;
    std::unique_ptr<CEnsemble> m_pCommandSet;
    std::unique_ptr<CEnsemble> m_pCharacterSet;
};

// The hint of updateAllViews() after the components were replaced by copies.
inline constexpr int kContentReplaced = 1;

// The colour chooser, opened on `initial`; the chosen colour, or none when cancelled.
std::optional<Colour> chooseColour(Colour initial, QWidget* parent);
