#pragma once

#include <QList>

class QAction;
class QMenu;

// The menus and commands of the main window that a document window puts in
// its own menu bar while it is active.
class FrameMenus {
public:
    enum class Menu { Editeur, Organigrammes, Gestes, Option, Affichage, Fenetre, Aide };
    enum class Action {
        NouveauTexte,
        Ouvrir,
        ConfigurationImpression,
        Quitter,
        NouvelOrga,
        OuvrirOrga,
        NouveauGestes,
        OuvrirGestes,
        AdapterGestes,
        Configuration,
        ChoisirGestes,
        TraceComposant,
        TraceCommande,
        APropos,
    };

    virtual QMenu* menu(Menu menu) const = 0;
    virtual QAction* action(Action action) const = 0;
    // The entries of the recent files, for a document window's own file menu;
    // they are replaced whenever the list changes.
    virtual const QList<QAction*>& recentFileActions() const = 0;

protected:
    ~FrameMenus() = default;
};
