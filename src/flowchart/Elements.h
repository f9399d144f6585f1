#pragma once

#include "flowchart/Canvas.h"
#include "flowchart/Geometry.h"
#include "recognizer/Dessin.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class COrgArchive;

// Kind codes of the components; the component gestures carry the same numbers
// as their class codes.
namespace kind {
inline constexpr std::uint16_t Inconnu = 101;
inline constexpr std::uint16_t LigneHorizontale = 102;
inline constexpr std::uint16_t LigneVerticale = 103;
inline constexpr std::uint16_t RectangleVertical = 104;
inline constexpr std::uint16_t RectangleHorizontal = 105;
inline constexpr std::uint16_t TrianglePointeEnV = 106;
inline constexpr std::uint16_t TrianglePointeEnHaut = 107;
inline constexpr std::uint16_t Carre = 108;
inline constexpr std::uint16_t Losange = 109;
inline constexpr std::uint16_t Cercle = 110;
inline constexpr std::uint16_t EllipseVerticale = 111;
inline constexpr std::uint16_t EllipseHorizontale = 112;
inline constexpr std::uint16_t Croix = 113;
inline constexpr std::uint16_t FlecheGaucheDroite = 114;
inline constexpr std::uint16_t FlecheDroiteGauche = 115;
inline constexpr std::uint16_t FlecheHautBas = 116;
inline constexpr std::uint16_t FlecheBasHaut = 117;
inline constexpr std::uint16_t Texte = 118;
} // namespace kind

// Red 255, green 0, blue 180.
inline constexpr Colour kSelectionColour = 0xB400FF;

enum class Axis { Horizontal, Vertical };
enum class Apex { Up, Down };
// Forward: the head is at the right or bottom end of the shaft.
enum class Head { Forward, Backward };

// One component of a flowchart. Every constructor takes the gesture's
// rectangle: the centre of that rectangle stays fixed through every resizing.
class CElement {
public:
    virtual ~CElement() = default;

    // The name under which the class is stored in a file.
    virtual std::string_view className() const = 0;
    // Stores or loads the fields, in file order.
    virtual void Serialize(COrgArchive& ar);
    // `selected` is the view's selection: when it is this component, it is
    // drawn in the selection colour.
    virtual void Draw(Canvas& dc, const CElement* selected) const = 0;
    virtual void Move(CPoint offset) = 0;
    // A deep copy, for the states that undo goes back to.
    virtual std::unique_ptr<CElement> clone() const = 0;

    const CRect& GetBoundRect() const { return m_enclosingRect; }
    std::uint16_t type() const { return m_type; }
    Colour color() const { return m_color; }
    void setColor(Colour colour) { m_color = colour; }
    int penWidth() const { return m_penWidth; }
    CPoint center() const { return m_center; }

protected:
    // Empty, to be filled by loading.
    CElement() = default;
    CElement(Colour colour, int penWidth, const CRect& gestureRect);

    Colour drawingColour(const CElement* selected) const;
    // Normalised, then grown by the pen width beyond one pixel.
    void setEnclosing(const CRect& figure);
    void moveBase(CPoint offset);
    // Refuses, when loading, a kind code that does not belong to the class.
    void checkKind(const COrgArchive& ar, std::uint16_t first, std::uint16_t last) const;

    std::uint16_t m_type = 0;
    Colour m_color = 0;
    CRect m_enclosingRect;
    CPoint m_center;
    int m_penWidth = 0;
};

// An unrecognised gesture kept as ink. Its ink is not stored in files: a loaded
// one is empty.
class CInconnu : public CElement {
public:
    CInconnu() = default;
    CInconnu(Colour colour, int penWidth, const CRect& gestureRect, const CDessin& drawing);
    CInconnu(const CInconnu& other);
    CInconnu& operator=(const CInconnu&) = delete;

    static constexpr std::string_view kClassName = "CInconnu";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Move(CPoint offset) override;

    // Null for a loaded component.
    const CDessin* trace() const { return m_trace.get(); }

private:
    std::unique_ptr<CDessin> m_trace;
};

class CLigne : public CElement {
public:
    CLigne() = default;
    CLigne(Colour colour, int penWidth, const CRect& gestureRect, int length, Axis axis);
    CLigne(Colour colour, int penWidth, const CRect& gestureRect, Axis axis);

    static constexpr std::string_view kClassName = "CLigne";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Move(CPoint offset) override;
    void Resize(int length);

    int length() const { return m_length; }
    CPoint start() const { return m_start; }
    CPoint end() const { return m_end; }
    bool isHorizontal() const { return m_horizontal; }

private:
    void layout();

    CPoint m_start;
    CPoint m_end;
    int m_length = 0;
    bool m_horizontal = true;
};

// A figure drawn in a box round the centre: rectangles, squares, circles,
// ellipses and crosses.
class CBoxElement : public CElement {
public:
    void Move(CPoint offset) override;
    const CRect& box() const { return m_box; }

protected:
    CBoxElement() = default;
    using CElement::CElement;

    // The box of half-extents (halfX, halfY) round the centre, enclosed as drawn.
    void placeBox(int halfX, int halfY);
    // The gesture's rectangle, as given, is the box.
    void takeBox(const CRect& gestureRect);

    CRect m_box;
};

// A box of some height and length: rectangles and crosses.
class CHeightLengthElement : public CBoxElement {
public:
    void Resize(int height, int length);

    int height() const { return m_height; }
    int length() const { return m_length; }

protected:
    CHeightLengthElement() = default;
    // Fixed size: the box is laid round the centre.
    CHeightLengthElement(Colour colour, int penWidth, const CRect& gestureRect, int height,
                         int length);
    // Bounding box: the gesture's rectangle as given.
    CHeightLengthElement(Colour colour, int penWidth, const CRect& gestureRect);

    // Height, length, then the box.
    void serializeBox(COrgArchive& ar);

    int m_height = 0;
    int m_length = 0;
};

class CRectangle : public CHeightLengthElement {
public:
    CRectangle() = default;
    CRectangle(Colour colour, int penWidth, const CRect& gestureRect, int height, int length);
    CRectangle(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CRectangle";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
};

class CCarre : public CBoxElement {
public:
    CCarre() = default;
    CCarre(Colour colour, int penWidth, const CRect& gestureRect, int side);
    CCarre(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CCarre";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Resize(int side);

    int side() const { return m_side; }

private:
    int m_side = 0;
};

class CTriangle : public CElement {
public:
    CTriangle() = default;
    CTriangle(Colour colour, int penWidth, const CRect& gestureRect, int height, int length,
              Apex apex);
    CTriangle(Colour colour, int penWidth, const CRect& gestureRect, Apex apex);

    static constexpr std::string_view kClassName = "CTriangle";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Move(CPoint offset) override;
    // The apex stays on the side that the kind code says.
    void Resize(int height, int length);

    CPoint a() const { return m_a; }
    CPoint b() const { return m_b; }
    CPoint c() const { return m_c; }
    int height() const { return m_height; }
    int length() const { return m_length; }

private:
    void layout();

    CPoint m_a;
    CPoint m_b;
    CPoint m_c;
    int m_height = 0;
    int m_length = 0;
};

class CLosange : public CElement {
public:
    CLosange() = default;
    CLosange(Colour colour, int penWidth, const CRect& gestureRect, int height, int length);
    CLosange(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CLosange";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Move(CPoint offset) override;
    void Resize(int height, int length);

    CPoint top() const { return m_top; }
    CPoint right() const { return m_right; }
    CPoint bottom() const { return m_bottom; }
    CPoint left() const { return m_left; }
    int height() const { return m_height; }
    int length() const { return m_length; }

private:
    void layout();

    CPoint m_top;
    CPoint m_right;
    CPoint m_bottom;
    CPoint m_left;
    int m_height = 0;
    int m_length = 0;
};

class CCercle : public CBoxElement {
public:
    CCercle() = default;
    CCercle(Colour colour, int penWidth, const CRect& gestureRect, int radius);
    CCercle(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CCercle";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Resize(int radius);

    int radius() const { return m_radius; }

private:
    int m_radius = 0;
};

class CEllipse : public CBoxElement {
public:
    CEllipse() = default;
    CEllipse(Colour colour, int penWidth, const CRect& gestureRect, int horizontalRadius,
             int verticalRadius);
    CEllipse(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CEllipse";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Resize(int horizontalRadius, int verticalRadius);

    int horizontalRadius() const { return m_horizontalRadius; }
    int verticalRadius() const { return m_verticalRadius; }

private:
    int m_horizontalRadius = 0;
    int m_verticalRadius = 0;
};

class CCroix : public CHeightLengthElement {
public:
    CCroix() = default;
    // A cross of fixed size is as high as it is long.
    CCroix(Colour colour, int penWidth, const CRect& gestureRect, int size);
    CCroix(Colour colour, int penWidth, const CRect& gestureRect);

    static constexpr std::string_view kClassName = "CCroix";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
};

// A shaft with an open V at one end; h1 is the tip of the V.
class CFleche : public CElement {
public:
    CFleche() = default;
    CFleche(Colour colour, int penWidth, const CRect& gestureRect, int length, int headHalfHeight,
            int headLength, Axis axis, Head head);
    CFleche(Colour colour, int penWidth, const CRect& gestureRect, Axis axis, Head head);

    static constexpr std::string_view kClassName = "CFleche";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    void Move(CPoint offset) override;
    void Resize(int length, int headHalfHeight, int headLength);

    int length() const { return m_length; }
    int headLength() const { return m_headLength; }
    int headHalfHeight() const { return m_headHalfHeight; }
    bool isHorizontal() const { return m_horizontal; }
    bool isForward() const { return m_forward; }
    CPoint start() const { return m_start; }
    CPoint end() const { return m_end; }
    CPoint h0() const { return m_h0; }
    CPoint h1() const { return m_h1; }
    CPoint h2() const { return m_h2; }

private:
    void layout();

    int m_length = 0;
    int m_headLength = 0;
    int m_headHalfHeight = 0;
    bool m_horizontal = true;
    bool m_forward = true;
    CPoint m_start;
    CPoint m_end;
    CPoint m_h0;
    CPoint m_h1;
    CPoint m_h2;
};

// One line of text; `rect` is where it is written, its top-left corner the origin.
class CTexte : public CElement {
public:
    CTexte() = default;
    CTexte(Colour colour, std::string fontName, int pointSize, const CRect& rect, std::string text);

    static constexpr std::string_view kClassName = "CTexte";
    std::string_view className() const override { return kClassName; }
    std::unique_ptr<CElement> clone() const override;
    void Serialize(COrgArchive& ar) override;
    void Draw(Canvas& dc, const CElement* selected) const override;
    // The centre does not follow: a text keeps the one it was built with.
    void Move(CPoint offset) override;
    void SetText(const CRect& rect, std::string text, std::string fontName, int pointSize);

    CPoint origin() const { return m_origin; }
    const std::string& text() const { return m_text; }
    const std::string& fontName() const { return m_fontName; }
    int tenthsOfPoint() const { return m_size; }
    int pointSize() const { return m_size / 10; }

private:
    CPoint m_origin;
    std::string m_text;
    std::string m_fontName;
    int m_size = 0;
};

using ElementFactory = std::unique_ptr<CElement> (*)();

// What makes an empty component of the class stored under `name`; null for a
// name that is not a component class.
ElementFactory elementFactory(std::string_view name);
