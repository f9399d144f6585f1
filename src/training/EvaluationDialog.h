#pragma once

#include "engine/CrossValidation.h"

#include <QDialog>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class CDessin;
class CEnsemble;
class LearningCurve;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QTreeWidget;

// "Évaluer l'ensemble...": how well the set recognises its own examples.
// Five-fold cross-validation by the trained classifier and by the template
// matcher, the classifier's confusion matrix and failing examples, and a
// learning curve. The work runs on a copy of the set in a thread of its own,
// each result shown as it comes; "Annuler" stops it.
class EvaluationDialog : public QDialog {
    Q_OBJECT
public:
    // What `velmora-gst eval` does by default, so that both give the same figures.
    static constexpr int kFolds = 5;
    static constexpr std::uint32_t kSeed = 1;
    // Draws of each training size on the learning curve.
    static constexpr int kCurveRepetitions = 5;

    EvaluationDialog(const CEnsemble& set, QWidget* parent);
    ~EvaluationDialog() override;

    bool finished() const { return m_finished; }
    const CrossValidationResult& trainedResult() const { return m_trained; }

    void cancel();

signals:
    // A failing example double-clicked: its class and name.
    void exampleChosen(const QString& className, const QString& exampleName);
    // The evaluation ended, complete or cancelled.
    void evaluationFinished();

private:
    void run();
    void showCounts(const CrossValidationResult& result, int column);
    void showConfusion();
    void showFailures();
    void step(const QString& what);
    void finish(bool cancelled);

    std::unique_ptr<CEnsemble> m_set; // the copy the thread works on
    // Names and drawings read before the thread starts: it trains the copy.
    struct Example {
        QString name;
        std::shared_ptr<const CDessin> drawing;
    };
    std::vector<QString> m_classNames;
    std::vector<std::vector<Example>> m_examples;
    std::vector<int> m_curveSizes;
    std::atomic<bool> m_cancel = false;
    std::unique_ptr<QThread> m_thread;
    bool m_finished = false;
    CrossValidationResult m_trained;

    QTableWidget* m_counts;
    QTableWidget* m_confusion;
    QTreeWidget* m_failures;
    LearningCurve* m_curve;
    QProgressBar* m_progress;
    QLabel* m_status;
    QPushButton* m_annuler;
};
