#pragma once

#include <QDialog>
#include <QSize>

class CStrovikCntrItem;
class QCheckBox;
class QSpinBox;

// The properties of an image in the text: its kind, its own size, and the size
// at which the text shows it.
class CProprietesObjetDlg : public QDialog {
    Q_OBJECT
public:
    CProprietesObjetDlg(const CStrovikCntrItem& item, QWidget* parent);

    QSize displaySize() const;

private:
    void follow(QSpinBox* changed, QSpinBox* other, double otherPerChanged);

    QSize m_natural;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QCheckBox* m_keepRatio;
    bool m_following = false;
};
