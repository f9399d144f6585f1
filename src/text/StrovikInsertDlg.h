#pragma once

#include <QDialog>

class QPlainTextEdit;

// Asks for the text that an arrow gesture inserts.
class CStrovikInsertDlg : public QDialog {
    Q_OBJECT
public:
    explicit CStrovikInsertDlg(QWidget* parent);

    // What was typed, once confirmed with OK; empty otherwise.
    QString text() const;

private:
    QPlainTextEdit* m_edit;
};
