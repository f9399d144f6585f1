#include "flowchart/Orga.h"

#include "flowchart/Commandes.h"
#include "flowchart/FlowchartExport.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "shell/DocTemplate.h"
#include "shell/EditorContext.h"
#include "shell/FileDialogs.h"
#include "shell/FrameMenus.h"
#include "shell/Messages.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>
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
    // Once the scroll area has taken the view's new size.
    connect(m_view, &COrgaView::originMoved, this, [this](QPoint by) {
        QTimer::singleShot(0, this, [this, by] {
            QScrollBar* across = m_scroll->horizontalScrollBar();
            QScrollBar* down = m_scroll->verticalScrollBar();
            across->setValue(across->value() + by.x());
            down->setValue(down->value() + by.y());
        });
    });
}

void COrga::createEditionMenu() {
    m_edition = new QMenu("Edi&tion", this);
    QUndoStack& stack = m_doc.undoStack();
    QAction* undo = stack.createUndoAction(this, "&Annuler");
    undo->setShortcut(QKeySequence::Undo);
    undo->setStatusTip("Annule la dernière modification de l'organigramme");
    QAction* redo = stack.createRedoAction(this, "&Rétablir");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setStatusTip("Rétablit la dernière modification annulée");
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        m_edition->addAction(action);
    }
}

void COrga::createMenus() {
    createEditionMenu();
    m_dessin = new QMenu("&Dessin", this);
    QAction* save =
        m_dessin->addAction("En&registrer", this, [this] { runCommand(DocCommand::Save); });
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    save->setStatusTip("Enregistre l'organigramme");
    addAction(save);
    m_dessin->addAction("Enregistrer &sous...", this, [this] { m_doc.doSave({}); })
        ->setStatusTip("Enregistre l'organigramme sous un autre nom");
    m_dessin->addAction("E&xporter...", this, &COrga::OnExporter)
        ->setStatusTip("Écrit l'organigramme en image PNG, SVG ou PDF");
    m_dessin->addSeparator();
    QAction* print = m_dessin->addAction("&Imprimer...", this, &COrga::OnFilePrint);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    print->setStatusTip("Imprime l'organigramme");
    addAction(print);
    m_dessin->addAction("Aperçu a&vant impression", this, &COrga::OnFilePrintPreview)
        ->setStatusTip("Affiche l'organigramme tel qu'il sera imprimé");
    m_dessin->addAction("Mise en &page...", this, &COrga::OnMiseEnPage)
        ->setStatusTip("Change le format et les marges de la page imprimée");
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
    bar.addMenu(m_edition);
    bar.addMenu(m_dessin);
    bar.addMenu(m_couleur);
    bar.addMenu(m_trace);
    for (Menu menu : {Menu::Affichage, Menu::Fenetre, Menu::Aide})
        bar.addMenu(frameMenus.menu(menu));
}

bool COrga::isCommandEnabled(DocCommand command) const {
    return command == DocCommand::Save || command == DocCommand::Print;
}

void COrga::runCommand(DocCommand command) {
    if (command == DocCommand::Save)
        m_doc.doSave(m_doc.pathName());
    else if (command == DocCommand::Print)
        OnFilePrint();
}

// The format follows the suffix typed; PNG without one.
void COrga::OnExporter() {
    const QFileInfo file(m_doc.pathName().isEmpty() ? m_doc.title() : m_doc.pathName());
    const QString path = askSaveFileName(
        this, {.defaultSuffix = "png",
               .filters = {"Images et documents (*.png *.svg *.pdf)"},
               .folder = m_doc.pathName().isEmpty() ? m_doc.defaultFolder() : file.absolutePath(),
               .fileName = file.completeBaseName() + ".png"});
    if (path.isEmpty())
        return;
    const QString error = exportFlowchart(m_doc.organigramme(), path);
    if (!error.isEmpty())
        showMessage(this, error);
}

void COrga::OnFilePrint() {
    QPrinter& printer = m_doc.context().printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printFlowchart(m_doc.organigramme(), printer);
}

// The preview gets a printer of its own, set up like the application's, as
// the text editor's does.
void COrga::OnFilePrintPreview() {
    const QPrinter& printer = m_doc.context().printer();
    QPrinter pages;
    pages.setPrinterName(printer.printerName());
    pages.setOutputFileName(printer.outputFileName());
    pages.setPageLayout(printer.pageLayout());
    QPrintPreviewDialog preview(&pages, this);
    preview.setWindowTitle("Aperçu avant impression");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printFlowchart(m_doc.organigramme(), *target); });
    preview.exec();
}

void COrga::OnMiseEnPage() {
    QPageSetupDialog dialog(&m_doc.context().printer(), this);
    dialog.exec();
}

std::unique_ptr<CDocTemplate> orgaTemplate() {
    return std::make_unique<CDocTemplate>(
        "\nsans_nom_\nOrga\nOrga Files (*.org)\n.org\nOrganigramme Document\nOrga Document",
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<COrgaDoc>(t, context);
        },
        [](CDocument& d) { return std::make_unique<COrga>(static_cast<COrgaDoc&>(d)); });
}
