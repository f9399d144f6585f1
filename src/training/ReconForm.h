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
    void setLines(const QString& line1, const QString& line2);
    QString line1() const;
    QString line2() const;

private:
    void OnEffacer();
    void OnProprietes();

    CExempleForm* m_form = nullptr;
    CExempleView* m_view = nullptr;
    QLabel* m_line1;
    QLabel* m_line2;
    QPushButton* m_proprietes;
    QPushButton* m_effacer;
};
