#include "app/CSaveFailedDlg.h"

#include "app/CDialogFrame.h"

int CSaveFailedDlg::DoModal() {
    CDialogFrame frame(kCaption, 620, 190);
    frame.AddLabel("Vos points n'ont pas pu être enregistrés sur cet ordinateur.", 30, 44);
    frame.AddLabel("Vous pouvez continuer à jouer : le jeu réessaiera plus tard.", 30, 76);
    frame.AddLabel("Si le message revient, prévenez votre formateur.", 30, 108);
    frame.AddButton(CDialogFrame::IDOK, "OK", 500, 136, 90, 36, true);
    return frame.RunModal();
}
