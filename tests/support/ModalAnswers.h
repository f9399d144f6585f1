#pragma once

#include "support/QtPrint.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class QAbstractButton;
class QWidget;

// Answers the modal windows that the code under test opens, in the order they
// open, from inside their own event loops. A modal window that finds no answer
// left fails the test and is closed; answers still queued at destruction fail
// it too.
//
//     ModalAnswers answers;
//     answers.then(clickButton("Oui")).then(chooseFile(path));
//     frame.action(...)->trigger();
//     EXPECT_EQ(answers.seen(), (QStringList{"Le fichier ..."}));
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget& window)>;

    ModalAnswers();
    ~ModalAnswers() override;

    ModalAnswers& then(Answer answer);
    // The answer to every modal window once the queued ones are used up.
    ModalAnswers& otherwise(Answer answer);
    // For each modal window met: a message box's text, else the window's title.
    const QStringList& seen() const { return m_seen; }

private:
    void poll();

    QTimer m_timer;
    std::deque<Answer> m_answers;
    Answer m_otherwise;
    std::vector<QPointer<QWidget>> m_answering;
    QStringList m_seen;
};

// Clicks the button showing `text` (its '&' marks ignored) with the mouse.
ModalAnswers::Answer clickButton(const QString& text);
// Types the path into a file dialog's name field and presses Return.
ModalAnswers::Answer chooseFile(const QString& path);

// For answers that look before they click.
QAbstractButton* findButton(QWidget& window, const QString& text);
void clickWithMouse(QAbstractButton* button);
// Deletes the windows closed since the last turn of the event loop.
void flushDeletes();
