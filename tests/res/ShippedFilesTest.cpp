#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/RecordingCanvas.h"
#include "generator/ShippedSets.h"
#include "recognizer/Files.h"
#include "support/ShippedSetChecks.h"

#include <gtest/gtest.h>

namespace {

std::string resourcePath(const ShippedSet& info) {
    return std::string(VELMORA_RES_DIR) + std::string(info.fichier);
}

std::unique_ptr<CEnsemble> loadShipped(const ShippedSet& info) {
    LectureEnsemble read = chargerEnsemble(resourcePath(info));
    EXPECT_EQ(read.erreur, "");
    return std::move(read.ensemble);
}

// The gesture recognised, as the flowchart view recognises it: its code, or
// AUCUN_CODE when rejected.
int recognisedCode(const CEnsemble& set, const std::shared_ptr<CDessin>& drawing) {
    CAReconnaitre shape(set);
    shape.setDessin(drawing);
    shape.calculerCaracteristiques();
    shape.reconnaitre();
    return shape.code();
}

} // namespace

// The files a new user gets: one usable class per code of their type, named
// after it, with at least fifteen examples each.
TEST(ShippedFiles, HoldOneUsableClassPerCode) {
    for (const ShippedSet& info : kShippedSets) {
        const auto set = loadShipped(info);
        ASSERT_TRUE(set);
        expectOneUsableClassPerCode(*set, info.typeAction, 15);
    }
}

// The files are what `velmora-sets ecrire` makes from the shipped seed, byte for
// byte: whoever changes the gestures makes the files again.
TEST(ShippedFiles, AreWhatTheGeneratorMakes) {
    for (const ShippedSet& info : kShippedSets) {
        std::string content;
        ASSERT_TRUE(readWholeFile(resourcePath(info), content).ok) << info.fichier;
        EXPECT_TRUE(content == ecrireEnsemble(*shippedSet(info, info.exemples, kShippedSeed)))
            << info.fichier << " differs from the generator's output";
    }
}

// A new flowchart with the shipped sets: a rectangle drawn creates a rectangle
// over the gesture, then "R" drawn over it turns it red and the scribble erases
// it, as the flowchart view does with the codes it recognises.
TEST(ShippedFiles, DrawARectangleThenCommandIt) {
    const auto formes = loadShipped(kShippedSets[0]);
    const auto commandes = loadShipped(kShippedSets[1]);
    ASSERT_TRUE(formes && commandes);
    DrawingGenerator g(31);
    RecordingCanvas dc;
    for (int attempt = 0; attempt < 10; ++attempt) {
        COrganigramme organigramme;
        const std::shared_ptr<CDessin> gesture = shippedGesture(TYPE_COMPOSANTS, 105, g);
        const int code = recognisedCode(*formes, gesture);
        ASSERT_EQ(code, 105) << "attempt " << attempt;
        CElement* element =
            organigramme.AddElement(creerComposant(code, gestureRectangle(*gesture), organigramme));
        ASSERT_NE(dynamic_cast<CRectangle*>(element), nullptr);
        EXPECT_EQ(element->type(), 105);
        EXPECT_EQ(element->center(), gestureRectangle(*gesture).centerPoint());

        const std::shared_ptr<CDessin> red = shippedGesture(TYPE_COMMANDES, 210, g);
        const int redCode = recognisedCode(*commandes, red);
        ASSERT_EQ(redCode, commande::CouleurRouge);
        EXPECT_EQ(appliquerCommande(redCode, element, *red, dc, organigramme).status,
                  CommandResult::Status::Done);
        EXPECT_EQ(element->color(), kRouge);

        const std::shared_ptr<CDessin> scribble = shippedGesture(TYPE_COMMANDES, 207, g);
        const int eraseCode = recognisedCode(*commandes, scribble);
        ASSERT_EQ(eraseCode, commande::EffacerSelection);
        appliquerCommande(eraseCode, element, *scribble, dc, organigramme);
        EXPECT_TRUE(organigramme.elements().empty());
    }
}
