#pragma once

#include <QListWidget>

// A list box whose added rows take their alphabetical place, as the form's
// class and example lists do. Rows changed by the program announce nothing:
// only the user's choice of a row emits currentRowChanged.
class ListeTriee : public QListWidget {
    Q_OBJECT
public:
    explicit ListeTriee(QWidget* parent);

    // Inserts at its alphabetical place; returns the row.
    int ajouter(const QString& text);
    // Inserts at `row`, wherever that falls in the order.
    void inserer(int row, const QString& text);
    void supprimer(int row);
    // Gives `row` another text where it stands, and selects it.
    void remplacer(int row, const QString& text);
    void vider();
    // -1 for no selection.
    void selectionner(int row);
    // The selected row, -1 when none.
    int selection() const;
    QString texte(int row) const;
    // The first row whose text is `text` regardless of letter case; -1 when none.
    int chercherExact(const QString& text) const;
    // The first row whose text is exactly `text`; -1 when none.
    int chercherTexte(const QString& text) const;
};

// prefix + 1, prefix + 2, ...: the first that the list does not hold.
QString NomLibre(const ListeTriee& list, const QString& prefix);
