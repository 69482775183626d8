#pragma once

class CModel;

// The logo sequence with its music, then the title.
class CSplash {
public:
    explicit CSplash(CModel* model) : model(model) {}
    void Draw(int width, int height);

private:
    CModel* model;
};
