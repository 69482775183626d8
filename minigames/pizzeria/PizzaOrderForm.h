#pragma once

// The pizzeria's order pad and the four telephone orders taken on it. The
// game hit-tests, prices and judges from these tables; the pad is drawn and
// the orders are recorded from the same ones, so a topping is printed where
// the game looks for it and each recording dictates the order that is judged.
namespace PizzaOrderForm {

// The pad has two copies side by side, one per pizza; a line of the second
// copy is the same line of the first plus kPizzaStride.
constexpr int kLineCount = 58;
constexpr int kPizzaStride = 28;
constexpr int kPizzaCount = 2;

// Lines of the first copy.
constexpr int kNameLine = 0;
constexpr int kDateLine = 1;
constexpr int kFirstSize = 2;  // sizes 1, 2, 3 on lines 2, 3, 4
constexpr int kSizeCount = 3;
constexpr int kFirstCrust = 5;  // the crust: thin (5) or thick (6), one at most
constexpr int kFirstTopping = 7;
constexpr int kToppingCount = 21;
constexpr int kLastTopping = kFirstTopping + kToppingCount - 1;  // 27
constexpr int kFirstLabel = 56;                                  // "Pizza 1" (56), "Pizza 2" (57)

// The pad is drawn at scale 1.5 in the middle of the view; lines are
// offsets from the view's centre.
constexpr float kPadScale = 1.5f;
struct Offset {
    int dx, dy;
};
constexpr Offset kLines[kLineCount] = {
    {-174, -218}, {-174, -201},                                         // name, date
    {-152, -168}, {-152, -153}, {-152, -138},                           // sizes
    {-219, -122}, {-112, -122},                                         // crust
    {-218, -63},  {-218, -50},  {-218, -39}, {-218, -27}, {-218, -15},  // toppings, first column
    {-218, -4},   {-218, 8},    {-218, 19},  {-218, 32},  {-218, 42},
    {-218, 55},   {-218, 66},
    {-114, -63},  {-114, -50},  {-114, -39}, {-114, -27}, {-114, -15},  // second column
    {-114, -4},   {-114, 8},    {-114, 19},  {-114, 32},
    {146, -215},  {146, -199},                                          // second copy: name, date
    {168, -168},  {168, -153},  {168, -138},
    {101, -122},  {208, -122},
    {102, -63},   {102, -50},   {102, -39},  {102, -27},  {102, -15},
    {102, -4},    {102, 8},     {102, 19},   {102, 32},   {102, 42},
    {102, 55},    {102, 66},
    {206, -63},   {206, -50},   {206, -39},  {206, -27},  {206, -15},
    {206, -4},    {206, 8},     {206, 19},   {206, 32},
    {-216, 96},   {216, 97},                                            // the pizzas' labels
};

// A line is near a click within 50 pixels across and 6 down; a size line
// takes the whole width of its row (175 across). Where two lines are near
// one click (the peppers are 10 pixels apart, the copies' size rows meet
// between the copies), the click marks only the nearest.
constexpr int kNearX = 50;
constexpr int kNearLongX = 175;
constexpr int kNearY = 6;

// The lines a learner marks: the sizes, the crusts and the toppings of
// either copy.
constexpr bool IsMarkLine(int line) {
    return line >= 0 && line < kPizzaCount * kPizzaStride && line % kPizzaStride >= kFirstSize &&
           line % kPizzaStride <= kLastTopping;
}
constexpr bool IsSizeLine(int line) {
    return IsMarkLine(line) && line % kPizzaStride < kFirstSize + kSizeCount;
}
// The one rule for extra marks: each marked line the order did not ask for
// takes back this many points, as long as more than kLeastAfterExtras are
// left.
constexpr int kExtraMarkCost = 1;
constexpr int kLeastAfterExtras = 1;

// Where the pad's marks go, from a line's position: the tick box of a
// topping on the first and on the second copy, the ring of a size.
constexpr int kTickDx[kPizzaCount] = {50, 47};
constexpr int kTickDy = 5;
constexpr Offset kSizeRingFrom = {-120, -6}, kSizeRingTo = {100, 5};
constexpr Offset kCrustRingFrom = {-30, -5}, kCrustRingTo = {25, 5};
// The date and the name are written on the second copy this far right.
constexpr int kCopyTextDx = 294;
// The pad's two copies reach this far left and right of the view's centre
// (the review's board stands beside them).
constexpr int kPadLeft = -305, kPadRight = 308, kPadBottom = 228;
// The price block, under the last topping of each copy.
constexpr int kPriceDx = -125;
constexpr int kPriceFirstDy = 102;
constexpr int kPriceStep = 20;

struct Size {
    const char* label;    // printed on the pad (UTF-8)
    const char* french;   // as an order says it
    const char* english;
    double price;
};
constexpr Size kSizes[kSizeCount] = {
    {"Petite 10 po", "petite", "small", 6.99},
    {"Moyenne 12 po", "moyenne", "medium", 12.99},
    {"Grande 16 po", "grande", "large", 21.99},
};
constexpr int kIncludedToppings = 3;
constexpr double kExtraToppingPrice = 1.00;
constexpr double kHstRate = 0.13;

struct Crust {
    const char* label;
};
constexpr Crust kCrusts[2] = {{"Mince"}, {"Épaisse"}};

struct Topping {
    const char* label;    // printed on the pad, as an order says it in French (UTF-8)
    const char* english;  // as an order says it in English
    const char* help;     // the line's help recording
    const char* spoken;   // what the help recording says (UTF-8)
};
constexpr Topping kToppings[kToppingCount] = {
    {"Mozzarella", "mozzarella", "Mozzarella.mp3", "Mozzarella. En anglais : mozzarella."},
    {"Bocconcini", "bocconcini", "Boconccini.mp3", "Bocconcini. En anglais : bocconcini."},
    {"Feta", "feta", "feta.mp3", "Feta. En anglais : feta."},
    {"Pepperoni", "pepperoni", "pepperoni.mp3", "Pepperoni. En anglais : pepperoni."},
    {"Jambon", "ham", "ham.mp3", "Jambon. En anglais : ham."},
    {"Bacon", "bacon", "baccon.mp3", "Bacon. En anglais : bacon."},
    {"Saucisse", "sausage", "sausage.mp3", "Saucisse. En anglais : sausage."},
    {"Poulet", "chicken", "chicken.mp3", "Poulet. En anglais : chicken."},
    {"Poivrons verts", "green peppers", "GreenPeppers.mp3", "Poivrons verts. En anglais : green peppers."},
    {"Poivrons rouges", "red peppers", "redPeppers.mp3", "Poivrons rouges. En anglais : red peppers."},
    {"Poivrons grillés", "roasted red peppers", "roastedRedPeppers.mp3",
     "Poivrons rouges grillés. En anglais : roasted red peppers."},
    {"Piments forts", "hot peppers", "hotPeppers.mp3", "Piments forts. En anglais : hot peppers."},
    {"Champignons", "mushrooms", "mushrooms.mp3", "Champignons. En anglais : mushrooms."},
    {"Ananas", "pineapple", "pineapple.mp3", "Ananas. En anglais : pineapple."},
    {"Oignons", "onions", "onions.mp3", "Oignons. En anglais : onions."},
    {"Anchois", "anchovies", "anchovies.mp3", "Anchois. En anglais : anchovies."},
    {"Olives vertes", "green olives", "greenOlives.mp3", "Olives vertes. En anglais : green olives."},
    {"Olives noires", "black olives", "blackOlives.mp3", "Olives noires. En anglais : black olives."},
    {"Brocoli", "broccoli", "broccoli.mp3", "Brocoli. En anglais : broccoli."},
    {"Tomates", "tomatoes", "tomatoes.mp3", "Tomates. En anglais : tomatoes."},
    {"Bœuf", "beef", "beef.mp3", "Bœuf haché. En anglais : ground beef."},
};

// The help recordings of the lines that are not toppings.
struct OtherHelp {
    int line;
    const char* help;
    const char* spoken;
};
constexpr OtherHelp kOtherHelp[] = {
    {kNameLine, "nomduclient.mp3", "Le nom du client. Cliquez ici et choisissez le nom dans la liste."},
    {kFirstSize, "taillePizza.mp3",
     "La taille de la pizza : petite, moyenne ou grande. Encerclez une seule taille."},
    {kFirstLabel, "pizza1.mp3", "La première pizza. Son prix est calculé juste en dessous."},
    {kFirstLabel + 1, "pizza2.mp3", "La deuxième pizza, s'il y en a une. Son prix est calculé en dessous."},
};

// The help recording of each line, null where a line has none (the second
// copy's name, date, sizes and crust, the date and the crust).
struct LineHelp {
    const char* names[kLineCount];
    constexpr LineHelp() : names() {
        for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
            for (int t = 0; t < kToppingCount; ++t) names[pizza * kPizzaStride + kFirstTopping + t] = kToppings[t].help;
        }
        for (const OtherHelp& other : kOtherHelp) names[other.line] = other.help;
        for (int s = 1; s < kSizeCount; ++s) names[kFirstSize + s] = names[kFirstSize];
    }
};
inline constexpr LineHelp kLineHelp;

// One point of an order: a line to mark, or two lines that must both be
// marked (-1 when the point is one line).
struct Point {
    int line;
    int alsoLine;
};
constexpr int kLinePoints = 6;  // the name is the seventh point
constexpr int kOrderCount = 4;
struct Order {
    const char* customer;  // as the name list shows it
    Point points[kLinePoints];
    const char* french;    // what the French recording says (UTF-8)
    const char* english;   // what the English recording says
};
constexpr Order kOrders[kOrderCount] = {
    {"Julie",
     {{3, -1}, {7, -1}, {14, -1}, {10, -1}, {21, -1}, {15, -1}},
     "Bonjour, ici Julie. Je voudrais une pizza moyenne avec mozzarella, pepperoni, poulet, poivrons verts "
     "et oignons. Merci, à tout à l'heure !",
     "Hi, this is Julie. I would like one medium pizza with mozzarella, pepperoni, chicken, green peppers "
     "and onions. Thank you, see you soon!"},
    {"Marc",
     {{2, -1}, {30, -1}, {7, 10}, {11, 23}, {35, 38}, {39, 51}},
     "Bonjour, c'est Marc. J'aimerais deux petites pizzas, s'il vous plaît. Chacune avec mozzarella, "
     "pepperoni, jambon et olives vertes. Merci beaucoup !",
     "Hello, it's Marc. I'd like two small pizzas, please. Each one with mozzarella, pepperoni, ham "
     "and green olives. Thanks a lot!"},
    {"Sophie",
     {{4, -1}, {7, -1}, {10, -1}, {13, -1}, {18, -1}, {25, -1}},
     "Allô, ici Sophie. Une grande pizza, s'il vous plaît, avec mozzarella, pepperoni, saucisse, "
     "piments forts et brocoli. Merci !",
     "Hi, Sophie here. One large pizza, please, with mozzarella, pepperoni, sausage, hot peppers "
     "and broccoli. Thanks!"},
    {"Karim",
     {{3, -1}, {7, -1}, {12, 19}, {30, -1}, {35, -1}, {38, -1}},
     "Bonjour, c'est Karim. Je voudrais deux pizzas. La première, une moyenne avec mozzarella, bacon "
     "et champignons. La deuxième, une petite avec mozzarella et pepperoni. Merci !",
     "Hello, this is Karim. I would like two pizzas. The first one, a medium with mozzarella, bacon "
     "and mushrooms. The second one, a small with mozzarella and pepperoni. Thank you!"},
};
// The name list: the customers of orders 1, 3, 2 and 4, then nobody.
constexpr int kNameCount = 5;
constexpr const char* kNames[kNameCount] = {"Julie", "Sophie", "Marc", "Karim", "Aucun"};

}  // namespace PizzaOrderForm
