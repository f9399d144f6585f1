#include "support/Typing.h"

#include "support/QtPrint.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

void typeOver(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        // QTest's character helpers know ASCII only.
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

void chooseByKeys(QComboBox* combo, const QString& name) {
    const int target = combo->findText(name);
    ASSERT_GE(target, 0) << name.toStdString() << " is not in the list";
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), name);
}
