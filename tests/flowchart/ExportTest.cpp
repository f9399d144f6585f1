#include "flowchart/OrgaEditor.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The groups of an SVG that draw something.
int drawingGroups(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    int groups = 0;
    bool inGroup = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const bool group = xml.name() == u"g";
        groups += inGroup && !group;
        inGroup = group;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return groups;
}

// The darkest pixel within two of `p`; white when there is no ink.
QColor inkNear(const QImage& image, QPoint p) {
    QColor darkest(Qt::white);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (const QColor c = image.pixelColor(p + QPoint(dx, dy));
                c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = c;
    return darkest;
}

} // namespace

// A rectangle from (100, 100) to (200, 160), a circle of radius 30 about
// (300, 130) and a text, exported through "E&xporter..." in each format. The
// page starts 20 pixels before the rectangle's outer edge, at 98 - 20 = 78.
TEST_F(OrgaWindow, ExportWritesPngSvgAndPdfCutToTheComponents) {
    add<CRectangle>(kNoir, 2, CRect{100, 100, 200, 160});
    add<CCercle>(kBleu, 2, CRect{290, 120, 310, 140}, 30);
    add<CTexte>(kRouge, "Verdana", 10, CRect{100, 200, 180, 215}, "Début");
    const auto exported = [this](const QString& name) {
        m_answers.then(chooseFile(editor.root() + name));
        chooseMenuEntry(mainFrame(), "&Dessin", "E&xporter...");
        return readFile(editor.root() + name);
    };

    QImage png;
    ASSERT_TRUE(png.loadFromData(exported("plan.png"), "PNG"));
    const QPoint origin(78, 78);
    EXPECT_GE(png.width(), 332 - 78 + 20);
    EXPECT_LT(png.width(), 332 - 78 + 30);
    // Each component in its own colour: black, then blue, then red.
    const std::pair<QPoint, QColor> inked[] = {{{100, 130}, Qt::black},
                                               {{150, 160}, Qt::black},
                                               {{270, 130}, Qt::blue},
                                               {{300, 160}, Qt::blue},
                                               {{110, 207}, Qt::red}};
    for (const auto& [p, colour] : inked) {
        const QColor ink = inkNear(png, p - origin);
        EXPECT_EQ(std::tuple(ink.red() > 128, ink.green() > 128, ink.blue() > 128),
                  std::tuple(colour.red() > 128, colour.green() > 128, colour.blue() > 128))
            << p.x() << ", " << p.y() << ": " << ink.name().toStdString();
    }
    for (const QPoint blank : {QPoint(150, 130), QPoint(300, 130), QPoint(80, 80)})
        EXPECT_EQ(inkNear(png, blank - origin), QColor(Qt::white))
            << blank.x() << ", " << blank.y();

    EXPECT_EQ(drawingGroups(exported("plan.svg")), 3);

    const QByteArray pdf = exported("plan.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
}
