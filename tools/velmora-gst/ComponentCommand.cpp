#include "velmora-gst/Commands.h"
#include "velmora-gst/FlowchartSets.h"

#include "engine/Ensemble.h"
#include "recognizer/DrawingText.h"

#include <QCommandLineParser>

#include <iostream>

int runComponent(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    const QCommandLineOption sets("sets", "", "DOSSIER");
    const QCommandLineOption command("command");
    const QCommandLineOption literal("literal");
    const QCommandLineOption noTime("sans-temps");
    parser.addOptions({sets, command, literal, noTime});
    if (!parseToolArguments(parser, "component", args))
        return 2;
    if (parser.positionalArguments().size() != 1) {
        std::cerr << "component : indiquez un seul fichier de dessin (ou « - »).\n";
        return 2;
    }
    const std::string file = parser.positionalArguments().front().toStdString();
    const GestureTarget target =
        parser.isSet(command) ? GestureTarget::Command : GestureTarget::Component;
    const auto set = flowchartSet(target, parser.value(sets).toStdString(), {});
    if (!set)
        return 1;
    std::string text;
    if (!readInput(file, text))
        return 1;
    DrawingReadResult read = readDrawingText(text, !parser.isSet(noTime));
    if (!read.drawing) {
        std::cerr << file << " : " << read.error << '\n';
        return 1;
    }
    const GestureDecision decision =
        decideGesture(std::move(read.drawing), *set, target, !parser.isSet(literal));
    std::cout << decisionText(decision, target) << '\n';
    if (decision.possible && !decision.rejected())
        std::cout << "Classe : " << decision.className << '\n';
    return 0;
}
