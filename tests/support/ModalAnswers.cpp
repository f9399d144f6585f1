#include "support/ModalAnswers.h"

#include "support/Typing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A window without what the answer looks for fails the test and is closed.
void refuse(QWidget& window, const std::string& what) {
    ADD_FAILURE() << what << " in " << window.windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}

} // namespace

ModalAnswers::ModalAnswers() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
    m_timer.start();
}

ModalAnswers::~ModalAnswers() {
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " modal window(s) expected but never opened";
}

ModalAnswers& ModalAnswers::then(Answer answer) {
    m_answers.push_back(std::move(answer));
    return *this;
}

ModalAnswers& ModalAnswers::otherwise(Answer answer) {
    m_otherwise = std::move(answer);
    return *this;
}

void ModalAnswers::poll() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible())
        return;
    if (std::find(m_answering.begin(), m_answering.end(), window) != m_answering.end())
        return;
    const auto* box = qobject_cast<QMessageBox*>(window);
    m_seen.append(box != nullptr ? box->text() : window->windowTitle());
    if (m_answers.empty() && !m_otherwise)
        return refuse(*window, "unexpected modal window: " + m_seen.last().toStdString());
    m_answering.emplace_back(window);
    // A timer does not fire again while its own slot runs: answering from a
    // queued call lets the polls go on inside the event loops the answer opens.
    Answer answer = m_otherwise;
    if (!m_answers.empty()) {
        answer = std::move(m_answers.front());
        m_answers.pop_front();
    }
    QMetaObject::invokeMethod(
        this,
        [this, answer = std::move(answer), target = QPointer<QWidget>(window)] {
            if (target)
                answer(*target);
            std::erase_if(m_answering,
                          [&](const QPointer<QWidget>& w) { return !w || w == target; });
        },
        Qt::QueuedConnection);
}

QAbstractButton* findButton(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&window) && button->text().remove('&') == text)
            return button;
    }
    return nullptr;
}

void clickWithMouse(QAbstractButton* button) {
    ASSERT_NE(button, nullptr) << "no such button";
    QTest::mouseClick(button, Qt::LeftButton);
}

ModalAnswers::Answer clickButton(const QString& text) {
    return [text](QWidget& window) {
        if (QAbstractButton* button = findButton(window, text))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            refuse(window, "no button " + text.toStdString());
    };
}

ModalAnswers::Answer chooseFile(const QString& path) {
    return [path](QWidget& window) {
        auto* name = qobject_cast<QFileDialog*>(&window) != nullptr
                         ? window.findChild<QLineEdit*>("fileNameEdit")
                         : nullptr;
        if (name == nullptr)
            return refuse(window, "no file name field");
        typeOver(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
