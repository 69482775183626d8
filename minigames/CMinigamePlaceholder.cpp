#include "minigames/CMinigamePlaceholder.h"

#include <GL/freeglut.h>

#include "app/Latin1.h"
#include "core/CModel.h"
#include "ui/CornerLayout.h"

CMinigamePlaceholder::CMinigamePlaceholder(CModel* owner)
    : model(owner), exitButton(new CCustomButton("title_exit.png", "title_exit_light.png")) {
    exitButton->SetScale(CornerLayout::kScale);
}

void CMinigamePlaceholder::Draw(int width, int height) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 0.97f, 0.9f, 1.0f);
    glRecti(0, 0, width, height);
    glColor4f(0.26f, 0.05f, 0.03f, 1.0f);
    static const std::string text = Latin1FromUtf8("Cette activité sera bientôt prête.");
    const int textWidth = glutBitmapLength(GLUT_BITMAP_HELVETICA_18,
                                           reinterpret_cast<const unsigned char*>(text.c_str()));
    model->DrawText(static_cast<float>((width - textWidth) / 2), static_cast<float>(height / 2),
                    GLUT_BITMAP_HELVETICA_18, text.c_str());
    glEnable(GL_TEXTURE_2D);
    exitButton->SetPosition(CornerLayout::kExitX, CornerLayout::kY);
    exitButton->Draw();
}

void CMinigamePlaceholder::OnMouseMove(CPoint point) {
    const bool over = exitButton->HitTest(point);
    exitButton->SetLight(over);
    model->SetCursor(over ? CURSOR_HAND : CURSOR_ARROW);
}
