#pragma once

#include "gesture/GestureCapture.h"

#include <QDialog>
#include <QWidget>

#include <memory>
#include <vector>

class CDessin;
class CEnsemble;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
struct Configuration;

// Where the user draws in the dialog below: each finished gesture is one
// drawing, its ink left in view until the next one starts.
class PersonalDrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit PersonalDrawingArea(QWidget* parent);

    GestureCapture& capture() { return m_capture; }

signals:
    void drawn(std::shared_ptr<CDessin> drawing);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GestureCapture m_capture;
};

// "Adapter les gestes à ma main": the flowchart's components one after the
// other, and its commands too when the user asks for them. For each it shows
// the guide of the set (the first ways it knows of drawing it) and has the user
// draw it their own way 3 to 5 times, or pass it. "Terminer" adds the drawings
// to the configured sets as personal classes and writes them
// (shell/PersonalSetFiles.h); cancelling, at any point, writes nothing.
class PersonalGesturesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFewest = 3;
    static constexpr int kMost = 5;

    // `components` and `commands` are the sets as read; the drawings join them.
    PersonalGesturesDialog(std::unique_ptr<CEnsemble> components,
                           std::unique_ptr<CEnsemble> commands, const Configuration& configuration,
                           QWidget* parent);
    ~PersonalGesturesDialog() override;

    GestureCapture& capture() { return m_area->capture(); }
    // Some set was written.
    bool written() const { return m_written; }

private:
    // One gesture to draw: a component or a command, and the user's drawings of it.
    struct Step {
        int typeAction;
        int code;
        std::vector<std::shared_ptr<CDessin>> drawings;
    };

    void begin();
    void showStep();
    void drawn(std::shared_ptr<CDessin> drawing);
    void startOver();
    void next();
    void pass();
    void finish();
    CEnsemble& setOf(int typeAction) const;

    std::unique_ptr<CEnsemble> m_components;
    std::unique_ptr<CEnsemble> m_commands;
    const Configuration& m_configuration;
    std::vector<Step> m_steps;
    std::size_t m_current = 0;
    bool m_written = false;

    QStackedWidget* m_pages;
    QCheckBox* m_withComponents;
    QCheckBox* m_withCommands;
    QPushButton* m_begin;
    QLabel* m_title;
    QLabel* m_guide;
    QLabel* m_count;
    PersonalDrawingArea* m_area;
    QPushButton* m_next;
};

// Reads the configured components and commands sets, then runs the dialog;
// true when it wrote them. A set that cannot be read is told, and nothing opens.
bool adaptGestures(QWidget* parent, const Configuration& configuration);
