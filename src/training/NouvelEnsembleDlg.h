#pragma once

#include <QDialog>

#include <memory>

class CEnsemble;
class DescriptionEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Describes a new gesture set, its action type and its first gesture. The
// caller reads the fields after OK.
class CNouvelEnsembleDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNouvelEnsembleDlg(QWidget* parent);

    const QString& setName() const { return m_setName; }
    const QString& setDescription() const { return m_setDescription; }
    int actionType() const { return m_actionType; }
    const QString& gestureName() const { return m_gestureName; }
    const QString& gestureDescription() const { return m_gestureDescription; }
    const QString& codeName() const { return m_codeName; }

    void accept() override;

private:
    void namesChanged();
    void typeChanged(const QString& typeName);

    QString m_setName;
    QString m_setDescription;
    int m_actionType = 0;
    QString m_gestureName;
    QString m_gestureDescription;
    QString m_codeName;

    QLineEdit* m_setNameEdit;
    DescriptionEdit* m_setDescriptionEdit;
    QComboBox* m_typeCombo;
    QLineEdit* m_gestureNameEdit;
    DescriptionEdit* m_gestureDescriptionEdit;
    QLabel* m_codeLabel;
    QComboBox* m_codeCombo;
    QPushButton* m_ok;
};

// The New gesture-set command's dialog: the set it describes, named after the
// set, with its first class; none when the user cancelled.
std::unique_ptr<CEnsemble> askNewGestureSet(QWidget* parent);
