#pragma once
#include "app/CString.h"

class CDialogFrame;

// "Calculer la valeur": the learner types an amount, and may open the
// desktop's calculator beside the dialog to work it out. The caller's
// number is written only when the dialog ends with OK.
class CCalculatorDlg {
public:
    enum { IDOK = 1, IDCANCEL = 2, IDC_CALC = 1001 };

    explicit CCalculatorDlg(double* result) : target(result) {}
    int DoModal();

    // An amount as a learner writes it: "12,50", "12.5", " 3 ", "$4".
    static bool ParseValue(const CString& text, double& value);
    // Starts the first calculator installed (gnome-calculator, kcalc,
    // galculator, mate-calc, xcalc) without waiting for it; false with none.
    static bool StartCalculator();

private:
    bool OnBnClickedOk(CDialogFrame& frame);

    double* target;
    double value = 0.0;
};
