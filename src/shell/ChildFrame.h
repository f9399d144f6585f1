#pragma once

#include <QWidget>

class CDocument;
class FrameMenus;
class QMenuBar;

// Tool-bar commands that the main frame hands to the active document window.
enum class DocCommand {
    Save,
    Cut,
    Copy,
    Paste,
    Print,
    Bold,
    Italic,
    Underline,
    Bullets,
    AlignLeft,
    Center,
    AlignRight,
    ArrowPointer,
    TextPointer,
    FormatSpare,
};

// The window of one document inside the main frame. An editor derives from it,
// lays out its views, and overrides what its window does differently. Its
// views talk to the main frame through its signals, which the frame connects.
class CChildFrame : public QWidget {
    Q_OBJECT
public:
    explicit CChildFrame(CDocument& document, QWidget* parent = nullptr);

    CDocument& document() const { return m_document; }

    // The menus shown while this window is active; by default the application's
    // menus with "Fe&nêtre" before "&?".
    virtual void fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar);

    virtual bool isCommandEnabled(DocCommand) const { return false; }
    virtual bool isCommandChecked(DocCommand) const { return false; }
    // Called only for commands this window reports enabled.
    virtual void runCommand(DocCommand) {}

signals:
    // The enabled or checked state of a command changed.
    void commandStateChanged();
    // For the message line of the status bar, and for its panes 1 and 2.
    void statusMessage(const QString& text);
    void paneText(int pane, const QString& text);

protected:
    // Asked before the window closes: by default a modified document is offered
    // for saving.
    virtual bool canClose();
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument& m_document;
};
