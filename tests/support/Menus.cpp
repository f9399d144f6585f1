#include "support/Menus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAction* findByText(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions)
        if (action->text() == text)
            return action;
    return nullptr;
}

Qt::Key mnemonic(const QString& text) {
    const qsizetype amp = text.indexOf('&');
    return Qt::Key(QKeySequence(text.mid(amp + 1, 1).toUpper())[0].key());
}

} // namespace

QAction* menuEntry(QMainWindow& window, const QString& menu, const QString& entry) {
    QAction* menuAction = findByText(window.menuBar()->actions(), menu);
    if (menuAction == nullptr || menuAction->menu() == nullptr)
        return nullptr;
    return findByText(menuAction->menu()->actions(), entry);
}

void chooseMenuEntry(QMainWindow& window, const QString& menu, const QString& entry) {
    QAction* action = menuEntry(window, menu, entry);
    ASSERT_NE(action, nullptr) << "no menu entry " << menu.toStdString() << " > "
                               << entry.toStdString();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the window cannot be made active";
    // The bar takes its mnemonics when it lays itself out again.
    QCoreApplication::processEvents();
    QTest::keyClick(&window, mnemonic(menu), Qt::AltModifier);
    QMenu* popup = findByText(window.menuBar()->actions(), menu)->menu();
    ASSERT_TRUE(popup->isVisible()) << "menu " << menu.toStdString() << " did not open";
    QTest::keyClick(popup, mnemonic(entry));
    if (popup->isVisible())
        popup->close();
}
