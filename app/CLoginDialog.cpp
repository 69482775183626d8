#include "app/CLoginDialog.h"

#include "app/CDialogFrame.h"
#include "core/CModel.h"
#include "core/CProfile.h"

namespace {
// Spaces typed around a name are not part of it: "Marie " is Marie.
CString Trimmed(const CString& text) {
    const std::string& s = text.str();
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return CString();
    return CString(s.substr(first, s.find_last_not_of(' ') - first + 1));
}
}  // namespace

int CLoginDialog::DoModal() {
    CDialogFrame frame("Connexion", 546, 250);
    frame.AddLabel("Nom :", 42, 120);
    frame.AddEdit(104, 96, 328, CProfile::kMaxLoginLength);
    frame.AddButton(IDOK, "OK", 432, 196, 100, 36, true);
    frame.SetMessagePlace(104, 160);
    for (;;) {
        if (frame.RunModal() != IDOK) return IDCANCEL;
        login = frame.GetText();
        if (OnBnClickedOk(frame)) return IDOK;
    }
}

bool CLoginDialog::OnBnClickedOk(CDialogFrame& frame) {
    const CString name = Trimmed(login);
    if (name.IsEmpty()) {
        model->SetLogin(name);
        frame.SetMessage("Écrivez votre nom.");
        return false;
    }
    if (!CProfile::IsAcceptableLogin(name)) {
        frame.SetMessage(name.GetLength() > CProfile::kMaxLoginLength ? "Ce nom est trop long."
                                                                      : "Ce nom contient un signe interdit.");
        return false;
    }
    model->SetLogin(name);
    model->Load();
    return true;
}
