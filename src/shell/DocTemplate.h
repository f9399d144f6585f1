#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CChildFrame;
class CDocument;
class EditorContext;

// One document type: how to make its documents and their windows, and its
// document string, whose newline-separated fields are the window title, the
// default document name, the file-new name, the filter name, the extension and
// the registry type id and name, e.g.
// "\nsans_nom_\nOrga\nOrga Files (*.org)\n.org\nOrganigramme Document\nOrga Document".
class CDocTemplate {
public:
    using DocumentFactory =
        std::function<std::unique_ptr<CDocument>(const CDocTemplate&, EditorContext&)>;
    // Builds the window of a document, views included; the main frame takes it.
    using FrameFactory = std::function<std::unique_ptr<CChildFrame>(CDocument&)>;

    CDocTemplate(const QString& docString, DocumentFactory createDocument,
                 FrameFactory createFrame);

    const QString& windowTitle() const { return m_fields[0]; }
    const QString& docName() const { return m_fields[1]; }
    const QString& fileNewName() const { return m_fields[2]; }
    const QString& filterName() const { return m_fields[3]; }
    // With its dot: ".org".
    const QString& extension() const { return m_fields[4]; }
    const QString& registryTypeId() const { return m_fields[5]; }
    const QString& registryTypeName() const { return m_fields[6]; }

    // The filter name followed by "All Files (*.*)".
    QStringList dialogFilters() const;
    bool matchesFile(const QString& path) const;

    std::unique_ptr<CDocument> createDocument(EditorContext& context) const;
    std::unique_ptr<CChildFrame> createFrame(CDocument& document) const;

    // Untitled documents are named after the default name and this counter.
    int nextUntitledNumber() { return ++m_untitledCount; }

private:
    QStringList m_fields;
    DocumentFactory m_createDocument;
    FrameFactory m_createFrame;
    int m_untitledCount = 0;
};
