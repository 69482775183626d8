#include "app/CSaveFailedDlg.h"

#include "app/CDialogFrame.h"

const char* CSaveFailedDlg::Reason() const {
    return locked ? "Un autre ordinateur enregistre en ce moment les points de ce profil."
                  : "Vos points n'ont pas pu être enregistrés sur cet ordinateur.";
}

int CSaveFailedDlg::DoModal() {
    CDialogFrame frame(kCaption, kWidth, 190);
    frame.AddLabel(Reason(), 30, 44);
    frame.AddLabel("Vous pouvez continuer à jouer : le jeu réessaiera plus tard.", 30, 76);
    frame.AddLabel("Si le message revient, prévenez votre formateur.", 30, 108);
    frame.AddButton(CDialogFrame::IDOK, "OK", 540, 136, 90, 36, true);
    return frame.RunModal();
}
