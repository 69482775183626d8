#pragma once
#include "app/CPoint.h"
#include "app/CString.h"
#include "minigames/pizzeria/PaymentTerminal.h"

class CModel;

// The card terminal's screen and its till: the menu of payment types, then
// the chosen type's charge with the amount as it is keyed, like on a till
// (a digit pushes the others one place left, erase drops the last).
class CTerminalTill {
public:
    static constexpr int kLines = 4;

    // The menu of the three types, nothing keyed.
    void ShowMenu();
    // The charge of a type, at $0.00.
    void ShowCharge(int type);
    // The amount confirmed: the card is awaited.
    void AwaitCard() { screen = PaymentTerminal::SCREEN_CARD; }
    // A digit key or the erase key.
    void Press(int key);

    int Screen() const { return screen; }
    int KeyedCents() const { return keyedCents; }
    const CString& Line(int i) const { return lines[i]; }
    // The four lines, from the view's centre.
    void Draw(CModel* model, CPoint centre) const;

private:
    void ShowKeyed();

    int screen = PaymentTerminal::SCREEN_MENU;
    int keyedCents = 0;
    CString lines[kLines];
};
