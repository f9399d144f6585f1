#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/Drawings.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A horizontal line of the given length, three points, drawn in `duration` seconds.
std::unique_ptr<CExemple> line(const std::string& name, int length, double duration) {
    auto e = std::make_unique<CExemple>(name);
    e->setDessin(drawingOf({{{0, 0, 0.0}, {length / 2, 0, duration / 2}, {length, 0, duration}}}));
    return e;
}

} // namespace

TEST(Classe, MeanAndScatterWorkedByHand) {
    CClasse c("lignes", "");
    c.ajouterExemple(line("a", 10, 0.1));
    c.ajouterExemple(line("b", 20, 0.3));
    c.ajouterExemple(line("c", 30, 0.2));
    for (int e = 0; e < 3; ++e)
        c.exemple(e).calculerCaracteristiques();
    c.calculerMoyenne();
    c.calculerCovariance();
    // f3 = f5 = f8 = the length: 10, 20, 30; f13 = 0.1, 0.3, 0.2.
    EXPECT_DOUBLE_EQ(c.moyenne()[7], 20.0);
    EXPECT_DOUBLE_EQ(c.moyenne()[12], 0.2);
    EXPECT_DOUBLE_EQ(c.covariance().valeur(7, 7), 200.0);
    EXPECT_DOUBLE_EQ(c.covariance().valeur(2, 7), 200.0);
    EXPECT_NEAR(c.covariance().valeur(7, 12), -10 * -0.1 + 0 + 10 * 0.0, 1e-12);
    EXPECT_NEAR(c.covariance().valeur(12, 12), 0.02, 1e-15);
    // Lines have f2 = 0 throughout: a zero row.
    EXPECT_EQ(c.etat(), CClasse::ETAT_LIGNE_NULLE);
}

TEST(Classe, StatusFollowsTheExamples) {
    CClasse c("c", "");
    EXPECT_TRUE(c.estVide());
    EXPECT_EQ(c.etat(), CClasse::ETAT_TROP_PEU_D_EXEMPLES);
    c.ajouterExemple(line("a", 10, 0.1));
    c.exemple(0).calculerCaracteristiques();
    c.calculerMoyenne();
    c.calculerCovariance();
    EXPECT_EQ(c.etat(), CClasse::ETAT_TROP_PEU_D_EXEMPLES);
    EXPECT_TRUE(c.covariance().aLigneNulle());

    auto usable = generatedClass("cercle", 8, 6, 3);
    for (int e = 0; e < usable->nbExemples(); ++e)
        usable->exemple(e).calculerCaracteristiques();
    usable->calculerMoyenne();
    usable->calculerCovariance();
    EXPECT_EQ(usable->etat(), CClasse::ETAT_UTILISABLE);
}

TEST(Classe, RemovingAnExampleRemovesTheFirstOfItsName) {
    CClasse c("c", "");
    c.ajouterExemple(line("a", 10, 0.1));
    c.ajouterExemple(line("b", 20, 0.1));
    c.ajouterExemple(line("b", 30, 0.1));
    c.ajouterExemple(line("d", 40, 0.1));
    c.supprimerExemple(2);
    ASSERT_EQ(c.nbExemples(), 3);
    EXPECT_EQ(c.exemple(1).nom(), "b");
    EXPECT_EQ(c.exemple(1).dessin()->totalLength(), 30.0);
    EXPECT_EQ(c.exemple(2).nom(), "d");
    c.supprimerExemples();
    EXPECT_TRUE(c.estVide());
}

TEST(Classe, CopySharesExamplesAndCovariance) {
    CClasse source("s", "description");
    source.setCode(204);
    source.ajouterExemple(line("a", 10, 0.1));
    const CClasse copy(source);
    EXPECT_EQ(&copy.covariance(), &source.covariance());
    EXPECT_EQ(&copy.exemple(0), &source.exemple(0));
    EXPECT_EQ(copy.code(), 204);
    EXPECT_EQ(copy.description(), "description");
    source.ajouterExemple(line("b", 20, 0.1));
    EXPECT_EQ(copy.nbExemples(), 2);
    EXPECT_EQ(CClasse().code(), AUCUN_CODE);
}

// Classes of 3 and 4 examples pool their scatter over 3 + 4 - 2 = 5; an empty
// class and a one-example class change nothing.
TEST(Ensemble, PooledCovarianceDividesByFive) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("trois", 0, 3, 1));
    set.ajouterClasse(std::make_unique<CClasse>("vide", ""));
    set.ajouterClasse(generatedClass("quatre", 8, 4, 2));
    set.ajouterClasse(generatedClass("seul", 5, 1, 3));
    set.apprendre();
    EXPECT_EQ(set.nbClassesVides(), 1);
    const CClasse& a = set.classe(0);
    const CClasse& b = set.classe(2);
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            EXPECT_DOUBLE_EQ(set.statistiques().valeur(i, j),
                             (a.covariance().valeur(i, j) + b.covariance().valeur(i, j) +
                              set.classe(3).covariance().valeur(i, j)) /
                                 5);
    EXPECT_TRUE(set.classe(3).covariance().aLigneNulle());
}

TEST(Ensemble, WeightsSatisfyTheConstantTerm) {
    const auto set = componentSet(5, 8, 4);
    for (int c = 0; c < set->nbClasses(); ++c) {
        const CClasse& k = set->classe(c);
        double sum = 0.0;
        for (int j = 1; j <= 13; ++j) {
            double w = 0.0;
            for (int i = 0; i < 13; ++i)
                w += set->statistiques().inverse(i, j - 1) * k.moyenne()[i];
            EXPECT_DOUBLE_EQ(k.poids()[j], w);
            sum += k.poids()[j] * k.moyenne()[j - 1];
        }
        EXPECT_DOUBLE_EQ(k.poids()[0], -0.5 * sum);
    }
}

TEST(Ensemble, OneExamplePerClassGivesZeroStatistics) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("a", 0, 1, 1));
    set.ajouterClasse(generatedClass("b", 1, 1, 2));
    set.apprendre();
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            EXPECT_EQ(set.statistiques().valeur(i, j), 0.0);
            EXPECT_EQ(set.statistiques().inverse(i, j), 0.0);
        }
    EXPECT_EQ(set.classe(0).poids(), CClasse::Poids{});
    EXPECT_FALSE(set.reconnaissancePossible());
}

TEST(Ensemble, EmptyClassesAndRemoval) {
    CEnsemble set("ensemble", "");
    EXPECT_TRUE(set.toutesClassesVides());
    EXPECT_FALSE(set.reconnaissancePossible());
    set.ajouterClasse(std::make_unique<CClasse>("x", ""));
    set.ajouterClasse(generatedClass("y", 2, 3, 5));
    set.ajouterClasse(generatedClass("x", 3, 4, 6));
    EXPECT_FALSE(set.toutesClassesVides());
    EXPECT_EQ(set.nbClassesVides(), 1);
    set.apprendre();
    EXPECT_TRUE(set.reconnaissancePossible());

    // The examples of the class at 2 go, then the first class named "x" does.
    set.supprimerClasse(2);
    ASSERT_EQ(set.nbClasses(), 2);
    EXPECT_EQ(set.classe(0).nom(), "y");
    EXPECT_EQ(set.classe(0).nbExemples(), 3);
    EXPECT_EQ(set.classe(1).nom(), "x");
    EXPECT_TRUE(set.classe(1).estVide());
}

TEST(Ensemble, ConstructionAndSharedCopies) {
    const CEnsemble defaults;
    EXPECT_EQ(defaults.nom(), "ensemble");
    EXPECT_EQ(defaults.description(), "Aucune description");
    EXPECT_EQ(defaults.nomFichier(), "ensemble.gst");
    EXPECT_EQ(defaults.typeAction(), TYPE_AUCUN);
    EXPECT_FALSE(defaults.modifie());

    CEnsemble source("formes", "d");
    source.setTypeAction(TYPE_COMPOSANTS);
    source.setModifie(true);
    const CEnsemble copy(source);
    EXPECT_FALSE(copy.modifie());
    EXPECT_EQ(copy.nomFichier(), "formes.gst");
    EXPECT_EQ(copy.typeAction(), TYPE_COMPOSANTS);
    EXPECT_EQ(&copy.statistiques(), &source.statistiques());
    source.ajouterClasse(std::make_unique<CClasse>("c", ""));
    EXPECT_EQ(copy.nbClasses(), 1);
}

namespace {

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

void expectSameStatistics(const CEnsemble& actual, const CEnsemble& expected) {
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            ASSERT_EQ(actual.statistiques().valeur(i, j), expected.statistiques().valeur(i, j));
            ASSERT_EQ(actual.statistiques().inverse(i, j), expected.statistiques().inverse(i, j));
        }
    for (int c = 0; c < actual.nbClasses(); ++c) {
        ASSERT_EQ(actual.classe(c).moyenne(), expected.classe(c).moyenne()) << c;
        ASSERT_EQ(actual.classe(c).poids(), expected.classe(c).poids()) << c;
    }
}

} // namespace

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
            expectSameStatistics(set, *retrained(set));
        }
    expectSameStatistics(set, *model);

    for (int e = 0; e < 5; ++e) {
        set.classe(2).supprimerExemple(0);
        set.apresSuppressionExemple(2);
        expectSameStatistics(set, *retrained(set));
    }
    EXPECT_EQ(set.classe(2).poids(), CClasse::Poids{});
    EXPECT_TRUE(set.classe(2).covariance().aLigneNulle());

    set.supprimerClasse(2);
    set.apresSuppressionClasse();
    expectSameStatistics(set, *retrained(set));

    for (int c = 0; c < 3; ++c)
        while (!set.classe(c).estVide()) {
            set.classe(c).supprimerExemple(0);
            set.apresSuppressionExemple(c);
        }
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            EXPECT_EQ(set.statistiques().valeur(i, j), 0.0);
            EXPECT_EQ(set.statistiques().inverse(i, j), 0.0);
        }
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(set.classe(c).poids(), CClasse::Poids{});
}
