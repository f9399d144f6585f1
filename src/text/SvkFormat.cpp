#include "text/SvkFormat.h"

#include "recognizer/TextEncoding.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kMark = R"(<meta name="generator" content="Strovik" />)";
constexpr std::string_view kHead = "<head>";
constexpr std::string_view kDoctype = "<!DOCTYPE HTML";
constexpr std::string_view kEnd = "</html>";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
// The mark comes right after the opening of the head, near the top.
constexpr std::size_t kMarkWithin = 512;

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string_view trimmed(std::string_view text) {
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string markAsSvk(std::string_view html) {
    std::string marked(html);
    const std::size_t head = marked.find(kHead);
    if (head != std::string::npos)
        marked.insert(head + kHead.size(), kMark);
    return marked;
}

SvkProblem checkSvk(std::string_view content) {
    const std::string_view text = trimmed(content);
    if (!startsWithIgnoringCase(text, kDoctype) ||
        text.substr(0, kMarkWithin).find(kMark) == std::string_view::npos)
        return SvkProblem::Foreign;
    if (text.size() < kEnd.size() || text.substr(text.size() - kEnd.size()) != kEnd)
        return SvkProblem::Truncated;
    if (!isValidUtf8(text))
        return SvkProblem::NotUtf8;
    return SvkProblem::None;
}
