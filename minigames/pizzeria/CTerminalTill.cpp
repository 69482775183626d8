#include "minigames/pizzeria/CTerminalTill.h"

#include <GL/freeglut.h>

#include "core/CModel.h"

using namespace PaymentTerminal;

void CTerminalTill::ShowMenu() {
    screen = SCREEN_MENU;
    keyedCents = 0;
    lines[0] = kPayments[PAY_DEBIT].menuText;
    lines[1] = kPayments[PAY_CREDIT].menuText;
    lines[2] = "";
    lines[3] = kPayments[PAY_GIFT].menuText;
}

void CTerminalTill::ShowCharge(int type) {
    screen = SCREEN_AMOUNT;
    lines[0] = "";
    lines[1] = "";
    lines[2] = kPayments[type].chargeTitle;
    keyedCents = 0;
    ShowKeyed();
}

void CTerminalTill::Press(int key) {
    if (key == KEY_ERASE) {
        keyedCents /= 10;
    } else if (key >= KEY_0 && key <= 9 && keyedCents < 1000000) {  // at most seven digits
        keyedCents = keyedCents * 10 + key;
    }
    ShowKeyed();
}

void CTerminalTill::ShowKeyed() { lines[3] = CString::Format("$%d.%02d", keyedCents / 100, keyedCents % 100); }

void CTerminalTill::Draw(CModel* model, CPoint centre) const {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.12f, 0.2f, 0.12f, 1.0f);
    for (int line = 0; line < kLines; ++line) {
        model->DrawText(float(centre.x + kScreenLineX), float(centre.y + kScreenLineY[line]), GLUT_BITMAP_9_BY_15,
                        lines[line]);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}
