#include "shell/DocTemplate.h"

#include "shell/ChildFrame.h"
#include "shell/Document.h"
#include "shell/FileDialogs.h"

namespace {
constexpr int kFieldCount = 7;
}

CDocTemplate::CDocTemplate(const QString& docString, DocumentFactory createDocument,
                           FrameFactory createFrame)
    : m_fields(docString.split('\n')), m_createDocument(std::move(createDocument)),
      m_createFrame(std::move(createFrame)) {
    m_fields.resize(kFieldCount);
}

QStringList CDocTemplate::dialogFilters() const {
    return {filterName(), allFilesFilter()};
}

bool CDocTemplate::matchesFile(const QString& path) const {
    return !extension().isEmpty() && path.endsWith(extension(), Qt::CaseInsensitive);
}

std::unique_ptr<CDocument> CDocTemplate::createDocument(EditorContext& context) const {
    return m_createDocument(*this, context);
}

std::unique_ptr<CChildFrame> CDocTemplate::createFrame(CDocument& document) const {
    return m_createFrame(document);
}
