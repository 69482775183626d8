#pragma once

// Asks before the whole game starts over: "Tout effacer et recommencer ?"
// Only "Oui" wipes; "Non", Escape and the close box keep everything.
class CConfirmWipeDlg {
public:
    enum { IDYES = 6, IDNO = 7 };
    static constexpr const char* kQuestion = "Tout effacer et recommencer ?";
    // True only for "Oui".
    bool Confirmed();
};
