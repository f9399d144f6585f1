#pragma once

#include "flowchart/GestureDecision.h"

#include <memory>
#include <string>

class CEnsemble;

// The set a new flowchart recognises `target` gestures with: the shipped one
// compiled into this program (formes.gst or commandes.gst), the one of that name
// in `folder`, or the file `file`. Null, with the French message printed, when
// it cannot be read.
std::unique_ptr<CEnsemble> flowchartSet(GestureTarget target, const std::string& folder,
                                        const std::string& file);

// "Composant : 105 (Rectangle horizontal)", "Commande : 208 (Effacer : Tout)", or
// "Geste rejeté (classe la plus proche : NAME) (1) (2)".
std::string decisionText(const GestureDecision& decision, GestureTarget target);
