#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/Drawings.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

namespace {

// A horizontal line of the given length, three points, drawn in `duration` seconds.
std::unique_ptr<CExemple> line(const std::string& name, int length, double duration = 0.1) {
    auto e = std::make_unique<CExemple>(name);
    e->setDessin(drawingOf({{{0, 0, 0.0}, {length / 2, 0, duration / 2}, {length, 0, duration}}}));
    return e;
}

void train(CClasse& c) {
    for (int e = 0; e < c.nbExemples(); ++e)
        c.exemple(e).calculerCaracteristiques();
    c.calculerMoyenne();
    c.calculerCovariance();
}

// Every value and inverse of the statistics, then every mean and weight, are
// those of `expected`, or zero.
void expectSameStatistics(const CEnsemble& actual, const CEnsemble* expected) {
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            ASSERT_EQ(actual.statistiques().valeur(i, j),
                      expected ? expected->statistiques().valeur(i, j) : 0.0);
            ASSERT_EQ(actual.statistiques().inverse(i, j),
                      expected ? expected->statistiques().inverse(i, j) : 0.0);
        }
    for (int c = 0; c < actual.nbClasses(); ++c) {
        if (expected) {
            ASSERT_EQ(actual.classe(c).moyenne(), expected->classe(c).moyenne()) << c;
        }
        ASSERT_EQ(actual.classe(c).poids(),
                  expected ? expected->classe(c).poids() : CClasse::Poids{})
            << c;
    }
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

TEST(Classe, MeanScatterAndStatus) {
    CClasse c("lignes", "");
    EXPECT_EQ(c.etat(), CClasse::ETAT_TROP_PEU_D_EXEMPLES);
    c.ajouterExemple(line("a", 10, 0.1));
    train(c);
    EXPECT_EQ(c.etat(), CClasse::ETAT_TROP_PEU_D_EXEMPLES);
    c.ajouterExemple(line("b", 20, 0.3));
    c.ajouterExemple(line("c", 30, 0.2));
    train(c);
    // f3 = f5 = f8 = the length: 10, 20, 30; f13 = 0.1, 0.3, 0.2.
    EXPECT_DOUBLE_EQ(c.moyenne()[7], 20.0);
    EXPECT_DOUBLE_EQ(c.moyenne()[12], 0.2);
    EXPECT_DOUBLE_EQ(c.covariance().valeur(7, 7), 200.0);
    EXPECT_DOUBLE_EQ(c.covariance().valeur(2, 7), 200.0);
    EXPECT_NEAR(c.covariance().valeur(7, 12), -10 * -0.1 + 0 + 10 * 0.0, 1e-12);
    EXPECT_NEAR(c.covariance().valeur(12, 12), 0.02, 1e-15);
    // Lines have f2 = 0 throughout: a zero row.
    EXPECT_EQ(c.etat(), CClasse::ETAT_LIGNE_NULLE);

    auto usable = generatedClass("cercle", 8, 6, 3);
    train(*usable);
    EXPECT_EQ(usable->etat(), CClasse::ETAT_UTILISABLE);
}

// Removing an example removes the first of its name; copies share the examples.
TEST(Classe, RemovalAndSharedCopies) {
    CClasse c("c", "description");
    c.setCode(204);
    for (const auto& [name, length] : {std::pair{"a", 10}, {"b", 20}, {"b", 30}, {"d", 40}})
        c.ajouterExemple(line(name, length));
    const CClasse copy(c);
    c.supprimerExemple(2);
    ASSERT_EQ(copy.nbExemples(), 3);
    EXPECT_EQ(copy.exemple(1).dessin()->totalLength(), 30.0);
    EXPECT_EQ(copy.exemple(2).nom(), "d");
    EXPECT_EQ(&copy.covariance(), &c.covariance());
    EXPECT_EQ(std::tuple(copy.nom(), copy.description(), copy.code()),
              std::tuple("c", "description", 204));
    c.supprimerExemples();
    EXPECT_TRUE(copy.estVide());
    EXPECT_EQ(CClasse().code(), AUCUN_CODE);
}

// Classes of 3 and 4 examples pool their scatter over 3 + 4 - 2 = 5; an empty
// class and a one-example class change nothing. With one example a class, the
// statistics are zero and nothing is recognised.
TEST(Ensemble, PooledCovariance) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("trois", 0, 3, 1));
    set.ajouterClasse(std::make_unique<CClasse>("vide", ""));
    set.ajouterClasse(generatedClass("quatre", 8, 4, 2));
    set.ajouterClasse(generatedClass("seul", 5, 1, 3));
    set.apprendre();
    EXPECT_EQ(set.nbClassesVides(), 1);
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
    expectSameStatistics(single, nullptr);
    EXPECT_FALSE(single.reconnaissancePossible());
}

TEST(Ensemble, ConstructionRemovalAndSharedCopies) {
    CEnsemble set;
    EXPECT_EQ(std::tuple(set.nom(), set.description(), set.nomFichier(), set.typeAction()),
              std::tuple("ensemble", "Aucune description", "ensemble.gst", TYPE_AUCUN));
    EXPECT_TRUE(set.toutesClassesVides());
    EXPECT_FALSE(set.reconnaissancePossible());
    set.ajouterClasse(std::make_unique<CClasse>("x", ""));
    set.ajouterClasse(generatedClass("y", 2, 3, 5));
    set.ajouterClasse(generatedClass("x", 3, 4, 6));
    EXPECT_FALSE(set.toutesClassesVides());
    set.apprendre();
    EXPECT_TRUE(set.reconnaissancePossible());

    CEnsemble source("formes", "d");
    source.setTypeAction(TYPE_COMPOSANTS);
    source.setModifie(true);
    const CEnsemble copy(source);
    EXPECT_FALSE(copy.modifie());
    EXPECT_EQ(std::tuple(copy.nomFichier(), copy.typeAction()),
              std::tuple("formes.gst", TYPE_COMPOSANTS));
    EXPECT_EQ(&copy.statistiques(), &source.statistiques());
    source.ajouterClasse(std::make_unique<CClasse>("c", ""));
    EXPECT_EQ(copy.nbClasses(), 1);
    CEnsemble assigned;
    assigned = source;
    EXPECT_EQ(
        std::tuple(assigned.nom(), assigned.description(), assigned.nomFichier(),
                   assigned.typeAction(), assigned.modifie(), &assigned.statistiques(),
                   assigned.nbClasses()),
        std::tuple("formes", "d", "formes.gst", TYPE_COMPOSANTS, false, &copy.statistiques(), 1));

    // The examples of the class at 2 go, then the first class named "x" does.
    set.supprimerClasse(2);
    ASSERT_EQ(set.nbClasses(), 2);
    EXPECT_EQ(set.classe(0).nom(), "y");
    EXPECT_EQ(set.classe(0).nbExemples(), 3);
    EXPECT_EQ(set.classe(1).nom(), "x");
    EXPECT_TRUE(set.classe(1).estVide());
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
            expectSameStatistics(set, retrained(set).get());
        }
    expectSameStatistics(set, model.get());

    for (int e = 0; e < 5; ++e) {
        set.classe(2).supprimerExemple(0);
        set.apresSuppressionExemple(2);
        expectSameStatistics(set, retrained(set).get());
    }
    EXPECT_TRUE(set.classe(2).covariance().aLigneNulle());
    set.supprimerClasse(2);
    set.apresSuppressionClasse();
    expectSameStatistics(set, retrained(set).get());

    for (int c = 0; c < 3; ++c)
        while (!set.classe(c).estVide()) {
            set.classe(c).supprimerExemple(0);
            set.apresSuppressionExemple(c);
        }
    expectSameStatistics(set, nullptr);
}
