#include "shell/Document.h"

#include "shell/DocTemplate.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <algorithm>

CDocument::CDocument(const CDocTemplate& docTemplate, EditorContext& context)
    : m_template(docTemplate), m_context(context) {}

CDocument::~CDocument() = default;

void CDocument::setTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

void CDocument::setPathName(const QString& path) {
    const QFileInfo file(path);
    m_pathName = file.absoluteFilePath();
    setTitle(file.fileName());
    emit pathChanged(m_pathName);
}

void CDocument::setModifiedFlag(bool modified) {
    m_modified = modified;
}

bool CDocument::doSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        const QString folder =
            m_pathName.isEmpty() ? defaultFolder() : QFileInfo(m_pathName).absolutePath();
        target = askSaveFileName(nullptr, {.defaultSuffix = m_template.extension().mid(1),
                                           .filters = m_template.dialogFilters(),
                                           .folder = folder,
                                           .fileName = m_title});
        if (target.isEmpty())
            return false;
    }
    if (!onSaveDocument(target))
        return false;
    setModifiedFlag(false);
    setPathName(target);
    return true;
}

bool CDocument::saveModified() {
    if (!m_modified)
        return true;
    QMessageBox question(QMessageBox::Warning, appTitle(),
                         "Enregistrer les modifications apportées à " + m_title + " ?",
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Yes:
        return doSave(m_pathName);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void CDocument::updateAllViews(CView* sender, int hint) {
    for (CView* view : std::vector<CView*>(m_views))
        if (view != sender)
            view->onUpdate(sender, hint);
}

CView::CView(CDocument& document) : m_document(&document) {
    document.m_views.push_back(this);
}

CView::~CView() {
    if (m_document)
        std::erase(m_document->m_views, this);
}
