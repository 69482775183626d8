#include "app/CCommandLine.h"


#ifndef ZELK_VERSION
#define ZELK_VERSION "0"
#endif

namespace {

CCommandLine Fault(const std::string& message) {
    CCommandLine line;
    line.action = CCommandLine::ACTION_FAULT;
    line.fault = "zelk : " + message + " (voir zelk --help)";
    return line;
}

// The value of "--name VALUE" or "--name=VALUE" at argv[i] (i moves past a
// separate value); false when there is none.
bool TakeValue(int argc, const char* const* argv, int& i, const std::string& name, std::string& value) {
    const std::string word = argv[i];
    if (word == name) {
        if (i + 1 >= argc) return false;
        value = argv[++i];
    } else {
        value = word.substr(name.size() + 1);
    }
    return !value.empty();
}

}  // namespace

CCommandLine CCommandLine::Parse(int argc, const char* const* argv) {
    CCommandLine line;
    bool help = false;
    bool version = false;
    bool report = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            help = true;
        } else if (word == "--version") {
            version = true;
        } else if (word == "--windowed") {
            line.windowed = true;
        } else if (word == "--report") {
            report = true;
        } else if (word == "--csv") {
            line.csv = true;
        } else if (word == "--html") {
            line.html = true;
        } else if (word == "--profiles" || word.rfind("--profiles=", 0) == 0) {
            if (!TakeValue(argc, argv, i, "--profiles", line.profilesFolder)) return Fault("--profiles demande un dossier");
        } else if (word == "--learner" || word.rfind("--learner=", 0) == 0) {
            if (!TakeValue(argc, argv, i, "--learner", line.learner)) return Fault("--learner demande un nom");
        } else if (word.size() > 1 && word[0] == '-') {
            return Fault("option inconnue « " + word + " »");
        } else {
            return Fault("argument inattendu « " + word + " »");
        }
    }
    // Asking for help or the version always works, whatever else was typed.
    if (help) {
        line.action = ACTION_HELP;
    } else if (version) {
        line.action = ACTION_VERSION;
    } else if (!report && (line.csv || line.html || !line.learner.empty())) {
        return Fault(std::string(line.csv ? "--csv" : line.html ? "--html" : "--learner") + " va avec --report");
    } else if (line.csv && line.html) {
        return Fault("--csv et --html ne vont pas ensemble");
    } else if (report) {
        if (line.windowed) return Fault("--windowed ne va pas avec --report");
        line.action = ACTION_REPORT;
    }
    return line;
}

std::string CCommandLine::HelpText() {
    return "Utilisation : zelk [OPTION]...\n"
           "Un jeu en français pour adultes : les tâches d'un cabinet dentaire, d'une\n"
           "pizzeria et d'une épicerie.\n"
           "\n"
           "  --windowed        jouer dans une fenêtre plutôt qu'en plein écran (F11)\n"
           "  --report          afficher les progrès de chaque apprenant, un tableau\n"
           "                    chacun : par activité le dernier score, le meilleur,\n"
           "                    le nombre de parties et la date de la dernière\n"
           "  --report --csv    la même chose en CSV (UTF-8) pour un tableur\n"
           "  --report --html   la même chose en page à imprimer, une feuille par\n"
           "                    apprenant, avec un graphique des scores dans le temps\n"
           "  --learner NOM     avec --report : cet apprenant seulement\n"
           "  --profiles DOSSIER  garder les profils des apprenants dans DOSSIER\n"
           "  --help            afficher cette aide\n"
           "  --version         afficher la version\n"
           "\n"
           "Une fois le jeu installé, les profils sont dans $XDG_DATA_HOME/zelk/Profiles\n"
           "(par défaut ~/.local/share/zelk/Profiles) ; lancé depuis son dossier de\n"
           "compilation, dans Profiles sous le dossier courant. La variable\n"
           "d'environnement ZELK_PROFILES, ou --profiles, en nomme un autre, par\n"
           "exemple un dossier partagé par tous les apprenants d'un ordinateur.\n";
}

std::string CCommandLine::VersionText() { return std::string("zelk ") + ZELK_VERSION + "\n"; }
