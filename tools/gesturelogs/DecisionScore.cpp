#include "gesturelogs/DecisionScore.h"

#include "engine/Ensemble.h"
#include "engine/PersonalClass.h"
#include "gesturelogs/GestureLog.h"
#include "gesturelogs/LogFolder.h"

#include <algorithm>

namespace {

bool listed(const std::vector<std::string>& list, const std::string& person) {
    return std::find(list.begin(), list.end(), person) != list.end();
}

// One drawing of a log kind, with the writer it came from.
struct LoggedDrawing {
    std::size_t kind;
    std::string person;
    const CExemple* exemple;
};

// The drawings of the kinds scored by the writers scored, each writer's in name order.
std::vector<LoggedDrawing> loggedDrawings(const std::vector<const CEnsemble*>& logs,
                                          const ScoreSettings& settings) {
    std::vector<LoggedDrawing> drawings;
    for (std::size_t k = 0; k < settings.kinds.size(); ++k)
        for (const CEnsemble* log : logs)
            for (int c = 0; c < log->nbClasses(); ++c) {
                const CClasse& classe = log->classe(c);
                if (classe.nom() != settings.kinds[k].kind)
                    continue;
                for (int e = 0; e < classe.nbExemples(); ++e) {
                    const auto who = personSpeedOf(classe.exemple(e).nom());
                    const std::string person = who ? who->person : std::string();
                    if ((settings.people.empty() || listed(settings.people, person)) &&
                        !listed(settings.excluded, person))
                        drawings.push_back({k, person, &classe.exemple(e)});
                }
            }
    std::stable_sort(drawings.begin(), drawings.end(), [](const auto& a, const auto& b) {
        return a.person != b.person ? a.person < b.person : a.exemple->nom() < b.exemple->nom();
    });
    return drawings;
}

// `set` with one more class per kind, trained on `examples` as a person adapts
// the set to their hand (PersonalClass.h).
std::unique_ptr<CEnsemble> personalSet(const CEnsemble& set, const ScoreSettings& settings,
                                       const std::vector<std::vector<const CExemple*>>& examples) {
    auto personal = selectExamples(set, {});
    for (std::size_t k = 0; k < examples.size(); ++k) {
        if (examples[k].empty())
            continue;
        CClasse& classe = personal->classe(
            personalClass(*personal, settings.kinds[k].kind, settings.kinds[k].codes.front()));
        for (const CExemple* exemple : examples[k])
            addPersonalExample(classe, exemple->dessin());
    }
    // The shipped examples' features are computed already: only the statistics.
    for (int c = 0; c < personal->nbClasses(); ++c) {
        personal->classe(c).calculerMoyenne();
        personal->classe(c).calculerCovariance();
    }
    personal->calculerStatistiques();
    return personal;
}

void count(KindScore& score, const KindCodes& kind, const GestureDecision& decision) {
    ++score.drawings;
    if (decision.rejected())
        ++score.rejected;
    else if (std::find(kind.codes.begin(), kind.codes.end(), decision.code) != kind.codes.end())
        ++score.right;
    else {
        ++score.wrong;
        ++score.wrongCodes[decision.code];
    }
}

} // namespace

void KindScore::add(const KindScore& other) {
    drawings += other.drawings;
    right += other.right;
    rejected += other.rejected;
    wrong += other.wrong;
    for (const auto& [code, n] : other.wrongCodes)
        wrongCodes[code] += n;
}

DecisionScore scoreDecision(const CEnsemble& set, const std::vector<const CEnsemble*>& logs,
                            const ScoreSettings& settings) {
    DecisionScore result;
    result.kinds.resize(settings.kinds.size());
    const std::vector<LoggedDrawing> drawings = loggedDrawings(logs, settings);
    std::size_t i = 0;
    while (i < drawings.size()) {
        // One writer at a time, so that a personal set is made from their own drawings.
        std::size_t end = i;
        while (end < drawings.size() && drawings[end].person == drawings[i].person)
            ++end;
        result.writers.push_back(drawings[i].person);
        std::vector<std::vector<const CExemple*>> first(settings.kinds.size());
        std::vector<const LoggedDrawing*> scored;
        for (std::size_t d = i; d < end; ++d) {
            auto& training = first[drawings[d].kind];
            if (static_cast<int>(training.size()) < settings.personal)
                training.push_back(drawings[d].exemple);
            else
                scored.push_back(&drawings[d]);
        }
        const auto personal = settings.personal > 0 ? personalSet(set, settings, first) : nullptr;
        for (const LoggedDrawing* drawing : scored)
            count(result.kinds[drawing->kind], settings.kinds[drawing->kind],
                  decideGesture(drawing->exemple->dessin(), personal ? *personal : set,
                                settings.target, settings.combine));
        i = end;
    }
    return result;
}
