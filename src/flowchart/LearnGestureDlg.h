#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// After a component gesture was rejected: "Apprendre ce geste comme : NAME ?",
// NAME the nearest component, with the list of the components to choose
// another. Yes (accepted) teaches the drawing as the chosen one.
class CLearnGestureDlg : public QDialog {
    Q_OBJECT
public:
    CLearnGestureDlg(int nearestCode, QWidget* parent);

    // The component chosen.
    int code() const;

private:
    QLabel* m_question;
    QComboBox* m_components;
};
