#pragma once

#include <QWidget>

class CExempleForm;
class CExempleView;
class QLabel;
class QPushButton;

// The result pane above the drawing area: two lines for the verdict of the
// trained set, Propriétés of the current example, and Effacer.
class CReconForm : public QWidget {
    Q_OBJECT
public:
    explicit CReconForm(QWidget* parent);

    void setPanes(CExempleForm* form, CExempleView* view);
    void OnInitialUpdate();

    void ActiverBoutons(bool enable);
    void setLignes(const QString& ligne1, const QString& ligne2);
    QString ligne1() const;
    QString ligne2() const;

private:
    void OnEffacer();
    void OnProprietes();

    CExempleForm* m_form = nullptr;
    CExempleView* m_view = nullptr;
    QLabel* m_ligne1;
    QLabel* m_ligne2;
    QPushButton* m_proprietes;
    QPushButton* m_effacer;
};
