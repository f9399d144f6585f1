#pragma once

#include "shell/RecentFileList.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class CChildFrame;
class CDocTemplate;
class CDocument;
class EditorContext;
class QMdiArea;
class QMdiSubWindow;

// The registered document types and the open documents, each shown in one
// window of the main frame's MDI area. A document is destroyed once its window is.
class CDocManager : public QObject {
    Q_OBJECT
public:
    // The documents are made with `context`.
    CDocManager(EditorContext& context, std::vector<std::unique_ptr<CDocTemplate>> templates);
    ~CDocManager() override;

    void setMdiArea(QMdiArea* area) { m_area = area; }

    // In registration order.
    const std::vector<std::unique_ptr<CDocTemplate>>& templates() const { return m_templates; }
    // The first template, in registration order, with this file-new name.
    CDocTemplate* findTemplate(const QString& fileNewName) const;
    CDocTemplate* templateForFile(const QString& path) const;

    CDocument* openNewDocument(CDocTemplate& docTemplate);
    // Activates the window of a document that shows this file already;
    // otherwise reads the file into a new document of the type of its extension.
    CDocument* openDocumentFile(const QString& path);

    std::vector<CDocument*> documents() const;
    QMdiSubWindow* windowOf(const CDocument& document) const;

    CRecentFileList& recentFiles() { return m_recent; }

signals:
    // A document window was made and is about to be shown.
    void windowOpened(CChildFrame* window);

private:
    struct Entry {
        std::unique_ptr<CDocument> document;
        QPointer<QMdiSubWindow> window;
    };

    CDocument* show(std::unique_ptr<CDocument> document);
    void windowDestroyed(const CDocument* document);

    EditorContext& m_context;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<Entry> m_entries;
    // Documents whose window is being destroyed: its views still unregister
    // from them, so they go on the next turn of the event loop.
    std::vector<std::unique_ptr<CDocument>> m_closing;
    QMdiArea* m_area = nullptr;
    CRecentFileList m_recent;
};
