#pragma once

// "À propos de Zelk", from the pop-up menu.
class CAboutDlg {
public:
    int DoModal();
};
