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

// Some pixel within two of `p` is not white.
bool inkNear(const QImage& image, QPoint p) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.pixelColor(p + QPoint(dx, dy)) != QColor(Qt::white))
                return true;
    return false;
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
    for (const QPoint inked :
         {QPoint(100, 130), QPoint(150, 160), QPoint(270, 130), QPoint(300, 160), QPoint(110, 207)})
        EXPECT_TRUE(inkNear(png, inked - origin)) << inked.x() << ", " << inked.y();
    for (const QPoint blank : {QPoint(150, 130), QPoint(300, 130), QPoint(80, 80)})
        EXPECT_FALSE(inkNear(png, blank - origin)) << blank.x() << ", " << blank.y();

    EXPECT_EQ(drawingGroups(exported("plan.svg")), 3);

    const QByteArray pdf = exported("plan.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
    EXPECT_EQ(m_answers.seen().size(), 3);
}
