#include "shell/Application.h"

#include "engine/Ensemble.h"
#include "recognizer/Files.h"
#include "shell/Config.h"
#include "shell/DocTemplate.h"
#include "shell/Document.h"
#include "shell/FileDialogs.h"
#include "shell/GestureSetFiles.h"
#include "shell/InstanceLink.h"
#include "shell/MainFrm.h"
#include "shell/Messages.h"
#include "shell/PageSetup.h"
#include "shell/ShippedSetFiles.h"
#include "shell/Strings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QSplashScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Whether the first flowchart has offered to adapt the gestures already.
const QString kAdaptationOffered = QStringLiteral("gestes/adaptationProposee");

// A root typed or given relative to the current folder is made absolute before
// it becomes the current folder: every path is root + folder + file name.
std::string absoluteRoot(const QString& root) {
    if (root.isEmpty())
        return {};
    return withTrailingSlash(toStdString(QDir::current().absoluteFilePath(root)));
}

} // namespace

CApplication::CApplication(const std::string& dataRoot,
                           std::vector<std::unique_ptr<CDocTemplate>> templates,
                           NewSetDialog newSetDialog, AdaptDialog adaptDialog)
    : m_configuration(dataRoot), m_newSetDialog(std::move(newSetDialog)),
      m_adaptDialog(std::move(adaptDialog)), m_documents(*this, std::move(templates)) {
    connect(&m_documents, &CDocManager::windowOpened, this, &CApplication::windowOpened);
}

CApplication::~CApplication() {
    m_mainFrame.reset();
}

void CApplication::initInstance(Splash splash) {
    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_documents.setMdiArea(m_mainFrame->mdiArea());
    if (splash == Splash::Show)
        showSplash();
    m_mainFrame->showMaximized();
    checkDataFolders();
}

void CApplication::showSplash() {
    QSvgRenderer picture(QStringLiteral(":/splash.svg"));
    if (!picture.isValid()) {
        qWarning("Warning: creation of CSplashWnd dialog failed\n");
        return;
    }
    QPixmap pixmap(picture.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.render(&painter);
    painter.end();

    QSplashScreen window(pixmap);
    window.show();
    window.repaint();
    QEventLoop wait;
    QTimer::singleShot(1000, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void CApplication::checkDataFolders() {
    m_configuration.dataRoot = absoluteRoot(toQString(m_configuration.dataRoot));
    if (!isUsableFolder(m_configuration.dataRoot) ||
        !QDir::setCurrent(toQString(m_configuration.dataRoot))) {
        showMessage(m_mainFrame.get(), "Une erreur a été trouvée dans le chemin du répertoire de "
                                       "travail...\nVous devez modifier le chemin...");
        OnConfiguration();
        return;
    }
    createMissingFolders(m_configuration);
    installSets();
}

void CApplication::installSets() {
    for (const QString& error : installShippedSets(m_configuration))
        qWarning("%s", qPrintable(error));
}

QWidget* CApplication::dialogParent() const {
    return m_mainFrame.get();
}

QPrinter& CApplication::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

// Every new flowchart window starts with gestures that create components.
// The first one ever opened is followed, once it shows, by the offer to adapt
// the gestures.
void CApplication::windowOpened(const CChildFrame* window) {
    if (window->document().docTemplate().fileNewName() != "Orga")
        return;
    setTraceMode(0);
    QSettings settings;
    if (m_adaptDialog && !settings.value(kAdaptationOffered).toBool()) {
        settings.setValue(kAdaptationOffered, true);
        QTimer::singleShot(0, this, &CApplication::offerAdaptation);
    }
}

void CApplication::offerAdaptation() {
    QMessageBox question(
        QMessageBox::Question, appTitle(),
        "Velmora reconnaît les gestes des organigrammes tels que la plupart des gens les "
        "dessinent. Pour qu'il reconnaisse mieux les vôtres, vous pouvez dessiner chaque "
        "composant quelques fois à votre façon.\nVoulez-vous adapter les gestes à votre main "
        "maintenant ?\n(Vous pourrez le faire plus tard : Gestes > Adapter les gestes à ma "
        "main...)",
        QMessageBox::Yes | QMessageBox::No, m_mainFrame.get());
    if (question.exec() == QMessageBox::Yes)
        OnAdapterGestes();
}

void CApplication::OnAdapterGestes() {
    if (m_adaptDialog && m_adaptDialog(m_mainFrame.get(), m_configuration))
        gestureSetsRewritten();
}

void CApplication::gestureSetsRewritten() {
    for (CDocument* document : m_documents.documents())
        document->reloadGestureSets();
}

void CApplication::setTraceMode(int mode) {
    m_traceMode = mode;
    emit traceModeChanged(mode);
}

// A gesture set is read by the application and handed to a new document, never
// read by the document itself.
void CApplication::openFile(const QString& path) {
    const CDocTemplate* gestures = m_documents.findTemplate("Gesture");
    if (gestures != nullptr && gestures->matchesFile(path))
        openGestureSet(path);
    else
        m_documents.openDocumentFile(path);
}

void CApplication::openFiles(const QStringList& paths) {
    for (const QString& path : paths)
        openFile(path);
}

void CApplication::receiveFiles(InstanceLink& link) {
    if (!link.listen())
        qWarning("Velmora ne peut recevoir les fichiers des autres lancements.");
    connect(&link, &InstanceLink::filesReceived, this, [this](const QStringList& paths) {
        m_mainFrame->raise();
        m_mainFrame->activateWindow();
        openFiles(paths);
    });
}

std::unique_ptr<CEnsemble> CApplication::takePendingSet() {
    return std::move(m_pendingSet);
}

void CApplication::openPendingSet() {
    if (CDocTemplate* gestures = m_documents.findTemplate("Gesture"))
        m_lastGestureDocument = m_documents.openNewDocument(*gestures);
}

void CApplication::openGestureSet(const QString& path) {
    if (std::unique_ptr<CEnsemble> set = readGestureSet(m_mainFrame.get(), path)) {
        m_pendingSet = std::move(set);
        openPendingSet();
    }
}

void CApplication::OnNouveauGestes() {
    if (!m_newSetDialog)
        return;
    if (std::unique_ptr<CEnsemble> set = m_newSetDialog(m_mainFrame.get())) {
        m_pendingSet = std::move(set);
        openPendingSet();
    }
}

void CApplication::OnOuvrirGestes() {
    const QString path = askGestureSetFile(m_mainFrame.get(), m_configuration, {},
                                           " ne peut être ouvert.\n(Mauvaise extension)");
    if (!path.isEmpty())
        openGestureSet(path);
}

void CApplication::OnNouveauTexte() {
    if (CDocTemplate* text = m_documents.findTemplate("Strovik"))
        m_documents.openNewDocument(*text);
}

void CApplication::OnFileOpen() {
    QStringList filters;
    for (const auto& docTemplate : m_documents.templates())
        filters << docTemplate->filterName();
    filters << allFilesFilter();
    const QString path =
        askOpenFileName(m_mainFrame.get(), {.filters = filters, .folder = QDir::currentPath()});
    if (!path.isEmpty())
        openFile(path);
}

void CApplication::OnFilePrintSetup() {
    setUpPage(printer(), m_mainFrame.get());
}

void CApplication::OnNouvelOrga() {
    setTraceMode(0);
    if (CDocTemplate* flowchart = m_documents.findTemplate("Orga"))
        m_documents.openNewDocument(*flowchart);
}

void CApplication::OnOuvrirOrga() {
    const Configuration& c = m_configuration;
    const QString chosen = askOpenFileName(
        m_mainFrame.get(), {.defaultSuffix = "org",
                            .filters = {"Organigramme Files (*.org)", allFilesFilter()},
                            .folder = toQString(c.dataRoot + c.flowchartFolder)});
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    if (file.suffix() != "org") {
        showMessage(m_mainFrame.get(), "Le fichier " + file.fileName() + " ne peut être ouvert.");
        return;
    }
    bool missing = false;
    for (const std::string& set : {c.componentSet, c.commandSet, c.textSet}) {
        if (!fileExists(c.gestureSetPath(set))) {
            showMessage(m_mainFrame.get(), "L'ensemble de gestes '" +
                                               toQString(c.gestureFolder + set) +
                                               "' n'existe pas...\nPour le créer, utiliser "
                                               "l'application 'Gestes'");
            missing = true;
        }
    }
    if (!missing)
        m_documents.openDocumentFile(file.absoluteFilePath());
}

void CApplication::OnConfiguration() {
    CConfigurationDlg dialog(m_configuration, m_mainFrame.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_configuration.dataRoot = absoluteRoot(dialog.root());
    m_configuration.resetFolders();
    QDir::setCurrent(toQString(m_configuration.dataRoot));
    installSets();
}

bool CApplication::OnChoisirGestes() {
    CChoixFichiers dialog(m_configuration, m_mainFrame.get());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_configuration.setsChanged = dialog.setsChanged();
    if (m_configuration.setsChanged) {
        m_configuration.componentSet = toStdString(dialog.fileName(1));
        m_configuration.commandSet = toStdString(dialog.fileName(2));
        m_configuration.textSet = toStdString(dialog.fileName(3));
    }
    return m_configuration.setsChanged;
}

void CApplication::OnAppAbout() {
    CAboutDlg dialog(m_mainFrame.get());
    dialog.exec();
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("A propos de Strovik");
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/velmora.svg").pixmap(48, 48));
    auto* name = new QLabel("Velmora", this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* version = new QLabel("version 1.0", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
