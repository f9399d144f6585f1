#pragma once

#include <memory>

class CEnsemble;
class QPrinter;
class QWidget;
struct Configuration;

// What the application lends the documents of every editor when it makes
// them, so that no editor needs the application itself: the configuration,
// the window that their messages belong to, the printer, the trace mode of the
// flowcharts, the gesture set handed over to a new gesture-set document, and
// the news that the gesture sets were written again.
class EditorContext {
public:
    virtual Configuration& configuration() = 0;
    virtual QWidget* dialogParent() const = 0;
    virtual QPrinter& printer() = 0;

    // 0: a gesture drawn in a flowchart creates a component; 1: it is a command.
    virtual int traceMode() const = 0;

    // The set that the last New or Open gesture-set command built; null once taken.
    virtual std::unique_ptr<CEnsemble> takePendingSet() = 0;
    // The gesture-set chooser; true when the user changed the configured sets.
    virtual bool OnChoisirGestes() = 0;
    // The gesture sets of the gesture folder were written again: every open
    // document reads again those it uses.
    virtual void gestureSetsRewritten() = 0;

protected:
    ~EditorContext() = default;
};
