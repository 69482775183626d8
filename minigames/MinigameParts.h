#pragma once
#include <vector>

#include "ui/CClickableImage.h"

// What the minigames' Load and Unload make and free again and again.

// Deletes what the pointer holds and leaves it null.
template <class T>
void Release(T*& object) {
    delete object;
    object = nullptr;
}

// Deletes every picture and empties the list.
inline void ReleaseAll(std::vector<CClickableImage*>& pictures) {
    for (CClickableImage* picture : pictures) delete picture;
    pictures.clear();
}

// A picture of "Images" at a scale.
inline CClickableImage* Picture(const char* name, float scale = 1.0f) {
    CClickableImage* image = new CClickableImage(name);
    image->SetScale(scale);
    return image;
}
