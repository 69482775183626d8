#pragma once

// Tells the learner, in the game's own dialog, that their progress could
// not be written (a full disk, a folder they may not write to). The game
// goes on; the points stay in memory and the next save tries again.
class CSaveFailedDlg {
public:
    static constexpr const char* kCaption = "Enregistrement impossible";
    int DoModal();
};
