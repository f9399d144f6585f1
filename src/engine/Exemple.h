#pragma once

#include "recognizer/Dessin.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CShapeRecognizer;

// One drawn instance of a gesture: its name, its drawing, a flat copy of the
// drawing's points, its bounding box and its 13 features.
//
// Copies are shallow: a copy shares the drawing, the point array and the
// rule-based recogniser of its source (shared ownership), and copies the
// name, point count, bounding box and features.
class CExemple {
public:
    static constexpr int NB_CARACTERISTIQUES = 13;
    using Caracteristiques = std::array<double, NB_CARACTERISTIQUES>;

    CExemple();
    explicit CExemple(std::string nom);
    CExemple(const CExemple&) = default;
    CExemple& operator=(const CExemple&) = default;
    virtual ~CExemple();

    const std::string& nom() const { return m_nom; }
    void setNom(std::string nom) { m_nom = std::move(nom); }

    // Null until a drawing is given. The example only reads it.
    const std::shared_ptr<CDessin>& dessin() const { return m_dessin; }
    void setDessin(std::shared_ptr<CDessin> dessin) { m_dessin = std::move(dessin); }

    // This example's own rule-based recogniser (rotation invariant, threshold 0),
    // shared by its copies. It is built on first use, so that reading a large
    // set does not pay for thousands of them.
    CShapeRecognizer& reconnaisseurFormes() const;

    // Every point of every stroke in drawing order; empty until prepared.
    int nbPoints() const { return static_cast<int>(m_points->size()); }
    std::span<const CInkPoint> points() const { return *m_points; }
    const CInkPoint& boiteMin() const { return m_boiteMin; }
    const CInkPoint& boiteMax() const { return m_boiteMax; }

    // f1..f13 at indices 0..12; all 0 until computed.
    const Caracteristiques& caracteristiques() const { return m_caracteristiques; }
    double caracteristique(int i) const {
        return m_caracteristiques.at(static_cast<std::size_t>(i));
    }

    // Fills the point array and the bounding box from the drawing, and zeroes
    // the features. The drawing is not changed.
    void preparerPoints();

    // Prepares the points, then computes the 13 features. No smoothing and no
    // resampling: every recorded point counts, repeated ones included. A drawing
    // without points gives zero features.
    void calculerCaracteristiques();

private:
    std::string m_nom;
    std::shared_ptr<CDessin> m_dessin;
    struct RecognizerSlot {
        std::unique_ptr<CShapeRecognizer> recognizer;
    };
    std::shared_ptr<RecognizerSlot> m_reconnaisseur;
    std::shared_ptr<const std::vector<CInkPoint>> m_points;
    CInkPoint m_boiteMin;
    CInkPoint m_boiteMax;
    Caracteristiques m_caracteristiques{};
};
