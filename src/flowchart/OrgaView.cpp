#include "flowchart/OrgaView.h"

#include "engine/Ensemble.h"
#include "engine/PersonalClass.h"
#include "flowchart/Commandes.h"
#include "flowchart/FlowchartExport.h"
#include "flowchart/LearnGestureDlg.h"
#include "flowchart/ModifTailleDlg.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/PainterCanvas.h"
#include "flowchart/TextDlg.h"
#include "shell/EditorContext.h"
#include "shell/Messages.h"
#include "shell/PersonalSetFiles.h"
#include "shell/Strings.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <QSettings>

#include <algorithm>

namespace {

const QColor kInk = Qt::black;
const QColor kCommandInk = Qt::red;
// Room left beyond the farthest component, so that one can draw past it.
constexpr int kMargin = 200;
// The scroll extent of an empty flowchart.
constexpr int kMinimumExtent = 100;
const QString kCombined = QStringLiteral("organigramme/reconnaissanceCombinee");

// The name of the undoable step that a command gesture makes.
QString stepName(int code) {
    if (code <= commande::DeplacementAutre)
        return QStringLiteral("Déplacer");
    if (code == commande::EffacerSelection)
        return QStringLiteral("Effacer");
    if (code == commande::EffacerTout)
        return QStringLiteral("Tout effacer");
    if (code <= commande::CouleurAutre)
        return QStringLiteral("Couleur");
    return QStringLiteral("Taille");
}

// Commands and text insertion measure texts in the view's default font; what
// they would draw goes to a picture that nobody shows, since the view repaints
// afterwards.
class MeasuringCanvas {
public:
    MeasuringCanvas(const QFont& font, TextLayouts& layouts)
        : m_painter(&m_picture), m_canvas(m_painter, font, layouts) {}
    Canvas& canvas() { return m_canvas; }

private:
    QPicture m_picture;
    QPainter m_painter;
    CPainterCanvas m_canvas;
};

} // namespace

COrgaView::COrgaView(COrgaDoc& document, QWidget* parent)
    : QWidget(parent), CView(document), m_doc(document), m_capture(*this, {.shorteningMs = 100}) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_defaultFont = flowchartFont();
    connect(&m_capture, &GestureCapture::finished, this, &COrgaView::gestureFinished);
    connect(&m_capture, &GestureCapture::statusMessage, this, &COrgaView::statusMessage);
    connect(&m_capture, &GestureCapture::paneText, this, &COrgaView::paneText);
    connect(&document, &COrgaDoc::changed, this, [this] { m_paintedRectsValid = false; });
    updateExtent();
}

COrgaView::~COrgaView() = default;

void COrgaView::onUpdate(CView*, int hint) {
    if (hint == kContentReplaced)
        m_pSelected = nullptr;
    m_paintedRectsValid = false;
    forgetMissingSelection();
    updateExtent();
    update();
}

int COrgaView::traceMode() const {
    return m_doc.context().traceMode();
}

void COrgaView::buttonDown(QPoint p, bool command) {
    m_capture.startStroke(p);
    if (command) {
        m_commandGesture = true;
        m_set = GestureSet::Commands;
    } else {
        m_drawing = true;
        m_set = traceMode() == 0 ? GestureSet::Components : GestureSet::Commands;
    }
}

void COrgaView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        buttonDown(toFlowchart(event->position().toPoint()), false);
    else if (event->button() == Qt::RightButton)
        buttonDown(toFlowchart(event->position().toPoint()), true);
}

// The last segment of a stroke takes the ink of its button.
void COrgaView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_capture.isCapturing())
        return;
    if (event->button() == Qt::LeftButton)
        m_capture.endStroke(toFlowchart(event->position().toPoint()), kInk);
    else if (event->button() == Qt::RightButton)
        m_capture.endStroke(toFlowchart(event->position().toPoint()), kCommandInk);
}

// The ink of a move follows the trace mode.
void COrgaView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = toFlowchart(event->position().toPoint());
    if (m_drawing) {
        if (m_capture.isCapturing())
            m_capture.extendStroke(p, traceMode() == 0 ? kInk : kCommandInk);
    } else if (CElement* hit = m_doc.organigramme().elementAt({p.x(), p.y()});
               hit != m_pSelected && !m_commandGesture) {
        updateElement(m_pSelected);
        m_pSelected = hit;
        updateElement(m_pSelected);
    }
    m_capture.showPointer(p);
}

void COrgaView::gestureFinished() {
    const bool component = m_set == GestureSet::Components;
    m_decision = decideGesture(
        m_capture.drawing(), component ? m_doc.componentSet() : m_doc.commandSet(),
        component ? GestureTarget::Component : GestureTarget::Command, combinedRecognition());
    if (!m_decision.possible) {
        showMessage(this, "Reconnaissance impossible");
        if (m_commandGesture)
            dropCommandGesture();
    } else if (component) {
        ProcessComponent();
    } else {
        ProcessCommand();
        m_commandGesture = false;
    }
    m_drawing = false;
}

void COrgaView::ShowRecognition() {
    const bool byProbability = m_decision.rejectedByProbability;
    const bool byDistance = m_decision.rejectedByDistance;
    QString text = m_decision.rejected() ? QStringLiteral("Geste rejetéinconnu")
                                         : "Geste reconnu : " + toQString(m_decision.className);
    if (byProbability && byDistance)
        text += " (1) (2) ";
    else if (byProbability)
        text += " (1) ";
    else if (byDistance)
        text += " (2) ";
    m_statusText = text;
    emit statusMessage(text);
}

void COrgaView::ProcessComponent() {
    ShowRecognition();
    const std::shared_ptr<CDessin> drawing = m_capture.drawing();
    m_gestureRect = gestureRectangle(*drawing);
    m_cancelled = false;
    std::vector<std::unique_ptr<CElement>> made;
    if (m_decision.code == kind::Texte)
        made = insertText();
    else if (std::unique_ptr<CElement> element = CreateElement(m_decision.code))
        made.push_back(std::move(element));
    if (m_decision.rejected() && combinedRecognition() && !tooSmallToLearn(*drawing))
        offerToLearn(drawing);
    m_capture.reset();
    if (made.empty())
        return;
    for (std::unique_ptr<CElement>& element : made)
        m_doc.organigramme().AddElement(std::move(element));
    commitChange(m_decision.code == kind::Texte ? "Texte" : "Forme");
}

void COrgaView::commitChange(const QString& step) {
    m_doc.modelChanged(step);
    m_doc.updateAllViews(this);
    updateExtent();
    update();
}

void COrgaView::dropCommandGesture() {
    m_capture.reset();
    m_commandGesture = false;
    updateElement(m_pSelected);
    m_pSelected = nullptr;
}

// The nearest class's component comes first; the drawing joins the components
// set's personal class of the one chosen, and every flowchart reads the set again.
void COrgaView::offerToLearn(std::shared_ptr<CDessin> drawing) {
    const CEnsemble& set = m_doc.componentSet();
    int nearest = AUCUN_CODE;
    for (int c = 0; c < set.nbClasses() && nearest == AUCUN_CODE; ++c)
        if (set.classe(c).nom() == m_decision.className)
            nearest = set.classe(c).code();
    CLearnGestureDlg dialog(nearest, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    EditorContext& context = m_doc.context();
    const QString error =
        learnDrawing(context.configuration(), TYPE_COMPOSANTS, dialog.code(), std::move(drawing));
    if (!error.isEmpty()) {
        showMessage(this, error);
        return;
    }
    context.gestureSetsRewritten();
}

std::unique_ptr<CElement> COrgaView::CreateElement(int code) {
    m_cancelled = false;
    if (code == kind::Inconnu) {
        QMessageBox question(QMessageBox::Question, "Geste inconnu...",
                             "Le geste est inconnu. Voulez-vous conserver le tracé ?",
                             QMessageBox::Yes | QMessageBox::No, this);
        if (question.exec() == QMessageBox::Yes) {
            // The file keeps only that an unknown component was there: said
            // the first time, after what was recognised.
            if (!m_toldInkIsNotSaved)
                emit statusMessage(m_statusText.trimmed() +
                                   " : le tracé conservé ne sera pas enregistré dans le fichier.");
            m_toldInkIsNotSaved = true;
            return std::make_unique<CInconnu>(m_doc.color(), m_doc.penWidth(), m_gestureRect,
                                              *m_capture.drawing());
        }
        m_cancelled = true;
        return nullptr;
    }
    if (std::unique_ptr<CElement> element =
            creerComposant(code, m_gestureRect, m_doc.organigramme()))
        return element;
    showMessage(this, "Erreur : mauvaise commande");
    m_cancelled = true;
    return nullptr;
}

std::vector<std::unique_ptr<CElement>> COrgaView::insertText() {
    std::vector<std::unique_ptr<CElement>> lines;
    CInsertTextDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        m_cancelled = true;
        return lines;
    }
    MeasuringCanvas dc(m_defaultFont, m_layouts);
    CPoint origin = m_gestureRect.topLeft();
    for (int i = 0; i < CInsertTextDlg::kLines; ++i) {
        const TextLine& line = dialog.line(i);
        if (i > 0 && line.text.isEmpty())
            break;
        const std::string text = toStdString(line.text);
        m_gestureRect = textRectangle(dc.canvas(), origin, text, line.size);
        lines.push_back(std::make_unique<CTexte>(m_doc.color(), toStdString(line.font), line.size,
                                                 m_gestureRect, text));
        origin = {m_gestureRect.left, m_gestureRect.bottom};
    }
    return lines;
}

void COrgaView::ProcessCommand() {
    m_cancelled = false;
    ShowRecognition();
    const int code = m_decision.code;
    MeasuringCanvas dc(m_defaultFont, m_layouts);
    const CommandResult result = appliquerCommande(code, m_pSelected, *m_capture.drawing(),
                                                   dc.canvas(), m_doc.organigramme());
    if (!estCommande(code))
        m_cancelled = true;
    bool changed = result.status == CommandResult::Status::Done;
    if (result.status == CommandResult::Status::Refused)
        showMessage(this, toQString(result.message));
    else if (result.status == CommandResult::Status::NeedsDialog)
        changed = finishCommand(code);
    if (code == commande::EffacerSelection || code == commande::EffacerTout)
        m_pSelected = nullptr;
    if (m_commandGesture && (m_cancelled || !changed))
        dropCommandGesture();
    else
        m_capture.reset();
    if (m_cancelled)
        return;
    if (changed) {
        commitChange(stepName(code));
    } else {
        m_doc.markModified();
        m_doc.updateAllViews(this);
    }
}

// What the commands leave to the user: a colour to choose, a size or a text to enter.
bool COrgaView::finishCommand(int code) {
    if (code == commande::CouleurAutre)
        return changeColour();
    if (code == commande::TailleAutre)
        return OnTailleModif(*m_pSelected);
    return editText(*m_pSelected);
}

bool COrgaView::changeColour() {
    COrganigramme& organigramme = m_doc.organigramme();
    const std::optional<Colour> colour =
        chooseColour(m_pSelected ? m_pSelected->color() : organigramme.color(), this);
    if (!colour)
        return false;
    if (m_pSelected)
        m_pSelected->setColor(*colour);
    else
        organigramme.setColor(*colour);
    return true;
}

bool COrgaView::OnTailleModif(CElement& element) {
    const TailleAutre asked = tailleAutre(element);
    std::vector<int> values;
    switch (asked.dialog) {
    case TailleAutre::Dialog::None:
        showMessage(this, toQString(asked.refusal));
        return false;
    case TailleAutre::Dialog::Text:
        return editText(element);
    case TailleAutre::Dialog::Size: {
        CModifTailleDlg dialog(toQString(asked.title), asked.dimensions, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        values.assign(dialog.values().begin(), dialog.values().begin() + asked.dimensions.size());
        break;
    }
    case TailleAutre::Dialog::Arrow: {
        CModifTailleFlecheDlg dialog(asked.dimensions[0].value, asked.dimensions[1].value,
                                     asked.dimensions[2].value, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        values = {dialog.length(), dialog.headHalfHeight(), dialog.headLength()};
        break;
    }
    }
    const CommandResult result = appliquerTailleAutre(element, values);
    if (result.status == CommandResult::Status::Refused) {
        showMessage(this, toQString(result.message));
        return false;
    }
    return true;
}

// A text emptied here could never be pointed at again: it is erased instead.
bool COrgaView::editText(CElement& element) {
    auto& texte = static_cast<CTexte&>(element);
    CTextDlg dialog({toQString(texte.text()), toQString(texte.fontName()), texte.pointSize()},
                    this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    MeasuringCanvas dc(m_defaultFont, m_layouts);
    const TextLine& line = dialog.line();
    appliquerTexte(dc.canvas(), texte, toStdString(line.text), toStdString(line.font), line.size);
    if (texte.text().empty()) {
        m_doc.organigramme().DeleteElement(&texte);
        m_pSelected = nullptr;
    }
    return true;
}

void COrgaView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_capture.cancel();
        m_drawing = false;
        m_commandGesture = false;
        return;
    }
    if (m_pSelected == nullptr || m_capture.isCapturing() || m_capture.isPending())
        return QWidget::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? 1 : m_doc.organigramme().step();
    COrganigramme& organigramme = m_doc.organigramme();
    QString name = QStringLiteral("Déplacer");
    switch (event->key()) {
    case Qt::Key_Delete:
        updateElement(m_pSelected);
        organigramme.DeleteElement(m_pSelected);
        m_pSelected = nullptr;
        name = QStringLiteral("Effacer");
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int key = event->key();
        const CPoint offset{key == Qt::Key_Left    ? -step
                            : key == Qt::Key_Right ? step
                                                   : 0,
                            key == Qt::Key_Up     ? -step
                            : key == Qt::Key_Down ? step
                                                  : 0};
        m_pSelected->Move(offset);
        organigramme.setModified(true);
        break;
    }
    default:
        return QWidget::keyPressEvent(event);
    }
    commitChange(name);
}

void COrgaView::OnToutEffacer() {
    m_doc.DeleteAllElements();
    m_pSelected = nullptr;
    m_doc.updateAllViews(this);
    updateExtent();
    update();
}

const std::vector<QRect>& COrgaView::paintedRects() {
    const auto& elements = m_doc.organigramme().elements();
    if (!m_paintedRectsValid || m_paintedRects.size() != elements.size()) {
        m_paintedRects.clear();
        m_paintedRects.reserve(elements.size());
        for (const auto& element : elements)
            m_paintedRects.push_back(paintedRect(*element, m_layouts));
        m_paintedRectsValid = true;
    }
    return m_paintedRects;
}

void COrgaView::updateElement(const CElement* element) {
    if (element != nullptr)
        update(paintedRect(*element, m_layouts).translated(m_origin));
}

// Components at negative coordinates move the flowchart's origin into the
// view, with the margin before them.
void COrgaView::updateExtent() {
    int left = 0, top = 0;
    int right = kMinimumExtent;
    int bottom = kMinimumExtent;
    for (const auto& element : m_doc.organigramme().elements()) {
        const CRect& r = element->GetBoundRect();
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right + kMargin);
        bottom = std::max(bottom, r.bottom + kMargin);
    }
    const QPoint origin(left < 0 ? kMargin - left : 0, top < 0 ? kMargin - top : 0);
    setMinimumSize(origin.x() + right, origin.y() + bottom);
    if (origin != m_origin) {
        const QPoint by = origin - m_origin;
        m_origin = origin;
        m_capture.setOrigin(origin);
        update();
        emit originMoved(by);
    }
}

void COrgaView::forgetMissingSelection() {
    const auto& elements = m_doc.organigramme().elements();
    if (std::none_of(elements.begin(), elements.end(),
                     [this](const auto& e) { return e.get() == m_pSelected; }))
        m_pSelected = nullptr;
}

// Each rectangle of the region is painted under a clip of its own: a clip of
// one rectangle is much faster to draw through than a region.
void COrgaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.translate(m_origin);
    CPainterCanvas dc(painter, m_defaultFont, m_layouts);
    const auto& elements = m_doc.organigramme().elements();
    const std::vector<QRect>& painted = paintedRects();
    for (const QRect& area : event->region().translated(-m_origin)) {
        painter.setClipRect(area);
        painter.fillRect(area, Qt::white);
        for (std::size_t i = 0; i < elements.size(); ++i)
            if (area.intersects(painted[i]))
                elements[i]->Draw(dc, m_pSelected);
        m_capture.paintInk(painter, area);
    }
}

bool combinedRecognition() {
    return QSettings().value(kCombined, true).toBool();
}

void setCombinedRecognition(bool combined) {
    QSettings().setValue(kCombined, combined);
}
