#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

namespace {

// Every value and inverse of the statistics, then every weight and, with
// `means`, every mean of the classes.
std::vector<double> statisticsOf(const CEnsemble& set, bool means = true) {
    std::vector<double> all;
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            all.insert(all.end(),
                       {set.statistiques().valeur(i, j), set.statistiques().inverse(i, j)});
    for (int c = 0; c < set.nbClasses(); ++c) {
        all.insert(all.end(), set.classe(c).poids().begin(), set.classe(c).poids().end());
        if (means)
            all.insert(all.end(), set.classe(c).moyenne().begin(), set.classe(c).moyenne().end());
    }
    return all;
}

// A set of the same classes holding copies of `source`'s examples, trained in one go.
std::unique_ptr<CEnsemble> retrained(const CEnsemble& source) {
    auto set = std::make_unique<CEnsemble>();
    for (int c = 0; c < source.nbClasses(); ++c) {
        auto classe = std::make_unique<CClasse>(source.classe(c).nom(), "");
        for (int e = 0; e < source.classe(c).nbExemples(); ++e)
            classe->ajouterExemple(std::make_unique<CExemple>(source.classe(c).exemple(e)));
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

} // namespace

// Classes of 3 and 4 examples pool their scatter over 3 + 4 - 2 = 5; an empty
// class and a one-example class have too few examples and change nothing. With
// one example a class, the statistics are zero and nothing is recognised.
TEST(Ensemble, PooledCovariance) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("trois", 0, 3, 1));
    set.ajouterClasse(std::make_unique<CClasse>("vide", ""));
    set.ajouterClasse(generatedClass("quatre", 8, 4, 2));
    set.ajouterClasse(generatedClass("seul", 5, 1, 3));
    set.apprendre();
    EXPECT_EQ(std::tuple(set.nbClassesVides(), set.classe(1).etat(), set.classe(3).etat()),
              std::tuple(1, CClasse::ETAT_TROP_PEU_D_EXEMPLES, CClasse::ETAT_TROP_PEU_D_EXEMPLES));
    EXPECT_TRUE(set.classe(3).covariance().aLigneNulle());
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            EXPECT_DOUBLE_EQ(set.statistiques().valeur(i, j),
                             (set.classe(0).covariance().valeur(i, j) +
                              set.classe(2).covariance().valeur(i, j)) /
                                 5);

    CEnsemble single;
    single.ajouterClasse(generatedClass("a", 0, 1, 1));
    single.ajouterClasse(generatedClass("b", 1, 1, 2));
    single.apprendre();
    EXPECT_EQ(statisticsOf(single, false),
              std::vector<double>(2 * 13 * 13 + 2 * CClasse::NB_POIDS, 0.0));
    EXPECT_FALSE(single.reconnaissancePossible());
}

TEST(Ensemble, ConstructionRemovalAndSharedCopies) {
    CEnsemble set;
    EXPECT_EQ(std::tuple(set.nom(), set.description(), set.nomFichier(), set.typeAction()),
              std::tuple("ensemble", "Aucune description", "ensemble.gst", TYPE_AUCUN));

    // Copies and assigned sets share the classes and the statistics, unmodified.
    CEnsemble source("formes", "d"), assigned;
    source.setTypeAction(TYPE_COMPOSANTS);
    source.setModifie(true);
    const CEnsemble copy(source);
    assigned = source;
    source.ajouterClasse(std::make_unique<CClasse>("c", ""));
    for (const CEnsemble* shared : {&copy, static_cast<const CEnsemble*>(&assigned)})
        EXPECT_EQ(std::tuple(shared->nom(), shared->description(), shared->nomFichier(),
                             shared->typeAction(), shared->modifie(), &shared->statistiques(),
                             shared->nbClasses()),
                  std::tuple("formes", "d", "formes.gst", TYPE_COMPOSANTS, false,
                             &source.statistiques(), 1));

    // The examples of the class at 2 go, then the first class named "x" does.
    set.ajouterClasse(std::make_unique<CClasse>("x", ""));
    set.ajouterClasse(generatedClass("y", 2, 3, 5));
    set.ajouterClasse(generatedClass("x", 3, 4, 6));
    set.supprimerClasse(2);
    ASSERT_EQ(set.nbClasses(), 2);
    EXPECT_EQ(std::tuple(set.classe(0).nom(), set.classe(0).nbExemples(), set.classe(1).nom(),
                         set.classe(1).estVide()),
              std::tuple("y", 3, "x", true));
}

// The editor's updates after each addition and removal leave the statistics a
// full training would give.
TEST(Ensemble, IncrementalUpdatesMatchFullTraining) {
    const auto model = componentSet(4, 5, 9);
    CEnsemble set;
    for (int c = 0; c < 4; ++c)
        set.ajouterClasse(std::make_unique<CClasse>(model->classe(c).nom(), ""));
    for (int e = 0; e < 5; ++e)
        for (int c = 0; c < 4; ++c) {
            set.classe(c).ajouterExemple(std::make_unique<CExemple>(model->classe(c).exemple(e)));
            set.apresAjoutExemple(c);
            ASSERT_EQ(statisticsOf(set), statisticsOf(*retrained(set)));
        }
    EXPECT_EQ(statisticsOf(set), statisticsOf(*model));

    for (int e = 0; e < 5; ++e) {
        set.classe(2).supprimerExemple(0);
        set.apresSuppressionExemple(2);
        ASSERT_EQ(statisticsOf(set), statisticsOf(*retrained(set)));
    }
    EXPECT_TRUE(set.classe(2).covariance().aLigneNulle());
    set.supprimerClasse(2);
    set.apresSuppressionClasse();
    EXPECT_EQ(statisticsOf(set), statisticsOf(*retrained(set)));
}
