#pragma once
#include "app/CString.h"

class CDialogFrame;

// "Calculer la valeur": the learner types an amount, and may open the
// desktop's calculator beside the dialog to work it out. The caller's
// number is written only when the dialog ends with OK; an amount that
// cannot be a price (negative, too big, not a number) is refused with a
// word on the dialog, which stays open.
class CCalculatorDlg {
public:
    enum { IDOK = 1, IDCANCEL = 2, IDC_CALC = 1001 };

    explicit CCalculatorDlg(double* result) : target(result) {}
    int DoModal();

    // An amount as a learner writes it: "12,50", "12.5", " 3 ", "$4",
    // "3,38 $", "1 234,50 $".
    static bool ParseValue(const CString& text, double& value);
    // The most an amount can be: more is a slip of the keys.
    static constexpr double kMostValue = 9999.99;
    // Starts the first calculator installed (gnome-calculator, kcalc,
    // galculator, mate-calc, xcalc) without waiting for it; false with none.
    static bool StartCalculator();

private:
    bool OnBnClickedOk(CDialogFrame& frame);

    double* target;
    double value = 0.0;
};
