#include "support/TestApplication.h"

#include "shell/Configuration.h"
#include "shell/MainFrm.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

TestApplication::TestApplication(std::vector<std::unique_ptr<CDocTemplate>> templates,
                                 CApplication::NewSetDialog newSetDialog,
                                 CApplication::AdaptDialog adaptDialog)
    : m_previousDirectory(QDir::currentPath()), m_root(m_folder.path() + "/Données/") {
    QSettings().clear();
    m_application = std::make_unique<CApplication>(m_root.toStdString(), std::move(templates),
                                                   std::move(newSetDialog), std::move(adaptDialog));
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

void expectDataFolders(const QString& root) {
    for (const std::string& folder : Configuration(root.toStdString()).folders())
        EXPECT_TRUE(QFileInfo(root + QString::fromStdString(folder)).isDir()) << folder;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
