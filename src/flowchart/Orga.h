#pragma once

#include "flowchart/Canvas.h"
#include "shell/ChildFrame.h"

#include <map>
#include <memory>

class CDocTemplate;
class COrgaDoc;
class COrgaView;
class QAction;
class QMenu;
class QScrollArea;

// The window of a flowchart: its view in a scrolled area, and the menus of the
// flowchart: "Edi&tion" (undo and redo), "&Dessin" (saving, exporting,
// printing, sizes, gesture sets, erasing everything),
// "&Couleur" (the colour of new components) and "&trace" (what gestures drawn
// with the left button are).
class COrga : public CChildFrame {
    Q_OBJECT
public:
    explicit COrga(COrgaDoc& document);

    COrgaDoc& orgaDocument() const { return m_doc; }
    COrgaView* view() const { return m_view; }
    QScrollArea* scrollArea() const { return m_scroll; }
    // The colour entries: "&Noir", "&Rouge", "&Vert", "&Bleu", "&Autre couleur...".
    QAction* colourAction(const QString& text) const;

    // Room for a page of flowchart.
    QSize sizeHint() const override { return {720, 520}; }

    void fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) override;
    bool isCommandEnabled(DocCommand command) const override;
    void runCommand(DocCommand command) override;

    // "&Exporter...", "&Imprimer...", "Aperçu avant impression", "&Mise en page...".
    void OnExporter();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnMiseEnPage();

private:
    void createMenus();
    void createEditionMenu();
    void checkColour();

    COrgaDoc& m_doc;
    COrgaView* m_view;
    QScrollArea* m_scroll;
    QMenu* m_edition = nullptr;
    QMenu* m_dessin = nullptr;
    QMenu* m_couleur = nullptr;
    QMenu* m_trace = nullptr;
    std::map<Colour, QAction*> m_colours;
    QAction* m_autreCouleur = nullptr;
};

// The flowchart document type, "Orga".
std::unique_ptr<CDocTemplate> orgaTemplate();
