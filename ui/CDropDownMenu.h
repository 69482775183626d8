#pragma once
#include <vector>

#include "app/CPoint.h"
#include "app/CString.h"
#include "ui/CClickableImage.h"

class CModel;

// A box picture with up to six selectable text rows below its centre line.
// The owner passes clicks to HitTest, which moves the selection.
class CDropDownMenu {
public:
    static constexpr int kRowHeight = 40;
    static constexpr int kLastRow = 5;

    explicit CDropDownMenu(CModel* model);
    ~CDropDownMenu();
    CDropDownMenu(const CDropDownMenu&) = delete;
    CDropDownMenu& operator=(const CDropDownMenu&) = delete;

    void AddItem(const CString& item) { items.push_back(item); }
    void SetPosition(CPoint p) { box->SetPosition(p.x, p.y); }
    CPoint GetPosition() const { return box->GetPosition(); }
    void HitTest(CPoint p);
    // Empty when nothing, or a row past the entries, is selected.
    CString GetSelectedItem() const;
    int GetSelectedIndex() const { return selected; }
    // Swaps in the long box; the selection is cleared, the entries stay.
    void MakeItLong();
    void Draw();

    // For lists of long sentences: a smaller GLUT bitmap font than the
    // 9 x 15 one, and a dark bar of the given width behind the selected
    // row so that its white words stand out on the light panel (0: none).
    void SetFont(void* glutFont) { font = glutFont; }
    void SetSelectionBar(int width) { selectionBarWidth = width; }

private:
    void LoadBox(const char* fileName);

    CClickableImage* box = nullptr;
    CModel* model;
    std::vector<CString> items;
    int selected = -1;
    void* font = nullptr;  // null: GLUT_BITMAP_9_BY_15
    int selectionBarWidth = 0;
};
