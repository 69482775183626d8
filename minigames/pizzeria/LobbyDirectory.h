#pragma once

// The office building's lobby: who works where (the directory by the
// elevator), the elevator's buttons, the five people the pizzas are for,
// and the tutorial's parts of a name and of a button. The game judges from
// these tables; the pictures and voices are made from the same ones, so the
// directory always sends a learner to the floor the game expects.
namespace LobbyDirectory {

// --- the directory ---

struct Tenant {
    const char* firstName;  // UTF-8
    const char* surname;    // UTF-8
    const char* where;      // as the directory prints it: a floor or a suite
    int floor;              // the elevator button it leads to (0: the lobby)
};

// By surname, as a building's directory lists them. Two Gagnons and two
// Marcs, so a learner reads both parts of the name.
constexpr int kTenantCount = 12;
constexpr Tenant kTenants[kTenantCount] = {
    {"Sophie", "Bélanger", "Bureau 702", 7},  {"David", "Chen", "3e étage", 3},
    {"Marc", "Côté", "Bureau 215", 2},        {"Julie", "Gagnon", "Bureau 410", 4},
    {"Paul", "Gagnon", "Bureau 905", 9},      {"Nathalie", "Lavoie", "6e étage", 6},
    {"Luc", "Morin", "Bureau 1003", 10},      {"Anh", "Nguyen", "5e étage", 5},
    {"Isabelle", "Roy", "Bureau 820", 8},     {"Priya", "Singh", "1er étage", 1},
    {"Marc", "Tremblay", "Bureau 308", 3},    {"Sarah", "Wilson", "Bureau 611", 6},
};

// --- the people the pizzas are for, in the order they come ---

struct Visitor {
    int tenant;             // index in kTenants
    const char* recording;  // says whom the pizza is for
    const char* spoken;     // its words (UTF-8)
};

constexpr int kVisitorCount = 5;
constexpr Visitor kVisitors[kVisitorCount] = {
    {3, "visiteur1.mp3", "Une pizza pour Julie Gagnon."},
    {10, "visiteur2.mp3", "Une pizza pour Marc Tremblay."},
    {9, "visiteur3.mp3", "Une pizza pour Priya Singh."},
    {6, "visiteur4.mp3", "Une pizza pour Luc Morin."},
    {0, "visiteur5.mp3", "Une pizza pour Sophie Bélanger."},
};

// --- the elevator's buttons ---

// The panel is drawn at scale 1 (a 512 x 1024 file, 256 x 512 on screen);
// a button's place is its offset from the panel's centre, in screen pixels.
struct Button {
    int floor;          // 0 is the lobby
    const char* label;  // printed on the button
    int dx, dy;
};

constexpr int kButtonCount = 11;
constexpr Button kButtons[kButtonCount] = {
    {0, "RC", 0, 200},    {1, "1", -50, 130},  {2, "2", 50, 130},  {3, "3", -50, 55},
    {4, "4", 50, 55},     {5, "5", -50, -20},  {6, "6", 50, -20},  {7, "7", -50, -95},
    {8, "8", 50, -95},    {9, "9", -50, -170}, {10, "10", 50, -170},
};
constexpr int kButtonRadius = 32;  // on screen; a click inside the box of this half size counts

// --- where things stand on the 1362 x 726 reference layout ---

constexpr int kChartX = 360, kChartY = 440;  // the directory (1024-pixel file)
constexpr float kChartScale = 1.05f;
constexpr int kPanelX = 1040, kPanelY = 430;  // the elevator's buttons
constexpr int kBubbleX = 700, kBubbleY = 128;  // the comic bubble (scale 1)
// The review's card of the five deliveries, between the directory and the
// panel: a row a delivery, its mark at the left, from the top.
constexpr int kReviewLeft = 640, kReviewRight = 900;
constexpr int kReviewTop = 150, kReviewRowStep = 84;
constexpr int kReviewMarkDx = 34;  // the mark's centre, from the card's left edge
constexpr int kReviewTextDx = 72;  // the rows' text, from the card's left edge

// --- the tutorial sheet ---

// Its two pictures, at scale 1, and the parts the learner explores on them:
// an offset from the picture's centre, a reach and an explanation.
constexpr int kNamesX = 681, kNamesY = 330;    // namesSmall.png, 1024 x 256
constexpr int kSmallPanelX = 681, kSmallPanelY = 540;  // elevatorButtonsSmall.png, 256 x 256

struct Part {
    bool onPanel;  // on the small panel, else on the name card
    int dx, dy, halfWidth, halfHeight;
    const char* explanation;
    const char* spoken;  // UTF-8
};

constexpr int kPartCount = 4;
constexpr Part kParts[kPartCount] = {
    {false, -170, 14, 80, 30, "prenom.mp3",
     "Julie, c'est le prénom. Le prénom vient d'abord, quand on dit le nom d'une personne."},
    {false, 0, 14, 80, 30, "surnom.mp3",
     "Gagnon, c'est le nom de famille. Le répertoire de l'édifice est classé par nom de famille."},
    {false, 170, 14, 80, 30, "integer.mp3",
     "Bureau quatre cent dix. Le premier chiffre, quatre, c'est l'étage. Au bureau mille trois, c'est le dixième "
     "étage."},
    {true, 0, 0, 40, 40, "button.mp3",
     "Le bouton de l'ascenseur. Appuyez sur le bouton de l'étage où vous allez. RC, c'est le rez-de-chaussée."},
};
// The name card's sample: a tenant whose suite says its floor.
constexpr int kSampleTenant = 3;

}  // namespace LobbyDirectory
