#pragma once

#include <QDialog>

class QFormLayout;
class QPushButton;

// What the rename dialogs share: the title, the rows, and OK and Annuler with
// OK disabled until a field changes. A change elsewhere never enables OK while
// the name is empty: the set could not be saved with a nameless class.
class RenameDialog : public QDialog {
    Q_OBJECT
protected:
    explicit RenameDialog(QWidget* parent);

    // "Nom :" edit bound to `name`; every dialog has one, added first.
    void addNameRow(QString& name);
    // "Description :" edit bound to `description`.
    void addDescriptionRow(QString& description);
    // Any field changed: OK follows whether the name is empty.
    void fieldChanged();

    QFormLayout* m_rows;
    QPushButton* m_ok;
    const QString* m_name = nullptr;
};

// Each dialog starts with the values its caller gives and leaves the new values
// in its fields for the caller to read after OK.

class CRenommerClasseDlg : public RenameDialog {
    Q_OBJECT
public:
    CRenommerClasseDlg(const QString& name, const QString& description, const QString& codeName,
                       int actionType, QWidget* parent);

    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }
    const QString& codeName() const { return m_codeName; }

private:
    QString m_name;
    QString m_description;
    QString m_codeName;
};

class CRenommerExempleDlg : public RenameDialog {
    Q_OBJECT
public:
    CRenommerExempleDlg(const QString& name, QWidget* parent);

    const QString& name() const { return m_name; }

private:
    QString m_name;
};

class CRenommerEnsembleDlg : public RenameDialog {
    Q_OBJECT
public:
    CRenommerEnsembleDlg(const QString& name, const QString& description, QWidget* parent);

    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }

private:
    QString m_name;
    QString m_description;
};
