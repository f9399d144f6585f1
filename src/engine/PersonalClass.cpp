#include "engine/PersonalClass.h"

#include "engine/Ensemble.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kSmallestSide = 10;
constexpr int kFewestPoints = 5;

} // namespace

std::string personalClassName(const std::string& meaning) {
    return meaning + " (personnel)";
}

int personalClass(CEnsemble& set, const std::string& meaning, int code) {
    const std::string name = personalClassName(meaning);
    for (int c = 0; c < set.nbClasses(); ++c)
        if (set.classe(c).nom() == name)
            return c;
    auto classe = std::make_unique<CClasse>(name, "");
    classe->setCode(static_cast<std::uint16_t>(code));
    set.ajouterClasse(std::move(classe));
    return set.nbClasses() - 1;
}

void addPersonalExample(CClasse& classe, std::shared_ptr<CDessin> drawing) {
    // Examples are told apart by name: the next number that none has.
    std::set<std::string> names;
    for (int e = 0; e < classe.nbExemples(); ++e)
        names.insert(classe.exemple(e).nom());
    int number = classe.nbExemples() + 1;
    while (names.contains(std::to_string(number)))
        ++number;
    auto exemple = std::make_unique<CExemple>(std::to_string(number));
    exemple->setDessin(std::move(drawing));
    exemple->calculerCaracteristiques();
    classe.ajouterExemple(std::move(exemple));
}

bool tooSmallToLearn(const CDessin& drawing) {
    if (drawing.pointCount() < kFewestPoints)
        return true;
    const CInkPoint first = drawing.firstPoint();
    int left = first.x, right = first.x, top = first.y, bottom = first.y;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    return right - left < kSmallestSide && bottom - top < kSmallestSide;
}
