// Linked only into the sanitizer build (ZELK_SANITIZE). The leak checker
// runs when the process ends, after Mesa and SDL have closed the libraries
// they opened: their leaks would then come from an unknown place, and no
// suppression could tell them from the game's own. Closing nothing keeps
// every library's name in the reports (see tests/lsan.supp).
extern "C" int dlclose(void*) { return 0; }
