#include "core/CModel.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <ctime>
#include <fstream>

#include "app/BitmapText.h"
#include "app/DataFolder.h"
#include "app/EventTrace.h"
#include "core/CCategory.h"
#include "minigames/CAbstractMinigame.h"
#include "minigames/CMinigameShell.h"
#include "minigames/MinigameTable.h"
#include "scenes/CCredits.h"
#include "scenes/CMainMenu.h"
#include "scenes/CRewardScene.h"
#include "scenes/CSplash.h"
#include "scenes/CSubMenu.h"
#include "scenes/CTitle.h"

// 74 points buy the whole house.
const std::array<int32_t, CModel::kTrophies> CModel::kTrophyCost = {
    2, 1, 3, 1, 1, 1, 2, 1, 2, 2, 3, 3, 3, 2, 3, 2, 2, 1, 1,
    3, 2, 1, 1, 2, 2, 2, 1, 3, 2, 1, 1, 1, 3, 3, 2, 3, 2, 3};

CModel::CModel() {
    splash = new CSplash(this);
    title = new CTitle(this);
    mainMenu = new CMainMenu(this);
    subMenu = new CSubMenu(this);
    credits = new CCredits(this);

    ingot = new CClickableImage("bullion_large.png");
    ingot->SetScale(2.0f);

    for (int type = CATEGORY_DENTIST; type <= CATEGORY_REWARDS; ++type) {
        categories.push_back(new CCategory(this, static_cast<CategoryType>(type)));
    }
    for (int type = MINIGAME_1_1; type <= MINIGAME_REWARDS; ++type) {
        const MinigameOps* ops = MinigameOpsFor(type);
        CAbstractMinigame* game = ops ? ops->create(this, static_cast<MinigameType>(type)) : nullptr;
        if (game) categories.at(MinigameCategory(type))->GetMinigames()->push_back(game);
    }
}

CModel::~CModel() {
    delete splash;
    delete title;
    delete credits;
    delete mainMenu;
    delete subMenu;
    delete ingot;
    for (CCategory* category : categories) delete category;
    categories.clear();
}

void CModel::SetGameState(GameState state) {
    // Leaving a screen never leaves progress unsaved.
    SaveIfChanged();
    if (state != gameState) CClickableImage::ReleaseAllTextures();
    if (state == GAMESTATE_SUBMENU) subMenu->Reset();
    gameState = state;
    minigameSubtitles = SubtitlePlace();
    lastVoice.clear();
    practising = false;
    practiceSteps.clear();
}

CCategory* CModel::GetCurrentCategory() const {
    if (currentCategory < 0 || static_cast<size_t>(currentCategory) >= categories.size()) return nullptr;
    return categories[currentCategory];
}

std::vector<CAbstractMinigame*>* CModel::GetCurrentCategoryMinigames() const {
    CCategory* category = GetCurrentCategory();
    return category ? category->GetMinigames() : nullptr;
}

void CModel::SetCursor(CursorState state) {
    cursorState = state;
    if (glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0) {
        glutSetCursor(state == CURSOR_HAND ? GLUT_CURSOR_INFO : GLUT_CURSOR_LEFT_ARROW);
    }
}

void CModel::SetCompte(int row, int column, int value) { progress.SetScore(row, column, value); }

void CModel::IncrementTotalScore(int points) { progress.AddPoints(points); }

int CModel::GetCompte(int row, int column) const { return progress.Progress().compte.at(row).at(column); }

void CModel::AwardTrophy(int trophy) { progress.BuyTrophy(trophy, GetTrophyCost(trophy)); }

void CModel::RecordGame(int type, int score, int maximum) {
    CGameHistory::Game game;
    game.when = CGameHistory::Timestamp(std::time(nullptr));
    game.type = type;
    game.score = score;
    game.maximum = maximum;
    progress.RecordGame(game);
}

void CModel::RewardUser() {
    rewardFrame = 0;
    rewardAlpha = 1.0f;
    // The ding is not the current sound: the instruction that follows a
    // right answer stops the current sound, and must not cut the ding.
    if (!muted) sound.Play("beep.mp3");
}

void CModel::RestartGame() {
    SaveIfChanged();
    progress.Wipe();  // the save keeps the profile as it was in "<name>.txt.bak"
    Save();
}

CAbstractMinigame* CModel::CurrentMinigame() const {
    std::vector<CAbstractMinigame*>* games = GetCurrentCategoryMinigames();
    const int position = MinigamePosition(minigameType);
    if (games == nullptr || position < 0) return nullptr;
    return games->at(position);
}

void CModel::InGamePractice(const std::vector<int>& missedSteps, int stripSteps) {
    InGameRestart();
    practising = true;  // after the restart, which ends any practice before
    practiceSteps = missedSteps;
    practiceStripSteps = stripSteps;
}

void CModel::InGameRestart() {
    practising = false;
    practiceSteps.clear();
    CAbstractMinigame* game = CurrentMinigame();
    if (game == nullptr || minigameType == MINIGAME_REWARDS) return;
    // The first three reload at once; the others load on their next frame.
    const bool reloadNow = minigameType <= MINIGAME_1_3;
    const MinigameOps* ops = MinigameOpsFor(game->GetType());
    ops->unload(game);
    if (reloadNow) ops->load(game);
}

void CModel::InGameLeave() {
    if (CAbstractMinigame* game = CurrentMinigame()) {
        MinigameOpsFor(game->GetType())->unload(game);
    }
    SetGameState(minigameType == MINIGAME_REWARDS ? GAMESTATE_MAINMENU : GAMESTATE_SUBMENU);
}

bool CModel::Save() { return SaveWaiting(CSharedProfile::kLockWaitSeconds); }

bool CModel::SaveWaiting(double lockWaitSeconds) {
    if (login.IsEmpty()) return false;
    ticksSinceFailedSave = 0;
    const CSharedProfile::SaveResult result = progress.Save(ProfilesFolder(), login, lockWaitSeconds);
    if (result == CSharedProfile::SAVED) {
        EventTrace::Saved(true);
        saveFailing = false;
        saveFailedOnLock = false;
        return true;
    }
    EventTrace::Saved(false);
    // Told once, not at every save that follows while the disk stays full.
    if (!saveFailing) saveFailureNotice = true;
    saveFailing = true;
    saveFailedOnLock = result == CSharedProfile::SAVE_LOCKED;
    return false;
}

void CModel::RetryFailedSave() {
    // Every five seconds of the game's ticks.
    constexpr int kTicksBetweenTries = 5 * 64;
    if (!saveFailing || !HasUnsavedChanges() || ++ticksSinceFailedSave < kTicksBetweenTries) return;
    SaveWaiting(0.0);
}

void CModel::SetLogin(const CString& name) {
    // What the learner before earned goes to their own file first.
    if (name != login) SaveIfChanged();
    login = name;
}

void CModel::SaveIfChanged() {
    if (HasUnsavedChanges() && !login.IsEmpty()) Save();
}

void CModel::SaveBeforeQuitting() {
    if (shownPanel != nullptr) {
        shownPanel->Finish();
    } else if (activeShell != nullptr && activeShell->IsPlayOver()) {
        activeShell->KeepResult();  // quit on the review: the game is over, its score kept
    }
    SaveIfChanged();
}

bool CModel::TakeSaveFailureNotice() {
    const bool notice = saveFailureNotice;
    saveFailureNotice = false;
    return notice;
}

CProfile::ReadResult CModel::Load() {
    // This learner starts from their own file, or from zero: never from
    // what the learner before them left in memory.
    progress.Clear();
    saveFailing = false;
    saveFailedOnLock = false;
    if (login.IsEmpty()) return CProfile::READ_MISSING;
    LoadSettings();
    const CProfile::ReadResult result = progress.Load(ProfilesFolder(), login);
    if (result != CProfile::READ_MISSING) PlaySoundFile("blingbling.mp3", false);
    return result;
}

void CModel::PlaySoundFile(const CString& name, bool stopPrevious) {
    if (stopPrevious) {
        sound.Stop(soundHandle);
        subtitles.Stop();  // the voice cut short takes its words along
    }
    currentSoundName = name.str();
    // A voice is one of the lines with words; its slow twin, where asked
    // for and made, plays in its place, and the words follow its pace.
    std::string file = name.str();
    subtitles.Load();
    if (subtitles.TextOf(file) != nullptr) {
        lastVoice = file;
        const std::string slow = "slow/" + file;
        if (slowSpeech && sound.Seconds(slow) > 0.0) file = slow;
    }
    // Written even while muted: that is when they are needed most.
    if (subtitlesOn) subtitles.Start(name.str(), sound.Seconds(file));
    if (muted) return;
    soundHandle = sound.Play(file);
}

void CModel::ToggleSlowSpeech() {
    slowSpeech = !slowSpeech;
    SaveSettings();
    if (!lastVoice.empty()) PlaySoundFile(CString(lastVoice.c_str()), true);
}

void CModel::ToggleSubtitles() {
    subtitlesOn = !subtitlesOn;
    if (!subtitlesOn) subtitles.Stop();
    SaveSettings();
}

std::string CModel::SettingsFile() const {
    return ProfilesFolder() + "/" + CProfile::ProfileFileFor(ProfilesFolder(), login) + ".settings";
}

// One setting a line, "subtitles=1", "muted=0", "slow=0"; the profile
// itself keeps its 161 values and nothing else. A learner without settings
// hears the game at its normal speed and reads its subtitles.
void CModel::LoadSettings() {
    subtitlesOn = true;
    slowSpeech = false;
    bool mutedWanted = false;
    if (login.IsEmpty()) return;
    std::ifstream in(SettingsFile());
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("subtitles=", 0) == 0) subtitlesOn = line.substr(10, 1) != "0";
        if (line.rfind("muted=", 0) == 0) mutedWanted = line.substr(6, 1) == "1";
        if (line.rfind("slow=", 0) == 0) slowSpeech = line.substr(5, 1) == "1";
    }
    if (mutedWanted != muted) ToggleMute();
}

// Written beside and renamed over the old file: a crash leaves the old
// settings or the new ones, never none.
void CModel::SaveSettings() const {
    if (login.IsEmpty()) return;
    MakeFolders(ProfilesFolder());
    const std::string path = SettingsFile(), temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "subtitles=" << (subtitlesOn ? 1 : 0) << "\n";
        out << "muted=" << (muted ? 1 : 0) << "\n";
        out << "slow=" << (slowSpeech ? 1 : 0) << "\n";
        if (!out.flush()) return;
    }
    std::rename(temporary.c_str(), path.c_str());
}

void CModel::PlayMusic(const CString& name, bool stopPrevious) {
    if (stopPrevious) sound.Stop(musicHandle);
    if (muted) {
        // Kept for when sound comes back; an empty name stops it.
        if (stopPrevious || !name.IsEmpty()) musicToResume = name;
        return;
    }
    if (name.IsEmpty()) return;
    musicName = name;
    musicHandle = sound.Play(name.str());
}

void CModel::StopSoundFile() {
    sound.Stop(soundHandle);
    currentSoundName.clear();
    subtitles.Stop();
}

void CModel::ToggleMute() {
    if (!muted) {
        musicToResume = IsMusicPlaying() ? musicName : CString();
        sound.Stop(soundHandle);
        sound.Stop(musicHandle);
        muted = true;
    } else {
        muted = false;
        if (!musicToResume.IsEmpty()) PlayMusic(musicToResume, true);
        musicToResume = CString();
    }
    SaveSettings();
}

void CModel::Draw(int width, int height) {
    switch (gameState) {
        case GAMESTATE_SPLASH: splash->Draw(width, height); break;
        case GAMESTATE_TITLE: title->Draw(width, height); break;
        case GAMESTATE_CREDITS: credits->Draw(width, height); break;
        case GAMESTATE_MAINMENU: mainMenu->Draw(width, height); break;
        case GAMESTATE_SUBMENU: subMenu->Draw(width, height); break;
        case GAMESTATE_INGAME: DrawInGameGraphics(width, height); break;
        default: break;
    }
    subtitles.Draw(width, height, GetSubtitlePlace());
}

SubtitlePlace CModel::GetSubtitlePlace() const {
    if (gameState == GAMESTATE_INGAME) return minigameSubtitles;
    // In the rooms the icons fill the lower part.
    SubtitlePlace place;
    if (gameState == GAMESTATE_SUBMENU) place.edge = SubtitlePlace::TOP;
    return place;
}

void CModel::DrawInGameGraphics(int width, int height) {
    CAbstractMinigame* game = CurrentMinigame();
    if (game != nullptr) {
        MinigameOpsFor(game->GetType())->draw(game, width, height);
    }
    DrawAnimationReward(width, height);
}

void CModel::DrawAnimationReward(int width, int height) {
    rewardFrame += 1;
    rewardAlpha = static_cast<float>(rewardAlpha - 0.01);
    if (rewardAlpha < 0.0f) rewardAlpha = 0.0f;
    if (rewardFrame > 100) rewardFrame = 0;
    ingot->SetPosition(width / 2, height / 2 - rewardFrame);
    ingot->SetAlpha(rewardAlpha);
    ingot->Draw();
}

void CModel::DrawText(float x, float y, void* font, const char* text) {
    BitmapText::Draw(font, x, y, text ? text : "");
}

namespace {
void DarkRect(float left, float top, float right, float bottom) {
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
}
}  // namespace

void CModel::FillDarkQuad(int width, int height) {
    FillDarkQuadAround(width, height, 0, 0, 0, 0);
}

void CModel::FillDarkQuadAround(int width, int height, int left, int top, int right, int bottom) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor4f(0.0f, 0.0f, 0.0f, 0.25f);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    glBegin(GL_QUADS);
    if (right <= left || bottom <= top) {
        DarkRect(0.0f, 0.0f, w, h);
    } else {
        const float l = static_cast<float>(left), t = static_cast<float>(top);
        const float r = static_cast<float>(right), b = static_cast<float>(bottom);
        DarkRect(0.0f, 0.0f, w, t);  // above, below, then the two sides
        DarkRect(0.0f, b, w, h);
        DarkRect(0.0f, t, l, b);
        DarkRect(r, t, w, b);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
}
