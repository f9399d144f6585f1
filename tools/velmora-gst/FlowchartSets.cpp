#include "velmora-gst/FlowchartSets.h"

#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"

#include <QFile>

#include <iostream>

std::unique_ptr<CEnsemble> flowchartSet(GestureTarget target, const std::string& folder,
                                        const std::string& file) {
    const std::string name = target == GestureTarget::Component ? "formes.gst" : "commandes.gst";
    LectureEnsemble read;
    if (!file.empty()) {
        read = chargerEnsemble(file);
    } else if (!folder.empty()) {
        read = chargerEnsemble(folder.ends_with('/') ? folder + name : folder + "/" + name);
    } else {
        QFile shipped(QString::fromStdString(":/gestes/" + name));
        if (!shipped.open(QIODevice::ReadOnly)) {
            std::cerr << "L'ensemble livré " << name << " manque à ce programme.\n";
            return nullptr;
        }
        read = lireEnsemble(shipped.readAll().toStdString(), name);
    }
    if (!read.erreur.empty()) {
        std::cerr << read.erreur << '\n';
        return nullptr;
    }
    return std::move(read.ensemble);
}

std::string decisionText(const GestureDecision& decision, GestureTarget target) {
    if (!decision.possible)
        return "Reconnaissance impossible";
    if (decision.rejected()) {
        std::string text = "Geste rejeté (classe la plus proche : " + decision.className + ")";
        if (decision.rejectedByProbability)
            text += " (1)";
        if (decision.rejectedByDistance)
            text += " (2)";
        return text;
    }
    const int type = target == GestureTarget::Component ? TYPE_COMPOSANTS : TYPE_COMMANDES;
    return (target == GestureTarget::Component ? "Composant : " : "Commande : ") +
           std::to_string(decision.code) + " (" + nomCode(type, decision.code) + ")";
}
