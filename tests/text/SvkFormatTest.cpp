#include "text/SvkFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the rich-text engine writes, shortened.
const std::string kHtml =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
    "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    "<html><head><meta name=\"qrichtext\" content=\"1\" /><meta charset=\"utf-8\" />"
    "<style type=\"text/css\">\np, li { white-space: pre-wrap; }\n</style></head>"
    "<body style=\" font-family:'Times New Roman'; font-size:12pt;\">\n"
    "<p>Un <span style=\" font-weight:700;\">été</span> à Sète "
    "<img src=\"data:image/png;base64,iVBORw0KGgo=\" /></p></body></html>";

} // namespace

// Written on Windows or touched by an editor (a byte-order mark, CRLF, a final
// newline, a lowercase doctype), a marked document is ours; HTML that is not
// ours, marked but without its doctype, or with the mark far down in the body, is foreign (an empty
// file is the first cut below); bytes that are not UTF-8, or a character cut in two, are damage.
TEST(SvkFormat, TellsOursFromForeignAndDamagedFiles) {
    const std::string svk = markAsSvk(kHtml);
    EXPECT_EQ(svk.find("<meta name=\"generator\" content=\"Strovik\" />"),
              kHtml.find("<head>") + 6);
    EXPECT_EQ(svk.size(), kHtml.size() + 43);
    const std::size_t at = svk.find("été");
    const std::pair<std::string, SvkProblem> cases[] = {
        {svk, SvkProblem::None},
        {"\xEF\xBB\xBF" + svk + "\r\n", SvkProblem::None},
        {"<!doctype" + svk.substr(9), SvkProblem::None},
        {"Un texte tout simple.\n", SvkProblem::Foreign},
        {kHtml, SvkProblem::Foreign},
        {svk.substr(svk.find("<html>")), SvkProblem::Foreign},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), SvkProblem::Foreign},
        {kHtml.substr(0, kHtml.size() - 14) + std::string(600, ' ') +
             "<meta name=\"generator\" content=\"Strovik\" /></body></html>",
         SvkProblem::Foreign},
        {svk.substr(0, at) + "\xE9" + svk.substr(at + 2), SvkProblem::NotUtf8},
        {svk.substr(0, at + 1) + svk.substr(at + 2), SvkProblem::NotUtf8},
    };
    for (const auto& [file, problem] : cases)
        EXPECT_EQ(checkSvk(file), problem) << file.substr(0, 60);
    // Every cut after the mark is a truncated file.
    const std::size_t afterMark = svk.find("/>", svk.find("generator")) + 2;
    for (std::size_t size = 0; size < svk.size(); ++size) {
        const SvkProblem expected = size < afterMark ? SvkProblem::Foreign : SvkProblem::Truncated;
        EXPECT_EQ(checkSvk(svk.substr(0, size)), expected) << "cut at " << size;
    }
}
