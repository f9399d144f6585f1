#pragma once

#include <optional>
#include <vector>

class CDessin;

// A nearest-template recogniser after Protractor (Li, 2010): every example is
// kept as a template, and a drawing goes to the class of the template it
// resembles most. It needs one example per class and learns nothing else, which
// makes it a yardstick for the trained classifier.
class CTemplateMatcher {
public:
    // Points each drawing is resampled to; the vectors hold twice as many numbers.
    static constexpr int kPoints = 16;

    struct Match {
        int classIndex = -1;
        double score = 0.0; // cosine similarity, 1 for the same shape
    };

    // The drawing's strokes joined in order, resampled to kPoints points evenly
    // spaced along the path, centred on their centroid and scaled to unit length.
    // Empty for a drawing without length, which cannot be compared.
    static std::optional<std::vector<double>> vectorOf(const CDessin& drawing);

    // False, storing nothing, when the drawing has no length.
    bool addTemplate(int classIndex, const CDessin& drawing);
    void addTemplate(int classIndex, std::vector<double> vector);
    int templateCount() const { return static_cast<int>(m_templates.size()); }

    // The best template's class and score; empty without templates or when the
    // drawing has no length.
    std::optional<Match> match(const CDessin& drawing) const;
    std::optional<Match> match(const std::vector<double>& vector) const;

private:
    struct Template {
        int classIndex;
        std::vector<double> vector;
    };
    std::vector<Template> m_templates;
};
