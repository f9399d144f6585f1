#include "text/Strovik.h"

#include "shell/DocTemplate.h"
#include "shell/EditorContext.h"
#include "shell/FrameMenus.h"
#include "text/StrovikDoc.h"
#include "text/StrovikView.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

Qt::Alignment horizontal(Qt::Alignment alignment) {
    return alignment & Qt::AlignHorizontal_Mask;
}

} // namespace

CStrovik::CStrovik(CStrovikDoc& document)
    : CChildFrame(document), m_view(new CStrovikView(document, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    const auto changed = [this] {
        updateEditActions();
        emit commandStateChanged();
    };
    connect(m_view, &QTextEdit::currentCharFormatChanged, this, changed);
    connect(m_view, &QTextEdit::cursorPositionChanged, this, changed);
    connect(m_view, &QTextEdit::selectionChanged, this, changed);
    connect(m_view, &QTextEdit::undoAvailable, this, changed);
    connect(m_view, &QTextEdit::redoAvailable, this, changed);
    connect(m_view, &CStrovikView::pointerModeChanged, this, changed);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, changed);
    connect(m_view, &CStrovikView::statusMessage, this, &CChildFrame::statusMessage);
    connect(m_view, &CStrovikView::paneText, this, &CChildFrame::paneText);
}

QPrinter& CStrovik::printer() const {
    return document().context().printer();
}

void CStrovik::fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) {
    if (m_editeur == nullptr) {
        createEditeurMenu(frameMenus);
        createEditionMenu();
        updateEditActions();
    }
    bar.addMenu(m_editeur);
    bar.addMenu(m_edition);
    using Menu = FrameMenus::Menu;
    for (Menu menu : {Menu::Organigrammes, Menu::Gestes, Menu::Option, Menu::Affichage,
                      Menu::Fenetre, Menu::Aide})
        bar.addMenu(frameMenus.menu(menu));
}

QAction* CStrovik::addEntry(QMenu* menu, const QString& text, const QString& statusTip,
                            const QKeySequence& shortcut, void (CStrovik::*slot)()) {
    QAction* action = menu->addAction(text, this, slot);
    action->setStatusTip(statusTip);
    action->setShortcut(shortcut);
    return action;
}

template <typename Slot>
QAction* CStrovik::addViewEntry(QMenu* menu, const QString& text, const QString& statusTip,
                                const QKeySequence& shortcut, Slot slot) {
    QAction* action = menu->addAction(text, m_view, slot);
    action->setStatusTip(statusTip);
    action->setShortcut(shortcut);
    return action;
}

void CStrovik::createEditeurMenu(const FrameMenus& frameMenus) {
    using Action = FrameMenus::Action;
    m_editeur = new QMenu("&Editeur", this);
    m_editeur->addAction(frameMenus.action(Action::NouveauTexte));
    addViewEntry(m_editeur, "Nouveau &texte ici",
                 "Commence un nouveau texte dans cette fenêtre et oublie les gestes dessinés", {},
                 &CStrovikView::OnFileNew);
    m_editeur->addAction(frameMenus.action(Action::Ouvrir));
    QAction* close = m_editeur->addAction("&Fermer", this, [this] { parentWidget()->close(); });
    close->setStatusTip("Ferme le document actif");
    addEntry(m_editeur, "&Enregistrer", "Enregistre le document actif", QKeySequence::Save,
             &CStrovik::OnFileSave);
    addEntry(m_editeur, "En&registrer sous...", "Enregistre le document actif sous un autre nom",
             {}, &CStrovik::OnFileSaveAs);
    m_editeur->addSeparator();
    addEntry(m_editeur, "&Imprimer...", "Imprime le document actif", QKeySequence::Print,
             &CStrovik::OnFilePrint);
    addEntry(m_editeur, "Impression &directe", "Imprime le document actif sans rien demander", {},
             &CStrovik::OnFilePrintDirect);
    addEntry(m_editeur, "Aperç&u avant impression", "Affiche les pages telles qu'imprimées", {},
             &CStrovik::OnFilePrintPreview);
    m_editeur->addAction(frameMenus.action(Action::ConfigurationImpression));
    m_recentSeparator = m_editeur->addSeparator();
    m_editeur->addSeparator();
    m_editeur->addAction(frameMenus.action(Action::Quitter));
    connect(m_editeur, &QMenu::aboutToShow, this,
            [this, &frameMenus] { showRecentFiles(frameMenus); });
    showRecentFiles(frameMenus);
}

// The main frame keeps the entries of the recent files up to date; this menu
// shows the current ones each time it opens.
void CStrovik::showRecentFiles(const FrameMenus& frameMenus) {
    for (const QPointer<QAction>& shown : m_recentShown)
        if (shown)
            m_editeur->removeAction(shown);
    m_recentShown.clear();
    const QList<QAction*>& recent = frameMenus.recentFileActions();
    for (QAction* entry : recent) {
        m_editeur->insertAction(m_recentSeparator, entry);
        m_recentShown.append(entry);
    }
    m_recentSeparator->setVisible(!recent.isEmpty());
}

void CStrovik::createEditionMenu() {
    m_edition = new QMenu("Edi&tion", this);
    m_undo = addViewEntry(m_edition, "&Annuler", "Annule la dernière action", QKeySequence::Undo,
                          &QTextEdit::undo);
    // Both keys are shown: the menu shows the text after the tab instead of a shortcut.
    m_redo = addViewEntry(m_edition, "&Rétablir\tCtrl+Y, Ctrl+Maj+Z", "Rétablit l'action annulée",
                          {}, &QTextEdit::redo);
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_edition->addSeparator();
    m_cut =
        addViewEntry(m_edition, "&Couper", "Coupe la sélection et la place dans le Presse-papiers",
                     QKeySequence::Cut, &QTextEdit::cut);
    m_copy =
        addViewEntry(m_edition, "Co&pier", "Copie la sélection et la place dans le Presse-papiers",
                     QKeySequence::Copy, &QTextEdit::copy);
    m_paste = addViewEntry(m_edition, "C&oller", "Insère le contenu du Presse-papiers",
                           QKeySequence::Paste, &QTextEdit::paste);
    m_pasteSpecial = addViewEntry(m_edition, "Collage sp&écial...",
                                  "Insère le contenu du Presse-papiers sous la forme choisie", {},
                                  &CStrovikView::OnEditCollageSpecial);
    m_edition->addSeparator();
    addViewEntry(m_edition, "Tout &sélectionner", "Sélectionne tout le document",
                 QKeySequence::SelectAll, &QTextEdit::selectAll);
    m_edition->addSeparator();
    addViewEntry(m_edition, "Rec&hercher...", "Recherche le texte spécifié", QKeySequence::Find,
                 &CStrovikView::OnEditRechercher);
    addViewEntry(m_edition, "Sui&vant", "Répète la dernière recherche", QKeySequence(Qt::Key_F3),
                 &CStrovikView::OnEditSuivant);
    addViewEntry(m_edition, "R&emplacer", "Remplace le texte spécifié par un texte différent",
                 QKeySequence(Qt::CTRL | Qt::Key_H), &CStrovikView::OnEditRemplacer);
    m_edition->addSeparator();
    addViewEntry(m_edition, "Insérer un &nouvel objet...", "Insère une image dans le texte", {},
                 &CStrovikView::OnInsererObjet);
    m_properties = addViewEntry(
        m_edition, "P&ropriétés de l'objet", "Affiche et change la taille de l'image sélectionnée",
        QKeySequence(Qt::ALT | Qt::Key_Return), &CStrovikView::OnProprietesObjet);
}

void CStrovik::updateEditActions() {
    if (m_edition == nullptr)
        return;
    const bool selection = m_view->textCursor().hasSelection();
    m_undo->setEnabled(m_view->document()->isUndoAvailable());
    m_redo->setEnabled(m_view->document()->isRedoAvailable());
    m_cut->setEnabled(selection);
    m_copy->setEnabled(selection);
    m_paste->setEnabled(m_view->canPaste());
    m_pasteSpecial->setEnabled(m_view->canPaste());
    m_properties->setEnabled(m_view->hasObjectSelected());
}

bool CStrovik::isCommandEnabled(DocCommand command) const {
    switch (command) {
    case DocCommand::Cut:
    case DocCommand::Copy:
        return m_view->textCursor().hasSelection();
    case DocCommand::Paste:
        return m_view->canPaste();
    case DocCommand::FormatSpare:
        return false;
    default:
        return true;
    }
}

bool CStrovik::isCommandChecked(DocCommand command) const {
    switch (command) {
    case DocCommand::Bold:
        return m_view->isBold();
    case DocCommand::Italic:
        return m_view->fontItalic();
    case DocCommand::Underline:
        return m_view->fontUnderline();
    case DocCommand::Bullets:
        return m_view->hasBullets();
    case DocCommand::AlignLeft:
        return horizontal(m_view->alignment()) == Qt::AlignLeft;
    case DocCommand::Center:
        return horizontal(m_view->alignment()) == Qt::AlignHCenter;
    case DocCommand::AlignRight:
        return horizontal(m_view->alignment()) == Qt::AlignRight;
    case DocCommand::ArrowPointer:
        return m_view->pointerMode() == CStrovikView::ArrowPointer;
    case DocCommand::TextPointer:
        return m_view->pointerMode() == CStrovikView::TextPointer;
    default:
        return false;
    }
}

void CStrovik::runCommand(DocCommand command) {
    switch (command) {
    case DocCommand::Save:
        OnFileSave();
        break;
    case DocCommand::Cut:
        m_view->cut();
        break;
    case DocCommand::Copy:
        m_view->copy();
        break;
    case DocCommand::Paste:
        m_view->paste();
        break;
    case DocCommand::Print:
        OnFilePrint();
        break;
    case DocCommand::Bold:
        m_view->toggleBold();
        break;
    case DocCommand::Italic:
        m_view->toggleItalic();
        break;
    case DocCommand::Underline:
        m_view->toggleUnderline();
        break;
    case DocCommand::Bullets:
        m_view->toggleBullets();
        break;
    case DocCommand::AlignLeft:
        m_view->setAlignment(Qt::AlignLeft);
        break;
    case DocCommand::Center:
        m_view->setAlignment(Qt::AlignHCenter);
        break;
    case DocCommand::AlignRight:
        m_view->setAlignment(Qt::AlignRight);
        break;
    case DocCommand::ArrowPointer:
        m_view->setPointerMode(CStrovikView::ArrowPointer);
        break;
    case DocCommand::TextPointer:
        m_view->setPointerMode(CStrovikView::TextPointer);
        break;
    case DocCommand::FormatSpare:
        break;
    }
    emit commandStateChanged();
}

void CStrovik::OnFileSave() {
    document().doSave(document().pathName());
}

void CStrovik::OnFileSaveAs() {
    document().doSave({});
}

void CStrovik::OnFilePrint() {
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_view->print(printer());
}

void CStrovik::OnFilePrintDirect() {
    m_view->print(printer());
}

// The preview draws its pages after printing them, with the margins of the
// printer it has then: it gets a printer of its own, set up like the
// application's, with the text's margins.
void CStrovik::OnFilePrintPreview() {
    QPrinter pages;
    pages.setPrinterName(printer().printerName());
    pages.setOutputFileName(printer().outputFileName());
    pages.setPageLayout(printer().pageLayout());
    CStrovikView::setTextMargins(pages);
    QPrintPreviewDialog preview(&pages, this);
    preview.setWindowTitle("Aperçu avant impression");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { m_view->render(*target); });
    preview.exec();
}

std::unique_ptr<CDocTemplate> textTemplate() {
    return std::make_unique<CDocTemplate>(
        "\nsans_nom_\nStrovik\nText Files (*.svk)\n.svk\nStrovik.Document\nStrovik Document",
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<CStrovikDoc>(t, context);
        },
        [](CDocument& d) { return std::make_unique<CStrovik>(static_cast<CStrovikDoc&>(d)); });
}
