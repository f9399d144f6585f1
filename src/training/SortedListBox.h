#pragma once

#include <QListWidget>

// A list box whose added rows take their alphabetical place, as the form's
// class and example lists do. Rows changed by the program announce nothing:
// only the user's choice of a row emits currentRowChanged. A click on the blank
// part below the rows keeps the selection: the form would otherwise drop the
// user's unsaved drawing or show another class's examples.
class SortedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit SortedListBox(QWidget* parent);

    // Inserts at its alphabetical place; returns the row.
    int addSorted(const QString& text);
    // Inserts at `row`, wherever that falls in the order.
    void insertAt(int row, const QString& text);
    void removeAt(int row);
    // Gives `row` another text where it stands, and selects it.
    void replaceAt(int row, const QString& text);
    void removeAll();
    // -1 for no selection.
    void select(int row);
    // The selected row, -1 when none.
    int selection() const;
    QString textAt(int row) const;
    // The first row whose text is `text` regardless of letter case; -1 when none.
    int findExact(const QString& text) const;
    // The first row whose text is exactly `text`; -1 when none.
    int findSameCase(const QString& text) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_blankPress = false;
};

// prefix + 1, prefix + 2, ...: the first that the list does not hold.
QString NomLibre(const SortedListBox& list, const QString& prefix);
