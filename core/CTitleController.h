#pragma once
#include "app/CPoint.h"

class CModel;

// The title's buttons: log in, credits, quit.
class CTitleController {
public:
    explicit CTitleController(CModel* owner) : model(owner) {}
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint) {}
    void OnLButtonUp(CPoint point);
    // Runs the login dialog; on OK the town map follows.
    void Login();

private:
    CModel* model;
};
