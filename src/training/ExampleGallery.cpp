#include "training/ExampleGallery.h"

#include "engine/Ensemble.h"
#include "engine/Outliers.h"
#include "shell/Strings.h"
#include "training/DrawingThumbnail.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnail = 96;
constexpr int kOutlierRole = Qt::UserRole + 1;

} // namespace

ReplayView::ReplayView(QWidget* parent) : QWidget(parent) {
    setObjectName("rejeu");
    setMinimumSize(220, 220);
    m_timer.setInterval(15);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (shownUntil() >= m_duration)
            m_timer.stop();
        update();
    });
}

void ReplayView::replay(std::shared_ptr<const CDessin> drawing) {
    m_drawing = std::move(drawing);
    m_duration = 0.0;
    if (m_drawing && m_drawing->pointCount() > 0)
        m_duration = m_drawing->lastPoint().t - m_drawing->firstPoint().t;
    m_clock.start();
    m_timer.start();
    update();
}

double ReplayView::shownUntil() const {
    return m_clock.isValid() ? m_clock.nsecsElapsed() / 1e9 : 0.0;
}

void ReplayView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_drawing) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         "Double-cliquez sur un exemple pour le revoir tracé.");
        return;
    }
    paintDrawing(painter, *m_drawing, QRectF(rect()).adjusted(12, 12, -12, -12),
                 m_drawing->firstPoint().t + shownUntil());
}

ExampleGallery::ExampleGallery(const CEnsemble& set, int classe, QWidget* parent)
    : QDialog(parent), m_thumbnails(new QListWidget(this)), m_replay(new ReplayView(this)),
      m_legend(new QLabel(this)) {
    const CClasse& own = set.classe(classe);
    setWindowTitle("Galerie des exemples de la classe " + toQString(own.nom()));
    m_thumbnails->setObjectName("vignettes");
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setIconSize(QSize(kThumbnail, kThumbnail));
    m_thumbnails->setResizeMode(QListView::Adjust);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setSpacing(4);
    m_thumbnails->setWordWrap(true);
    m_thumbnails->setSortingEnabled(true);

    const std::vector<double> distances = distancesLeftOut(set, classe);
    const std::vector<bool> outliers = outliersAmong(distances);
    const QLocale french(QLocale::French);
    int marked = 0;
    for (int e = 0; e < own.nbExemples(); ++e) {
        const CExemple& example = own.exemple(e);
        const bool outlier = outliers[e];
        marked += outlier;
        auto* item = new QListWidgetItem(toQString(example.nom()));
        item->setData(Qt::UserRole, static_cast<int>(m_drawings.size()));
        item->setData(kOutlierRole, outlier);
        item->setToolTip(
            QString("Distance à la moyenne de la classe (sans cet exemple) : %1%2")
                .arg(french.toString(distances[e], 'f', 1))
                .arg(outlier ? "\nExemple atypique : loin des autres, la classe le rejetterait."
                             : ""));
        if (example.dessin())
            item->setIcon(drawingThumbnail(*example.dessin(), kThumbnail, outlier));
        m_drawings.push_back(example.dessin());
        m_thumbnails->addItem(item);
    }
    m_legend->setObjectName("legende");
    m_legend->setWordWrap(true);
    m_legend->setText(QString("%1 exemple%2, %3 atypique%4 (encadré%4 en rouge). Le point vert "
                              "marque le début du tracé.")
                          .arg(own.nbExemples())
                          .arg(own.nbExemples() > 1 ? "s" : "")
                          .arg(marked)
                          .arg(marked > 1 ? "s" : ""));

    auto* top = new QHBoxLayout;
    top->addWidget(m_thumbnails, 1);
    top->addWidget(m_replay);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Fermer", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_legend);
    layout->addWidget(buttons);
    resize(760, 460);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_thumbnails, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_replay->replay(m_drawings[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())]);
    });
}

QStringList ExampleGallery::outliers() const {
    QStringList names;
    for (int row = 0; row < m_thumbnails->count(); ++row)
        if (m_thumbnails->item(row)->data(kOutlierRole).toBool())
            names << m_thumbnails->item(row)->text();
    return names;
}
