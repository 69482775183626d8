#include "app/CAboutDlg.h"

#include "app/CDialogFrame.h"

int CAboutDlg::DoModal() {
    CDialogFrame frame("À propos de Zelk", 470, 130);
    frame.AddLabel("Zelk, version 1.0", 30, 40);
    frame.AddLabel("Lire, écouter, écrire et compter au travail.", 30, 74);
    frame.AddButton(CDialogFrame::IDOK, "OK", 360, 84, 80, 32, true);
    return frame.RunModal();
}
