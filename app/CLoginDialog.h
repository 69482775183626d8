#pragma once
#include "app/CString.h"

class CModel;

// "Connexion": the learner types a name; OK makes it the model's login and
// loads that learner's profile. An empty name keeps the dialog open, and so
// does a name that cannot become a profile, with a word of explanation.
class CLoginDialog {
public:
    enum { IDOK = 1, IDCANCEL = 2 };

    explicit CLoginDialog(CModel* model) : model(model) {}
    int DoModal();
    CString GetLogin() const { return login; }

private:
    // True when the dialog may close.
    bool OnBnClickedOk(class CDialogFrame& frame);

    CModel* model;
    CString login;
};
