#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Raised by TextScanner with a French message naming the line and what was expected.
class TextFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A token as messages quote it: cut after 40 bytes, so that garbage stays readable.
std::string shownToken(std::string_view token);

// Whitespace-separated tokens of a text held in memory. Numbers are read
// independently of the C locale; nothing is read past the end of the text.
class TextScanner {
public:
    explicit TextScanner(std::string_view text) : m_text(text) {}

    long long readInteger(std::string_view what, long long min, long long max);
    double readReal(std::string_view what);
    std::string_view readWord(std::string_view what);

    // A count of items that each take at least `bytesPerItem` bytes of what is left.
    int readCount(std::string_view what, std::size_t bytesPerItem);

    bool atEnd();
    int line() const { return m_line; }

    [[noreturn]] void fail(const std::string& message) const;

    // What the readers of other text formats share with this one: the same
    // messages, starting with the line.
    [[noreturn]] static void failAt(int line, const std::string& message);
    // The integer `token`, in [min, max], `what` naming it in the message.
    static long long parseInteger(std::string_view token, std::string_view what, long long min,
                                  long long max, int line);

private:
    void skipSpace();
    std::string_view nextToken(std::string_view what);

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};
