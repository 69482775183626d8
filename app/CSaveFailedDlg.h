#pragma once

// Tells the learner, in the game's own dialog, that their progress could
// not be written: a full disk, a folder they may not write to, or another
// computer playing the same learner that kept its profile locked. The game
// goes on; the points stay in memory and the game tries again.
class CSaveFailedDlg {
public:
    static constexpr const char* kCaption = "Enregistrement impossible";
    static constexpr int kWidth = 660;
    explicit CSaveFailedDlg(bool locked = false) : locked(locked) {}
    // The dialog's first line, which says why.
    const char* Reason() const;
    int DoModal();

private:
    bool locked;
};
