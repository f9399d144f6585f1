#include "shell/Messages.h"

#include <QMessageBox>

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, appTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}
