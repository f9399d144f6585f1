#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <vector>

class CDessin;
class CEnsemble;
class QLabel;
class QListWidget;

// A drawing painted again as it was drawn: each point appears when its time
// comes, counted from the first one.
class ReplayView : public QWidget {
    Q_OBJECT
public:
    explicit ReplayView(QWidget* parent);

    void replay(std::shared_ptr<const CDessin> drawing);
    bool replaying() const { return m_timer.isActive(); }
    // Seconds of the drawing shown so far.
    double shownUntil() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const CDessin> m_drawing;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_duration = 0.0;
};

// "Galerie des exemples": every example of one class as a thumbnail with its
// start marked; those the class would reject as too far from it, were it
// trained without them, framed in red. A double-click replays one.
class ExampleGallery : public QDialog {
    Q_OBJECT
public:
    ExampleGallery(const CEnsemble& set, int classe, QWidget* parent);

    // The names of the examples marked as far from their class.
    QStringList outliers() const;

private:
    QListWidget* m_thumbnails;
    ReplayView* m_replay;
    QLabel* m_legend;
    std::vector<std::shared_ptr<const CDessin>> m_drawings;
};
