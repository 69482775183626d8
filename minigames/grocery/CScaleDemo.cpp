#include "minigames/grocery/CScaleDemo.h"

#include "minigames/MinigameParts.h"
#include "minigames/grocery/ProduceCodes.h"

using namespace ProduceCodes;

namespace {

// What the demonstration points at, one thing a step.
enum Highlight { SHOW_TRAY, SHOW_CHART, SHOW_KEY, SHOW_DISPLAY, SHOW_PLAY };
struct DemoStep {
    int frames;  // how long the step lasts; 0 stays
    Highlight what;
    int digit;  // SHOW_KEY: which digit of the example's code
    int typed;  // digits of the example shown on the display
};
constexpr DemoStep kIntroDemo[] = {
    {200, SHOW_TRAY, 0, 0},   {200, SHOW_CHART, 0, 0}, {100, SHOW_KEY, 0, 1}, {100, SHOW_KEY, 1, 2},
    {100, SHOW_KEY, 2, 3},    {100, SHOW_KEY, 3, 4},   {100, SHOW_DISPLAY, 0, 4}, {0, SHOW_PLAY, 0, 4},
};
constexpr int kIntroSteps = sizeof kIntroDemo / sizeof kIntroDemo[0];
constexpr int kLoopSteps = 7;  // all but the play button
constexpr int kLoopStepFrames = 200;
constexpr int kBlinkFrames = 20;

CPoint ToView(int x, int y, int width, int height) {
    return CPoint(x * width / kReferenceWidth, y * height / kReferenceHeight);
}

}  // namespace

CScaleDemo::CScaleDemo()
    : border(Picture("border.png")),
      borderB(Picture("borderB.png")),
      pointer(Picture("crosshair.png", 2.0f)),
      smallCircle(Picture("smallCircle.png")),
      smallCircleB(Picture("smallCircleB.png")) {}

CScaleDemo::~CScaleDemo() {
    for (CClickableImage* image : {border, borderB, pointer, smallCircle, smallCircleB}) delete image;
}

void CScaleDemo::Restart(bool looping) {
    step = 0;
    frames = 0;
    loop = looping;
}

int CScaleDemo::Typed() const { return kIntroDemo[step].typed; }

void CScaleDemo::Advance() {
    ++frames;
    if (!loop) {
        const int last = kIntroDemo[step].frames;
        if (last > 0 && frames >= last && step + 1 < kIntroSteps) {
            ++step;
            frames = 0;
        }
    } else if (frames >= kLoopStepFrames) {
        step = (step + 1) % kLoopSteps;
        frames = 0;
    }
}

void CScaleDemo::DrawAround(CClickableImage* image, CPoint at, double width, int imageWidth) {
    if (imageWidth > 0) image->SetScale(float(width / imageWidth));
    image->SetPosition(at.x, at.y);
    image->Draw();
}

void CScaleDemo::Draw(int width, int height, const CPoint* keys, CPoint playButton) {
    if ((frames / kBlinkFrames) % 2 == 0) return;
    const DemoStep& now = kIntroDemo[step];
    const double sx = width / double(kReferenceWidth);
    switch (now.what) {
        case SHOW_TRAY:
            DrawAround(borderB, ToView(kTray.CentreX(), kTray.CentreY(), width, height),
                       (kTray.right - kTray.left) * sx, borderB->GetWidth());
            break;
        case SHOW_CHART: {
            const Box cell = Cell(kExampleItem);
            const CPoint at = ToView(cell.CentreX(), cell.CentreY(), width, height);
            DrawAround(border, at, kCellWidth * sx, border->GetWidth());
            pointer->SetPosition(at.x + int(kCellWidth * sx / 2), at.y);
            pointer->Draw();
            break;
        }
        case SHOW_KEY:
            smallCircle->SetPosition(keys[Digit(kProduce[kExampleItem].code, now.digit)].x,
                                     keys[Digit(kProduce[kExampleItem].code, now.digit)].y);
            smallCircle->Draw();
            break;
        case SHOW_DISPLAY:
            DrawAround(smallCircleB, ToView(kDisplay.CentreX(), kDisplay.CentreY(), width, height),
                       (kDisplay.right - kDisplay.left) * 1.1 * sx, smallCircleB->GetWidth());
            break;
        case SHOW_PLAY:
            smallCircle->SetScale(1.8f);
            smallCircle->SetPosition(playButton.x, playButton.y);
            smallCircle->Draw();
            smallCircle->SetScale(1.0f);
            break;
    }
}
