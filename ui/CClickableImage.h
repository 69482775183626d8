#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/CPoint.h"

// One picture of the game: a PNG from "Images" loaded into a texture, drawn
// centred on a position with a scale and an opacity, and hit-tested as a
// plain rectangle. Its size is half the power-of-two-rounded file size
// (mipmap level 1), so every picture file is made at twice its size on screen.
// The size is read from the file's header at once; the pixels load when the
// picture first shows, and go again once it has not shown for a while.
class CClickableImage {
public:
    // fileName is a bare name such as "title_exit.png"; null makes an empty
    // picture. A file that cannot be loaded draws as an untextured quad.
    explicit CClickableImage(const char* fileName);
    ~CClickableImage();
    CClickableImage(const CClickableImage&) = delete;
    CClickableImage& operator=(const CClickableImage&) = delete;

    void Draw();
    // Stretches the picture over w x h (one pixel more each way) from its
    // position as the top-left corner.
    void FillScreen(int32_t w, int32_t h);
    // Strictly inside the scaled rectangle; transparency is not looked at.
    bool HitTest(CPoint p) const;

    void SetPosition(int32_t px, int32_t py) { x = px; y = py; }
    CPoint GetPosition() const { return CPoint(x, y); }
    void SetScale(float s) { scale = s; }
    float GetScale() const { return scale; }
    void SetAlpha(float a) { alpha = a; }
    float GetAlpha() const { return alpha; }
    int32_t GetWidth() const { return width; }
    int32_t GetHeight() const { return height; }
    // Loads the picture if it is not loaded.
    uint32_t GetTexture();
    bool IsLoaded() const { return texture != 0; }

    // Once per frame tick: textures of pictures that have not shown for
    // kKeepTicks are freed (they load again when they show).
    static constexpr int64_t kKeepTicks = 128;
    static void EndOfTick();
    // Every texture freed at once (they load again when they show): for a
    // new screen, so that the last one's pictures are gone before the new
    // one loads its own, never both in memory together.
    static void ReleaseAllTextures();

    // Mesa's llvmpipe and its kin: pictures then load uncompressed, without
    // mipmaps, and only their visible part.
    static bool IsSoftwareRenderer();

private:
    // A part of the picture that shows: where, as fractions of the picture
    // from its top-left corner, and which texels.
    struct Part {
        float x0, y0, x1, y1;
        float s0, t0, s1, t1;
        bool opaque;  // drawn without blending
    };

    void DrawQuad(float w, float h);
    void Load();
    void ReleaseTexture();
    static std::vector<CClickableImage*>& AllPictures();
    static int64_t tick;

    int32_t width = 0;
    int32_t height = 0;
    uint32_t texture = 0;
    int32_t x = 0;
    int32_t y = 0;
    float alpha = 1.0f;
    float scale = 1.0f;
    std::vector<Part> parts;
    std::string path;  // empty for a picture without a file
    bool loadTried = false;
    int64_t lastShown = 0;
};
