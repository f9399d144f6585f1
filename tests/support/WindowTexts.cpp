#include "support/WindowTexts.h"

#include "support/GoldenTexts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

namespace {

QString marks(bool enabled, bool checked, bool readOnly = false) {
    return QString(enabled ? "" : " (off)") + (checked ? " (x)" : "") + (readOnly ? " (ro)" : "");
}

// The rows of a combo box or a list, the selected ones of a list in brackets.
QString itemsOf(const QAbstractItemModel& model, const QItemSelectionModel* selection = nullptr) {
    QStringList items;
    for (int i = 0; i < model.rowCount(); ++i) {
        const QModelIndex row = model.index(i, 0);
        const QString text = row.data().toString();
        items << (selection != nullptr && selection->isSelected(row) ? "[" + text + "]" : text);
    }
    return items.join(" | ");
}

// One line for the widgets that show something of their own; none for the rest.
QString describe(const QWidget& w) {
    const QString name = w.objectName().isEmpty() ? QString() : " " + w.objectName();
    const auto* button = qobject_cast<const QAbstractButton*>(&w);
    const auto* edit = qobject_cast<const QLineEdit*>(&w);
    const QString state =
        marks(w.isEnabled(), button && button->isCheckable() && button->isChecked(),
              edit && edit->isReadOnly());
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text().isEmpty() ? QString() : "label" + name + ": " + label->text() + state;
    if (button != nullptr) {
        const auto* push = qobject_cast<const QPushButton*>(button);
        return "button" + name + ": " + (button->text().isEmpty() ? w.toolTip() : button->text()) +
               state + (push != nullptr && push->isDefault() ? " (default)" : "");
    }
    if (edit != nullptr)
        return "edit" + name + ": " + edit->text() + state;
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(&w))
        return "text" + name + ": " + text->toPlainText() + state;
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&w))
        return "spin" + name + ": " + spin->text() + state;
    if (const auto* combo = qobject_cast<const QComboBox*>(&w))
        return "combo" + name + ": " + combo->currentText() + " {" + itemsOf(*combo->model()) +
               "}" + state;
    if (const auto* list = qobject_cast<const QListWidget*>(&w))
        return "list" + name + ": " + itemsOf(*list->model(), list->selectionModel()) + state;
    if (const auto* group = qobject_cast<const QGroupBox*>(&w))
        return "group" + name + ": " + group->title() + state;
    return {};
}

// Parts of the widgets above, and the text of a text view, are theirs alone.
bool inside(const QWidget& w, const QWidget& window) {
    for (const QWidget* p = w.parentWidget(); p != nullptr && p != &window; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QTextEdit*>(p) || qobject_cast<const QPlainTextEdit*>(p))
            return true;
    return w.objectName().startsWith("qt_");
}

void addWidgets(const QWidget& window, QStringList& lines) {
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window) && !w->isWindow() && !inside(*w, window))
            if (const QString line = describe(*w); !line.isEmpty())
                lines << line;
}

void addMenu(const QMenu& menu, QStringList& lines) {
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator() && a->isVisible())
            lines << "  --";
        else if (a->isVisible())
            lines << "  " + a->text() +
                         (a->shortcut().isEmpty() ? "" : " [" + a->shortcut().toString() + "]") +
                         (a->statusTip().isEmpty() ? "" : " « " + a->statusTip() + " »") +
                         marks(a->isEnabled(), a->isCheckable() && a->isChecked());
    }
}

} // namespace

QStringList windowTexts(const QWidget& window) {
    QStringList lines{"title: " + window.windowTitle()};
    addWidgets(window, lines);
    return lines;
}

QStringList frameTexts(const QMainWindow& frame) {
    QStringList lines{"title: " + frame.windowTitle()};
    for (const QAction* menu : frame.menuBar()->actions()) {
        lines << "menu " + menu->text();
        addMenu(*menu->menu(), lines);
    }
    for (const QToolBar* bar : frame.findChildren<QToolBar*>()) {
        QStringList tools;
        for (QAction* a : bar->actions()) {
            const QWidget* tool = bar->widgetForAction(a);
            tools << (a->isSeparator() ? "|"
                      : a->toolTip().isEmpty() && tool != nullptr
                          ? tool->toolTip() + marks(tool->isEnabled(), false)
                          : a->toolTip() + marks(a->isEnabled(), a->isChecked()));
        }
        if (bar->isVisible())
            lines << "toolbar " + bar->windowTitle() + ": " + tools.join(", ");
    }
    QStringList status{frame.statusBar()->currentMessage()};
    for (const QLabel* pane : frame.statusBar()->findChildren<QLabel*>())
        status << pane->text();
    lines << "status: " + status.join(" | ");
    if (const auto* area = qobject_cast<const QMdiArea*>(frame.centralWidget()))
        if (const QMdiSubWindow* active = area->activeSubWindow())
            addWidgets(*active->widget(), lines);
    return lines;
}

void expectTexts(const QString& file, const QString& section, QStringList lines,
                 const QString& root) {
    if (!root.isEmpty())
        lines.replaceInStrings(root, "<racine>/");
    lines.replaceInStrings("\n", "\\n");
    std::vector<std::string> shown;
    for (const QString& line : lines)
        shown.push_back(line.toStdString());
    expectGolden(file.toStdString(), section.toStdString(), shown);
}
