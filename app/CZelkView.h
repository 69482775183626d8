#pragma once
#include "app/CPoint.h"
#include "app/CRect.h"

class CModel;
class CController;

// Draws the whole game once per frame tick and hands the mouse to the
// controller. It creates the model and the controller on its first tick
// (that frame shows only white) and deletes them at shutdown.
class CZelkView {
public:
    CZelkView() = default;
    ~CZelkView() { OnDestroy(); }
    CZelkView(const CZelkView&) = delete;
    CZelkView& operator=(const CZelkView&) = delete;

    // GL state once the window's context is current.
    void Init();
    void OnSize(int cx, int cy);
    // The frame tick: the first one puts the game full screen, unless the
    // game was started windowed.
    void OnTimer();
    void StartWindowed() { startFullScreen = false; }
    void Draw();
    // The next frame goes through the renderer even when it shows what the
    // last one showed.
    void RedrawNextFrame() { redrawNext = true; }
    // Mouse points are client pixels. Ignored until the controller exists.
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);
    // Deletes the model and the controller while the context is current.
    void OnDestroy();

    CModel* GetModel() const { return model; }
    CController* GetController() const { return controller; }
    bool IsFirstTime() const { return firstTime; }

private:
    bool Ready() const { return model != nullptr && controller != nullptr; }

    CRect oldRect;
    CModel* model = nullptr;
    CController* controller = nullptr;
    bool firstTime = true;
    bool startFullScreen = true;
    bool busy = false;
    bool redrawNext = true;
};
