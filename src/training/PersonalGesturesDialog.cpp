#include "training/PersonalGesturesDialog.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "engine/PersonalClass.h"
#include "gesture/GuideDrawing.h"
#include "shell/Messages.h"
#include "shell/PersonalSetFiles.h"
#include "shell/Strings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

const QColor kInk(20, 60, 160);
constexpr int kGuideSize = 240;
constexpr int kGuideWays = 4;

QString kindName(int typeAction) {
    return typeAction == TYPE_COMPOSANTS ? QStringLiteral("Composant") : QStringLiteral("Commande");
}

// The first ways that `set` knows of drawing `code`, two by two, as the
// gesture guide draws them.
QPixmap guide(const CEnsemble& set, int code) {
    QPixmap picture(kGuideSize, kGuideSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(200, 205, 215));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    std::vector<const CDessin*> ways;
    for (int c = 0; c < set.nbClasses() && static_cast<int>(ways.size()) < kGuideWays; ++c) {
        const CClasse& classe = set.classe(c);
        if (classe.code() == code && !classe.estVide() && classe.exemple(0).dessin())
            ways.push_back(classe.exemple(0).dessin().get());
    }
    const int across = ways.size() > 1 ? 2 : 1;
    const double cell = double(kGuideSize) / across;
    for (std::size_t w = 0; w < ways.size(); ++w)
        drawGuideExample(
            painter, *ways[w],
            QRectF((w % across) * cell, (w / across) * cell, cell, cell).adjusted(6, 6, -6, -6));
    return picture;
}

} // namespace

PersonalDrawingArea::PersonalDrawingArea(QWidget* parent)
    : QWidget(parent), m_capture(*this, {.shorteningMs = 100}) {
    setObjectName("dessin");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setMinimumSize(420, 320);
    connect(&m_capture, &GestureCapture::finished, this,
            [this] { emit drawn(m_capture.takeDrawing()); });
}

void PersonalDrawingArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_capture.isPending())
        m_capture.clearInk();
    m_capture.startStroke(event->position().toPoint());
}

void PersonalDrawingArea::mouseMoveEvent(QMouseEvent* event) {
    if (m_capture.isCapturing())
        m_capture.extendStroke(event->position().toPoint(), kInk);
}

void PersonalDrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_capture.isCapturing())
        m_capture.endStroke(event->position().toPoint(), kInk);
}

void PersonalDrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setPen(QColor(200, 205, 215));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    m_capture.paintInk(painter, event->rect());
}

PersonalGesturesDialog::PersonalGesturesDialog(std::unique_ptr<CEnsemble> components,
                                               std::unique_ptr<CEnsemble> commands,
                                               const Configuration& configuration, QWidget* parent)
    : QDialog(parent), m_components(std::move(components)), m_commands(std::move(commands)),
      m_configuration(configuration), m_pages(new QStackedWidget(this)) {
    setWindowTitle("Adapter les gestes à ma main");

    auto* welcome = new QWidget(m_pages);
    auto* intro = new QLabel(
        "Velmora reconnaît les gestes des organigrammes tels que la plupart des gens les "
        "dessinent. Pour qu'il reconnaisse mieux les vôtres, dessinez chaque geste 3 à 5 fois, "
        "à votre façon : vos tracés s'ajoutent aux gestes livrés, que Velmora garde aussi "
        "tels quels dans formes-livre.gst et commandes-livre.gst.",
        welcome);
    intro->setWordWrap(true);
    m_withComponents = new QCheckBox(
        QString("Les composants (%1 gestes)").arg(codesDuType(TYPE_COMPOSANTS).size()), welcome);
    m_withComponents->setChecked(true);
    m_withCommands = new QCheckBox(
        QString("Les commandes (%1 gestes)").arg(codesDuType(TYPE_COMMANDES).size()), welcome);
    m_withCommands->setObjectName("commandes");
    m_begin = new QPushButton("Commencer", welcome);
    m_begin->setDefault(true);
    const auto chosen = [this] {
        m_begin->setEnabled(m_withComponents->isChecked() || m_withCommands->isChecked());
    };
    connect(m_withComponents, &QCheckBox::toggled, this, chosen);
    connect(m_withCommands, &QCheckBox::toggled, this, chosen);
    connect(m_begin, &QPushButton::clicked, this, &PersonalGesturesDialog::begin);
    auto* welcomeLayout = new QVBoxLayout(welcome);
    welcomeLayout->addWidget(intro);
    welcomeLayout->addSpacing(8);
    welcomeLayout->addWidget(m_withComponents);
    welcomeLayout->addWidget(m_withCommands);
    welcomeLayout->addStretch();
    welcomeLayout->addWidget(m_begin, 0, Qt::AlignRight);
    m_pages->addWidget(welcome);

    auto* drawing = new QWidget(m_pages);
    m_title = new QLabel(drawing);
    m_title->setObjectName("titre");
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_title->setFont(bold);
    m_guide = new QLabel(drawing);
    m_guide->setFixedSize(kGuideSize, kGuideSize);
    auto* legend = new QLabel("Tel que Velmora le connaît : le point vert marque le départ du "
                              "tracé, la flèche orange son sens.",
                              drawing);
    legend->setWordWrap(true);
    legend->setFixedWidth(kGuideSize);
    auto* ask = new QLabel("Dessinez-le ici à votre façon, 3 à 5 fois :", drawing);
    m_count = new QLabel(drawing);
    m_area = new PersonalDrawingArea(drawing);
    connect(m_area, &PersonalDrawingArea::drawn, this, &PersonalGesturesDialog::drawn);
    auto* again = new QPushButton("Recommencer", drawing);
    auto* skip = new QPushButton("Passer ce geste", drawing);
    m_next = new QPushButton(drawing);
    connect(again, &QPushButton::clicked, this, &PersonalGesturesDialog::startOver);
    connect(skip, &QPushButton::clicked, this, &PersonalGesturesDialog::pass);
    connect(m_next, &QPushButton::clicked, this, &PersonalGesturesDialog::next);

    auto* guideColumn = new QVBoxLayout;
    guideColumn->addWidget(m_guide);
    guideColumn->addWidget(legend);
    guideColumn->addStretch();
    auto* drawColumn = new QVBoxLayout;
    drawColumn->addWidget(ask);
    drawColumn->addWidget(m_area, 1);
    drawColumn->addWidget(m_count);
    auto* columns = new QHBoxLayout;
    columns->addLayout(guideColumn);
    columns->addLayout(drawColumn, 1);
    auto* stepButtons = new QHBoxLayout;
    stepButtons->addWidget(again);
    stepButtons->addStretch();
    stepButtons->addWidget(skip);
    stepButtons->addWidget(m_next);
    auto* drawingLayout = new QVBoxLayout(drawing);
    drawingLayout->addWidget(m_title);
    drawingLayout->addLayout(columns, 1);
    drawingLayout->addLayout(stepButtons);
    m_pages->addWidget(drawing);

    auto* cancel = new QPushButton("Annuler", this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(cancel, 0, Qt::AlignRight);
}

PersonalGesturesDialog::~PersonalGesturesDialog() = default;

CEnsemble& PersonalGesturesDialog::setOf(int typeAction) const {
    return typeAction == TYPE_COMPOSANTS ? *m_components : *m_commands;
}

void PersonalGesturesDialog::begin() {
    for (int typeAction : {TYPE_COMPOSANTS, TYPE_COMMANDES}) {
        if (!(typeAction == TYPE_COMPOSANTS ? m_withComponents : m_withCommands)->isChecked())
            continue;
        for (int code : codesDuType(typeAction))
            m_steps.push_back({typeAction, code, {}});
    }
    m_current = 0;
    m_pages->setCurrentIndex(1);
    showStep();
}

void PersonalGesturesDialog::showStep() {
    const Step& step = m_steps[m_current];
    const auto ofType = [&step](const Step& s) { return s.typeAction == step.typeAction; };
    const auto first = std::find_if(m_steps.begin(), m_steps.end(), ofType);
    const auto index = std::distance(first, m_steps.begin() + static_cast<long>(m_current));
    m_title->setText(QString("%1 %2 sur %3 : %4")
                         .arg(kindName(step.typeAction))
                         .arg(index + 1)
                         .arg(std::count_if(m_steps.begin(), m_steps.end(), ofType))
                         .arg(toQString(nomCode(step.typeAction, step.code))));
    m_guide->setPixmap(guide(setOf(step.typeAction), step.code));
    const int done = static_cast<int>(step.drawings.size());
    if (done < kMost)
        m_count->setText(QString("Tracés : %1 sur %2 à %3").arg(done).arg(kFewest).arg(kMost));
    else
        m_count->setText(QString("Tracés : %1, c'est assez.").arg(done));
    m_area->setEnabled(done < kMost);
    m_next->setEnabled(done >= kFewest);
    m_next->setText(m_current + 1 == m_steps.size() ? "Terminer" : "Suivant");
}

void PersonalGesturesDialog::drawn(std::shared_ptr<CDessin> drawing) {
    if (tooSmallToLearn(*drawing)) {
        m_area->capture().clearInk();
        m_count->setText("Ce tracé est trop petit pour être un geste : dessinez-le en entier.");
        return;
    }
    m_steps[m_current].drawings.push_back(std::move(drawing));
    showStep();
}

void PersonalGesturesDialog::startOver() {
    m_steps[m_current].drawings.clear();
    m_area->capture().reset();
    showStep();
}

void PersonalGesturesDialog::pass() {
    m_steps[m_current].drawings.clear();
    next();
}

void PersonalGesturesDialog::next() {
    m_area->capture().reset();
    if (m_current + 1 < m_steps.size()) {
        ++m_current;
        showStep();
    } else {
        finish();
    }
}

// Each set that received drawings gets them as personal classes, in place of
// those it had for the same gestures, and is written.
void PersonalGesturesDialog::finish() {
    QStringList errors;
    for (int typeAction : {TYPE_COMPOSANTS, TYPE_COMMANDES}) {
        CEnsemble& set = setOf(typeAction);
        bool drawnFor = false;
        for (const Step& step : m_steps) {
            if (step.typeAction != typeAction || step.drawings.empty())
                continue;
            CClasse& classe =
                set.classe(personalClass(set, nomCode(typeAction, step.code), step.code));
            classe.supprimerExemples();
            for (const auto& drawing : step.drawings)
                addPersonalExample(classe, drawing);
            drawnFor = true;
        }
        if (!drawnFor)
            continue;
        const QString error = savePersonalSet(m_configuration, set);
        if (error.isEmpty())
            m_written = true;
        else
            errors << error;
    }
    if (!errors.isEmpty())
        showMessage(this, errors.join('\n'));
    accept();
}

bool adaptGestures(QWidget* parent, const Configuration& configuration) {
    AdaptableSet components = readAdaptableSet(configuration, TYPE_COMPOSANTS);
    AdaptableSet commands = readAdaptableSet(configuration, TYPE_COMMANDES);
    for (const AdaptableSet* read : {&components, &commands})
        if (!read->set) {
            showMessage(parent, read->error);
            return false;
        }
    PersonalGesturesDialog dialog(std::move(components.set), std::move(commands.set), configuration,
                                  parent);
    return dialog.exec() == QDialog::Accepted && dialog.written();
}
