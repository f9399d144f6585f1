#include "velmora-gst/Commands.h"

#include "recognizer/DrawingText.h"
#include "recognizer/ShapeRecognizer.h"

#include <QCommandLineParser>

#include <cstdio>
#include <iostream>

namespace {

std::string attributes(const CShapeGesture& member) {
    const auto* shape = dynamic_cast<const CShapeFigure*>(&member);
    if (!shape)
        return {};
    std::string text;
    if (shape->isDashed())
        text += " Dashed";
    if (shape->isBold())
        text += " Bold";
    if (shape->isOpen())
        text += " Open";
    return text;
}

} // namespace

int runShapes(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.addOption({"sans-temps", QString()});
    if (!parseToolArguments(parser, "shapes", args))
        return 2;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::cerr << "shapes : indiquez un seul fichier de dessin (ou « - »).\n";
        return 2;
    }
    const std::string file = files.front().toStdString();
    const bool withTime = !parser.isSet("sans-temps");
    std::string text;
    if (!readInput(file, text))
        return 1;
    const DrawingReadResult read = readDrawingText(text, withTime);
    if (!read.drawing) {
        std::cerr << file << " : " << read.error << '\n';
        return 1;
    }
    CShapeRecognizer recognizer;
    printShapeCandidates(recognizer, *read.drawing);
    return 0;
}

void printShapeCandidates(CShapeRecognizer& recognizer, const CDessin& drawing) {
    const CSortedList<CShapeGesture*> results = recognizer.recognize(drawing);
    for (int i = 0; i < results.count(); ++i) {
        const CShapeGesture& member = *results.at(i);
        std::printf("%-9s %-8s %.6f%s\n", std::string(member.name()).c_str(),
                    std::string(member.category()).c_str(), member.degree(),
                    attributes(member).c_str());
    }
}
