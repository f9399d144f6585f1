#pragma once

#include <QDialog>

// Asked before the properties of a set some of whose classes are empty:
// "Supprimer" (accepted) removes them, "Annuler" keeps them.
class CClVidesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClVidesDlg(QWidget* parent);
};
