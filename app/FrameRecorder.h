#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The GL calls of one frame, kept instead of run: the view records every
// frame, and only when it differs from the frame on screen does it replay
// it into the renderer and swap. A still screen then costs the scenes'
// logic and nothing more, while every tick still runs every scene.
//
// The game's drawing calls reach the recorder because the program is linked
// with --wrap for each of them (kWrappedCalls in the top CMakeLists.txt):
// outside a recording they go straight to GL, so tests and loading see no
// difference. Textures are created at once even inside a recording; a
// texture deleted inside one goes only once the frame is done.
//
// What does not move is drawn once: when a frame begins with the same
// commands as the one before, the screen as it stands after them is copied
// into a texture, and the frames that still begin so start from that copy,
// one opaque quad, instead of drawing those commands again (they only set
// their state).
class FrameRecorder {
public:
    // The op codes of the commands; each is followed by its arguments.
    enum Op : uint32_t {
        OP_BEGIN, OP_END, OP_VERTEX2F, OP_TEXCOORD2F, OP_COLOR4F, OP_RECTF, OP_RECTI,
        OP_TRANSLATEF, OP_SCALEF, OP_ROTATEF, OP_PUSHMATRIX, OP_POPMATRIX, OP_ENABLE, OP_DISABLE,
        OP_BINDTEXTURE, OP_BLENDFUNC, OP_RASTERPOS2F, OP_SCISSOR, OP_PUSHATTRIB, OP_POPATTRIB,
        OP_CLEAR, OP_CLEARCOLOR, OP_BITMAPCHARACTER,
    };

    static FrameRecorder& Instance();

    // From now on the wrapped calls are recorded.
    void Begin();
    // Recording ends; true when this frame differs from the last one replayed
    // (or something forces it: a texture was deleted, Invalidate was called).
    bool End();
    // Runs the frame just recorded, then keeps it as the one on screen.
    void Replay();
    // The frame on screen is no longer known: the next frame is drawn, and
    // not from the copy of what stood still.
    void Invalidate() {
        lastValid = false;
        still.clear();
    }
    // Deletes the textures whose deletion waited for the frame's end.
    void DeletePendingTextures();

    bool IsRecording() const { return recording; }
    void Record(Op op) { frame.push_back(op); }
    void Word(uint32_t word) { frame.push_back(word); }
    void Float(float value);
    void Pointer(const void* pointer);
    void DeleteLater(uint32_t texture);
    // How much of the frame the copy of what stood still holds (0: none).
    std::size_t StillWords() const { return still.size(); }

private:
    FrameRecorder() = default;
    float FloatAt(std::size_t& at) const;
    const void* PointerAt(std::size_t& at) const;
    // Runs the commands of this frame in [from, to); with drawing false only
    // those that set state, so that the state is as if all had run.
    void Run(std::size_t from, std::size_t to, bool drawing);
    // How far this frame begins as the last one did, to a point where the
    // frame can be cut (not inside glBegin/glEnd nor a line of text), and how
    // much it draws before that point (a picture weighs as two shapes).
    std::size_t CommonStart(std::size_t& drawn) const;
    // How much the frame draws before that word, weighed so too.
    std::size_t DrawnBefore(std::size_t to) const;
    // Whether what is drawn now (a rectangle, or the glBegin block whose
    // commands start at that word) is plain colour, opaque, with blending on.
    bool DrawsOpaqueColour(std::size_t at, bool block) const;
    void CopyStill(int w, int h);
    void DrawStill(int w, int h);

    std::vector<uint32_t> frame;  // this frame's commands
    std::vector<uint32_t> last;   // the frame on screen
    std::vector<uint32_t> pendingDeletes;
    bool recording = false;
    bool lastValid = false;
    std::vector<uint32_t> still;  // the commands the copy shows
    uint32_t stillTexture = 0;
    int stillWidth = 0, stillHeight = 0;
};
