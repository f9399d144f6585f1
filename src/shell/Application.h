#pragma once

#include "shell/Configuration.h"
#include "shell/DocManager.h"
#include "shell/Document.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CEnsemble;
class CMainFrame;
class QPrinter;

// The application object: the configuration, the document types and the main
// frame, and the commands that create and open documents. One exists at a time.
class CApplication : public QObject {
    Q_OBJECT
public:
    enum class Splash { Show, Skip };

    CApplication(const std::string& dataRoot, std::vector<std::unique_ptr<CDocTemplate>> templates);
    ~CApplication() override;

    static CApplication* instance() { return s_instance; }

    // Builds and shows the main frame, then makes the data root the current
    // directory, creates the missing data folders and copies the shipped
    // gesture sets that are missing from the gesture-set folder.
    void initInstance(Splash splash);

    Configuration& configuration() { return m_configuration; }
    CDocManager& documents() { return m_documents; }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    QPrinter& printer();

    // 0: a gesture drawn in a flowchart creates a component; 1: it is a command.
    int traceMode() const { return m_traceMode; }
    void setTraceMode(int mode);

    // Opens a file of any registered type, as the open command and the recent
    // files do.
    void openFile(const QString& path);

    // The set that the last New or Open gesture-set command built, handed over
    // to the gesture-set document it creates.
    std::unique_ptr<CEnsemble> takePendingSet();
    CDocument* lastGestureDocument() const { return m_lastGestureDocument; }

    void OnNouveauTexte();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnNouvelOrga();
    void OnOuvrirOrga();
    void OnNouveauGestes();
    void OnOuvrirGestes();
    void OnConfiguration();
    // The gesture-set chooser; true when the user changed the configured sets.
    bool OnChoisirGestes();
    void OnTraceComposant() { setTraceMode(0); }
    void OnTraceCommande() { setTraceMode(1); }
    void OnAppAbout();

signals:
    void traceModeChanged(int mode);

private:
    void showSplash();
    void checkDataFolders();
    // The shipped gesture sets missing from the gesture-set folder are copied there.
    void installSets();
    void openGestureSet(const QString& path);
    void openPendingSet();

    static CApplication* s_instance;

    Configuration m_configuration;
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
