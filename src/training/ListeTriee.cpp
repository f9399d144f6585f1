#include "training/ListeTriee.h"

#include <QCollator>
#include <QSignalBlocker>

#include <memory>

ListeTriee::ListeTriee(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ListeTriee::ajouter(const QString& text) {
    const QCollator french{QLocale(QLocale::French)};
    int row = 0;
    while (row < count() && french.compare(item(row)->text(), text) <= 0)
        ++row;
    inserer(row, text);
    return row;
}

void ListeTriee::inserer(int row, const QString& text) {
    const QSignalBlocker quiet(this);
    insertItem(row, text);
}

void ListeTriee::supprimer(int row) {
    const QSignalBlocker quiet(this);
    std::unique_ptr<QListWidgetItem> removed(takeItem(row));
}

void ListeTriee::remplacer(int row, const QString& text) {
    supprimer(row);
    inserer(row, text);
    selectionner(row);
}

void ListeTriee::vider() {
    const QSignalBlocker quiet(this);
    clear();
}

void ListeTriee::selectionner(int row) {
    const QSignalBlocker quiet(this);
    if (row < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(row);
    }
}

int ListeTriee::selection() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.constFirst());
}

QString ListeTriee::texte(int row) const {
    const QListWidgetItem* found = item(row);
    return found != nullptr ? found->text() : QString();
}

int ListeTriee::chercherExact(const QString& text) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int ListeTriee::chercherTexte(const QString& text) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text() == text)
            return row;
    return -1;
}

QString NomLibre(const ListeTriee& list, const QString& prefix) {
    for (int n = 1;; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (list.chercherExact(candidate) < 0)
            return candidate;
    }
}
