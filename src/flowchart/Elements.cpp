#include "flowchart/Elements.h"

#include "flowchart/OrgArchive.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

std::uint16_t rectangleKind(int height, int length) {
    return length < height ? kind::RectangleVertical : kind::RectangleHorizontal;
}

std::uint16_t ellipseKind(int horizontalRadius, int verticalRadius) {
    return horizontalRadius < verticalRadius ? kind::EllipseVerticale : kind::EllipseHorizontale;
}

// The box of half-extents (halfX, halfY) round the centre.
CRect boxAround(CPoint centre, int halfX, int halfY) {
    return {centre.x - halfX, centre.y - halfY, centre.x + halfX, centre.y + halfY};
}

int smallerSide(const CRect& r) {
    return std::min(std::abs(r.height()), std::abs(r.width()));
}

} // namespace

CElement::CElement(Colour colour, int penWidth, const CRect& gestureRect)
    : m_color(colour), m_enclosingRect(gestureRect.normalized()),
      m_center(m_enclosingRect.centerPoint()), m_penWidth(penWidth) {}

void CElement::Serialize(COrgArchive& ar) {
    ar.fields(m_color, m_enclosingRect, m_penWidth, m_center, m_type);
}

Colour CElement::drawingColour(const CElement* selected) const {
    return selected == this ? kSelectionColour : m_color;
}

void CElement::setEnclosing(const CRect& figure) {
    m_enclosingRect = figure.normalized().inflated(m_penWidth - 1);
}

void CElement::moveBase(CPoint offset) {
    m_enclosingRect = m_enclosingRect.offset(offset);
    m_center = m_center + offset;
}

void CElement::checkKind(const COrgArchive& ar, std::uint16_t first, std::uint16_t last) const {
    if (ar.isLoading() && (m_type < first || m_type > last))
        ar.fail("un élément " + std::string(className()) + " porte le code de type " +
                std::to_string(m_type));
}

// --- CInconnu

CInconnu::CInconnu(Colour colour, int penWidth, const CRect& gestureRect, const CDessin& drawing)
    : CElement(colour, penWidth, gestureRect), m_trace(drawing.clone()) {
    m_type = kind::Inconnu;
    setEnclosing(gestureRect);
}

CInconnu::CInconnu(const CInconnu& other)
    : CElement(other), m_trace(other.m_trace ? other.m_trace->clone() : nullptr) {}

void CInconnu::Serialize(COrgArchive&) {}

void CInconnu::Draw(Canvas& dc, const CElement* selected) const {
    if (!m_trace)
        return;
    dc.setPen(drawingColour(selected), m_penWidth);
    std::vector<CPoint> points;
    for (int i = 0; i < m_trace->strokeCount(); ++i) {
        const CStroke& stroke = m_trace->stroke(i);
        if (stroke.pointCount() < 2)
            continue;
        points.clear();
        for (const CInkPoint& p : stroke.points())
            points.push_back({p.x, p.y});
        dc.drawPolyline(points);
    }
}

void CInconnu::Move(CPoint offset) {
    moveBase(offset);
    if (!m_trace)
        return;
    // Rebuilt rather than shifted in place, so that no figure cached from the
    // old position survives.
    auto moved = std::make_unique<CDessin>();
    for (int i = 0; i < m_trace->strokeCount(); ++i) {
        auto stroke = std::make_unique<CStroke>();
        for (const CInkPoint& p : m_trace->stroke(i).points())
            stroke->addPoint(p.x + offset.x, p.y + offset.y, p.t);
        moved->addStroke(std::move(stroke));
    }
    m_trace = std::move(moved);
}

// --- CLigne

CLigne::CLigne(Colour colour, int penWidth, const CRect& gestureRect, int length, Axis axis)
    : CElement(colour, penWidth, gestureRect), m_length(length),
      m_horizontal(axis == Axis::Horizontal) {
    layout();
}

CLigne::CLigne(Colour colour, int penWidth, const CRect& gestureRect, Axis axis)
    : CElement(colour, penWidth, gestureRect), m_horizontal(axis == Axis::Horizontal) {
    m_type = m_horizontal ? kind::LigneHorizontale : kind::LigneVerticale;
    if (m_horizontal) {
        m_start = {gestureRect.left, m_center.y};
        m_end = {gestureRect.right, m_center.y};
        m_length = m_end.x - m_start.x;
    } else {
        m_start = {m_center.x, gestureRect.top};
        m_end = {m_center.x, gestureRect.bottom};
        m_length = m_end.y - m_start.y;
    }
    setEnclosing({m_start.x, m_start.y, m_end.x, m_end.y});
}

void CLigne::layout() {
    m_type = m_horizontal ? kind::LigneHorizontale : kind::LigneVerticale;
    const int half = m_length / 2;
    if (m_horizontal) {
        m_start = {m_center.x - half, m_center.y};
        m_end = {m_center.x + half, m_center.y};
    } else {
        m_start = {m_center.x, m_center.y - half};
        m_end = {m_center.x, m_center.y + half};
    }
    setEnclosing({m_start.x, m_start.y, m_end.x, m_end.y});
}

void CLigne::Resize(int length) {
    m_length = length;
    layout();
}

void CLigne::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_length, m_start, m_end);
    checkKind(ar, kind::LigneHorizontale, kind::LigneVerticale);
    m_horizontal = m_type == kind::LigneHorizontale;
}

void CLigne::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawLine(m_start, m_end);
}

void CLigne::Move(CPoint offset) {
    moveBase(offset);
    m_start = m_start + offset;
    m_end = m_end + offset;
}

// --- CBoxElement, CHeightLengthElement, CRectangle

void CBoxElement::Move(CPoint offset) {
    moveBase(offset);
    m_box = m_box.offset(offset);
}

void CBoxElement::placeBox(int halfX, int halfY) {
    m_box = boxAround(m_center, halfX, halfY);
    setEnclosing(m_box);
}

void CBoxElement::takeBox(const CRect& gestureRect) {
    m_box = gestureRect;
    setEnclosing(gestureRect);
}

CHeightLengthElement::CHeightLengthElement(Colour colour, int penWidth, const CRect& gestureRect,
                                           int height, int length)
    : CBoxElement(colour, penWidth, gestureRect), m_height(height), m_length(length) {
    placeBox(length / 2, height / 2);
}

CHeightLengthElement::CHeightLengthElement(Colour colour, int penWidth, const CRect& gestureRect)
    : CBoxElement(colour, penWidth, gestureRect), m_height(gestureRect.height()),
      m_length(gestureRect.width()) {
    takeBox(gestureRect);
}

void CHeightLengthElement::Resize(int height, int length) {
    m_height = height;
    m_length = length;
    placeBox(length / 2, height / 2);
}

void CHeightLengthElement::serializeBox(COrgArchive& ar) {
    ar.fields(m_height, m_length, m_box);
}

CRectangle::CRectangle(Colour colour, int penWidth, const CRect& gestureRect, int height,
                       int length)
    : CHeightLengthElement(colour, penWidth, gestureRect, height, length) {
    m_type = rectangleKind(height, length);
}

CRectangle::CRectangle(Colour colour, int penWidth, const CRect& gestureRect)
    : CHeightLengthElement(colour, penWidth, gestureRect) {
    m_type = rectangleKind(m_height, m_length);
}

void CRectangle::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    serializeBox(ar);
    checkKind(ar, kind::RectangleVertical, kind::RectangleHorizontal);
}

void CRectangle::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawRectangle(m_box);
}

// --- CCarre

CCarre::CCarre(Colour colour, int penWidth, const CRect& gestureRect, int side)
    : CBoxElement(colour, penWidth, gestureRect), m_side(side) {
    m_type = kind::Carre;
    placeBox(side / 2, side / 2);
}

CCarre::CCarre(Colour colour, int penWidth, const CRect& gestureRect)
    : CCarre(colour, penWidth, gestureRect, smallerSide(gestureRect)) {}

void CCarre::Resize(int side) {
    m_side = side;
    placeBox(side / 2, side / 2);
}

void CCarre::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_side, m_box);
    checkKind(ar, kind::Carre, kind::Carre);
}

void CCarre::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawRectangle(m_box);
}

// --- CTriangle

CTriangle::CTriangle(Colour colour, int penWidth, const CRect& gestureRect, int height, int length,
                     Apex apex)
    : CElement(colour, penWidth, gestureRect), m_height(height), m_length(length) {
    m_type = apex == Apex::Up ? kind::TrianglePointeEnHaut : kind::TrianglePointeEnV;
    layout();
}

CTriangle::CTriangle(Colour colour, int penWidth, const CRect& gestureRect, Apex apex)
    : CElement(colour, penWidth, gestureRect), m_height(gestureRect.height()),
      m_length(gestureRect.width()) {
    const CRect& g = gestureRect;
    if (apex == Apex::Up) {
        m_type = kind::TrianglePointeEnHaut;
        m_a = {m_center.x, g.top};
        m_b = {g.right, g.bottom};
        m_c = {g.left, g.bottom};
    } else {
        m_type = kind::TrianglePointeEnV;
        m_a = {g.left, g.top};
        m_b = {g.right, g.top};
        m_c = {m_center.x, g.bottom};
    }
    setEnclosing(gestureRect);
}

void CTriangle::layout() {
    const CRect box = boxAround(m_center, m_length / 2, m_height / 2);
    if (m_type == kind::TrianglePointeEnHaut) {
        m_a = {m_center.x, box.top};
        m_b = {box.right, box.bottom};
        m_c = {box.left, box.bottom};
    } else {
        m_a = {box.left, box.top};
        m_b = {box.right, box.top};
        m_c = {m_center.x, box.bottom};
    }
    setEnclosing(box);
}

void CTriangle::Resize(int height, int length) {
    m_height = height;
    m_length = length;
    layout();
}

void CTriangle::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_height, m_length, m_a, m_b, m_c);
    checkKind(ar, kind::TrianglePointeEnV, kind::TrianglePointeEnHaut);
}

void CTriangle::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    const CPoint corners[] = {m_a, m_b, m_c};
    dc.drawPolygon(corners);
}

void CTriangle::Move(CPoint offset) {
    moveBase(offset);
    m_a = m_a + offset;
    m_b = m_b + offset;
    m_c = m_c + offset;
}

// --- CLosange

CLosange::CLosange(Colour colour, int penWidth, const CRect& gestureRect, int height, int length)
    : CElement(colour, penWidth, gestureRect), m_height(height), m_length(length) {
    m_type = kind::Losange;
    layout();
}

CLosange::CLosange(Colour colour, int penWidth, const CRect& gestureRect)
    : CElement(colour, penWidth, gestureRect), m_height(gestureRect.height()),
      m_length(gestureRect.width()) {
    m_type = kind::Losange;
    const CRect& g = gestureRect;
    m_top = {g.left + m_length / 2, g.top};
    m_right = {g.right, g.top + m_height / 2};
    m_bottom = {g.left + m_length / 2, g.bottom};
    m_left = {g.left, g.top + m_height / 2};
    setEnclosing(gestureRect);
}

void CLosange::layout() {
    const int halfX = m_length / 2;
    const int halfY = m_height / 2;
    m_top = {m_center.x, m_center.y - halfY};
    m_right = {m_center.x + halfX, m_center.y};
    m_bottom = {m_center.x, m_center.y + halfY};
    m_left = {m_center.x - halfX, m_center.y};
    setEnclosing({m_left.x, m_top.y, m_right.x, m_bottom.y});
}

void CLosange::Resize(int height, int length) {
    m_height = height;
    m_length = length;
    layout();
}

void CLosange::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_height, m_length, m_top, m_right, m_bottom, m_left);
    checkKind(ar, kind::Losange, kind::Losange);
}

void CLosange::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    const CPoint corners[] = {m_top, m_right, m_bottom, m_left};
    dc.drawPolygon(corners);
}

void CLosange::Move(CPoint offset) {
    moveBase(offset);
    m_top = m_top + offset;
    m_right = m_right + offset;
    m_bottom = m_bottom + offset;
    m_left = m_left + offset;
}

// --- CCercle

CCercle::CCercle(Colour colour, int penWidth, const CRect& gestureRect, int radius)
    : CBoxElement(colour, penWidth, gestureRect), m_radius(radius) {
    m_type = kind::Cercle;
    placeBox(radius, radius);
}

CCercle::CCercle(Colour colour, int penWidth, const CRect& gestureRect)
    : CCercle(colour, penWidth, gestureRect, smallerSide(gestureRect) / 2) {}

void CCercle::Resize(int radius) {
    m_radius = radius;
    placeBox(radius, radius);
}

void CCercle::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_radius, m_box);
    checkKind(ar, kind::Cercle, kind::Cercle);
}

void CCercle::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawEllipse(m_box);
}

// --- CEllipse

CEllipse::CEllipse(Colour colour, int penWidth, const CRect& gestureRect, int horizontalRadius,
                   int verticalRadius)
    : CBoxElement(colour, penWidth, gestureRect), m_horizontalRadius(horizontalRadius),
      m_verticalRadius(verticalRadius) {
    m_type = ellipseKind(horizontalRadius, verticalRadius);
    placeBox(horizontalRadius, verticalRadius);
}

CEllipse::CEllipse(Colour colour, int penWidth, const CRect& gestureRect)
    : CBoxElement(colour, penWidth, gestureRect), m_horizontalRadius(gestureRect.width() / 2),
      m_verticalRadius(gestureRect.height() / 2) {
    m_type = ellipseKind(m_horizontalRadius, m_verticalRadius);
    takeBox(gestureRect);
}

void CEllipse::Resize(int horizontalRadius, int verticalRadius) {
    m_horizontalRadius = horizontalRadius;
    m_verticalRadius = verticalRadius;
    placeBox(horizontalRadius, verticalRadius);
}

void CEllipse::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_horizontalRadius, m_verticalRadius, m_box);
    checkKind(ar, kind::EllipseVerticale, kind::EllipseHorizontale);
}

void CEllipse::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawEllipse(m_box);
}

// --- CCroix

CCroix::CCroix(Colour colour, int penWidth, const CRect& gestureRect, int size)
    : CHeightLengthElement(colour, penWidth, gestureRect, size, size) {
    m_type = kind::Croix;
}

CCroix::CCroix(Colour colour, int penWidth, const CRect& gestureRect)
    : CHeightLengthElement(colour, penWidth, gestureRect) {
    m_type = kind::Croix;
}

void CCroix::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    serializeBox(ar);
    checkKind(ar, kind::Croix, kind::Croix);
}

void CCroix::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawLine({m_box.left, m_box.top}, {m_box.right, m_box.bottom});
    dc.drawLine({m_box.right, m_box.top}, {m_box.left, m_box.bottom});
}

// --- CFleche

CFleche::CFleche(Colour colour, int penWidth, const CRect& gestureRect, int length,
                 int headHalfHeight, int headLength, Axis axis, Head head)
    : CElement(colour, penWidth, gestureRect), m_length(length), m_headLength(headLength),
      m_headHalfHeight(headHalfHeight), m_horizontal(axis == Axis::Horizontal),
      m_forward(head == Head::Forward) {
    layout();
}

CFleche::CFleche(Colour colour, int penWidth, const CRect& gestureRect, Axis axis, Head head)
    : CElement(colour, penWidth, gestureRect), m_horizontal(axis == Axis::Horizontal),
      m_forward(head == Head::Forward) {
    m_length = m_horizontal ? gestureRect.width() : gestureRect.height();
    m_headHalfHeight = m_horizontal ? gestureRect.height() : gestureRect.width();
    m_headLength = m_headHalfHeight * 3 / 2;
    layout();
}

void CFleche::layout() {
    const int half = m_length / 2;
    const int p = m_headHalfHeight;
    const int q = m_headLength;
    const CPoint c = m_center;
    if (m_horizontal) {
        m_type = m_forward ? kind::FlecheGaucheDroite : kind::FlecheDroiteGauche;
        m_start = {c.x - half, c.y};
        m_end = {c.x + half, c.y};
        const CPoint tip = m_forward ? m_end : m_start;
        const int back = m_forward ? tip.x - q : tip.x + q;
        m_h0 = {back, c.y - p};
        m_h1 = tip;
        m_h2 = {back, c.y + p};
        setEnclosing({m_start.x, m_start.y - p, m_end.x, m_end.y + p});
    } else {
        m_type = m_forward ? kind::FlecheHautBas : kind::FlecheBasHaut;
        m_start = {c.x, c.y - half};
        m_end = {c.x, c.y + half};
        const CPoint tip = m_forward ? m_end : m_start;
        const int back = m_forward ? tip.y - q : tip.y + q;
        m_h0 = {c.x - p, back};
        m_h1 = tip;
        m_h2 = {c.x + p, back};
        setEnclosing({m_start.x - p, m_start.y, m_end.x + p, m_end.y});
    }
}

void CFleche::Resize(int length, int headHalfHeight, int headLength) {
    m_length = length;
    m_headHalfHeight = headHalfHeight;
    m_headLength = headLength;
    layout();
}

void CFleche::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_length, m_headLength, m_headHalfHeight, m_h0, m_h1, m_h2, m_start, m_end);
    checkKind(ar, kind::FlecheGaucheDroite, kind::FlecheBasHaut);
    m_horizontal = m_type == kind::FlecheGaucheDroite || m_type == kind::FlecheDroiteGauche;
    m_forward = m_type == kind::FlecheGaucheDroite || m_type == kind::FlecheHautBas;
}

void CFleche::Draw(Canvas& dc, const CElement* selected) const {
    dc.setPen(drawingColour(selected), m_penWidth);
    dc.drawLine(m_start, m_end);
    const CPoint head[] = {m_h0, m_h1, m_h2};
    dc.drawPolyline(head);
}

void CFleche::Move(CPoint offset) {
    moveBase(offset);
    m_start = m_start + offset;
    m_end = m_end + offset;
    m_h0 = m_h0 + offset;
    m_h1 = m_h1 + offset;
    m_h2 = m_h2 + offset;
}

// --- CTexte

CTexte::CTexte(Colour colour, std::string fontName, int pointSize, const CRect& rect,
               std::string text)
    : CElement(colour, 1, rect) {
    m_type = kind::Texte;
    SetText(rect, std::move(text), std::move(fontName), pointSize);
}

void CTexte::SetText(const CRect& rect, std::string text, std::string fontName, int pointSize) {
    m_origin = rect.topLeft();
    m_enclosingRect = rect.normalized();
    m_text = std::move(text);
    m_fontName = std::move(fontName);
    m_size = pointSize * 10;
}

void CTexte::Serialize(COrgArchive& ar) {
    CElement::Serialize(ar);
    ar.fields(m_origin, m_text, m_fontName, m_size);
    checkKind(ar, kind::Texte, kind::Texte);
}

void CTexte::Draw(Canvas& dc, const CElement* selected) const {
    dc.drawText(m_origin, m_text, m_fontName, m_size, drawingColour(selected));
}

void CTexte::Move(CPoint offset) {
    m_origin = m_origin + offset;
    m_enclosingRect = m_enclosingRect.offset(offset);
}

// --- Dynamic creation by class name

namespace {

template <typename T> std::unique_ptr<CElement> makeEmpty() {
    return std::make_unique<T>();
}

template <typename T> constexpr std::pair<std::string_view, ElementFactory> entry() {
    return {T::kClassName, &makeEmpty<T>};
}

constexpr std::pair<std::string_view, ElementFactory> kClasses[] = {
    entry<CLigne>(),   entry<CRectangle>(), entry<CCarre>(),   entry<CTriangle>(),
    entry<CLosange>(), entry<CCercle>(),    entry<CEllipse>(), entry<CCroix>(),
    entry<CFleche>(),  entry<CTexte>(),     entry<CInconnu>(),
};

} // namespace

ElementFactory elementFactory(std::string_view name) {
    for (const auto& [className, factory] : kClasses)
        if (className == name)
            return factory;
    return nullptr;
}

namespace {

template <typename T> std::unique_ptr<CElement> copyOf(const T& element) {
    return std::make_unique<T>(element);
}

} // namespace

std::unique_ptr<CElement> CInconnu::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CLigne::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CRectangle::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CCarre::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CTriangle::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CLosange::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CCercle::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CEllipse::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CCroix::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CFleche::clone() const {
    return copyOf(*this);
}
std::unique_ptr<CElement> CTexte::clone() const {
    return copyOf(*this);
}
