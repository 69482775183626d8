#pragma once

// The delivery van's GPS: its screens, its keyboard and keypad, the
// suggestions it offers and the seven steps of entering the address on the
// order's sticky note. The game judges and draws from these tables and the
// pictures and voices are made from them, so a key is drawn where it is
// hit-tested and a list shows the suggestions the game expects.
namespace DeliveryGps {

// --- where things are, on the 1362 x 726 reference layout ---

// The navigator's screen.
constexpr int kScreenLeft = 311, kScreenTop = 120, kScreenRight = 1111, kScreenBottom = 664;
constexpr int kScreenCentreX = (kScreenLeft + kScreenRight) / 2;
// The entry field, where "City: su" is typed (the text's baseline).
constexpr int kFieldTextX = 340, kFieldTextY = 226;
// The house number's digits, right of the keypad screen's printed label.
constexpr int kNumberTextX = 560;
// The suggestion rows under the field.
constexpr int kSuggestionCount = 5;
constexpr int kSuggestionTop = 266, kSuggestionStep = 38;
constexpr int kSuggestionHalfWidth = 380, kSuggestionHalfHeight = 19;
// The letter keyboard: three rows and the space bar.
constexpr int kKeyRowCount = 3;
constexpr const char* kKeyRows[kKeyRowCount] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
constexpr int kKeyRowY[kKeyRowCount] = {478, 532, 586};
constexpr int kKeyStep = 72;
constexpr int kKeyHalfWidth = 31, kKeyHalfHeight = 23;
constexpr int kSpaceY = 634, kSpaceHalfWidth = 180, kSpaceHalfHeight = 17;
// The house-number keypad: 1 to 9 in three rows, 0 under them, and Go.
constexpr int kPadX[3] = {587, 711, 835};
constexpr int kPadY[4] = {316, 396, 476, 556};
constexpr int kPadHalfWidth = 55, kPadHalfHeight = 35;
constexpr int kGoX = 1000, kGoY = 556, kGoHalfWidth = 80, kGoHalfHeight = 35;
// The sticky note on the dashboard (a 512-pixel file at scale 0.9).
constexpr int kStickyX = 150, kStickyY = 430;
constexpr float kStickyScale = 0.9f;

struct Spot {
    int x, y;
};

// The centre of a letter key ('a' to 'z', or ' ' for the space bar);
// {-1, -1} for a character the keyboard does not have.
constexpr Spot KeySpot(char c) {
    if (c == ' ') return {kScreenCentreX, kSpaceY};
    for (int row = 0; row < kKeyRowCount; ++row) {
        int length = 0;
        while (kKeyRows[row][length] != '\0') ++length;
        for (int i = 0; i < length; ++i) {
            if (kKeyRows[row][i] != c) continue;
            // Each row is centred on the screen.
            return {kScreenCentreX + (2 * i - (length - 1)) * kKeyStep / 2, kKeyRowY[row]};
        }
    }
    return {-1, -1};
}

// The centre of a digit key.
constexpr Spot DigitSpot(int digit) {
    return digit == 0 ? Spot{kPadX[1], kPadY[3]} : Spot{kPadX[(digit - 1) % 3], kPadY[(digit - 1) / 3]};
}

constexpr Spot SuggestionSpot(int row) { return {kScreenCentreX, kSuggestionTop + row * kSuggestionStep}; }

// --- the suggestions: what the GPS offers after the letters typed ---

struct Suggestions {
    const char* typed;  // the letters typed so far
    const char* entries[kSuggestionCount];
};

inline constexpr Suggestions kCitiesS = {
    "s", {"Sarnia, ON", "Sauble Beach, ON", "Smooth Rock Falls, ON", "South River, ON", "St. Catharines, ON"}};
inline constexpr Suggestions kCitiesSu = {
    "su", {"Sudbury, ON", "Summerstown, ON", "Sunderland, ON", "Sundridge, ON", "Sutton, ON"}};
inline constexpr Suggestions kStreetsW = {
    "w", {"Winters St.", "Wood Duck Lane", "Woodland Ave.", "Woodlawn St.", "Wright St."}};
inline constexpr Suggestions kStreetsWe = {
    "we", {"Westmount Ave.", "Westmount Crt.", "Westmount St.", "West Ferris St.", "West Heights Ave."}};

// --- the seven steps ---

enum StepKind {
    STEP_LETTER = 0,  // type one letter of the city or the street
    STEP_PICK,        // pick the city or the street among the suggestions
    STEP_NUMBER,      // type the house number, then Go starts the route
};

// Which field a step fills, for the review's marks.
enum Field { FIELD_CITY = 0, FIELD_STREET, FIELD_NUMBER, kFieldCount };

struct Step {
    StepKind kind;
    Field field;
    char letter;                     // STEP_LETTER: the letter to type
    const Suggestions* shown;        // the list on screen during the step, null for none
    int pick;                        // STEP_PICK: the right row of the list
};

constexpr int kStepCount = 7;
inline constexpr Step kSteps[kStepCount] = {
    {STEP_LETTER, FIELD_CITY, 's', nullptr, -1},
    {STEP_LETTER, FIELD_CITY, 'u', &kCitiesS, -1},
    {STEP_PICK, FIELD_CITY, 0, &kCitiesSu, 0},       // Sudbury, ON
    {STEP_LETTER, FIELD_STREET, 'w', nullptr, -1},
    {STEP_LETTER, FIELD_STREET, 'e', &kStreetsW, -1},
    {STEP_PICK, FIELD_STREET, 0, &kStreetsWe, 2},    // Westmount St.
    {STEP_NUMBER, FIELD_NUMBER, 0, nullptr, -1},
};
constexpr const char* kCity = kCitiesSu.entries[0];
constexpr const char* kStreet = kStreetsWe.entries[2];

// The route screen's summary of the address: its card and its rows.
constexpr int kSummaryRight = 790;
constexpr Spot kSummarySpots[kFieldCount] = {{560, 300}, {560, 360}, {560, 420}};
// The review's mark of each field, beside its row, right of the card.
constexpr Spot kMarkSpots[kFieldCount] = {{kSummaryRight + 38, 300}, {kSummaryRight + 38, 360},
                                          {kSummaryRight + 38, 420}};

// --- the two languages of the GPS ---

// The explanations of the menu path, heard when the learner explores the
// intro sheet (the GPS's own words, in its language).
constexpr int kMenuCount = 3;
constexpr Spot kMenuSpots[kMenuCount] = {{711, 260}, {711, 370}, {711, 480}};
constexpr int kMenuHalfWidth = 250, kMenuHalfHeight = 36;

struct Language {
    const char* voice;               // espeak-ng voice of the GPS's words
    const char* screens[kStepCount + 1];  // one per step, then the route
    const char* overlay;
    const char* sticky;
    const char* taskCard;
    const char* intro;
    const char* progressStrip;       // printf pattern, numbered from 1
    const char* cityLabel;           // "City: "
    const char* streetLabel;         // "Street: "
    const char* numberLabel;         // before the house number typed
    const char* houseNumber;         // on the sticky note; what must be typed
    const char* houseNumberWords;    // the number as the voice says it
    const char* goLabel;             // the key that starts the route
    const char* spaceLabel;          // on the space bar
    const char* typeHint;            // where the suggestions will come
    const char* stickyTitle;         // the note's heading
    const char* stickyOrder;         // what is delivered
    const char* menu[kMenuCount];    // "Navigate to", "Address", "Street and house number"
    const char* menuSounds[kMenuCount];
    const char* menuSpoken[kMenuCount];
    const char* stageSounds[kFieldCount];  // spoken when the city, the street, the number begins
    bool english = false;            // the review's legend in English
};

inline constexpr Language kEnglish = {
    "en-us",
    {"GPS_1.png", "GPS_2.png", "GPS_3.png", "GPS_4.png", "GPS_5.png", "GPS_6.png", "GPS_7.png", "GPS_8.png"},
    "gps_overlay.png",
    "pizzaSticky.png",
    "consigne2_2.png",
    "Intro2_2.mp3",
    "minijeu2_2progress%d.png",
    "City: ",
    "Street: ",
    "House number: ",
    "432",
    "quatre cent trente-deux",
    "Go",
    "space",
    "Type the first letters",
    "Delivery",
    "1 large pepperoni",
    {"Navigate to", "Address", "Street and house number"},
    {"NavigateTo.mp3", "AddressGPS.mp3", "StreetAndHouseNumber.mp3"},
    {"Navigate to.", "Address.", "Street and house number."},
    {"City.mp3", "Street.mp3", "HouseNumber.mp3"},
    true,
};

inline constexpr Language kFrench = {
    "fr",
    {"GPS_1_FR.png", "GPS_2_FR.png", "GPS_3_FR.png", "GPS_4_FR.png", "GPS_5_FR.png", "GPS_6_FR.png",
     "GPS_7_FR.png", "GPS_8_FR.png"},
    "gps_overlay_FR.png",
    "pizzaSticky_FR.png",
    "consigne2_8.png",
    "Intro2_8.mp3",
    "minijeu2_8progress%d.png",
    "Ville : ",
    "Rue : ",
    "Numéro : ",
    "224",
    "deux cent vingt-quatre",
    "Aller",
    "espace",
    "Tapez les premières lettres",
    "Livraison",
    "1 grande pepperoni",
    {"Naviguer vers", "Adresse", "Rue et numéro de rue"},
    {"naviguerVers.mp3", "adresse.mp3", "rueEtNumeroDeRue.mp3"},
    {"Naviguer vers.", "Adresse.", "Rue et numéro de rue."},
    {"City.mp3", "Street.mp3", "224.mp3"},
};

// The progress strip counts the three fields and the start of the route.
constexpr int kProgressSteps = 4;

}  // namespace DeliveryGps
