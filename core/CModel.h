#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "app/CString.h"
#include "core/CProfile.h"
#include "core/CSharedProfile.h"
#include "core/CSoundPlayer.h"
#include "core/CSubtitles.h"
#include "core/GameTypes.h"
#include "ui/CClickableImage.h"

class CAbstractMinigame;
class CCategory;
class CMinigameShell;
class CCredits;
class CMainMenu;
class CRewardScene;
class CSplash;
class CSubMenu;
class CTitle;

// The one game model: the game state and what the learner has chosen, the
// scenes, the categories with their minigames, the learner's progress,
// sound and music, and the drawing helpers that every scene uses.
class CModel {
public:
    static constexpr int kTrophies = CProfile::kTrophies;

    // Needs a current GL context: the scenes and icons load pictures at once.
    CModel();
    ~CModel();
    CModel(const CModel&) = delete;
    CModel& operator=(const CModel&) = delete;

    GameState GetGameState() const { return gameState; }
    // Entering the sub-menu resets it first.
    void SetGameState(GameState state);

    void SetCurrentCategory(CategoryType category) { currentCategory = category; }
    CategoryType GetCurrentCategoryType() const { return currentCategory; }
    // Null for CATEGORY_NONE.
    CCategory* GetCurrentCategory() const;
    // Null when no category is current.
    std::vector<CAbstractMinigame*>* GetCurrentCategoryMinigames() const;
    std::vector<CCategory*> GetCategories() const { return categories; }

    MinigameType GetMinigameType() const { return minigameType; }
    void SetMinigameType(MinigameType type) { minigameType = type; }

    CSplash* GetSplash() const { return splash; }
    CTitle* GetTitle() const { return title; }
    CCredits* GetCredits() const { return credits; }
    CMainMenu* GetMainMenu() const { return mainMenu; }
    CSubMenu* GetSubMenu() const { return subMenu; }

    CString GetLogin() const { return login; }
    void SetLogin(const CString& name);

    // The arrow, or the pointing hand over something clickable.
    void SetCursor(CursorState state);
    CursorState GetCursor() const { return cursorState; }

    // Score table: rows are categories, columns minigame positions.
    void SetCompte(int row, int column, int value);
    int GetCompte(int row, int column) const;
    void IncrementTotalScore(int points);
    int GetTotalScore() const { return progress.Progress().totalScore; }
    int GetPointsSpent() const { return progress.Progress().pointsSpent; }
    // The points the learner can spend: earned minus spent.
    int GetCompteTotal() const { return GetTotalScore() - GetPointsSpent(); }
    // A game finished with that score out of that maximum, for the
    // learner's history (dated now).
    void RecordGame(int type, int score, int maximum);

    int GetTrophyCost(int trophy) const { return kTrophyCost.at(trophy); }
    bool CanIAffordTrophy(int trophy) const { return GetCompteTotal() >= GetTrophyCost(trophy); }
    bool IsTrophyAwarded(int trophy) const { return progress.Progress().trophyAwarded.at(trophy); }
    // The caller checks the price and an earlier purchase.
    void AwardTrophy(int trophy);

    // The rising gold ingot and its beep.
    void RewardUser();
    int GetRewardFrame() const { return rewardFrame; }
    float GetRewardAlpha() const { return rewardAlpha; }
    CClickableImage* GetIngot() const { return ingot; }

    // Clears every score, trophy and total, then saves; the profile as it
    // was is kept first as "<name>.txt.bak".
    void RestartGame();
    // Starts the current minigame over (from its score panel).
    void InGameRestart();
    // Starts it over for practice (from the panel of a game with misses):
    // the same play and judging, but its score is not kept and earns
    // nothing. `missedSteps` are the steps of the progress strip the game
    // missed, to show while practising.
    void InGamePractice(const std::vector<int>& missedSteps, int stripSteps);
    bool IsPractising() const { return practising; }
    const std::vector<int>& PracticeSteps() const { return practiceSteps; }
    int PracticeStripSteps() const { return practiceStripSteps; }
    // Leaves the current minigame for its workplace's room.
    void InGameLeave();

    // The learner's profile in "Profiles". Both do nothing without a login.
    // Load starts from zero and reads the learner's file, whatever the case
    // of the letters the name was typed with. Save adds this session's
    // gains to the profile as it is on disk (another computer may play the
    // same learner) and appends the finished games to the history.
    bool Save();
    CProfile::ReadResult Load();
    // Progress not yet written: a game's result, points, a purchase.
    bool HasUnsavedChanges() const { return progress.HasUnsaved(); }
    // Saves when something changed since the last save. Every change of
    // screen and the shutdown call it, so quitting never loses progress.
    void SaveIfChanged();
    // True once after a save failed (the first of a run of failures): the
    // window then tells the learner. The game goes on.
    bool TakeSaveFailureNotice();
    // The last save failed because another computer kept the learner's
    // profile locked (not for want of room or rights).
    bool SaveFailedOnLock() const { return saveFailedOnLock; }
    // Called every tick: while a save is failing, tries again now and then
    // (without waiting on a lock), so that progress reaches the disk once
    // the other computer or the disk lets it.
    void RetryFailedSave();
    // The score panel on screen, if any (it says so as it draws). Quitting
    // while its bars still drop stores the game's result first.
    void SetShownPanel(CRewardScene* panel) { shownPanel = panel; }
    CRewardScene* GetShownPanel() const { return shownPanel; }
    // The shell of the minigame loaded now, if any (it says so as it loads).
    void SetActiveShell(CMinigameShell* shell) { activeShell = shell; }
    const CMinigameShell* GetActiveShell() const { return activeShell; }
    // Stores the result of the panel on screen (or of a game whose review
    // is up: its play is over), then saves what changed: what the window
    // does on its way out.
    void SaveBeforeQuitting();

    // Sounds are ".mp3" files in "Sounds". A stopped previous sound ends at
    // once; one not stopped plays on under the new one.
    void PlaySoundFile(const CString& name, bool stopPrevious);
    // An empty name only stops (when asked to).
    void PlayMusic(const CString& name, bool stopPrevious);
    void StopSoundFile();
    // Muting stops what plays now, and nothing plays until sound is turned
    // on again; the music that was playing (or asked for) then starts again.
    void ToggleMute();
    bool IsMuted() const { return muted; }
    // Every voice is also written on screen unless the learner turns it
    // off; the choice is kept beside their profile ("<profile>.settings").
    bool SubtitlesOn() const { return subtitlesOn; }
    void ToggleSubtitles();
    // Every voice at three quarters of its speed ("Sounds/slow/", the same
    // names), kept for the learner like the subtitles. Switching replays
    // the voice last heard on this screen at the new speed.
    bool SlowSpeech() const { return slowSpeech; }
    void ToggleSlowSpeech();
    CSubtitles& GetSubtitles() { return subtitles; }
    // Where the words go on the screen shown, clear of what the learner
    // clicks: a minigame says where as it loads (its sheet's place).
    SubtitlePlace GetSubtitlePlace() const;
    void SetMinigameSubtitlePlace(const SubtitlePlace& place) { minigameSubtitles = place; }
    bool IsSoundPlaying() const { return sound.IsPlaying(soundHandle); }
    // The sound of "Sounds" last started, muted or not; empty once stopped.
    const std::string& CurrentSoundName() const { return currentSoundName; }
    // How long a sound of "Sounds" lasts (0 for one that does not load).
    double SoundSeconds(const CString& name) { return sound.Seconds(name.str()); }
    bool IsMusicPlaying() const { return sound.IsPlaying(musicHandle); }
    CSoundPlayer& GetSoundPlayer() { return sound; }

    // The scene of the current state; called once per frame.
    void Draw(int width, int height);
    void DrawInGameGraphics(int width, int height);
    void DrawAnimationReward(int width, int height);

    // Latin-1 text in a GLUT bitmap font, baseline at y, current colour.
    static void DrawText(float x, float y, void* font, const char* text);
    // Dims the whole view: black at a quarter opacity.
    static void FillDarkQuad(int width, int height);
    // The same dimming around a hole that something opaque covers next:
    // on a software renderer the blend costs per pixel, hidden or not.
    static void FillDarkQuadAround(int width, int height, int left, int top, int right, int bottom);

private:
    static const std::array<int32_t, kTrophies> kTrophyCost;

    std::string SettingsFile() const;
    void LoadSettings();
    void SaveSettings() const;

    CAbstractMinigame* CurrentMinigame() const;

    GameState gameState = GAMESTATE_SPLASH;
    CategoryType currentCategory = CATEGORY_NONE;
    MinigameType minigameType = MINIGAME_1_1;
    CursorState cursorState = CURSOR_ARROW;
    bool muted = false;
    bool SaveWaiting(double lockWaitSeconds);

    CSharedProfile progress;
    bool saveFailing = false;        // the last save failed
    bool saveFailedOnLock = false;   // ... because the learner's lock was held
    int ticksSinceFailedSave = 0;
    bool saveFailureNotice = false;  // the learner is still to be told
    CString musicName;               // the music last asked for
    CString musicToResume;           // what plays again when sound comes back
    CRewardScene* shownPanel = nullptr;
    CMinigameShell* activeShell = nullptr;
    CSubtitles subtitles;
    bool subtitlesOn = true;
    bool slowSpeech = false;
    bool practising = false;          // the minigame on screen is played for practice
    std::vector<int> practiceSteps;  // the strip's steps it missed before
    int practiceStripSteps = 0;      // of a strip of so many
    std::string lastVoice;  // the voice last started on this screen: what switching the speed replays
    SubtitlePlace minigameSubtitles;  // the current minigame's; reset at each change of screen
    CClickableImage* ingot = nullptr;
    std::vector<CCategory*> categories;
    CString login;
    CSplash* splash = nullptr;
    CTitle* title = nullptr;
    CCredits* credits = nullptr;
    CMainMenu* mainMenu = nullptr;
    CSubMenu* subMenu = nullptr;
    int32_t rewardFrame = 0;
    float rewardAlpha = 0.0f;
    CSoundPlayer sound;
    CSoundPlayer::Handle soundHandle;
    std::string currentSoundName;
    CSoundPlayer::Handle musicHandle;
};
