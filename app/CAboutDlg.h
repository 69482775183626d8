#pragma once

// "About Zelk", from the pop-up menu.
class CAboutDlg {
public:
    int DoModal();
};
