#include "gesturelogs/GestureXml.h"

#include "gesturelogs/LoggedInk.h"
#include "recognizer/DrawingText.h"
#include "recognizer/TextScanner.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using Attributes = std::vector<std::pair<std::string_view, std::string_view>>;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':';
}

// Just enough XML for gesture logs: declarations and comments are skipped,
// elements are checked to nest, attribute values are taken as written.
class XmlReader {
public:
    explicit XmlReader(std::string_view text) : m_text(text) {}

    [[noreturn]] void fail(const std::string& message) const {
        TextScanner::failAt(line(), message);
    }

    // Counted on from the last call: the position only moves forward.
    int line() const {
        const std::size_t end = std::min(m_pos, m_text.size());
        m_line +=
            static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_counted),
                                        m_text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
        m_counted = end;
        return m_line;
    }

    void skipBlanks() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool startsWith(std::string_view s) const { return m_text.substr(m_pos).starts_with(s); }

    void skipPast(std::string_view end, const char* unterminated) {
        const std::size_t found = m_text.find(end, m_pos);
        if (found == std::string_view::npos)
            fail(std::string(unterminated) + " (fichier tronqué).");
        m_pos = found + end.size();
    }

    std::string_view name() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
            ++m_pos;
        if (m_pos == start)
            fail(atEnd() ? "fin du fichier au milieu d'une balise (fichier tronqué)."
                         : "nom d'élément ou d'attribut attendu.");
        return m_text.substr(start, m_pos - start);
    }

    void expect(char c) {
        skipBlanks();
        if (atEnd())
            fail("fin du fichier au milieu d'une balise (fichier tronqué).");
        if (m_text[m_pos] != c)
            fail(std::string("« ") + c + " » attendu, « " + m_text[m_pos] + " » trouvé.");
        ++m_pos;
    }

    // The attributes up to the end of a start tag; true when the tag closes itself.
    bool attributes(Attributes& into) {
        into.clear();
        for (;;) {
            skipBlanks();
            if (startsWith("/>")) {
                m_pos += 2;
                return true;
            }
            if (startsWith(">")) {
                ++m_pos;
                return false;
            }
            const std::string_view key = name();
            expect('=');
            skipBlanks();
            if (atEnd() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
                fail("valeur de l'attribut " + std::string(key) + " attendue entre guillemets.");
            const char quote = m_text[m_pos++];
            const std::size_t end = m_text.find(quote, m_pos);
            if (end == std::string_view::npos)
                fail("valeur de l'attribut " + std::string(key) +
                     " non terminée (fichier tronqué).");
            into.emplace_back(key, m_text.substr(m_pos, end - m_pos));
            m_pos = end + 1;
        }
    }

    char peek() const { return m_text[m_pos]; }
    void advance(std::size_t n) { m_pos += n; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    mutable std::size_t m_counted = 0;
    mutable int m_line = 1;
};

std::optional<std::string_view> attribute(const Attributes& attributes, std::string_view key) {
    for (const auto& [k, v] : attributes)
        if (k == key)
            return v;
    return std::nullopt;
}

std::string_view required(XmlReader& in, const Attributes& attributes, std::string_view element,
                          std::string_view key) {
    const auto value = attribute(attributes, key);
    if (!value)
        in.fail("attribut " + std::string(key) + " manquant dans <" + std::string(element) + ">.");
    return *value;
}

struct Header {
    std::string person;
    std::string speed;
    std::optional<long long> announcedPoints;
};

Header readHeader(XmlReader& in, const Attributes& attributes) {
    Header header;
    const long long subject = TextScanner::parseInteger(
        required(in, attributes, "Gesture", "Subject"), "numéro de sujet", 0, 999'999, in.line());
    char person[16];
    std::snprintf(person, sizeof person, "s%02lld", subject);
    header.person = person;
    header.speed = required(in, attributes, "Gesture", "Speed");
    if (!isKnownSpeed(header.speed))
        in.fail("vitesse inconnue : « " + shownToken(header.speed) +
                " » (fast, medium ou slow attendu).");
    if (const auto count = attribute(attributes, "NumPts"))
        header.announcedPoints =
            TextScanner::parseInteger(*count, "nombre de points", 0, INT_MAX, in.line());
    return header;
}

void readPoint(XmlReader& in, const Attributes& attributes, LoggedInk& ink) {
    const int line = in.line();
    const auto coordinate = [&](std::string_view key) {
        return static_cast<int>(TextScanner::parseInteger(
            required(in, attributes, "Point", key), key, -kMaxCoordinate, kMaxCoordinate, line));
    };
    const int x = coordinate("X");
    const int y = coordinate("Y");
    const long long t =
        TextScanner::parseInteger(required(in, attributes, "Point", "T"), "T",
                                  -LoggedInk::kMaxMilliseconds, LoggedInk::kMaxMilliseconds, line);
    ink.add(x, y, t, 1);
}

// The kind named by the file: its name without the drawing's number; empty
// when the name does not end with a number.
std::string kindOf(std::string_view stem) {
    std::size_t end = stem.size();
    while (end > 0 && stem[end - 1] >= '0' && stem[end - 1] <= '9')
        --end;
    return end == stem.size() ? std::string() : std::string(stem.substr(0, end));
}

GestureLog readLog(XmlReader& in, std::string kind, const std::string& stem) {
    std::vector<std::string_view> open;
    Attributes attributes;
    LoggedInk ink;
    std::optional<Header> header;
    bool closed = false;
    for (;;) {
        in.skipBlanks();
        if (in.atEnd())
            break;
        if (in.peek() != '<')
            in.fail("texte inattendu hors des balises.");
        if (in.startsWith("<?")) {
            in.skipPast("?>", "déclaration non terminée");
        } else if (in.startsWith("<!--")) {
            in.skipPast("-->", "commentaire non terminé");
        } else if (in.startsWith("<!")) {
            in.skipPast(">", "déclaration non terminée");
        } else if (in.startsWith("</")) {
            in.advance(2);
            const std::string_view element = in.name();
            in.expect('>');
            if (open.empty() || open.back() != element)
                in.fail("balise fermante </" + std::string(element) + "> inattendue.");
            open.pop_back();
            closed = open.empty();
        } else {
            in.advance(1);
            const std::string_view element = in.name();
            const bool selfClosing = in.attributes(attributes);
            if (open.empty()) {
                if (header)
                    in.fail("données après la fin du geste.");
                if (element != "Gesture")
                    in.fail("élément <Gesture> attendu, <" + std::string(element) + "> trouvé.");
                header = readHeader(in, attributes);
                closed = selfClosing;
            } else if (open.size() == 1 && element == "Point") {
                readPoint(in, attributes, ink);
            }
            if (!selfClosing)
                open.push_back(element);
        }
    }
    if (!header)
        in.fail("aucun élément <Gesture>.");
    if (!closed)
        in.fail("fin du fichier avant </" + std::string(open.back()) + "> (fichier tronqué).");
    if (ink.pointCount() == 0)
        in.fail("le geste n'a aucun point.");
    if (header->announcedPoints && *header->announcedPoints != ink.pointCount())
        in.fail("NumPts annonce " + std::to_string(*header->announcedPoints) +
                " points, le fichier en contient " + std::to_string(ink.pointCount()) + ".");
    GestureLog log;
    log.kind = std::move(kind);
    log.name = header->person + "-" + header->speed + "-" + stem;
    log.drawing = ink.finish();
    return log;
}

} // namespace

LogReadResult readGestureXml(std::string_view text, std::string_view fileName) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.starts_with(kBom))
        text.remove_prefix(kBom.size());
    const std::string stem = std::filesystem::path(fileName).stem().string();
    std::string kind = kindOf(stem);
    if (kind.empty())
        return {std::nullopt, "le nom du fichier ne dit pas le geste suivi de son numéro "
                              "(GESTE07.xml attendu)."};
    XmlReader in(text);
    try {
        return {readLog(in, std::move(kind), stem), {}};
    } catch (const TextFormatError& e) {
        return {std::nullopt, e.what()};
    }
}
