#pragma once

#include <QDialog>

class QListWidget;
class QMimeData;

// Chooses in which of the forms the clipboard offers its content is pasted.
class CCollageSpecialDlg : public QDialog {
    Q_OBJECT
public:
    enum class Form { Formatted, Plain, Image };

    // Offers the forms that `source` holds; hasForms() is false when it holds none.
    CCollageSpecialDlg(const QMimeData& source, QWidget* parent);

    bool hasForms() const;
    Form form() const;

private:
    QListWidget* m_forms;
};
