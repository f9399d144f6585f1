#pragma once

#include "shell/Configuration.h"
#include "shell/DocManager.h"
#include "shell/Document.h"
#include "shell/EditorContext.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CChildFrame;
class CDocTemplate;
class CEnsemble;
class CMainFrame;
class InstanceLink;
class QPrinter;

// The application object: the configuration, the document types and the main
// frame, and the commands that create and open documents. It is the context of
// every document it makes.
class CApplication : public QObject, public EditorContext {
    Q_OBJECT
public:
    enum class Splash { Show, Skip };
    // The dialog of the New gesture-set command: the set it builds, or none
    // when the user cancelled.
    using NewSetDialog = std::function<std::unique_ptr<CEnsemble>(QWidget* parent)>;
    // The dialog that adapts the flowchart's gesture sets to the user's hand:
    // true when it wrote them.
    using AdaptDialog = std::function<bool(QWidget* parent, const Configuration& configuration)>;

    // The document types come in registration order; without `newSetDialog`
    // the New gesture-set command does nothing; without `adaptDialog` there is
    // no adapting the gestures, nor offering it.
    CApplication(const std::string& dataRoot, std::vector<std::unique_ptr<CDocTemplate>> templates,
                 NewSetDialog newSetDialog = {}, AdaptDialog adaptDialog = {});
    ~CApplication() override;

    // Builds and shows the main frame, then makes the data root the current
    // directory, creates the missing data folders and copies the shipped
    // gesture sets that are missing from the gesture-set folder.
    void initInstance(Splash splash);

    Configuration& configuration() override { return m_configuration; }
    CDocManager& documents() { return m_documents; }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    QWidget* dialogParent() const override;
    QPrinter& printer() override;

    int traceMode() const override { return m_traceMode; }
    void setTraceMode(int mode);

    // Opens a file of any registered type, as the open command and the recent
    // files do.
    void openFile(const QString& path);
    // Opens each file wherever it is; a file refused is told and the next ones
    // still open.
    void openFiles(const QStringList& paths);
    // From now on, opens the files that later processes hand over through
    // `link`, and brings the main window forward.
    void receiveFiles(InstanceLink& link);

    std::unique_ptr<CEnsemble> takePendingSet() override;
    CDocument* lastGestureDocument() const { return m_lastGestureDocument; }

    void OnNouveauTexte();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnNouvelOrga();
    void OnOuvrirOrga();
    void OnNouveauGestes();
    void OnOuvrirGestes();
    void OnConfiguration();
    bool OnChoisirGestes() override;
    void gestureSetsRewritten() override;
    bool canAdaptGestures() const { return static_cast<bool>(m_adaptDialog); }
    void OnAdapterGestes();
    void OnTraceComposant() { setTraceMode(0); }
    void OnTraceCommande() { setTraceMode(1); }
    void OnAppAbout();

signals:
    void traceModeChanged(int mode);

private:
    void windowOpened(const CChildFrame* window);
    void showSplash();
    void checkDataFolders();
    // The shipped gesture sets missing from the gesture-set folder are copied there.
    void installSets();
    void openGestureSet(const QString& path);
    void openPendingSet();
    // Asks, on the first flowchart ever opened, whether to adapt the gestures.
    void offerAdaptation();

    Configuration m_configuration;
    NewSetDialog m_newSetDialog;
    AdaptDialog m_adaptDialog;
    CDocManager m_documents;
    std::unique_ptr<QPrinter> m_printer;
    int m_traceMode = 0;
    std::unique_ptr<CEnsemble> m_pendingSet;
    QPointer<CDocument> m_lastGestureDocument;
    // Declared last: its windows go before the documents they show.
    std::unique_ptr<CMainFrame> m_mainFrame;
};

// The About box: the application's icon, name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};
