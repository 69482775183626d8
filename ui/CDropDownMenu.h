#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "ui/CClickableImage.h"

class CModel;

// A box picture whose panel, below and right of its centre, holds up to six
// text rows. The owner passes the pointer's moves to Hover, which only
// lights the row under it, and its clicks to HitTest, which chooses the
// entry drawn under the click: moving over the list never changes the
// choice, and a click off the entries keeps it.
class CDropDownMenu {
public:
    static constexpr int kRowHeight = 40;
    static constexpr int kLastRow = 5;
    static constexpr int kRowCount = kLastRow + 1;
    // The panel as the box pictures draw it, from the box's centre: its
    // rules part the rows 40 pixels apart, the first 46 below its top.
    static constexpr int kPanelLeft = 20;
    static constexpr int kPanelTop = -34;
    static constexpr int kPanelHeight = kRowCount * kRowHeight + 12;
    static constexpr int kPanelWidth = 226;
    static constexpr int kLongPanelWidth = 470;
    static constexpr int kFirstRule = 46;

    explicit CDropDownMenu(CModel* model);
    ~CDropDownMenu();
    CDropDownMenu(const CDropDownMenu&) = delete;
    CDropDownMenu& operator=(const CDropDownMenu&) = delete;

    void AddItem(const CString& item) { items.push_back(item); }
    // Placing (or parking) the box forgets the row the pointer was on.
    void SetPosition(CPoint p) {
        box->SetPosition(p.x, p.y);
        hovered = -1;
    }
    CPoint GetPosition() const { return box->GetPosition(); }
    // The point lies on the panel, rows and margins.
    bool Over(CPoint p) const;
    // The entry whose row lies under the point, -1 off the entries.
    int RowAt(CPoint p) const;
    // A click: the entry under it is chosen (true); elsewhere nothing changes.
    bool HitTest(CPoint p);
    // The pointer's move: the entry under it lights, the choice stays.
    void Hover(CPoint p) { hovered = RowAt(p); }
    int GetHoveredIndex() const { return hovered; }
    // Empty when nothing is chosen.
    CString GetSelectedItem() const;
    int GetSelectedIndex() const { return selected; }
    // Swaps in the long box; the selection is cleared, the entries stay.
    void MakeItLong();
    void Draw();

    // For lists of long sentences: a smaller GLUT bitmap font than the
    // 9 x 15 one.
    void SetFont(void* glutFont) { font = glutFont; }

private:
    void LoadBox(const char* fileName);
    int PanelWidth() const { return longBox ? kLongPanelWidth : kPanelWidth; }
    void DrawBar(int row, float red, float green, float blue);

    CClickableImage* box = nullptr;
    CModel* model;
    std::vector<CString> items;
    int selected = -1;
    int hovered = -1;
    bool longBox = false;
    void* font = nullptr;  // null: GLUT_BITMAP_9_BY_15
};
