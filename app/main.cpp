#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CCommandLine.h"
#include "app/CZelkApp.h"
#include "app/DataFolder.h"
#include "app/HeapUse.h"
#include "core/CProgressReport.h"

namespace {

// An installed game reads its pictures beside the program and keeps the
// profiles in the user's data folder; from the build folder both stay in
// the working directory. ZELK_PROFILES or --profiles name a shared folder.
void ChooseFolders(const CCommandLine& line) {
    const std::string installed = InstalledGameFolder(ExecutablePath());
    if (!installed.empty()) UseGameFolder(installed);
    const std::string profiles = ChooseProfilesFolder(line.profilesFolder, std::getenv("ZELK_PROFILES"),
                                                      !installed.empty(), std::getenv("XDG_DATA_HOME"),
                                                      std::getenv("HOME"));
    if (!profiles.empty()) UseProfilesFolder(profiles);
}

int Play(const CCommandLine& line, const char* program) {
    // freeglut would exit with a terse message of its own; say it plainly.
    const char* name = std::getenv("DISPLAY");
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::printf("zelk : aucun écran graphique (DISPLAY vaut %s) ; lancez le jeu depuis une session de bureau.\n",
                    name && *name ? "unreachable" : "not set");
        return 1;
    }
    XCloseDisplay(display);
    // The profile's own save makes the last folder; the ones above it may
    // not exist yet in a fresh account.
    const std::string profiles = ProfilesFolder();
    const size_t slash = profiles.rfind('/');
    if (slash != std::string::npos && slash > 0) MakeFolders(profiles.substr(0, slash));
    // freeglut reads options of its own; ours are already taken.
    int glutArgc = 1;
    char* glutArgv[] = {const_cast<char*>(program), nullptr};
    if (!theApp.InitInstance(&glutArgc, glutArgv)) {
        std::printf("zelk : impossible d'ouvrir une fenêtre OpenGL sur cet écran.\n");
        return 1;
    }
    if (line.windowed) theApp.GetView()->StartWindowed();
    return theApp.Run();
}

}  // namespace

int main(int argc, char** argv) {
    ReturnLoadBuffersToTheSystem();
    const CCommandLine line = CCommandLine::Parse(argc, argv);
    switch (line.action) {
        case CCommandLine::ACTION_HELP:
            std::fputs(CCommandLine::HelpText().c_str(), stdout);
            return 0;
        case CCommandLine::ACTION_VERSION:
            std::fputs(CCommandLine::VersionText().c_str(), stdout);
            return 0;
        case CCommandLine::ACTION_FAULT:
            std::fprintf(stderr, "%s\n", line.fault.c_str());
            return 2;
        case CCommandLine::ACTION_REPORT:
            ChooseFolders(line);
            return CProgressReport::Print(ProfilesFolder(),
                                          line.csv    ? CProgressReport::FORMAT_CSV
                                          : line.html ? CProgressReport::FORMAT_HTML
                                                      : CProgressReport::FORMAT_TEXT,
                                          line.learner);
        case CCommandLine::ACTION_PLAY:
            break;
    }
    ChooseFolders(line);
    return Play(line, argv[0]);
}
