#pragma once
#include "app/CPoint.h"
#include "ui/CDropDownMenu.h"

class CModel;

// The lists of the pricing game's two chosen lines: the base prices of the
// three sizes, and one to five dollars of toppings. One opens at a time,
// beside its line; a click on it chooses a row and closes it.
class CPriceLists {
public:
    CPriceLists() = default;
    ~CPriceLists() { Free(); }
    CPriceLists(const CPriceLists&) = delete;
    CPriceLists& operator=(const CPriceLists&) = delete;

    void Make(CModel* model);
    void Free();

    // Opens the list of a chosen line (LINE_BASE or LINE_TOPPINGS) at a point.
    void Open(int line, CPoint at);
    void Close();
    int OpenLine() const { return openLine; }  // -1 when none is open
    bool Over(CPoint p) const;
    // A click over the open list: the amount of the entry clicked, in
    // cents, or -1 off the entries. The list closes.
    long Choose(CPoint click);
    // The row under the pointer lights; the choice stays.
    void Hover(CPoint p);
    void Draw();

private:
    CDropDownMenu* lists[2] = {nullptr, nullptr};  // base prices, toppings
    int openLine = -1;
};
