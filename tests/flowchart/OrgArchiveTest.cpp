#include "flowchart/OrgArchive.h"
#include "flowchart/Commandes.h"
#include "flowchart/Organigramme.h"
#include "flowchart/RecordingCanvas.h"
#include "recognizer/TextEncoding.h"
#include "support/Flowcharts.h"
#include "support/GoldenTexts.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// Little-endian bytes written out by hand.
std::string u16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string u32(std::uint32_t v) {
    return u16(v & 0xFFFF) + u16(v >> 16);
}
std::string i32s(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += u32(static_cast<std::uint32_t>(v));
    return s;
}
std::string newClass(const std::string& name) {
    return u16(0xFFFF) + u16(1) + u16(name.size()) + name;
}

// A refused file fails the test and gives an empty flowchart, so that the
// checks that follow fail rather than crash.
std::unique_ptr<COrganigramme> load(const std::string& bytes) {
    OrgLoadResult r = loadOrganigramme(bytes, "essai.org");
    EXPECT_EQ(r.error, "");
    return r.organigramme ? std::move(r.organigramme) : std::make_unique<COrganigramme>();
}

// The reason given when `bytes` are refused; "accepted" when they load.
std::string refusal(const std::string& bytes) {
    const OrgLoadResult r = loadOrganigramme(bytes, "essai.org");
    if (r.organigramme)
        return "accepted";
    const std::string prefix = "Le fichier essai.org n'est pas un organigramme valide : ";
    EXPECT_EQ(r.error.substr(0, prefix.size()), prefix);
    EXPECT_EQ(r.error.back(), '.');
    return r.error.substr(prefix.size(), r.error.size() - prefix.size() - 1);
}

std::unique_ptr<COrganigramme> everyKind() {
    auto org = std::make_unique<COrganigramme>();
    addEveryKind(*org, 300, 200);
    org->setColor(0x00FF00);
    org->setPenWidth(3);
    return org;
}

const std::string kEmptyList = u16(0) + u32(0) + u32(2);
// A circle of radius 5 in (0, 0, 10, 10), black, one pixel wide.
const std::string kCircle =
    u32(0) + i32s({0, 0, 10, 10, 1, 5, 5}) + u16(110) + i32s({5, 0, 0, 10, 10});

} // namespace

// Flowcharts and their bytes written out by hand: each is saved so, reads
// back and is saved again the same. An object of a class already written
// refers to it by its index; a text is stored in Windows-1252, with "?" for
// what the page lacks; an unknown component occupies only its tag.
TEST(OrgFormat, KnownFlowchartsByteForByte) {
    const auto ink = drawingOf({{{10, 10}, {50, 60}}});
    const std::string text = "\x0E\xC9p\xE9"
                             "e \xE0 5 \x80 \x97 ?";
    const std::pair<std::function<void(COrganigramme&)>, std::string> cases[] = {
        {[](COrganigramme&) {}, std::string("\0\0\0\0\0\0\2\0\0\0", 10)},
        {[](COrganigramme& org) {
             org.setColor(0x00FF0000);
             org.setPenWidth(-1);
         },
         u16(0) + u32(0xFF0000) + u32(0xFFFFFFFF)},
        {[](COrganigramme& org) {
             org.AddElement(
                 std::make_unique<CLigne>(0x0000FF, 2, CRect{0, 0, 100, 20}, Axis::Horizontal));
             org.AddElement(std::make_unique<CLigne>(0, 1, CRect{0, 50, 0, 150}, Axis::Vertical));
             org.AddElement(std::make_unique<CCercle>(0xFF0000, 1, CRect{200, 200, 260, 280}));
             org.setColor(0x00FF00);
             org.setPenWidth(3);
         },
         u16(3) +
             // class 1, object 2
             newClass("CLigne") + u32(0x0000FF) + i32s({-1, 9, 101, 11, 2, 50, 10}) + u16(102) +
             i32s({100, 0, 10, 100, 10}) +
             // object 3
             u16(0x8001) + u32(0) + i32s({0, 50, 0, 150, 1, 0, 100}) + u16(103) +
             i32s({100, 0, 50, 0, 150}) +
             // class 4, object 5
             newClass("CCercle") + u32(0xFF0000) + i32s({200, 210, 260, 270, 1, 230, 240}) +
             u16(110) + i32s({30, 200, 210, 260, 270}) + u32(0x00FF00) + u32(3)},
        {[](COrganigramme& org) {
             org.AddElement(std::make_unique<CTexte>(0, "Comic Sans MS", 12, CRect{10, 20, 110, 40},
                                                     "Épée à 5 € — 日"));
         },
         u16(1) + newClass("CTexte") + u32(0) + i32s({10, 20, 110, 40, 1, 60, 30}) + u16(118) +
             i32s({10, 20}) + text + "\x0D" + "Comic Sans MS" + i32s({120}) + kEmptyList.substr(2)},
        {[&ink](COrganigramme& org) {
             for (int i = 0; i < 2; ++i)
                 org.AddElement(std::make_unique<CInconnu>(0xFF, 3, CRect{10, 10, 50, 60}, *ink));
         },
         u16(2) + newClass("CInconnu") + u16(0x8001) + kEmptyList.substr(2)}};
    for (const auto& [build, bytes] : cases) {
        COrganigramme org;
        build(org);
        EXPECT_EQ(storeOrganigramme(org), bytes);
        EXPECT_EQ(storeOrganigramme(*load(bytes)), bytes);
    }
}

TEST(OrgFormat, StringLengthPrefixesGrowWithTheString) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, "\x00"s},
        {254, "\xFE"},
        {255, "\xFF"s + u16(255)},
        {0xFFFD, "\xFF"s + u16(0xFFFD)},
        {0xFFFE, "\xFF"s + u16(0xFFFF) + u32(0xFFFE)},
        {70000, "\xFF"s + u16(0xFFFF) + u32(70000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        COrganigramme org;
        const std::string text(c.length, 'a');
        org.AddElement(std::make_unique<CTexte>(0, "", 8, CRect{}, text));
        const std::string bytes = storeOrganigramme(org);
        // After the count, the class record, the base part and the origin.
        const std::size_t at = 2 + 6 + 6 + 34 + 8;
        EXPECT_EQ(bytes.substr(at, c.prefix.size()), c.prefix);
        EXPECT_EQ(bytes.size(), at + c.prefix.size() + c.length + 1 + 4 + 8);
        const auto back = load(bytes);
        EXPECT_EQ(dynamic_cast<const CTexte&>(*back->elements().at(0)).text(), text);
    }
}

// With n unknown components, two bytes each after the first, a circle's class
// gets index n + 2: written on 16 bits below 0x7FFF, escaped to 32 bits from
// there. Counts from 0xFFFF take 32 bits too.
TEST(OrgFormat, LargeIndicesAndCountsAreEscaped) {
    const struct {
        std::size_t unknowns;
        std::string count, reference;
    } cases[] = {{32'764, u16(32'766), u16(0xFFFE)},
                 {32'765, u16(32'767), u16(0x7FFF) + u32(0x80007FFF)},
                 {0xFFFC, u16(0xFFFE), u16(0x7FFF) + u32(0x8000FFFE)},
                 {0xFFFD, u16(0xFFFF) + u32(0xFFFF), u16(0x7FFF) + u32(0x8000FFFF)}};
    for (const auto& c : cases) {
        COrganigramme org;
        std::string expected = c.count + newClass("CInconnu");
        for (std::size_t i = 0; i < c.unknowns; ++i) {
            org.AddElement(std::make_unique<CInconnu>());
            expected += i ? u16(0x8001) : "";
        }
        for (int i = 0; i < 2; ++i)
            org.AddElement(std::make_unique<CCercle>(0, 1, CRect{0, 0, 10, 10}));
        expected += newClass("CCercle") + kCircle + c.reference + kCircle + kEmptyList.substr(2);
        const std::string bytes = storeOrganigramme(org);
        EXPECT_EQ(bytes, expected) << c.unknowns;
        EXPECT_EQ(storeOrganigramme(*load(bytes)), bytes);
    }
}

// A valid file, then files broken in one record, each with the reason given.
TEST(OrgReader, RefusesMalformedFilesWithTheirReason) {
    const std::string tail = u32(0) + u32(2);
    const std::string line = u16(1) + newClass("CLigne") + u32(0) + i32s({0, 0, 10, 0, 1, 5, 0});
    const std::string text = u16(1) + newClass("CTexte") + u32(0) + i32s({0, 0, 10, 10, 1, 5, 5}) +
                             u16(118) + i32s({0, 0});
    const std::string font = "\x05"s + "Arial" + i32s({120}) + tail;
    const std::string cases[] = {
        u16(1) + newClass("CCercle") + kCircle + tail,
        text + "\x02" + "ab" + font,
        text + "\x02" + "ab",
        u16(1) + newClass("CPolygone") + kCircle + tail,
        u16(1) + u16(0xFFFF) + u16(1) + u16(3) + "C\x01\xFF" + tail,
        u16(1) + u16(0xFFFF) + u16(2) + u16(7) + "CCercle" + kCircle + tail,
        u16(1) + u16(0x8005) + kCircle + tail,
        u16(1) + u16(0x7FFF) + u32(0x80000009) + kCircle + tail,
        // Index 2 is the first kCircle itself, not a class.
        u16(2) + newClass("CCercle") + kCircle + u16(0x8002) + kCircle + tail,
        u16(2) + newClass("CCercle") + kCircle + u16(0x0002) + tail,
        u16(1) + u16(0x0007) + tail,
        u16(1) + u16(0x7FFF) + u32(40'000) + tail,
        u16(1) + u16(0) + tail,
        u16(1) + newClass("CCercle") + kCircle + tail + "x",
        u16(0xFFFF) + u32(0x7FFFFFFF) + tail,
        u16(5) + tail,
        u16(0xFFFF),
        u16(0xFFFF) + u32(1'000'001) + std::string(2'000'002, '\0'),
        text + "\xFF" + u16(0xFFFF) + u32(0xFFFFFFF0) + font,
        text + "\xFF" + u16(300) + font,
        text + "\xFF" + u16(0xFFFE) + font,
        line + u16(102) + i32s({0x7FFFFFFF, 0, 0, 10, 0}) + tail,
        u16(0) + u32(0) + u32(0x80000000),
    };
    std::vector<std::string> reasons;
    for (const std::string& bytes : cases)
        reasons.push_back(refusal(bytes));
    expectGolden("OrgFormat", "Refusals", reasons);
    const std::string bytes = storeOrganigramme(*everyKind());
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_NE(refusal(bytes.substr(0, n)), "accepted") << n << " bytes";
}

// Each class takes its own kind codes and refuses the codes beside them.
TEST(OrgReader, EachClassTakesItsOwnKindCodes) {
    const std::tuple<const char*, int, int, std::string> classes[] = {
        {"CLigne", 102, 103, i32s({0, 0, 0, 0, 0})},
        {"CRectangle", 104, 105, i32s({0, 0, 0, 0, 0, 0})},
        {"CTriangle", 106, 107, i32s({0, 0, 0, 0, 0, 0, 0, 0})},
        {"CCarre", 108, 108, i32s({0, 0, 0, 0, 0})},
        {"CLosange", 109, 109, i32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"CCercle", 110, 110, i32s({0, 0, 0, 0, 0})},
        {"CEllipse", 111, 112, i32s({0, 0, 0, 0, 0, 0})},
        {"CCroix", 113, 113, i32s({0, 0, 0, 0, 0, 0})},
        {"CFleche", 114, 117, i32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"CTexte", 118, 118, i32s({0, 0}) + std::string(2, '\0') + i32s({0})}};
    for (const auto& [name, first, last, fields] : classes)
        for (int code = first - 1; code <= last + 1; ++code)
            EXPECT_EQ(refusal(u16(1) + newClass(name) + u32(0) + i32s({0, 0, 0, 0, 0, 0, 0}) +
                              u16(code) + fields + u32(0) + u32(2)),
                      code < first || code > last
                          ? "un élément " + std::string(name) + " porte le code de type " +
                                std::to_string(code)
                          : "accepted");
}

// Every kind comes back from its file as it was, its orientation included:
// resized alike, the loaded and the original components stay alike. Nothing
// is left beside the file; a missing file is told.
TEST(OrgFiles, EveryKindSavedThenOpened) {
    TemporaryFolder folder;
    const std::string path = folder.path() + "organigramme.org";
    const auto everything = everyKind();
    COrganigramme& original = *everything;
    const std::string bytes = storeOrganigramme(original);
    ASSERT_TRUE(saveOrganigrammeFile(path, original).ok);
    const OrgLoadResult opened = openOrganigrammeFile(path);
    ASSERT_NE(opened.organigramme, nullptr) << opened.error;
    COrganigramme& back = *opened.organigramme;
    EXPECT_EQ(std::tuple(back.elements().size(), back.color(), back.penWidth(), back.isModified()),
              std::tuple(19u, 0x00FF00u, 3, false));
    EXPECT_EQ(storeOrganigramme(back), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    RecordingCanvas dc;
    for (std::size_t i = 0; i + 1 < original.elements().size(); ++i) {
        CElement& a = *original.elements()[i];
        CElement& b = *back.elements()[i];
        EXPECT_EQ(describe(b), describe(a)) << i;
        modifTaille(dc, a, 5, 10);
        modifTaille(dc, b, 5, 10);
        modifTailleRect(*drawingOf({{{0, 0}, {30, 70}}}), a);
        modifTailleRect(*drawingOf({{{0, 0}, {30, 70}}}), b);
        EXPECT_EQ(describe(b), describe(a)) << i;
    }
    EXPECT_EQ(openOrganigrammeFile(folder.path() + "absent.org").error,
              "Impossible d'ouvrir le fichier " + folder.path() + "absent.org : il n'existe pas.");
}

// Every byte reads back to itself; what the page lacks, or what is not UTF-8
// (a lone lead byte, an overlong form, an encoded surrogate), becomes "?".
TEST(Windows1252, ConversionsBothWays) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    EXPECT_EQ(fromWindows1252("\x80\x8C\xE9\x9F\x81"), "€Œé\u0178\u0081");
    const std::pair<std::string, std::string> cases[] = {
        {"ÿ€…", "\xFF\x80\x85"},   {"日本", "??"},  {"a😀b", "a?b"},
        {"\u0080", "?"},           {"x\xC3", "x?"}, {"\xC0\xAF", "??"},
        {"\xED\xA0\x80!", "??\?!"}};
    for (const auto& [utf8, bytes] : cases)
        EXPECT_EQ(toWindows1252(utf8), bytes) << utf8;
}
