#include "flowchart/OrgArchive.h"

#include "flowchart/Organigramme.h"
#include "recognizer/DrawingText.h"
#include "recognizer/TextEncoding.h"

#include <algorithm>

static_assert(sizeof(int) == 4, "file fields are 32-bit");

namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigIndexTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
constexpr std::uint16_t kSchema = 1;
// The smallest object is a class reference to an unknown component.
constexpr std::size_t kSmallestObject = 2;
// Far more than anyone draws; it bounds what a forged file can make us build.
constexpr std::size_t kMaxElements = 1'000'000;
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
// Most components take 60 to 90 bytes.
constexpr std::size_t kTypicalObject = 80;

// A name read from a file, made printable for a message.
std::string shown(std::string_view name) {
    std::string out;
    for (const char c : name.substr(0, 40))
        out += c >= 0x20 && c < 0x7F ? c : '?';
    return out;
}

} // namespace

void COrgArchive::put16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    m_out.append(bytes, 2);
}

void COrgArchive::put32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    m_out.append(bytes, 4);
}

std::string_view COrgArchive::take(std::size_t count) {
    if (count > m_in.size() - m_pos)
        fail("le fichier est tronqué");
    const std::string_view bytes = m_in.substr(m_pos, count);
    m_pos += count;
    return bytes;
}

std::uint16_t COrgArchive::get16() {
    const std::string_view b = take(2);
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[0]) |
                                      static_cast<unsigned char>(b[1]) << 8);
}

std::uint32_t COrgArchive::get32() {
    const std::uint32_t low = get16();
    return low | std::uint32_t{get16()} << 16;
}

void COrgArchive::field(int& value) {
    if (!m_loading) {
        put32(static_cast<std::uint32_t>(value));
        return;
    }
    const auto loaded = static_cast<std::int32_t>(get32());
    if (loaded < -kMaxCoordinate || loaded > kMaxCoordinate)
        fail("la valeur " + std::to_string(loaded) + " dépasse les limites admises");
    value = loaded;
}

void COrgArchive::field(std::uint32_t& value) {
    if (m_loading)
        value = get32();
    else
        put32(value);
}

void COrgArchive::field(std::uint16_t& value) {
    if (m_loading)
        value = get16();
    else
        put16(value);
}

void COrgArchive::field(CPoint& point) {
    fields(point.x, point.y);
}

void COrgArchive::field(CRect& rect) {
    fields(rect.left, rect.top, rect.right, rect.bottom);
}

void COrgArchive::field(std::string& text) {
    if (!m_loading) {
        const std::string bytes = toWindows1252(text);
        const std::size_t n = bytes.size();
        if (n < 0xFF) {
            m_out += static_cast<char>(n);
        } else {
            m_out += '\xFF';
            if (n < 0xFFFE) {
                put16(static_cast<std::uint16_t>(n));
            } else {
                put16(0xFFFF);
                put32(static_cast<std::uint32_t>(n));
            }
        }
        m_out += bytes;
        return;
    }
    std::size_t n = static_cast<unsigned char>(take(1)[0]);
    if (n == 0xFF) {
        n = get16();
        if (n == 0xFFFE)
            fail("une chaîne de caractères est en Unicode, ce qui n'est pas pris en charge");
        if (n == 0xFFFF)
            n = get32();
    }
    if (n > m_in.size() - m_pos)
        fail("une chaîne de caractères de " + std::to_string(n) +
             " caractères dépasse la fin du fichier");
    text = fromWindows1252(take(n));
}

void COrgArchive::writeCount(std::size_t count) {
    // Room for the whole list at once rather than by repeated doubling.
    m_out.reserve(m_out.size() + count * kTypicalObject);
    if (count < 0xFFFF) {
        put16(static_cast<std::uint16_t>(count));
    } else {
        put16(0xFFFF);
        put32(static_cast<std::uint32_t>(count));
    }
}

std::size_t COrgArchive::readCount() {
    std::size_t count = get16();
    if (count == 0xFFFF)
        count = get32();
    if (count > (m_in.size() - m_pos) / kSmallestObject)
        fail("le fichier annonce " + std::to_string(count) +
             " éléments, bien plus qu'il n'en contient");
    if (count > kMaxElements)
        fail("le fichier annonce " + std::to_string(count) +
             " éléments, plus que le million qu'un organigramme peut contenir");
    return count;
}

void COrgArchive::writeObject(CElement& element) {
    const std::string_view name = element.className();
    const auto known = std::find_if(m_storedClasses.begin(), m_storedClasses.end(),
                                    [name](const auto& c) { return c.first == name; });
    if (known == m_storedClasses.end()) {
        put16(kNewClassTag);
        put16(kSchema);
        put16(static_cast<std::uint16_t>(name.size()));
        m_out += name;
        m_storedClasses.emplace_back(name, m_nextIndex++);
    } else if (known->second < kBigIndexTag) {
        put16(static_cast<std::uint16_t>(kClassTag | known->second));
    } else {
        put16(kBigIndexTag);
        put32(kBigClassTag | known->second);
    }
    ++m_nextIndex;
    element.Serialize(*this);
}

ElementFactory COrgArchive::loadedClass(std::uint32_t index) const {
    const auto found = std::lower_bound(m_loadedClasses.begin(), m_loadedClasses.end(), index,
                                        [](const auto& c, std::uint32_t i) { return c.first < i; });
    if (found == m_loadedClasses.end() || found->first != index)
        fail("un élément renvoie à la classe n° " + std::to_string(index) +
             ", qui n'a jamais été définie");
    return found->second;
}

std::unique_ptr<CElement> COrgArchive::readObject() {
    const std::uint16_t tag = get16();
    ElementFactory factory = nullptr;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = get16();
        const std::string_view name = take(get16());
        factory = elementFactory(name);
        if (!factory)
            fail("la classe « " + shown(name) + " » n'est pas un élément d'organigramme");
        if (schema != kSchema)
            fail("la classe " + std::string(name) + " est en version " + std::to_string(schema) +
                 " au lieu de 1");
        m_loadedClasses.emplace_back(m_nextIndex++, factory);
    } else {
        std::uint32_t reference = tag;
        std::uint32_t classBit = kClassTag;
        if (tag == kBigIndexTag) {
            reference = get32();
            classBit = kBigClassTag;
        }
        const std::uint32_t index = reference & ~classBit;
        if ((reference & classBit) == 0)
            fail(index == 0 ? std::string("la liste contient un élément vide")
                 : index < m_nextIndex
                     ? "un élément renvoie à l'objet n° " + std::to_string(index) +
                           " déjà lu, ce qu'un organigramme ne fait jamais"
                     : "un élément renvoie à l'objet n° " + std::to_string(index) +
                           ", qui n'a jamais été défini");
        factory = loadedClass(index);
    }
    ++m_nextIndex;
    std::unique_ptr<CElement> element = factory();
    element->Serialize(*this);
    return element;
}

void COrgArchive::fail(const std::string& reason) const {
    throw OrgFormatError(reason);
}

void COrgArchive::expectEnd() const {
    if (m_pos != m_in.size())
        fail("des octets inattendus suivent la fin de l'organigramme");
}

std::string storeOrganigramme(COrganigramme& organigramme) {
    COrgArchive ar;
    organigramme.Serialize(ar);
    return ar.stored();
}

OrgLoadResult loadOrganigramme(std::string_view bytes, const std::string& fileName) {
    auto organigramme = std::make_unique<COrganigramme>();
    try {
        COrgArchive ar(bytes);
        organigramme->Serialize(ar);
        ar.expectEnd();
    } catch (const OrgFormatError& e) {
        return {nullptr,
                "Le fichier " + fileName + " n'est pas un organigramme valide : " + e.what() + "."};
    }
    organigramme->setModified(false);
    return {std::move(organigramme), {}};
}

FileResult saveOrganigrammeFile(const std::string& path, COrganigramme& organigramme) {
    return writeFileAtomically(path, storeOrganigramme(organigramme));
}

OrgLoadResult openOrganigrammeFile(const std::string& path) {
    std::string bytes;
    const FileResult read = readWholeFile(path, bytes, kMaxFileBytes);
    if (!read.ok)
        return {nullptr, read.error};
    return loadOrganigramme(bytes, path);
}
