#include "recognizer/TextScanner.h"

#include <charconv>
#include <cmath>

namespace {
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
} // namespace

std::string shownToken(std::string_view token) {
    constexpr std::size_t kMaxShown = 40;
    return token.size() > kMaxShown ? std::string(token.substr(0, kMaxShown)) + "..."
                                    : std::string(token);
}

void TextScanner::fail(const std::string& message) const {
    failAt(m_line, message);
}

void TextScanner::failAt(int line, const std::string& message) {
    throw TextFormatError("ligne " + std::to_string(line) + " : " + message);
}

void TextScanner::skipSpace() {
    while (m_pos < m_text.size() && isSpace(m_text[m_pos])) {
        if (m_text[m_pos] == '\n')
            ++m_line;
        ++m_pos;
    }
}

bool TextScanner::atEnd() {
    skipSpace();
    return m_pos >= m_text.size();
}

std::string_view TextScanner::nextToken(std::string_view what) {
    skipSpace();
    if (m_pos >= m_text.size())
        fail("fin du fichier inattendue (" + std::string(what) + " attendu).");
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !isSpace(m_text[m_pos]))
        ++m_pos;
    return m_text.substr(start, m_pos - start);
}

long long TextScanner::readInteger(std::string_view what, long long min, long long max) {
    const std::string_view token = nextToken(what);
    return parseInteger(token, what, min, max, m_line);
}

long long TextScanner::parseInteger(std::string_view token, std::string_view what, long long min,
                                    long long max, int line) {
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range)
        failAt(line, std::string(what) + " hors limites : " + shownToken(token) + ".");
    if (error != std::errc() || end != token.data() + token.size())
        failAt(line, "« " + shownToken(token) + " » n'est pas un entier (" + std::string(what) +
                         " attendu).");
    if (value < min || value > max)
        failAt(line, std::string(what) + " hors limites : " + shownToken(token) + ".");
    return value;
}

double TextScanner::readReal(std::string_view what) {
    const std::string_view token = nextToken(what);
    double value = 0.0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        fail("« " + shownToken(token) + " » n'est pas un nombre (" + std::string(what) +
             " attendu).");
    return value;
}

std::string_view TextScanner::readWord(std::string_view what) {
    return nextToken(what);
}

int TextScanner::readCount(std::string_view what, std::size_t bytesPerItem) {
    const long long count = readInteger(what, 0, 0x7FFFFFFF);
    const std::size_t left = m_text.size() - m_pos;
    if (static_cast<unsigned long long>(count) > left / bytesPerItem)
        fail(std::string(what) + " (" + std::to_string(count) +
             ") plus grand que ce que le fichier peut contenir.");
    return static_cast<int>(count);
}
