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

TEST(SvkFormat, AMarkedDocumentIsAccepted) {
    const std::string svk = markAsSvk(kHtml);
    EXPECT_EQ(checkSvk(svk), SvkProblem::None);
    EXPECT_EQ(svk.find("<meta name=\"generator\" content=\"Strovik\" />"),
              kHtml.find("<head>") + 6);
    EXPECT_EQ(svk.size(), kHtml.size() + 43);
    // Written on Windows or touched by an editor: a byte-order mark, CRLF, a final newline.
    EXPECT_EQ(checkSvk("\xEF\xBB\xBF" + svk + "\r\n"), SvkProblem::None);
    const std::string lowercase = "<!doctype" + svk.substr(9);
    EXPECT_EQ(checkSvk(lowercase), SvkProblem::None);
}

TEST(SvkFormat, ForeignFilesAreRefused) {
    EXPECT_EQ(checkSvk(""), SvkProblem::Foreign);
    EXPECT_EQ(checkSvk("Un texte tout simple.\n"), SvkProblem::Foreign);
    EXPECT_EQ(checkSvk(kHtml), SvkProblem::Foreign) << "HTML that is not ours";
    EXPECT_EQ(checkSvk(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), SvkProblem::Foreign);
    EXPECT_EQ(checkSvk("Strovik\n1\nformes\n"), SvkProblem::Foreign);
    // The mark far down in the body proves nothing.
    EXPECT_EQ(checkSvk(kHtml.substr(0, kHtml.size() - 14) + std::string(600, ' ') +
                       "<meta name=\"generator\" content=\"Strovik\" /></body></html>"),
              SvkProblem::Foreign);
}

TEST(SvkFormat, EveryCutAfterTheMarkIsTruncated) {
    const std::string svk = markAsSvk(kHtml);
    const std::size_t afterMark = svk.find("/>", svk.find("generator")) + 2;
    for (std::size_t size = 0; size < svk.size(); ++size) {
        const SvkProblem expected = size < afterMark ? SvkProblem::Foreign : SvkProblem::Truncated;
        EXPECT_EQ(checkSvk(svk.substr(0, size)), expected) << "cut at " << size;
    }
}

TEST(SvkFormat, BytesThatAreNotUtf8AreDamage) {
    const std::string marked = markAsSvk(kHtml);
    const std::size_t at = marked.find("été");
    const std::string svk = marked.substr(0, at) + "\xE9" + marked.substr(at + 2);
    EXPECT_EQ(checkSvk(svk), SvkProblem::NotUtf8);
    std::string cutCharacter = markAsSvk(kHtml);
    cutCharacter.erase(cutCharacter.find("été") + 1, 1);
    EXPECT_EQ(checkSvk(cutCharacter), SvkProblem::NotUtf8);
}
