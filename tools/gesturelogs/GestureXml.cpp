#include "gesturelogs/GestureXml.h"

#include "gesturelogs/LoggedInk.h"
#include "recognizer/DrawingText.h"
#include "recognizer/TextScanner.h"

#include <QXmlStreamReader>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

int lineOf(const QXmlStreamReader& xml) {
    return static_cast<int>(xml.lineNumber());
}

std::string required(const QXmlStreamReader& xml, std::string_view element, std::string_view key) {
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    if (!attributes.hasAttribute(name))
        TextScanner::failAt(lineOf(xml), "attribut " + std::string(key) + " manquant dans <" +
                                             std::string(element) + ">.");
    return attributes.value(name).toString().toStdString();
}

struct Header {
    std::string person;
    std::string speed;
    std::optional<long long> announcedPoints;
};

Header readHeader(const QXmlStreamReader& xml) {
    Header header;
    const long long subject = TextScanner::parseInteger(required(xml, "Gesture", "Subject"),
                                                        "numéro de sujet", 0, 999'999, lineOf(xml));
    char person[16];
    std::snprintf(person, sizeof person, "s%02lld", subject);
    header.person = person;
    header.speed = required(xml, "Gesture", "Speed");
    if (!isKnownSpeed(header.speed))
        TextScanner::failAt(lineOf(xml), "vitesse inconnue : « " + shownToken(header.speed) +
                                             " » (fast, medium ou slow attendu).");
    if (xml.attributes().hasAttribute(QStringLiteral("NumPts")))
        header.announcedPoints = TextScanner::parseInteger(
            required(xml, "Gesture", "NumPts"), "nombre de points", 0, INT_MAX, lineOf(xml));
    return header;
}

void readPoint(const QXmlStreamReader& xml, LoggedInk& ink) {
    const auto coordinate = [&](std::string_view key) {
        return static_cast<int>(TextScanner::parseInteger(
            required(xml, "Point", key), key, -kMaxCoordinate, kMaxCoordinate, lineOf(xml)));
    };
    const int x = coordinate("X");
    const int y = coordinate("Y");
    const long long t =
        TextScanner::parseInteger(required(xml, "Point", "T"), "T", -LoggedInk::kMaxMilliseconds,
                                  LoggedInk::kMaxMilliseconds, lineOf(xml));
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

// The points of the <Gesture> element, each a <Point> directly inside it.
GestureLog readLog(QXmlStreamReader& xml, std::string kind, const std::string& stem) {
    LoggedInk ink;
    std::optional<Header> header;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            const std::string element = xml.name().toString().toStdString();
            if (depth == 1 && element != "Gesture")
                TextScanner::failAt(lineOf(xml), "élément <Gesture> attendu, <" +
                                                     shownToken(element) + "> trouvé.");
            if (depth == 1)
                header = readHeader(xml);
            else if (depth == 2 && element == "Point")
                readPoint(xml, ink);
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    if (!header)
        TextScanner::failAt(lineOf(xml), "aucun élément <Gesture>.");
    if (xml.hasError())
        TextScanner::failAt(lineOf(xml),
                            xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                                ? "fin du fichier avant la fin du geste (fichier tronqué)."
                                : "le texte n'est pas du XML bien formé.");
    if (ink.pointCount() == 0)
        TextScanner::failAt(lineOf(xml), "le geste n'a aucun point.");
    if (header->announcedPoints && *header->announcedPoints != ink.pointCount())
        TextScanner::failAt(lineOf(xml), "NumPts annonce " +
                                             std::to_string(*header->announcedPoints) +
                                             " points, le fichier en contient " +
                                             std::to_string(ink.pointCount()) + ".");
    GestureLog log;
    log.kind = std::move(kind);
    log.name = header->person + "-" + header->speed + "-" + stem;
    log.drawing = ink.finish();
    return log;
}

} // namespace

LogReadResult readGestureXml(std::string_view text, std::string_view fileName) {
    const std::string stem = std::filesystem::path(fileName).stem().string();
    std::string kind = kindOf(stem);
    if (kind.empty())
        return {std::nullopt, "le nom du fichier ne dit pas le geste suivi de son numéro "
                              "(GESTE07.xml attendu)."};
    QXmlStreamReader xml(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    try {
        return {readLog(xml, std::move(kind), stem), {}};
    } catch (const TextFormatError& e) {
        return {std::nullopt, e.what()};
    }
}
