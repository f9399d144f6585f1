#include "flowchart/Organigramme.h"

#include "flowchart/OrgArchive.h"

#include <algorithm>

CElement* COrganigramme::AddElement(std::unique_ptr<CElement> element) {
    m_modified = true;
    m_elements.push_back(std::move(element));
    return m_elements.back().get();
}

void COrganigramme::DeleteElement(const CElement* element) {
    if (!element)
        return;
    m_modified = true;
    const auto found = std::find_if(m_elements.begin(), m_elements.end(),
                                    [element](const auto& e) { return e.get() == element; });
    if (found != m_elements.end())
        m_elements.erase(found);
}

void COrganigramme::DeleteAllElements() {
    m_modified = true;
    m_elements.clear();
}

CElement* COrganigramme::elementAt(CPoint point) const {
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it)
        if ((*it)->GetBoundRect().contains(point))
            return it->get();
    return nullptr;
}

namespace {

std::vector<std::unique_ptr<CElement>> copyElements(const COrganigramme::ElementList& elements) {
    std::vector<std::unique_ptr<CElement>> copy;
    copy.reserve(elements.size());
    for (const auto& element : elements)
        copy.push_back(element->clone());
    return copy;
}

} // namespace

OrganigrammeContent COrganigramme::content() const {
    return {copyElements(m_elements), m_color, m_penWidth};
}

void COrganigramme::setContent(const OrganigrammeContent& content) {
    m_elements = copyElements(content.elements);
    m_color = content.color;
    m_penWidth = content.penWidth;
    m_modified = true;
}

void COrganigramme::Serialize(COrgArchive& ar) {
    if (ar.isLoading()) {
        const std::size_t count = ar.readCount();
        m_elements.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            m_elements.push_back(ar.readObject());
    } else {
        ar.writeCount(m_elements.size());
        for (const auto& element : m_elements)
            ar.writeObject(*element);
    }
    ar.fields(m_color, m_penWidth);
}
