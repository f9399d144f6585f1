#include "training/Apprentissage.h"

#include "shell/DocTemplate.h"
#include "shell/FrameMenus.h"
#include "training/ApprentissageDoc.h"
#include "training/EvaluationDialog.h"
#include "training/ExampleGallery.h"
#include "training/ExempleForm.h"
#include "training/ExempleView.h"
#include "training/ReconForm.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QVBoxLayout>

CApprentissage::CApprentissage(CApprentissageDoc& document)
    : CChildFrame(document), m_document(document), m_outer(new QSplitter(Qt::Horizontal, this)),
      m_nested(new QSplitter(Qt::Vertical, m_outer)), m_form(new CExempleForm(document, m_outer)),
      m_result(new CReconForm(m_nested)), m_view(new CExempleView(document, m_nested)),
      m_gestes(new QMenu("&Gestes", this)) {
    resize(800, 410);
    m_outer->addWidget(m_form);
    m_outer->addWidget(m_nested);
    m_nested->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_nested->addWidget(m_result);
    m_nested->addWidget(m_view);
    m_outer->setSizes({475, 800 - 475});
    m_nested->setSizes({85, 410 - 85});
    m_outer->setStretchFactor(1, 1);
    m_nested->setStretchFactor(1, 1);
    m_outer->setChildrenCollapsible(false);
    m_nested->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_outer);

    m_form->setPanes(m_view, m_result);
    m_result->setPanes(m_form, m_view);
    m_view->setPanes(m_form, m_result);
    m_form->OnInitialUpdate();
    m_result->OnInitialUpdate();
    connect(m_view, &CExempleView::statusMessage, this, &CChildFrame::statusMessage);
    connect(m_view, &CExempleView::paneText, this, &CChildFrame::paneText);

    m_fermer = new QAction("&Fermer", this);
    m_fermer->setStatusTip("Ferme l'ensemble de gestes");
    connect(m_fermer, &QAction::triggered, this, [this] { parentWidget()->close(); });
    m_enregistrer = new QAction("&Enregistrer", this);
    m_enregistrer->setStatusTip("Enregistre l'ensemble de gestes");
    m_enregistrer->setShortcut(QKeySequence::Save);
    connect(m_enregistrer, &QAction::triggered, m_form, &CExempleForm::OnEnregistrer);
    QAction* enregistrerSous = new QAction("En&registrer sous...", this);
    enregistrerSous->setStatusTip("Enregistre l'ensemble de gestes sous un autre nom");
    enregistrerSous->setShortcut(QKeySequence::SaveAs);
    connect(enregistrerSous, &QAction::triggered, this, &CApprentissage::OnEnregistrerSous);
    m_gestes->addActions({m_fermer, m_enregistrer, enregistrerSous});
    m_gestes->addSeparator();
    QAction* evaluer = new QAction("É&valuer l'ensemble...", this);
    evaluer->setStatusTip(
        "Mesure par validation croisée comment l'ensemble reconnaît ses exemples");
    connect(evaluer, &QAction::triggered, this, &CApprentissage::OnEvaluer);
    m_gestes->addAction(evaluer);
    QAction* galerie = new QAction("&Galerie des exemples...", this);
    galerie->setStatusTip("Montre les exemples de la classe choisie et signale les atypiques");
    connect(galerie, &QAction::triggered, this, &CApprentissage::OnGalerie);
    m_gestes->addAction(galerie);

    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { focusChanged(now); });
}

CApprentissage::~CApprentissage() {
    disconnect(m_focusWatch);
}

void CApprentissage::fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) {
    using Menu = FrameMenus::Menu;
    using Action = FrameMenus::Action;
    m_gestes->insertActions(m_fermer, {frameMenus.action(Action::NouveauGestes),
                                       frameMenus.action(Action::OuvrirGestes)});
    bar.addMenu(frameMenus.menu(Menu::Editeur));
    bar.addMenu(frameMenus.menu(Menu::Organigrammes));
    bar.addMenu(m_gestes);
    for (Menu menu : {Menu::Option, Menu::Fenetre, Menu::Aide})
        bar.addMenu(frameMenus.menu(menu));
}

void CApprentissage::focusChanged(QWidget* now) {
    if (now == nullptr)
        return;
    const Pane before = m_active;
    if (m_form->isAncestorOf(now))
        m_active = Pane::Form;
    else if (m_result == now || m_result->isAncestorOf(now))
        m_active = Pane::Result;
    else if (m_view == now)
        m_active = Pane::View;
    if (m_active != before) {
        m_enregistrer->setEnabled(m_active == Pane::Form);
        emit commandStateChanged();
    }
}

bool CApprentissage::isCommandEnabled(DocCommand command) const {
    return command == DocCommand::Save && m_active == Pane::Form;
}

void CApprentissage::runCommand(DocCommand command) {
    if (command == DocCommand::Save)
        m_form->OnEnregistrer();
}

void CApprentissage::OnEnregistrerSous() {
    if (m_active == Pane::Result)
        m_document.enregistrerSous();
    else
        m_form->OnEnregistrerSous();
}

// The dialog stays open beside the window, so that a failing example it
// points at can be looked at in the form.
void CApprentissage::OnEvaluer() {
    auto* dialog = new EvaluationDialog(m_document.ensemble(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &EvaluationDialog::exampleChosen, m_form, &CExempleForm::selectExample);
    dialog->show();
}

void CApprentissage::OnGalerie() {
    const int classe = m_form->chosenClassIndex();
    if (classe < 0)
        return;
    auto* dialog = new ExampleGallery(m_document.ensemble(), classe, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// The window around this one is sized once, so that the panes get their
// 800 x 410 pixels whatever its frame takes.
void CApprentissage::showEvent(QShowEvent* event) {
    CChildFrame::showEvent(event);
    if (m_sized || parentWidget() == nullptr)
        return;
    m_sized = true;
    parentWidget()->resize(parentWidget()->size() + QSize(800, 410) - size());
}

bool CApprentissage::canClose() {
    m_form->DemanderEnregistrement();
    return m_form->mayClose();
}

std::unique_ptr<CDocTemplate> gestureSetTemplate() {
    return std::make_unique<CDocTemplate>(
        "\nensemble_\nGesture\nGesture Files (*.gst)\n.gst\nGesture.Document\nGesture Document",
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<CApprentissageDoc>(t, context);
        },
        [](CDocument& d) {
            return std::make_unique<CApprentissage>(static_cast<CApprentissageDoc&>(d));
        });
}
