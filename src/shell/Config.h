#pragma once

#include <QDialog>

struct Configuration;
class QLineEdit;
class QPushButton;

// Changes the data root. The root read back always ends with '/'; OK offers to
// create a root that does not exist, with its folders.
class CConfigurationDlg : public QDialog {
    Q_OBJECT
public:
    CConfigurationDlg(const Configuration& configuration, QWidget* parent);

    const QString& root() const { return m_root; }
    bool rootExists() const { return m_rootExists; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rootEdited(const QString& text);
    void checkRoot();
    bool createRoot();

    QLineEdit* m_rootEdit;
    QPushButton* m_ok;
    QString m_root;
    bool m_rootExists = false;
};

// Chooses the three gesture sets of the flowcharts: components (kind 1),
// commands (kind 2) and character insertion (kind 3). Works on copies of the
// configured file names; the caller takes them after OK when setsChanged().
class CChoixFichiers : public QDialog {
    Q_OBJECT
public:
    CChoixFichiers(const Configuration& configuration, QWidget* parent);

    // Kind 1, 2 or 3.
    const QString& fileName(int kind) const { return m_files[kind - 1]; }
    bool setsChanged() const { return m_setsChanged; }

    // Asks for a set file; when its action type is `kind`, `target` becomes its
    // name (without folder) and the sets are marked changed. Says why otherwise.
    void choixFichier(QString& target, int kind);

private:
    const Configuration& m_configuration;
    QString m_files[3];
    bool m_setsChanged = false;
};
