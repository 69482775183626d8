#pragma once

// The signs a delivery driver meets on the road: ten road signs and ten
// information signs. The game asks for them and judges from these tables;
// the pictures and the voices are made from the same ones, so a sign, its
// printed meaning and its recording always agree.
namespace Signs {

// The kinds of Canadian signs, which fix the face's shape and colour.
enum SignKind {
    KIND_PROHIBITION = 0,  // white square, black symbol, red ring and slash
    KIND_REGULATORY,       // red and white: do not enter, yield
    KIND_WARNING,          // yellow diamond, black symbol
    KIND_GUIDE,            // green, white letters: streets, distances
    KIND_SERVICE,          // blue, white letters: services, emergencies
    KIND_ROUTE,            // white route marker with a tab
    KIND_INFORMATION,      // white board, black letters and a coloured scale
};

struct Sign {
    const char* picture;    // the sign's face
    SignKind kind;
    const char* caption;    // the printed meaning, null for a sign that is only heard
    const char* meaning;    // the printed meaning's words (UTF-8), or what the sign means
    const char* narration;  // the recording that names the sign
    const char* spoken;     // its words (UTF-8), numbers as words
};

constexpr int kSignCount = 10;

// One set: its signs, in the order they are asked, and its pictures.
struct Deck {
    const Sign* signs;
    const char* background;
    const char* overlay;
    const char* taskCard;
    const char* intro;
    const char* progressStrip;  // printf pattern, numbered from 1
};

// The road signs, in the order they are asked.
constexpr Sign kRoadSigns[kSignCount] = {
    {"sign_lightsAhead.png", KIND_WARNING, "signs1.png", "Feux de circulation", "sign_feudecirculation.mp3",
     "Feux de circulation."},
    {"sign_noBikes.png", KIND_PROHIBITION, "signs2.png", "Bicyclettes interdites", "sign_bicyclettes.mp3",
     "Bicyclettes interdites."},
    {"sign_noLeftTurn.png", KIND_PROHIBITION, "signs3.png", "Virage à gauche interdit", "sign_gauche.mp3",
     "Virage à gauche interdit."},
    {"sign_doNotEnter.png", KIND_REGULATORY, nullptr, "Défense d'entrer", "sign_defensedentrer.mp3",
     "Défense d'entrer."},
    {"sign_noParking.png", KIND_PROHIBITION, "signs4.png", "Stationnement interdit", "sign_stationnement.mp3",
     "Stationnement interdit."},
    {"sign_pedestrianCrossing.png", KIND_WARNING, "signs5.png", "Attention aux piétons", "sign_pietons.mp3",
     "Attention aux piétons."},
    {"sign_roadToGravel.png", KIND_WARNING, "signs6.png", "Début de la route de gravier", "sign_gravillons.mp3",
     "Début de la route de gravier : la chaussée n'est plus pavée."},
    {"sign_sharpRight.png", KIND_WARNING, "signs7.png", "Virage prononcé à droite", "sign_droite.mp3",
     "Virage prononcé à droite."},
    {"sign_windingRoad.png", KIND_WARNING, "signs8.png", "Virages", "sign_virages.mp3", "Virages."},
    {"sign_yield.png", KIND_REGULATORY, "signs9.png", "Cédez le passage", "sign_cedez.mp3", "Cédez le passage."},
};

// The information signs, in the order they are asked: the emergency number
// first, so the game opens on it.
constexpr Sign kInfoSigns[kSignCount] = {
    {"sign_911.png", KIND_SERVICE, nullptr, "Urgence : composez le 9-1-1", "sign_911.mp3",
     "En cas d'urgence, composez le neuf, un, un."},
    {"sign_bumpy.png", KIND_WARNING, "signs11.png", "Bosses en avant", "sign_bosses.mp3", "Bosses en avant."},
    {"sign_etcc.png", KIND_ROUTE, "signs13.png", "Fin de la route 69", "sign_69.mp3",
     "Fin de la route soixante-neuf."},
    {"sign_height.png", KIND_WARNING, "signs14.png", "Hauteur maximale de 4,4 m", "sign_44.mp3",
     "Hauteur maximale de quatre virgule quatre mètres."},
    {"sign_otterlake.png", KIND_INFORMATION, "signs15.png", "Risque de feu de forêt bas", "sign_forestFire.mp3",
     "Risque de feu de forêt bas."},
    {"sign_ouestest.png", KIND_GUIDE, "signs16.png", "Rue 148 Est ou Ouest", "sign_EstOuest.mp3",
     "Rue cent quarante-huit, est ou ouest."},
    {"sign_remaining.png", KIND_GUIDE, "signs17.png", "Distances en km", "sign_distances.mp3",
     "Distances en kilomètres."},
    {"sign_slope.png", KIND_WARNING, "signs18.png", "Danger, inclinaison de la rue", "sign_incline.mp3",
     "Danger, inclinaison de la rue."},
    {"sign_via.png", KIND_SERVICE, "signs19.png", "Zone commerciale", "sign_commercial.mp3", "Zone commerciale."},
    {"sign_laneEnding.png", KIND_WARNING, "signs20.png", "Se rabattre sur la même voie", "sign_merge.mp3",
     "Se rabattre sur la même voie."},
};

// Both sets share the street.
constexpr Deck kRoadDeck = {kRoadSigns,    "signs10.png",  "overlaysigns.png",
                            "consigne2_3.png", "Intro2_3.mp3", "minijeu2_3progress%d.png"};
constexpr Deck kInfoDeck = {kInfoSigns,    "signs10.png",  "overlaysigns2.png",
                            "consigne2_7.png", "Intro2_7.mp3", "minijeu2_7progress%d.png"};

// The comic bubble holds the meaning asked for.
constexpr const char* kBubble = "comicBubble.png";

// The ten places a sign can stand, on the 1362 x 726 reference: two rows
// of five under the bubble. A layout deals the signs over these places.
constexpr int kSlotColumns = 5;
constexpr int kSlotX[kSlotColumns] = {221, 451, 681, 911, 1141};
constexpr int kSlotY[2] = {385, 605};
constexpr float kSignScale = 1.5f;  // 256-pixel faces, 192 on screen
constexpr int kBubbleX = 681, kBubbleY = 190;
constexpr float kBubbleScale = 1.4f;  // 1024 x 256 file, 717 x 179 on screen
constexpr int kCaptionX = 705, kCaptionY = 180;  // right of the bubble's speaker

// The review's board: the ten signs smaller, in the deck's order on the same
// columns, clear of the corner buttons and of the legend; each sign's mark
// beside it on the right, its meaning written under it.
constexpr int kReviewY[2] = {210, 450};
constexpr float kReviewSignScale = 1.0f;  // 128 on screen
constexpr int kReviewMarkDx = 100;
constexpr int kReviewMeaningDy = 86;

}  // namespace Signs
