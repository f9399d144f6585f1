#pragma once

#include "shell/ChildFrame.h"
#include "shell/FrameMenus.h"
#include "shell/KeyLocks.h"

#include <QMainWindow>

#include <map>

class CApplication;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

// The main window: the MDI area, the menus, the three tool bars and the status
// bar. Application commands go to CApplication; tool-bar commands that belong
// to a document go to the active document window. What the document windows
// have to say reaches the status bar through their signals.
class CMainFrame : public QMainWindow, public FrameMenus {
    Q_OBJECT
public:
    enum class Indicator { Caps, Num, Scroll };

    explicit CMainFrame(CApplication& application);
    ~CMainFrame() override;

    QMenu* menu(Menu menu) const override { return m_menus.at(menu); }
    QAction* action(Action action) const override { return m_actions.at(action); }
    const QList<QAction*>& recentFileActions() const override { return m_recentActions; }
    QAction* commandAction(DocCommand command) const { return m_commands.at(command); }

    QMdiArea* mdiArea() const { return m_mdiArea; }
    CChildFrame* activeChildFrame() const;

    QToolBar* standardBar() const { return m_standardBar; }
    QToolBar* formatBar() const { return m_formatBar; }
    QToolBar* traceBar() const { return m_traceBar; }

    // The message line, shown at once.
    void showStatus(const QString& text);
    // Panes 1 and 2 of the status bar, beside the message line.
    void setPaneText(int pane, const QString& text);
    QString paneText(int pane) const;
    QString indicatorText(Indicator indicator) const;

    // Reads again the enabled and checked state of the document commands.
    void updateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    template <typename Slot>
    QAction* addAction(Action id, const QString& text, const QString& statusTip, bool enabled,
                       Slot slot);
    QAction* addCommand(DocCommand command, const QString& icon, const QString& tip,
                        const QString& statusTip);

    void windowOpened(CChildFrame* window);
    void subWindowActivated(QMdiSubWindow* window);
    void updateTitle();
    void fillRecentFiles();
    void fillWindowMenu();
    void showLockKeys();

    CApplication& m_application;
    QMdiArea* m_mdiArea;
    std::map<Menu, QMenu*> m_menus;
    std::map<Action, QAction*> m_actions;
    std::map<DocCommand, QAction*> m_commands;
    QList<QAction*> m_recentActions;
    QAction* m_recentSeparator = nullptr;
    QActionGroup* m_traceGroup = nullptr;
    QToolBar* m_standardBar = nullptr;
    QToolBar* m_formatBar = nullptr;
    QToolBar* m_traceBar = nullptr;
    QLabel* m_panes[2] = {};
    std::map<Indicator, QLabel*> m_indicators;
    LockKeys m_locks;
    QMetaObject::Connection m_childConnection;
    QMetaObject::Connection m_titleConnection;
};
