#pragma once

#include <QWidget>

class CAReconnaitre;
class CExempleForm;
class CExempleView;
class QLabel;
class QPushButton;

// The result pane above the drawing area: two lines for the verdict of the
// trained set, Propriétés of the current example, and Effacer. Below the
// verdict, in one line of smaller type (whole in its tooltip), why: which test
// accepted or rejected the gesture and by how much, then the three best classes
// with their probability and squared distance.
class CReconForm : public QWidget {
    Q_OBJECT
public:
    explicit CReconForm(QWidget* parent);

    void setPanes(CExempleForm* form, CExempleView* view);
    void OnInitialUpdate();

    void ActiverBoutons(bool enable);
    // Also clears the explanation.
    void setLines(const QString& line1, const QString& line2);
    void explain(const CAReconnaitre& recognition);
    QString explanation() const;
    QString line1() const;
    QString line2() const;

private:
    void OnEffacer();
    void OnProprietes();

    CExempleForm* m_form = nullptr;
    CExempleView* m_view = nullptr;
    QLabel* m_line1;
    QLabel* m_line2;
    QLabel* m_explanation;
    QPushButton* m_proprietes;
    QPushButton* m_effacer;
};
