#include "app/CZelkView.h"

#include <GL/gl.h>

#include "app/CSaveFailedDlg.h"
#include "app/CZelkApp.h"
#include "app/EventTrace.h"
#include "app/FrameRecorder.h"
#include "core/CController.h"
#include "core/CModel.h"
#include "ui/CClickableImage.h"

void CZelkView::Init() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
}

void CZelkView::OnSize(int cx, int cy) {
    if (cy <= 0) return;  // minimised
    glViewport(0, 0, cx, cy);
    redrawNext = true;
    oldRect.right = cx;
    oldRect.bottom = cy;
    // One unit per pixel, origin top-left, y downwards: as the mouse arrives.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, cx, cy, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_DEPTH_TEST);
}

void CZelkView::OnTimer() {
    if (firstTime) {
        CMainFrame* frame = theApp.GetMainWnd();
        if (frame != nullptr && startFullScreen) frame->ToggleView();
        firstTime = false;
    }
    Draw();
    if (model != nullptr) model->RetryFailedSave();
    // Between frames, never inside one: the dialog runs frames of its own.
    if (model != nullptr && theApp.GetActiveDialog() == nullptr && model->TakeSaveFailureNotice()) {
        CSaveFailedDlg(model->SaveFailedOnLock()).DoModal();
    }
}

void CZelkView::Draw() {
    if (busy) return;
    busy = true;
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    // The scenes run every tick; the renderer and the swap only when the
    // frame differs from the one on screen.
    FrameRecorder& recorder = FrameRecorder::Instance();
    recorder.Begin();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (model != nullptr) {
        model->Draw(viewport[2], viewport[3]);
    } else {
        model = new CModel();
        controller = new CController(model);
    }
    if (CDialogFrame* dialog = theApp.GetActiveDialog()) dialog->Draw(viewport[2], viewport[3]);
    const bool changed = recorder.End();
    const bool drawn = changed || redrawNext;
    if (drawn) {
        recorder.Replay();
        glFinish();
        theApp.SwapBuffers();
        redrawNext = false;
    }
    EventTrace::EndOfTick(model, drawn);
    recorder.DeletePendingTextures();
    CClickableImage::EndOfTick();
    busy = false;
}

void CZelkView::OnMouseMove(CPoint point) {
    if (Ready()) controller->OnMouseMove(point);
}

void CZelkView::OnLButtonDown(CPoint point) {
    if (Ready()) controller->OnLButtonDown(point);
}

void CZelkView::OnLButtonUp(CPoint point) {
    if (Ready()) controller->OnLButtonUp(point);
}

void CZelkView::OnDestroy() {
    // Closing by any way (quit, the menu, the close box) keeps what was earned.
    if (model != nullptr) model->SaveBeforeQuitting();
    // The model's pictures free their textures: the context must still be current.
    delete model;
    model = nullptr;
    delete controller;
    controller = nullptr;
}
