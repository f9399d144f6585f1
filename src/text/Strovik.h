#pragma once

#include "shell/ChildFrame.h"

#include <QPointer>

#include <memory>

class CDocTemplate;
class CStrovikDoc;
class CStrovikView;
class QAction;
class QMenu;
class QPrinter;

// The window of a text document: its view, its "Editeur" and "Edition" menus,
// and the tool-bar commands that act on the text.
class CStrovik : public CChildFrame {
    Q_OBJECT
public:
    explicit CStrovik(CStrovikDoc& document);

    CStrovikView& view() const { return *m_view; }
    QSize sizeHint() const override { return {640, 440}; }

    void fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) override;
    bool isCommandEnabled(DocCommand command) const override;
    bool isCommandChecked(DocCommand command) const override;
    void runCommand(DocCommand command) override;

    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

private:
    QPrinter& printer() const;
    void createEditeurMenu(const FrameMenus& frameMenus);
    void createEditionMenu();
    void showRecentFiles(const FrameMenus& frameMenus);
    void updateEditActions();
    QAction* addEntry(QMenu* menu, const QString& text, const QString& statusTip,
                      const QKeySequence& shortcut, void (CStrovik::*slot)());
    template <typename Slot>
    QAction* addViewEntry(QMenu* menu, const QString& text, const QString& statusTip,
                          const QKeySequence& shortcut, Slot slot);

    CStrovikView* m_view;
    QMenu* m_editeur = nullptr;
    QMenu* m_edition = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QPointer<QAction>> m_recentShown;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_pasteSpecial = nullptr;
    QAction* m_properties = nullptr;
};

// The "Strovik" document type: text documents in their windows.
std::unique_ptr<CDocTemplate> textTemplate();
