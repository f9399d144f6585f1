#include "support/TestApplication.h"

#include "shell/Configuration.h"
#include "shell/MainFrm.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

TestApplication::TestApplication(std::vector<std::unique_ptr<CDocTemplate>> templates)
    : m_previousDirectory(QDir::currentPath()), m_root(m_folder.path() + "/Données/") {
    QSettings().clear();
    m_application = std::make_unique<CApplication>(m_root.toStdString(), std::move(templates));
}

TestApplication::~TestApplication() {
    m_application.reset();
    QDir::setCurrent(m_previousDirectory);
}

void TestApplication::startReady() {
    const Configuration configuration(m_root.toStdString());
    ASSERT_TRUE(createFolder(configuration.dataRoot));
    ASSERT_EQ(createMissingFolders(configuration), "");
    start();
}

void TestApplication::start() {
    m_application->initInstance(CApplication::Splash::Skip);
}

CMainFrame& TestApplication::frame() {
    return *m_application->mainFrame();
}
