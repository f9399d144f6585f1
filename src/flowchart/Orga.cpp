#include "flowchart/Orga.h"

#include "flowchart/Commandes.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "shell/DocTemplate.h"
#include "shell/FrameMenus.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QVBoxLayout>

COrga::COrga(COrgaDoc& document)
    : CChildFrame(document), m_doc(document), m_view(new COrgaView(document, this)),
      m_scroll(new QScrollArea(this)) {
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Base);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    setFocusProxy(m_view);
    createMenus();
    connect(&document, &COrgaDoc::changed, this, &COrga::checkColour);
    connect(m_view, &COrgaView::statusMessage, this, &CChildFrame::statusMessage);
    connect(m_view, &COrgaView::paneText, this, &CChildFrame::paneText);
}

void COrga::createMenus() {
    m_dessin = new QMenu("&Dessin", this);
    QAction* save =
        m_dessin->addAction("En&registrer", this, [this] { runCommand(DocCommand::Save); });
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    save->setStatusTip("Enregistre l'organigramme");
    addAction(save);
    m_dessin->addAction("Enregistrer &sous...", this, [this] { m_doc.doSave({}); })
        ->setStatusTip("Enregistre l'organigramme sous un autre nom");
    m_dessin->addSeparator();
    m_dessin->addAction("&Taille des éléments...", this, [this] { m_doc.OnTailleElements(this); })
        ->setStatusTip("Change la taille des formes créées");
    m_dessin->addAction("&Choisir les gestes...", this, [this] { m_doc.OnChoisirGestes(); })
        ->setStatusTip("Choisit les ensembles de gestes de l'organigramme");
    QAction* combined = m_dessin->addAction("Reconnaissance co&mbinée");
    combined->setStatusTip("Décide des gestes avec les deux reconnaisseurs, quel que soit le "
                           "sens du tracé");
    combined->setCheckable(true);
    combined->setChecked(combinedRecognition());
    connect(combined, &QAction::toggled, this, &setCombinedRecognition);
    // Another flowchart window may have changed it.
    connect(m_dessin, &QMenu::aboutToShow, combined,
            [combined] { combined->setChecked(combinedRecognition()); });
    m_dessin->addSeparator();
    m_dessin->addAction("Tout &effacer", m_view, &COrgaView::OnToutEffacer)
        ->setStatusTip("Efface toutes les formes");
    m_dessin->addSeparator();
    m_dessin->addAction("&Fermer", this, [this] { parentWidget()->close(); })
        ->setStatusTip("Ferme l'organigramme");

    m_couleur = new QMenu("&Couleur", this);
    const std::pair<const char*, Colour> colours[] = {
        {"&Noir", kNoir}, {"&Rouge", kRouge}, {"&Vert", kVert}, {"&Bleu", kBleu}};
    for (const auto& [text, colour] : colours) {
        QAction* action =
            m_couleur->addAction(text, this, [this, c = colour] { m_doc.setColor(c); });
        action->setCheckable(true);
        m_colours[colour] = action;
    }
    m_autreCouleur = m_couleur->addAction("&Autre couleur...", this, [this] {
        m_doc.OnAutreCouleur(this);
        checkColour();
    });
    m_autreCouleur->setCheckable(true);
    for (QAction* action : m_couleur->actions())
        action->setStatusTip("Couleur des formes créées");
    checkColour();

    m_trace = new QMenu("&trace", this);
}

// A triggered checkable entry checks itself: the document's colour decides.
void COrga::checkColour() {
    const auto current = m_colours.find(m_doc.color());
    for (const auto& [colour, action] : m_colours)
        action->setChecked(current != m_colours.end() && action == current->second);
    m_autreCouleur->setChecked(current == m_colours.end());
}

QAction* COrga::colourAction(const QString& text) const {
    for (QAction* action : m_couleur->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The "&trace" menu shows the main window's two trace commands.
void COrga::fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) {
    using Menu = FrameMenus::Menu;
    if (m_trace->isEmpty()) {
        m_trace->addAction(frameMenus.action(FrameMenus::Action::TraceComposant));
        m_trace->addAction(frameMenus.action(FrameMenus::Action::TraceCommande));
    }
    for (Menu menu : {Menu::Editeur, Menu::Organigrammes, Menu::Gestes, Menu::Option})
        bar.addMenu(frameMenus.menu(menu));
    bar.addMenu(m_dessin);
    bar.addMenu(m_couleur);
    bar.addMenu(m_trace);
    for (Menu menu : {Menu::Affichage, Menu::Fenetre, Menu::Aide})
        bar.addMenu(frameMenus.menu(menu));
}

bool COrga::isCommandEnabled(DocCommand command) const {
    return command == DocCommand::Save;
}

void COrga::runCommand(DocCommand command) {
    if (command == DocCommand::Save)
        m_doc.doSave(m_doc.pathName());
}

std::unique_ptr<CDocTemplate> orgaTemplate() {
    return std::make_unique<CDocTemplate>(
        "\nsans_nom_\nOrga\nOrga Files (*.org)\n.org\nOrganigramme Document\nOrga Document",
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<COrgaDoc>(t, context);
        },
        [](CDocument& d) { return std::make_unique<COrga>(static_cast<COrgaDoc&>(d)); });
}
