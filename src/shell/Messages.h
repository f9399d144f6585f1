#pragma once

#include <QString>

class QWidget;

// Caption of the application's message boxes.
inline QString appTitle() {
    return QStringLiteral("Strovik");
}

// A modal warning with an OK button, the way every error reaches the user.
void showMessage(QWidget* parent, const QString& text);
