#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class CDocTemplate;
class CView;
class EditorContext;

// A document of one of the registered types: its title, its file, whether it
// changed since it was last saved, and the views that show it. The document
// manager owns documents; a document lives as long as its window. What it
// needs of the application comes through its context.
class CDocument : public QObject {
    Q_OBJECT
public:
    CDocument(const CDocTemplate& docTemplate, EditorContext& context);
    ~CDocument() override;

    const CDocTemplate& docTemplate() const { return m_template; }
    EditorContext& context() const { return m_context; }

    const QString& title() const { return m_title; }
    void setTitle(const QString& title);

    // Absolute path of the file, empty while the document is untitled.
    const QString& pathName() const { return m_pathName; }
    // Also makes the file name the title.
    void setPathName(const QString& path);
    // Forgets the file, title kept: the next save asks where to write.
    void clearPathName() { m_pathName.clear(); }

    bool isModified() const { return m_modified; }
    void setModifiedFlag(bool modified = true);

    // The first filling of a new untitled document.
    virtual bool onNewDocument() { return true; }
    // Reading and writing report their own errors to the user.
    virtual bool onOpenDocument(const QString& path) = 0;
    virtual bool onSaveDocument(const QString& path) = 0;
    // Where the save dialog starts for an untitled document; "" for the current folder.
    virtual QString defaultFolder() const { return {}; }
    // The gesture sets of the gesture folder were written again.
    virtual void reloadGestureSets() {}

    // Saves under `path`, or asks for a file name when `path` is empty; true
    // when the document was written.
    bool doSave(const QString& path);
    // Offers to save a modified document; false when the user cancelled.
    bool saveModified();

    const std::vector<CView*>& views() const { return m_views; }
    // Tells every view but `sender` that the document changed.
    void updateAllViews(CView* sender, int hint = 0);

signals:
    void titleChanged(const QString& title);
    void pathChanged(const QString& path);

private:
    friend class CView;

    const CDocTemplate& m_template;
    EditorContext& m_context;
    QString m_title;
    QString m_pathName;
    bool m_modified = false;
    std::vector<CView*> m_views;
};

// Mixed into the widget of each view, which stays a plain Qt widget of any kind.
class CView {
public:
    explicit CView(CDocument& document);
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CDocument& document() const { return *m_document; }

    // Called by updateAllViews on every view but the sender.
    virtual void onUpdate(CView* sender, int hint) = 0;

private:
    QPointer<CDocument> m_document;
};
