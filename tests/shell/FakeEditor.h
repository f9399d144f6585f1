#pragma once

#include "shell/ChildFrame.h"
#include "shell/DocTemplate.h"
#include "shell/Document.h"

#include <QPlainTextEdit>
#include <QStringList>

#include <memory>
#include <set>

// A small editor of plain text files registered under any document string,
// standing for the editors in the tests of the document/view layer.
class FakeDocument : public CDocument {
public:
    using CDocument::CDocument;

    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;

    QString text;
    QStringList savedTo;
};

class FakeView : public QPlainTextEdit, public CView {
public:
    FakeView(CDocument& document, QWidget* parent) : QPlainTextEdit(parent), CView(document) {}
    void onUpdate(CView* sender, int hint) override;

    int updates = 0;
    int lastHint = -1;
};

class FakeFrame : public CChildFrame {
public:
    explicit FakeFrame(CDocument& document);

    bool isCommandEnabled(DocCommand command) const override { return enabled.count(command); }
    bool isCommandChecked(DocCommand command) const override { return checked.count(command); }
    void runCommand(DocCommand command) override { ran.push_back(command); }

    FakeView* view;
    std::set<DocCommand> enabled;
    std::set<DocCommand> checked;
    std::vector<DocCommand> ran;
};

std::unique_ptr<CDocTemplate> fakeTemplate(const QString& docString);

inline const QString kTextDocString =
    "\nsans_nom_\nStrovik\nText Files (*.svk)\n.svk\nStrovik.Document\nStrovik Document";
inline const QString kGestureDocString =
    "\nensemble_\nGesture\nGesture Files (*.gst)\n.gst\nGesture.Document\nGesture Document";
inline const QString kFlowchartDocString =
    "\nsans_nom_\nOrga\nOrga Files (*.org)\n.org\nOrganigramme Document\nOrga Document";
