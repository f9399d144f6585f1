#include "training/SortedListBox.h"

#include <QCollator>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <memory>
#include <utility>

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int SortedListBox::addSorted(const QString& text) {
    const QCollator french{QLocale(QLocale::French)};
    int row = 0;
    while (row < count() && french.compare(item(row)->text(), text) <= 0)
        ++row;
    insertAt(row, text);
    return row;
}

void SortedListBox::insertAt(int row, const QString& text) {
    const QSignalBlocker quiet(this);
    insertItem(row, text);
}

void SortedListBox::removeAt(int row) {
    const QSignalBlocker quiet(this);
    std::unique_ptr<QListWidgetItem> removed(takeItem(row));
}

void SortedListBox::replaceAt(int row, const QString& text) {
    removeAt(row);
    insertAt(row, text);
    select(row);
}

void SortedListBox::removeAll() {
    const QSignalBlocker quiet(this);
    clear();
}

void SortedListBox::select(int row) {
    const QSignalBlocker quiet(this);
    if (row < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(row);
    }
}

void SortedListBox::mousePressEvent(QMouseEvent* event) {
    m_blankPress = !indexAt(event->position().toPoint()).isValid();
    if (!m_blankPress)
        QListWidget::mousePressEvent(event);
}

void SortedListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!std::exchange(m_blankPress, false))
        QListWidget::mouseReleaseEvent(event);
}

int SortedListBox::selection() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.constFirst());
}

QString SortedListBox::textAt(int row) const {
    const QListWidgetItem* found = item(row);
    return found != nullptr ? found->text() : QString();
}

int SortedListBox::findExact(const QString& text) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int SortedListBox::findSameCase(const QString& text) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text() == text)
            return row;
    return -1;
}

QString NomLibre(const SortedListBox& list, const QString& prefix) {
    for (int n = 1;; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (list.findExact(candidate) < 0)
            return candidate;
    }
}
