#include "shell/MainFrm.h"

#include "shell/Application.h"
#include "shell/DocManager.h"
#include "shell/DocTemplate.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QIcon icon(const QString& name) {
    return QIcon(":/icons/" + name + ".svg");
}

QToolBar* makeToolBar(QMainWindow* window, const QString& title, const QString& name) {
    auto* bar = new QToolBar(title, window);
    bar->setObjectName(name);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setMovable(true);
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

} // namespace

CMainFrame::CMainFrame(CApplication& application)
    : m_application(application), m_mdiArea(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(icon("velmora"));
    setCentralWidget(m_mdiArea);
    resize(1100, 720);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    createActions();
    createToolBars();
    createMenus();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::subWindowActivated);
    connect(&application.documents(), &CDocManager::windowOpened, this, &CMainFrame::windowOpened);
    connect(&application.documents().recentFiles(), &CRecentFileList::changed, this,
            &CMainFrame::fillRecentFiles);
    connect(&application, &CApplication::traceModeChanged, this, [this](int mode) {
        action(mode == 0 ? Action::TraceComposant : Action::TraceCommande)->setChecked(true);
    });
    qApp->installEventFilter(this);
    subWindowActivated(nullptr);
}

// The document windows close while the frame is being destroyed: nothing of
// theirs may reach it any more.
CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_mdiArea->disconnect(this);
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (QWidget* child = window->widget())
            child->disconnect(this);
    disconnect(m_titleConnection);
}

template <typename Slot>
QAction* CMainFrame::addAction(Action id, const QString& text, const QString& statusTip,
                               bool enabled, Slot slot) {
    auto* action = new QAction(text, this);
    action->setStatusTip(statusTip);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, &m_application, slot);
    m_actions[id] = action;
    return action;
}

void CMainFrame::createActions() {
    using A = CApplication;
    const CDocManager& documents = m_application.documents();
    const bool text = documents.findTemplate("Strovik") != nullptr;
    const bool gestures = documents.findTemplate("Gesture") != nullptr;
    const bool flowcharts = documents.findTemplate("Orga") != nullptr;

    addAction(Action::NouveauTexte, "&Nouveau", "Crée un nouveau document texte", text,
              &A::OnNouveauTexte)
        ->setShortcut(QKeySequence::New);
    QAction* open = addAction(Action::Ouvrir, "&Ouvrir...", "Ouvre un document existant",
                              !documents.templates().empty(), &A::OnFileOpen);
    open->setShortcut(QKeySequence::Open);
    open->setIcon(icon("open"));
    open->setToolTip("Ouvrir");
    addAction(Action::ConfigurationImpression, "&Configuration de l'impression...",
              "Change l'imprimante et les options d'impression", true, &A::OnFilePrintSetup);
    QAction* quit = new QAction("&Quitter", this);
    quit->setStatusTip("Quitte l'application");
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    m_actions[Action::Quitter] = quit;

    addAction(Action::NouvelOrga, "&Nouveau", "Crée un nouvel organigramme", flowcharts,
              &A::OnNouvelOrga);
    addAction(Action::OuvrirOrga, "&Ouvrir", "Ouvre un organigramme", flowcharts, &A::OnOuvrirOrga);
    addAction(Action::NouveauGestes, "&Nouveau", "Crée un nouvel ensemble de gestes", gestures,
              &A::OnNouveauGestes);
    addAction(Action::OuvrirGestes, "&Ouvrir...", "Ouvre un ensemble de gestes", gestures,
              &A::OnOuvrirGestes);
    addAction(Action::AdapterGestes, "&Adapter les gestes à ma main...",
              "Apprend vos façons de dessiner les gestes des organigrammes",
              flowcharts && m_application.canAdaptGestures(), &A::OnAdapterGestes);
    addAction(Action::Configuration, "&Configuration...", "Change le répertoire des données", true,
              &A::OnConfiguration);
    addAction(Action::ChoisirGestes, "&Choisir les gestes...",
              "Choisit les ensembles de gestes des organigrammes", flowcharts, &A::OnChoisirGestes);

    m_traceGroup = new QActionGroup(this);
    QAction* composant =
        addAction(Action::TraceComposant, "composant", "Les gestes tracés créent des composants",
                  true, &A::OnTraceComposant);
    QAction* commande =
        addAction(Action::TraceCommande, "commande", "Les gestes tracés sont des commandes", true,
                  &A::OnTraceCommande);
    composant->setIcon(icon("composant"));
    commande->setIcon(icon("commande"));
    for (QAction* trace : {composant, commande}) {
        trace->setCheckable(true);
        m_traceGroup->addAction(trace);
    }
    (m_application.traceMode() == 0 ? composant : commande)->setChecked(true);

    QAction* about = addAction(Action::APropos, "&A propos de Strovik...",
                               "Affiche le nom du programme et sa version", true, &A::OnAppAbout);
    about->setIcon(icon("about"));
    about->setToolTip("A propos de");
}

QAction* CMainFrame::addCommand(DocCommand command, const QString& iconName, const QString& tip,
                                const QString& statusTip) {
    auto* action = new QAction(icon(iconName), tip, this);
    action->setStatusTip(statusTip);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, command] {
        if (CChildFrame* child = activeChildFrame(); child && child->isCommandEnabled(command))
            child->runCommand(command);
        updateCommands();
    });
    m_commands[command] = action;
    return action;
}

void CMainFrame::createToolBars() {
    m_standardBar = makeToolBar(this, "Standard", "standardBar");
    auto* newMenu = new QMenu(this);
    newMenu->addAction(icon("text"), "Document texte", action(Action::NouveauTexte),
                       &QAction::trigger);
    newMenu->addAction(icon("composant"), "Organigramme", action(Action::NouvelOrga),
                       &QAction::trigger);
    newMenu->addAction(icon("gestures"), "Ensemble de gestes", action(Action::NouveauGestes),
                       &QAction::trigger);
    const QList<QAction*> newEntries = newMenu->actions();
    const Action newSources[] = {Action::NouveauTexte, Action::NouvelOrga, Action::NouveauGestes};
    for (int i = 0; i < 3; ++i)
        newEntries[i]->setEnabled(action(newSources[i])->isEnabled());
    auto* newButton = new QToolButton(m_standardBar);
    newButton->setIcon(icon("new"));
    newButton->setToolTip("Nouveau");
    newButton->setStatusTip("Crée un nouveau document");
    newButton->setMenu(newMenu);
    newButton->setPopupMode(QToolButton::InstantPopup);
    m_standardBar->addWidget(newButton);
    m_standardBar->addAction(action(Action::Ouvrir));
    m_standardBar->addAction(
        addCommand(DocCommand::Save, "save", "Enregistrer", "Enregistre le document actif"));
    m_standardBar->addSeparator();
    m_standardBar->addAction(addCommand(DocCommand::Cut, "cut", "Couper",
                                        "Coupe la sélection et la place dans le Presse-papiers"));
    m_standardBar->addAction(addCommand(DocCommand::Copy, "copy", "Copier",
                                        "Copie la sélection et la place dans le Presse-papiers"));
    m_standardBar->addAction(
        addCommand(DocCommand::Paste, "paste", "Coller", "Insère le contenu du Presse-papiers"));
    m_standardBar->addSeparator();
    m_standardBar->addAction(
        addCommand(DocCommand::Print, "print", "Imprimer", "Imprime le document actif"));
    m_standardBar->addAction(action(Action::APropos));

    m_formatBar = makeToolBar(this, "Barre de mise en forme", "formatBar");
    m_formatBar->addAction(addCommand(DocCommand::Bold, "bold", "Gras", "Gras"));
    m_formatBar->addAction(addCommand(DocCommand::Italic, "italic", "Italique", "Italique"));
    m_formatBar->addAction(addCommand(DocCommand::Underline, "underline", "Souligné", "Souligné"));
    m_formatBar->addSeparator();
    m_formatBar->addAction(addCommand(DocCommand::Bullets, "bullets", "Puces", "Puces"));
    m_formatBar->addSeparator();
    m_formatBar->addAction(
        addCommand(DocCommand::AlignLeft, "align-left", "Gauche", "Alignement à gauche"));
    m_formatBar->addAction(addCommand(DocCommand::Center, "center", "Centré", "Centré"));
    m_formatBar->addAction(
        addCommand(DocCommand::AlignRight, "align-right", "Droite", "Alignement à droite"));
    m_formatBar->addSeparator();
    m_formatBar->addAction(
        addCommand(DocCommand::ArrowPointer, "arrow-pointer", "Flèche", "Pointeur flèche"));
    m_formatBar->addAction(
        addCommand(DocCommand::TextPointer, "text-pointer", "Texte", "Pointeur de texte"));
    m_formatBar->addAction(addCommand(DocCommand::FormatSpare, "spare", "", ""));
    for (DocCommand checkable :
         {DocCommand::Bold, DocCommand::Italic, DocCommand::Underline, DocCommand::Bullets,
          DocCommand::AlignLeft, DocCommand::Center, DocCommand::AlignRight,
          DocCommand::ArrowPointer, DocCommand::TextPointer})
        commandAction(checkable)->setCheckable(true);

    m_traceBar = makeToolBar(this, "trace", "traceBar");
    m_traceBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_traceBar->addAction(action(Action::TraceCommande));
    m_traceBar->addAction(action(Action::TraceComposant));
}

void CMainFrame::createMenus() {
    QMenu* editeur = m_menus[Menu::Editeur] = new QMenu("&Editeur", this);
    editeur->addAction(action(Action::NouveauTexte));
    editeur->addAction(action(Action::Ouvrir));
    editeur->addSeparator();
    editeur->addAction(action(Action::ConfigurationImpression));
    m_recentSeparator = editeur->addSeparator();
    editeur->addSeparator();
    editeur->addAction(action(Action::Quitter));
    fillRecentFiles();

    QMenu* organigrammes = m_menus[Menu::Organigrammes] = new QMenu("&Organigrammes", this);
    organigrammes->addAction(action(Action::NouvelOrga));
    organigrammes->addAction(action(Action::OuvrirOrga));

    QMenu* gestes = m_menus[Menu::Gestes] = new QMenu("&Gestes", this);
    gestes->addAction(action(Action::NouveauGestes));
    gestes->addAction(action(Action::OuvrirGestes));
    gestes->addSeparator();
    gestes->addAction(action(Action::AdapterGestes));

    m_menus[Menu::Option] = new QMenu("O&ption", this);
    m_menus[Menu::Option]->addAction(action(Action::Configuration));

    QMenu* affichage = m_menus[Menu::Affichage] = new QMenu("&Affichage", this);
    QAction* toolBar = m_standardBar->toggleViewAction();
    toolBar->setText("Barre d'&outils");
    toolBar->setStatusTip("Affiche ou masque la barre d'outils");
    affichage->addAction(toolBar);
    QAction* formatBar = m_formatBar->toggleViewAction();
    formatBar->setText("Barre de mise en &forme");
    formatBar->setStatusTip("Affiche ou masque la barre de mise en forme");
    formatBar->setToolTip("Barre de mise en forme");
    affichage->addAction(formatBar);

    QMenu* fenetre = m_menus[Menu::Fenetre] = new QMenu("Fe&nêtre", this);
    connect(fenetre, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    fillWindowMenu();

    m_menus[Menu::Aide] = new QMenu("&?", this);
    m_menus[Menu::Aide]->addAction(action(Action::APropos));
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage("Prêt");
    });
    bar->showMessage("Prêt");
    for (QLabel*& pane : m_panes) {
        pane = new QLabel(bar);
        pane->setMinimumWidth(90);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
    for (Indicator indicator : {Indicator::Caps, Indicator::Num, Indicator::Scroll}) {
        auto* label = new QLabel(bar);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("MAJ") + 8);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(label);
        m_indicators[indicator] = label;
    }
    QAction* statusBarAction = new QAction("Barre d'é&tat", this);
    statusBarAction->setStatusTip("Affiche ou masque la barre d'état");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, bar, &QWidget::setVisible);
    menu(Menu::Affichage)->insertAction(m_formatBar->toggleViewAction(), statusBarAction);

    m_locks = queryLockKeys().value_or(LockKeys{});
    showLockKeys();
}

CChildFrame* CMainFrame::activeChildFrame() const {
    QMdiSubWindow* window = m_mdiArea->activeSubWindow();
    return window ? qobject_cast<CChildFrame*>(window->widget()) : nullptr;
}

void CMainFrame::windowOpened(CChildFrame* window) {
    connect(window, &CChildFrame::statusMessage, this, &CMainFrame::showStatus);
    connect(window, &CChildFrame::paneText, this, &CMainFrame::setPaneText);
}

void CMainFrame::showStatus(const QString& text) {
    statusBar()->showMessage(text);
    statusBar()->repaint();
}

void CMainFrame::setPaneText(int pane, const QString& text) {
    m_panes[pane - 1]->setText(text);
}

QString CMainFrame::paneText(int pane) const {
    return m_panes[pane - 1]->text();
}

QString CMainFrame::indicatorText(Indicator indicator) const {
    return m_indicators.at(indicator)->text();
}

void CMainFrame::updateCommands() {
    const CChildFrame* child = activeChildFrame();
    for (auto [command, action] : m_commands) {
        action->setEnabled(child != nullptr && child->isCommandEnabled(command));
        action->setChecked(child != nullptr && child->isCommandChecked(command));
    }
}

void CMainFrame::subWindowActivated(QMdiSubWindow* window) {
    disconnect(m_childConnection);
    disconnect(m_titleConnection);
    CChildFrame* child = activeChildFrame();
    menuBar()->clear();
    if (child != nullptr) {
        child->fillMenuBar(*this, *menuBar());
        m_childConnection =
            connect(child, &CChildFrame::commandStateChanged, this, &CMainFrame::updateCommands);
    } else {
        for (Menu menu : {Menu::Editeur, Menu::Organigrammes, Menu::Gestes, Menu::Option,
                          Menu::Affichage, Menu::Aide})
            menuBar()->addMenu(this->menu(menu));
    }
    if (window != nullptr)
        m_titleConnection =
            connect(window, &QWidget::windowTitleChanged, this, &CMainFrame::updateTitle);
    updateTitle();
    updateCommands();
}

void CMainFrame::updateTitle() {
    const QMdiSubWindow* window = m_mdiArea->activeSubWindow();
    setWindowTitle(window ? "Velmora - " + window->windowTitle() : QStringLiteral("Velmora"));
}

void CMainFrame::fillRecentFiles() {
    QMenu* editeur = menu(Menu::Editeur);
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList& files = m_application.documents().recentFiles().files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        auto* entry = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), editeur);
        entry->setStatusTip("Ouvre ce document");
        connect(entry, &QAction::triggered, &m_application,
                [this, path] { m_application.openFile(path); });
        editeur->insertAction(m_recentSeparator, entry);
        m_recentActions.append(entry);
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void CMainFrame::fillWindowMenu() {
    QMenu* fenetre = menu(Menu::Fenetre);
    fenetre->clear();
    fenetre->addAction("&Cascade", m_mdiArea, &QMdiArea::cascadeSubWindows);
    fenetre->addAction("&Mosaïque", m_mdiArea, &QMdiArea::tileSubWindows);
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty())
        fenetre->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry =
            fenetre->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdiArea,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void CMainFrame::showLockKeys() {
    m_indicators[Indicator::Caps]->setText(m_locks.caps ? "MAJ" : "");
    m_indicators[Indicator::Num]->setText(m_locks.num ? "NUM" : "");
    m_indicators[Indicator::Scroll]->setText(m_locks.scroll ? "DEF" : "");
}

// Key events reach a window before its widgets: watching windows only sees
// each key once.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (watched->isWindowType() && (press || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool caps = key->key() == Qt::Key_CapsLock;
        const bool num = key->key() == Qt::Key_NumLock;
        const bool scroll = key->key() == Qt::Key_ScrollLock;
        if (caps || num || scroll) {
            if (const std::optional<LockKeys> locks = queryLockKeys()) {
                m_locks = *locks;
            } else if (press && !key->isAutoRepeat()) {
                m_locks.caps ^= caps;
                m_locks.num ^= num;
                m_locks.scroll ^= scroll;
            }
            showLockKeys();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_mdiArea->closeAllSubWindows();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (std::any_of(windows.begin(), windows.end(),
                    [](QMdiSubWindow* w) { return w->isVisible(); }))
        event->ignore();
    else
        event->accept();
}
