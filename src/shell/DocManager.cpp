#include "shell/DocManager.h"

#include "recognizer/Files.h"
#include "shell/ChildFrame.h"
#include "shell/DocTemplate.h"
#include "shell/Document.h"
#include "shell/Messages.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <algorithm>

CDocManager::CDocManager(EditorContext& context,
                         std::vector<std::unique_ptr<CDocTemplate>> templates)
    : m_context(context), m_templates(std::move(templates)) {}

CDocManager::~CDocManager() = default;

CDocTemplate* CDocManager::findTemplate(const QString& fileNewName) const {
    for (const auto& docTemplate : m_templates)
        if (docTemplate->fileNewName() == fileNewName)
            return docTemplate.get();
    return nullptr;
}

CDocTemplate* CDocManager::templateForFile(const QString& path) const {
    for (const auto& docTemplate : m_templates)
        if (docTemplate->matchesFile(path))
            return docTemplate.get();
    return nullptr;
}

CDocument* CDocManager::openNewDocument(CDocTemplate& docTemplate) {
    auto document = docTemplate.createDocument(m_context);
    document->setTitle(docTemplate.docName() + QString::number(docTemplate.nextUntitledNumber()));
    if (!document->onNewDocument())
        return nullptr;
    return show(std::move(document));
}

CDocument* CDocManager::openDocumentFile(const QString& path) {
    const QFileInfo file(path);
    const QString absolute = file.absoluteFilePath();
    for (const Entry& entry : m_entries) {
        if (entry.document->pathName() == absolute) {
            m_area->setActiveSubWindow(entry.window);
            return entry.document.get();
        }
    }
    CDocTemplate* docTemplate = templateForFile(absolute);
    if (docTemplate == nullptr || !fileExists(absolute.toStdString())) {
        m_recent.remove(absolute);
        showMessage(m_area, "Le fichier " + file.fileName() + " ne peut être ouvert.");
        return nullptr;
    }
    auto document = docTemplate->createDocument(m_context);
    if (!document->onOpenDocument(absolute))
        return nullptr;
    document->setPathName(absolute);
    return show(std::move(document));
}

std::vector<CDocument*> CDocManager::documents() const {
    std::vector<CDocument*> documents;
    for (const Entry& entry : m_entries)
        documents.push_back(entry.document.get());
    return documents;
}

QMdiSubWindow* CDocManager::windowOf(const CDocument& document) const {
    for (const Entry& entry : m_entries)
        if (entry.document.get() == &document)
            return entry.window;
    return nullptr;
}

CDocument* CDocManager::show(std::unique_ptr<CDocument> document) {
    CDocument* shown = document.get();
    if (!shown->pathName().isEmpty())
        m_recent.add(shown->pathName());
    connect(shown, &CDocument::pathChanged, &m_recent, &CRecentFileList::add);

    CChildFrame* frame = shown->docTemplate().createFrame(*shown).release();
    emit windowOpened(frame);
    QMdiSubWindow* window = m_area->addSubWindow(frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, [this, shown] { windowDestroyed(shown); });
    m_entries.push_back({std::move(document), window});
    window->show();
    m_area->setActiveSubWindow(window);
    return shown;
}

void CDocManager::windowDestroyed(const CDocument* document) {
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(), [document](const Entry& e) {
        return e.document.get() == document;
    });
    if (entry == m_entries.end())
        return;
    m_closing.push_back(std::move(entry->document));
    m_entries.erase(entry);
    QTimer::singleShot(0, this, [this] { m_closing.clear(); });
}
