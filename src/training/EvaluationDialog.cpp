#include "training/EvaluationDialog.h"

#include "engine/Ensemble.h"
#include "engine/PersonSpeedEvaluation.h"
#include "shell/Strings.h"
#include "training/DrawingThumbnail.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

QString percent(double share) {
    return QLocale(QLocale::French).toString(100.0 * share, 'f', 1) + " %";
}

const QColor kTrainedColour(30, 90, 200);
const QColor kTemplatesColour(220, 120, 0);

} // namespace

// Accuracy against examples per class, one line per recogniser.
class LearningCurve : public QWidget {
public:
    explicit LearningCurve(QWidget* parent) : QWidget(parent) { setMinimumSize(320, 190); }

    void setSizes(std::vector<int> sizes) { m_sizes = std::move(sizes); }
    void add(double trained, double templates) {
        m_points.push_back({trained, templates});
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF plot = QRectF(rect()).adjusted(44, 40, -12, -30);
        painter.setPen(Qt::gray);
        for (int percent = 0; percent <= 100; percent += 25) {
            const double y = plot.bottom() - plot.height() * percent / 100.0;
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.drawText(QRectF(0, y - 8, plot.left() - 4, 16), Qt::AlignRight,
                             QString("%1 %").arg(percent));
        }
        const int columns = std::max<int>(2, static_cast<int>(m_sizes.size()));
        const auto x = [&](std::size_t i) {
            return plot.left() + plot.width() * static_cast<double>(i) / (columns - 1);
        };
        painter.setPen(Qt::black);
        for (std::size_t i = 0; i < m_sizes.size(); ++i)
            painter.drawText(QRectF(x(i) - 20, plot.bottom() + 4, 40, 14), Qt::AlignCenter,
                             QString::number(m_sizes[i]));
        painter.drawText(QRectF(0, height() - 14, width(), 14), Qt::AlignCenter,
                         "exemples par classe");
        const auto line = [&](double Point::*value, const QColor& colour, const QString& name,
                              int row) {
            QPolygonF path;
            for (std::size_t i = 0; i < m_points.size(); ++i)
                path << QPointF(x(i), plot.bottom() - plot.height() * (m_points[i].*value));
            painter.setPen(QPen(colour, 2));
            painter.drawPolyline(path);
            painter.setBrush(colour);
            for (const QPointF& p : path)
                painter.drawEllipse(p, 2.5, 2.5);
            painter.drawLine(QPointF(plot.left() + 8, 9 + 14 * row),
                             QPointF(plot.left() + 24, 9 + 14 * row));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(plot.left() + 28, 13 + 14 * row), name);
        };
        line(&Point::trained, kTrainedColour, "classifieur entraîné", 0);
        line(&Point::templates, kTemplatesColour, "comparaison à des modèles", 1);
    }

private:
    struct Point {
        double trained;
        double templates;
    };
    std::vector<int> m_sizes;
    std::vector<Point> m_points;
};

EvaluationDialog::EvaluationDialog(const CEnsemble& set, QWidget* parent)
    : QDialog(parent), m_set(independentCopy(set)), m_curveSizes(learningCurveSizes(set)),
      m_counts(new QTableWidget(5, 2, this)), m_confusion(new QTableWidget(this)),
      m_failures(new QTreeWidget(this)), m_curve(new LearningCurve(this)),
      m_progress(new QProgressBar(this)), m_status(new QLabel(this)),
      m_annuler(new QPushButton("Annuler", this)) {
    setWindowTitle("Évaluation de l'ensemble " + toQString(set.nom()));
    for (int c = 0; c < m_set->nbClasses(); ++c) {
        const CClasse& classe = m_set->classe(c);
        m_classNames.push_back(toQString(classe.nom()));
        auto& examples = m_examples.emplace_back();
        for (int e = 0; e < classe.nbExemples(); ++e)
            examples.push_back({toQString(classe.exemple(e).nom()), classe.exemple(e).dessin()});
    }

    m_counts->setObjectName("resultats");
    m_counts->setHorizontalHeaderLabels({"Classifieur\nentraîné", "Comparaison\nà des modèles"});
    m_counts->setVerticalHeaderLabels({"Reconnus correctement", "Rejetés par la probabilité",
                                       "Rejetés par la distance", "Acceptés à tort",
                                       "Reconnaissance impossible"});
    m_counts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_counts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_counts->setFixedHeight(m_counts->horizontalHeader()->sizeHint().height() +
                             5 * m_counts->verticalHeader()->defaultSectionSize() + 4);
    m_confusion->setObjectName("confusion");
    m_confusion->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_confusion->setToolTip("Lignes : classe de l'exemple ; colonnes : classe reconnue. Les "
                            "confusions les plus fréquentes sont en rouge.");
    m_failures->setObjectName("echecs");
    m_failures->setHeaderHidden(true);
    m_failures->setIconSize(QSize(48, 48));
    m_failures->setToolTip("Double-cliquez sur un exemple pour le choisir dans l'ensemble.");
    m_curve->setObjectName("courbe");
    m_curve->setSizes(m_curveSizes);
    m_progress->setObjectName("progression");
    m_progress->setRange(0, 2 * kFolds + static_cast<int>(m_curveSizes.size()));
    m_progress->setValue(0);
    m_status->setObjectName("etat");
    m_annuler->setObjectName("annuler");

    auto* left = new QVBoxLayout;
    auto* countsBox = new QGroupBox(QString("Validation croisée (%1 plis)").arg(kFolds), this);
    (new QVBoxLayout(countsBox))->addWidget(m_counts);
    auto* confusionBox = new QGroupBox("Matrice de confusion du classifieur entraîné", this);
    (new QVBoxLayout(confusionBox))->addWidget(m_confusion);
    left->addWidget(countsBox);
    left->addWidget(confusionBox, 1);
    auto* right = new QVBoxLayout;
    auto* failuresBox = new QGroupBox("Exemples mal reconnus", this);
    (new QVBoxLayout(failuresBox))->addWidget(m_failures);
    auto* curveBox = new QGroupBox("Courbe d'apprentissage", this);
    (new QVBoxLayout(curveBox))->addWidget(m_curve);
    right->addWidget(failuresBox, 1);
    right->addWidget(curveBox);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_annuler, QDialogButtonBox::ActionRole);
    QPushButton* fermer = buttons->addButton("Fermer", QDialogButtonBox::RejectRole);
    fermer->setObjectName("fermer");
    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addWidget(m_progress, 1, 0);
    layout->addWidget(m_status, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    resize(940, 640);

    connect(m_annuler, &QPushButton::clicked, this, &EvaluationDialog::cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_failures, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->parent() != nullptr)
            emit exampleChosen(item->parent()->data(0, Qt::UserRole).toString(),
                               item->data(0, Qt::UserRole).toString());
    });

    m_status->setText("Validation croisée...");
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->start();
}

EvaluationDialog::~EvaluationDialog() {
    m_cancel = true;
    m_thread->wait();
}

void EvaluationDialog::cancel() {
    m_cancel = true;
    m_annuler->setEnabled(false);
}

// On the thread: nothing here touches a widget; results reach the dialog as
// queued calls.
void EvaluationDialog::run() {
    const auto post = [this](auto call) {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    };
    m_set->apprendre();
    const auto byFold = [this, &post](int column) {
        return [this, &post, column](const CrossValidationResult& result) {
            post([this, column, result] {
                if (column == 0) {
                    m_trained = result;
                    showConfusion();
                    showFailures();
                }
                showCounts(result, column);
                step(result.complete() && column == 1 ? "Courbe d'apprentissage..."
                                                      : "Validation croisée...");
            });
            return !m_cancel;
        };
    };
    crossValidate(*m_set, kFolds, kSeed, Recognizer::Trained, byFold(0));
    if (!m_cancel)
        crossValidate(*m_set, kFolds, kSeed, Recognizer::Templates, byFold(1));
    for (const int n : m_curveSizes) {
        if (m_cancel)
            break;
        const RecognitionCounts trained =
            evaluatePerPersonAndSpeed(*m_set, n, kCurveRepetitions, kSeed, Recognizer::Trained)
                .overall;
        const RecognitionCounts templates =
            evaluatePerPersonAndSpeed(*m_set, n, kCurveRepetitions, kSeed, Recognizer::Templates)
                .overall;
        post([this, a = trained.share(trained.right), b = templates.share(templates.right)] {
            m_curve->add(a, b);
            step("Courbe d'apprentissage...");
        });
    }
    post([this, cancelled = m_cancel.load()] { finish(cancelled); });
}

void EvaluationDialog::showCounts(const CrossValidationResult& r, int column) {
    const int counts[] = {r.right, r.rejectedByProbability, r.rejectedByDistance, r.wronglyAccepted,
                          r.impossible};
    for (int row = 0; row < 5; ++row) {
        auto* cell = new QTableWidgetItem(
            QString("%1 (%2)").arg(counts[row]).arg(percent(r.share(counts[row]))));
        cell->setData(Qt::UserRole, counts[row]);
        cell->setTextAlignment(Qt::AlignCenter);
        m_counts->setItem(row, column, cell);
    }
    m_counts->horizontalHeaderItem(column)->setToolTip(
        QString("%1 exemples sur %2 plis évalués sur %3")
            .arg(r.examples)
            .arg(r.foldsDone)
            .arg(r.folds));
}

void EvaluationDialog::showConfusion() {
    const int classes = static_cast<int>(m_classNames.size());
    m_confusion->setRowCount(classes);
    m_confusion->setColumnCount(classes + 1);
    // Numbered columns keep the matrix narrow; each says its class in a tooltip.
    QStringList rows, columns;
    for (int c = 0; c < classes; ++c) {
        rows << QString("%1. %2").arg(c + 1).arg(m_classNames[c]);
        columns << QString::number(c + 1);
    }
    columns << "non reconnu";
    m_confusion->setVerticalHeaderLabels(rows);
    m_confusion->setHorizontalHeaderLabels(columns);
    for (int c = 0; c < classes; ++c)
        m_confusion->horizontalHeaderItem(c)->setToolTip(m_classNames[c]);
    // The three commonest confusions between two classes.
    std::vector<std::tuple<int, int, int>> confusions;
    for (int c = 0; c < classes; ++c)
        for (int k = 0; k < classes; ++k)
            if (k != c && m_trained.confusion[c][k] > 0)
                confusions.emplace_back(m_trained.confusion[c][k], c, k);
    std::sort(confusions.begin(), confusions.end(), std::greater<>());
    confusions.resize(std::min<std::size_t>(confusions.size(), 3));
    for (int c = 0; c < classes; ++c) {
        for (int k = 0; k <= classes; ++k) {
            const int n = m_trained.confusion[c][k];
            auto* cell = new QTableWidgetItem(n > 0 ? QString::number(n) : QString());
            cell->setTextAlignment(Qt::AlignCenter);
            if (k == c)
                cell->setBackground(QColor(225, 240, 225));
            for (const auto& [count, row, column] : confusions)
                if (row == c && column == k)
                    cell->setBackground(QColor(250, 170, 160));
            m_confusion->setItem(c, k, cell);
        }
    }
    m_confusion->resizeColumnsToContents();
}

void EvaluationDialog::showFailures() {
    m_failures->clear();
    std::vector<QTreeWidgetItem*> classItems(m_classNames.size(), nullptr);
    // Class by class, whichever fold found them.
    std::vector<FailedExample> failures = m_trained.failures;
    std::stable_sort(
        failures.begin(), failures.end(),
        [](const FailedExample& a, const FailedExample& b) { return a.classIndex < b.classIndex; });
    for (const FailedExample& failure : failures) {
        QTreeWidgetItem*& parent = classItems[failure.classIndex];
        if (parent == nullptr) {
            parent = new QTreeWidgetItem(m_failures);
            parent->setData(0, Qt::UserRole, m_classNames[failure.classIndex]);
        }
        const Example& example = m_examples[failure.classIndex][failure.exampleIndex];
        auto* item = new QTreeWidgetItem(parent);
        item->setData(0, Qt::UserRole, example.name);
        item->setText(0,
                      example.name + (failure.recognisedAs < 0
                                          ? QString(" : rejeté")
                                          : " : pris pour " + m_classNames[failure.recognisedAs]));
        if (example.drawing)
            item->setIcon(0, drawingThumbnail(*example.drawing, 48));
    }
    for (std::size_t c = 0; c < classItems.size(); ++c)
        if (classItems[c] != nullptr)
            classItems[c]->setText(
                0, QString("%1 (%2)").arg(m_classNames[c]).arg(classItems[c]->childCount()));
    m_failures->expandAll();
}

void EvaluationDialog::step(const QString& what) {
    m_progress->setValue(m_progress->value() + 1);
    m_status->setText(what);
}

void EvaluationDialog::finish(bool cancelled) {
    m_finished = true;
    m_annuler->setEnabled(false);
    m_status->setText(cancelled ? "Évaluation annulée." : "Évaluation terminée.");
    emit evaluationFinished();
}
