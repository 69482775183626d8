#include "app/CConfirmWipeDlg.h"

#include "app/CDialogFrame.h"

bool CConfirmWipeDlg::Confirmed() {
    CDialogFrame frame("Zelk", 560, 170);
    frame.AddLabel(kQuestion, 30, 48);
    frame.AddLabel("Tous les points et tous les trophées seront effacés.", 30, 82);
    // "Non" is the default: Enter alone never wipes.
    frame.AddButton(IDYES, "Oui", 300, 116, 110, 36, false);
    frame.AddButton(IDNO, "Non", 424, 116, 110, 36, true);
    return frame.RunModal() == IDYES;
}
