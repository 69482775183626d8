#pragma once

// The document of a single-document program that keeps nothing in it: all
// the game's data lives in the model, which the view owns.
class CZelkDoc {
public:
    bool OnNewDocument() { return true; }
    void Serialize() {}
};
