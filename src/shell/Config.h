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
