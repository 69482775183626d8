#pragma once

// The goods of the putting-away game and where each one keeps: five for
// the shelf, five for the refrigerator, five for the freezer. The game
// judges from this table and the pictures are drawn from it, so a package
// always looks like what it is and belongs where the game expects it.
namespace Storage {

enum Place { PLACE_SHELF = 0, PLACE_FRIDGE, PLACE_FREEZER, PLACE_NONE, kPlaceCount = PLACE_NONE };

constexpr const char* kPlacePictures[kPlaceCount] = {"shelf.png", "fridge.png", "freezer.png"};
constexpr const char* kPlaceNames[kPlaceCount] = {"Tablette", "Réfrigérateur", "Congélateur"};
// One example of each place on the sheet.
constexpr const char* kExamples[kPlaceCount] = {"bread.png", "milk.png", "icecream.png"};

struct Good {
    const char* picture;
    const char* name;  // printed on the package (UTF-8)
    Place place;
};

constexpr int kGoodCount = 15;
constexpr int kDrawn = 8;  // goods in a game
// The shelf goods are the dated goods "Item1.png" to "Item5.png".
constexpr Good kGoods[kGoodCount] = {
    {"Item1.png", "Pain", PLACE_SHELF},          {"Item2.png", "Céréales", PLACE_SHELF},
    {"Item3.png", "Biscuits", PLACE_SHELF},      {"Item4.png", "Pâtes", PLACE_SHELF},
    {"Item5.png", "Soupe", PLACE_SHELF},         {"cold1.png", "Beurre", PLACE_FRIDGE},
    {"cold2.png", "Œufs", PLACE_FRIDGE},        {"cold3.png", "Jus d'orange", PLACE_FRIDGE},
    {"cold4.png", "Jambon", PLACE_FRIDGE},       {"cold5.png", "Crème", PLACE_FRIDGE},
    {"frozen1.png", "Pois surgelés", PLACE_FREEZER}, {"frozen2.png", "Pizza surgelée", PLACE_FREEZER},
    {"frozen3.png", "Frites surgelées", PLACE_FREEZER}, {"frozen4.png", "Glaçons", PLACE_FREEZER},
    {"frozen5.png", "Poisson pané", PLACE_FREEZER},
};

// Where things are on the 1362 x 726 reference layout.
constexpr int kPlaceX[kPlaceCount] = {250, 681, 1112};
constexpr int kPlaceY = 320;
constexpr double kPlaceScale = 1.3;    // of a 256-wide picture, on a view 726 high
constexpr int kQueueY = 630;           // the goods still to put away, in a row
constexpr int kQueueStep = 130;
constexpr double kGoodScale = 0.4;     // a good waiting in the row
constexpr double kCurrentScale = 0.55; // the one to put away now
constexpr double kStoredScale = 0.26;  // a good put away
// A place holds its goods in two rows of four.
constexpr int kSlotStepX = 68, kSlotStepY = 100, kSlotTop = -40;

}  // namespace Storage
