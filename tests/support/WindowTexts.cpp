#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

QString flags(const QWidget& widget) {
    QString marks;
    if (!widget.isEnabled())
        marks += " (off)";
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget);
        button != nullptr && button->isCheckable() && button->isChecked())
        marks += " (x)";
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget); edit && edit->isReadOnly())
        marks += " (ro)";
    return marks;
}

QString itemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items.join(" | ");
}

QString itemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << (list.item(i)->isSelected() ? "[" + list.item(i)->text() + "]"
                                             : list.item(i)->text());
    return items.join(" | ");
}

// One line for the widgets that show something of their own; none for the rest.
QString describe(const QWidget& w) {
    const QString name = w.objectName().isEmpty() ? QString() : " " + w.objectName();
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text().isEmpty() ? QString() : "label" + name + ": " + label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return "button" + name + ": " +
               (button->text().isEmpty() ? button->toolTip() : button->text());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return "edit" + name + ": " + edit->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&w))
        return "text" + name + ": " + edit->toPlainText();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(&w))
        return "spin" + name + ": " + spin->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&w))
        return "combo" + name + ": " + combo->currentText() + " {" + itemsOf(*combo) + "}";
    if (const auto* list = qobject_cast<const QListWidget*>(&w))
        return "list" + name + ": " + itemsOf(*list);
    if (const auto* group = qobject_cast<const QGroupBox*>(&w))
        return "group" + name + ": " + group->title();
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
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || inside(*w, window))
            continue;
        if (const QString line = describe(*w); !line.isEmpty())
            lines << line + flags(*w);
    }
}

QString actionLine(const QAction& action) {
    QString line = action.text();
    if (!action.shortcut().isEmpty())
        line += " [" + action.shortcut().toString() + "]";
    if (!action.statusTip().isEmpty())
        line += " « " + action.statusTip() + " »";
    if (!action.isEnabled())
        line += " (off)";
    if (action.isCheckable() && action.isChecked())
        line += " (x)";
    return line;
}

void addMenu(const QMenu& menu, const QString& indent, QStringList& lines) {
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            lines << indent + "--";
        else
            lines << indent + actionLine(*action);
        if (action->menu() != nullptr)
            addMenu(*action->menu(), indent + "  ", lines);
    }
}

QStringList withRoot(QStringList lines, const QString& root) {
    if (!root.isEmpty())
        lines.replaceInStrings(root, "<racine>/");
    return lines;
}

QString goldenPath(const QString& folder, const QString& file) {
    return folder + file + ".txt";
}

// The sections of a golden file in their order, each with its lines.
QList<std::pair<QString, QStringList>> readSections(const QString& path) {
    QList<std::pair<QString, QStringList>> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith('[') && line.endsWith(']'))
            sections.append({line.mid(1, line.size() - 2), {}});
        else if (!line.isEmpty() && !sections.isEmpty())
            sections.last().second << line;
    }
    return sections;
}

void writeSections(const QString& path, const QList<std::pair<QString, QStringList>>& sections) {
    QStringList text;
    for (const auto& [name, lines] : sections)
        text << "[" + name + "]" << lines << "";
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.join('\n').toUtf8());
}

} // namespace

QStringList windowTexts(const QWidget& window, const QString& root) {
    QStringList lines{"title: " + window.windowTitle()};
    addWidgets(window, lines);
    return withRoot(lines, root);
}

QStringList frameTexts(const QMainWindow& frame, const QString& root) {
    QStringList lines{"title: " + frame.windowTitle()};
    for (const QAction* menu : frame.menuBar()->actions()) {
        lines << "menu " + menu->text();
        addMenu(*menu->menu(), "  ", lines);
    }
    for (const QToolBar* bar : frame.findChildren<QToolBar*>()) {
        if (!bar->isVisible())
            continue;
        QStringList tools;
        for (QAction* action : bar->actions()) {
            const QWidget* tool = bar->widgetForAction(action);
            if (action->isSeparator())
                tools << "|";
            else if (action->toolTip().isEmpty() && tool != nullptr)
                tools << tool->toolTip() + flags(*tool);
            else
                tools << action->toolTip() + (action->isEnabled() ? "" : " (off)") +
                             (action->isChecked() ? " (x)" : "");
        }
        lines << "toolbar " + bar->windowTitle() + ": " + tools.join(", ");
    }
    lines << "status: " + frame.statusBar()->currentMessage();
    if (const auto* area = qobject_cast<const QMdiArea*>(frame.centralWidget()))
        if (const QMdiSubWindow* active = area->activeSubWindow())
            addWidgets(*active->widget(), lines);
    return withRoot(lines, root);
}

void expectTexts(const QString& file, const QString& section, QStringList lines) {
    lines.replaceInStrings("\n", "\\n");
    const QString golden = goldenPath(VELMORA_TEXTS_DIR, file);
    QList<std::pair<QString, QStringList>> sections = readSections(golden);
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const auto& s) { return s.first == section; });
    if (found != sections.end() && found->second == lines)
        return;
    const QString actual = goldenPath(VELMORA_TEXTS_OUT, file);
    QList<std::pair<QString, QStringList>> written =
        QFile::exists(actual) ? readSections(actual) : sections;
    const auto same = std::find_if(written.begin(), written.end(),
                                   [&](const auto& s) { return s.first == section; });
    if (same != written.end())
        same->second = lines;
    else
        written.append({section, lines});
    writeSections(actual, written);
    ADD_FAILURE() << file.toStdString() << " [" << section.toStdString() << "] differs from "
                  << golden.toStdString() << "; what the window shows now is in "
                  << actual.toStdString() << ":\n  " << lines.join("\n  ").toStdString();
}
