#pragma once

#include "shell/Application.h"
#include "shell/DocTemplate.h"
#include "support/QtPrint.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class CMainFrame;

// The application over a data root in a fresh temporary folder and with empty
// settings, started without its splash picture. The current directory is given
// back at the end.
class TestApplication {
public:
    explicit TestApplication(std::vector<std::unique_ptr<CDocTemplate>> templates = {},
                             CApplication::NewSetDialog newSetDialog = {},
                             CApplication::AdaptDialog adaptDialog = {});
    ~TestApplication();

    // Creates the root and its six folders, then starts.
    void startReady();
    // Starts as things are: the dialogs of a missing root are the caller's.
    void start() { m_application->initInstance(CApplication::Splash::Skip); }

    CApplication& application() { return *m_application; }
    CMainFrame& frame() { return *m_application->mainFrame(); }
    // Ends with '/'.
    const QString& root() const { return m_root; }

private:
    QString m_previousDirectory;
    QTemporaryDir m_folder;
    QString m_root;
    std::unique_ptr<CApplication> m_application;
};

// Every folder of the data root exists.
void expectDataFolders(const QString& root);
void writeFile(const QString& path, const QByteArray& content);
// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);
