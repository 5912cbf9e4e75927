#include "app/Commands.h"

#include <map>

namespace {

const std::map<int, QString>& Strings()
{
    static const std::map<int, QString> strings = {
        {Cmd::FileNew, "Crée un nouveau document\nNouveau"},
        {Cmd::FileOpen, "Ouvre un document existant\nOuvrir"},
        {Cmd::FileSave, "Enregistre le document actif\nEnregistrer"},
        {Cmd::FileSaveAs, "Enregistre le document actif sous un nouveau nom\nEnregistrer sous"},
        {Cmd::FilePrintSetup, "Modifie l'imprimante et les options d'impression\nConfiguration de l'impression"},
        {Cmd::FilePrint, "Imprime le document actif\nImprimer"},
        {Cmd::FilePrintPreview, "Affiche des pages entières\nAperçu avant impression"},
        {Cmd::FileMru1, "Ouvre ce document"},
        {Cmd::FileMru1 + 1, "Ouvre ce document"},
        {Cmd::FileMru1 + 2, "Ouvre ce document"},
        {Cmd::FileMru4, "Ouvre ce document"},
        {Cmd::EditClearAll, "Efface la totalité du fichier d'éphémérides\nEffacer tout"},
        {Cmd::EditCopy, "Copie la sélection et la place dans le Presse-papiers\nCopier"},
        {Cmd::EditCut, "Coupe la sélection et la place dans le Presse-papiers\nCouper"},
        {Cmd::EditPaste, "Insère le contenu du Presse-papiers\nColler"},
        {Cmd::EditUndo, "Annule la dernière action\nAnnuler"},
        {Cmd::AppAbout, "Affiche des informations sur le programme, le numéro de version et le copyright\nA propos de"},
        {Cmd::AppExit, "Quitte l'application ; propose d'enregistrer les documents\nQuitter"},
        {Cmd::Help, "Affiche l'aide de QAV\nAide"},
        {Cmd::NextPane, "Passe au volet suivant de la fenêtre\nVolet suivant"},
        {Cmd::PrevPane, "Revient au volet précédent de la fenêtre\nVolet précédent"},
        {Cmd::ViewToolbar, "Affiche ou masque la barre d'outils\nBarre d'outils"},
        {Cmd::ViewStatusBar, "Affiche ou masque la barre d'état\nBarre d'état"},
        {Cmd::ViewFont, "Change la fonte d'écran"},
        {Cmd::CometEphemeris, "Calcul d'une éphéméride"},
        {Cmd::AsteroidEphemeris, "Calcul d'une éphéméride"},
        {Cmd::CometVisibility, "Affichage d'un diagramme de visibilité"},
        {Cmd::AsteroidVisibility, "Affichage d'un diagramme de visibilité"},
        {Cmd::CometVisibilityButton, "Affiche la liste des comètes enregistrées\nComètes"},
        {Cmd::AsteroidVisibilityButton, "Affiche la liste des astéroïdes enregistrés\nAstéroïdes"},
        {Cmd::DiagramClose, "Ferme le diagramme de visibilité"},
        {Cmd::DiagramNextMonth, "Diagramme un mois plus tard"},
        {Cmd::DiagramPreviousMonth, "Diagramme un mois plus tôt"},
        {Cmd::DiagramNextSixMonths, "Diagramme six mois plus tard"},
        {Cmd::DiagramNew, "Pour afficher un nouveau diagramme"},
        {Cmd::EphemerisFromDiagram, "Affiche l'éphéméride correspondant au diagramme de visibilité"},
        {Cmd::DiagramPreviousSixMonths, "Diagramme six mois plus tôt"},
        {Cmd::Magnitudes, "Calcul des coefficients de la formule des magnitudes"},
        {Cmd::SiteBase, "Gestion de la base de données des sites"},
        {Cmd::CometBase, "Gestion de la base de données des comètes"},
        {Cmd::CometImport, "Importe les éléments de comètes du Minor Planet Center"},
        {Cmd::AsteroidImport, "Importe les éléments d'astéroïdes du Minor Planet Center"},
        {Cmd::Tonight, "Comètes et astéroïdes observables cette nuit depuis un site\nCe soir"},
    };
    return strings;
}

MenuItem Command(int id, const char* text) { return {MenuItem::Kind::Command, id, text, {}}; }
MenuItem Separator() { return {MenuItem::Kind::Separator, 0, {}, {}}; }
MenuItem Popup(const char* text, std::vector<MenuItem> items)
{
    return {MenuItem::Kind::Popup, 0, text, std::move(items)};
}

} // namespace

QString CommandString(int id)
{
    const auto found = Strings().find(id);
    return found == Strings().end() ? QString() : found->second;
}

QString CommandPrompt(int id) { return CommandString(id).section('\n', 0, 0); }

QString CommandTooltip(int id)
{
    const QString string = CommandString(id);
    const auto at = string.indexOf('\n');
    return at < 0 ? QString() : string.mid(at + 1);
}

const std::vector<MenuItem>& MainMenu()
{
    static const std::vector<MenuItem> menu = {
        Popup("&Fichier", {
            Command(Cmd::FileNew, "&Nouveau"),
            Command(Cmd::FileOpen, "&Ouvrir..."),
            Command(Cmd::FileSave, "&Enregistrer"),
            Command(Cmd::FileSaveAs, "En&registrer sous..."),
            Separator(),
            Command(Cmd::FilePrint, "&Imprimer..."),
            Command(Cmd::FilePrintPreview, "Aperçu a&vant impression"),
            Command(Cmd::FilePrintSetup, "C&onfiguration de l'impression..."),
            Separator(),
            {MenuItem::Kind::RecentFiles, Cmd::FileMru1, "Fichier récent", {}},
            Separator(),
            Command(Cmd::AppExit, "&Quitter"),
        }),
        Popup("&Edition", {
            Command(Cmd::EditUndo, "&Annuler"),
            Separator(),
            Command(Cmd::EditCut, "Cou&per"),
            Command(Cmd::EditCopy, "&Copier"),
            Command(Cmd::EditPaste, "Co&ller"),
            Separator(),
            Command(Cmd::EditClearAll, "E&ffacer tout"),
        }),
        Popup("&Affichage", {
            Command(Cmd::ViewToolbar, "&Barre d'outils"),
            Command(Cmd::ViewStatusBar, "Barre d'é&tat"),
            Separator(),
            Command(Cmd::ViewFont, "Fonte..."),
        }),
        Popup("&Comètes", {
            Command(Cmd::CometEphemeris, "&Éphéméride"),
            Command(Cmd::CometVisibility, "&Visibilité"),
            Separator(),
            Command(Cmd::CometBase, "&Base de données"),
            Command(Cmd::CometImport, "&Importer des éléments…"),
            Command(Cmd::Magnitudes, "&Magnitudes"),
        }),
        // Alt+A is Affichage's: two menus of one bar cannot share a letter.
        Popup("As&téroïdes", {
            Command(Cmd::AsteroidEphemeris, "&Éphéméride"),
            Command(Cmd::AsteroidVisibility, "&Visibilité"),
            Separator(),
            Command(Cmd::AsteroidImport, "&Importer des éléments…"),
        }),
        Popup("&Sites", {
            Command(Cmd::SiteBase, "&Base de données"),
            Command(Cmd::Tonight, "&Ce soir…"),
        }),
        Popup("&?", {
            Command(Cmd::Help, "Aide"),
            Separator(),
            Command(Cmd::AppAbout, "&A propos de Qav..."),
        }),
    };
    return menu;
}

const std::vector<MenuItem>& DiagramMenu()
{
    static const std::vector<MenuItem> menu = {
        Popup("&Fichier", {
            Command(Cmd::FilePrint, "&Imprimer..."),
            Command(Cmd::FilePrintPreview, "Aperçu a&vant impression"),
            Command(Cmd::FilePrintSetup, "C&onfiguration de l'impression..."),
            Separator(),
            Command(Cmd::DiagramClose, "&Fermer"),
        }),
        Command(Cmd::EphemerisFromDiagram, "&Ephéméride"),
        Command(Cmd::DiagramPreviousSixMonths, "<="),
        Command(Cmd::DiagramPreviousMonth, "<--"),
        Command(Cmd::DiagramNextMonth, "-->"),
        Command(Cmd::DiagramNextSixMonths, "=>"),
        Command(Cmd::DiagramNew, "&Nouveau"),
        Command(Cmd::DiagramHelp, "Aide"),
    };
    return menu;
}

const std::vector<Accelerator>& MainAccelerators()
{
    static const std::vector<Accelerator> accelerators = {
        {Cmd::FileNew, {"Ctrl+N"}},
        {Cmd::FileOpen, {"Ctrl+O"}},
        {Cmd::FileSave, {"Ctrl+S"}},
        {Cmd::FilePrint, {"Ctrl+P"}},
        {Cmd::AppExit, {"Esc"}},
        {Cmd::EditUndo, {"Ctrl+Z", "Alt+Backspace"}},
        {Cmd::EditClearAll, {"Ctrl+F"}},
        {Cmd::EditCut, {"Ctrl+X", "Shift+Del"}},
        {Cmd::EditCopy, {"Ctrl+C", "Ctrl+Ins"}},
        {Cmd::EditPaste, {"Ctrl+V", "Shift+Ins"}},
        {Cmd::Help, {"F1"}},
        {Cmd::NextPane, {"F6"}},
        {Cmd::PrevPane, {"Shift+F6"}},
        {Cmd::SecretDrawer, {"Ctrl+Shift+Alt+F9"}},
    };
    return accelerators;
}

const std::vector<int>& MainToolbar()
{
    static const std::vector<int> buttons = {
        Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Cmd::FilePrint, 0,
        Cmd::EditCut, Cmd::EditCopy, Cmd::EditPaste, 0,
        Cmd::CometVisibilityButton, Cmd::AsteroidVisibilityButton, 0,
        Cmd::AppAbout,
    };
    return buttons;
}
