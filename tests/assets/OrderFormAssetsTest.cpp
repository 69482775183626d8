// The order games' pad and recordings are made from the game's tables:
// these tests catch a recording that dictates another order than the one
// judged, or a pad whose rows have drifted from the lines the game tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "minigames/pizzeria/PizzaOrderForm.h"
#include "support/Narration.h"
#include "support/PicturePixels.h"

using namespace PizzaOrderForm;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The names of a list found in a text, longest first, so that "red peppers"
// is not found inside "roasted red peppers".
std::set<int> Mentioned(std::string text, const std::vector<std::string>& names) {
    std::vector<int> order(names.size());
    for (size_t i = 0; i < names.size(); ++i) order[i] = int(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return names[a].size() > names[b].size(); });
    std::set<int> found;
    text = Lower(text);
    for (int i : order) {
        const std::string name = Lower(names[i]);
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name)) {
            found.insert(i);
            text.replace(at, name.size(), "#");
        }
    }
    return found;
}

struct Asked {
    std::set<int> toppings;  // 0..20, either pizza
    std::set<int> sizes;     // 0..2
};
Asked WhatTheOrderAsks(const Order& order) {
    Asked asked;
    for (const Point& point : order.points) {
        for (int line : {point.line, point.alsoLine}) {
            if (line < 0) continue;
            const int inCopy = line % kPizzaStride;
            if (inCopy >= kFirstTopping) asked.toppings.insert(inCopy - kFirstTopping);
            if (inCopy >= kFirstSize && inCopy < kFirstSize + kSizeCount) asked.sizes.insert(inCopy - kFirstSize);
        }
    }
    return asked;
}

const char* const kFrench[kOrderCount] = {"Order1_FR.mp3", "Order2_FR.mp3", "Order3_FR.mp3", "Order4_FR.mp3"};
const char* const kEnglish[kOrderCount] = {"Order1_EN.mp3", "Order2_EN.mp3", "Order3_EN.mp3", "Order4_EN.mp3"};

}  // namespace

TEST(OrderFormAssets, EveryRecordingSaysWhatTheTableSays) {
    const auto lines = NarrationLines();
    for (int i = 0; i < kOrderCount; ++i) {
        ASSERT_TRUE(lines.count(kFrench[i]) && lines.count(kEnglish[i])) << "order " << i + 1;
        EXPECT_EQ(lines.at(kFrench[i]), std::string("fr|") + kOrders[i].french);
        EXPECT_EQ(lines.at(kEnglish[i]), std::string("en-us|") + kOrders[i].english);
    }
    for (const Topping& t : kToppings) EXPECT_EQ(lines.at(t.help), std::string("fr|") + t.spoken) << t.help;
    for (const OtherHelp& h : kOtherHelp) EXPECT_EQ(lines.at(h.help), std::string("fr|") + h.spoken) << h.help;
    EXPECT_TRUE(lines.count("Intro2_1.mp3") && lines.count("Intro2_6.mp3"));
}

// Each recording names the customer, and exactly the sizes and the
// toppings that the judging table gives points for.
TEST(OrderFormAssets, EachRecordingDictatesTheOrderThatIsJudged) {
    std::vector<std::string> french, english, frenchSizes, englishSizes;
    for (const Topping& t : kToppings) french.push_back(t.label), english.push_back(t.english);
    for (const Size& s : kSizes) frenchSizes.push_back(s.french), englishSizes.push_back(s.english);
    for (int i = 0; i < kOrderCount; ++i) {
        const Asked asked = WhatTheOrderAsks(kOrders[i]);
        const Order& order = kOrders[i];
        EXPECT_NE(std::string(order.french).find(order.customer), std::string::npos) << i;
        EXPECT_NE(std::string(order.english).find(order.customer), std::string::npos) << i;
        EXPECT_EQ(Mentioned(order.french, french), asked.toppings) << kFrench[i];
        EXPECT_EQ(Mentioned(order.english, english), asked.toppings) << kEnglish[i];
        EXPECT_EQ(Mentioned(order.french, frenchSizes), asked.sizes) << kFrench[i];
        EXPECT_EQ(Mentioned(order.english, englishSizes), asked.sizes) << kEnglish[i];
    }
}

// The name list holds the customers of orders 1, 3, 2 and 4, then nobody.
TEST(OrderFormAssets, TheNameListHoldsEveryCustomerOnce) {
    EXPECT_STREQ(kNames[0], kOrders[0].customer);
    EXPECT_STREQ(kNames[1], kOrders[2].customer);
    EXPECT_STREQ(kNames[2], kOrders[1].customer);
    EXPECT_STREQ(kNames[3], kOrders[3].customer);
    EXPECT_STREQ(kNames[4], "Aucun");
}

// On the pad, each topping's row carries printed ink left of its line and
// a tick box where the game writes its mark; the gap between the first
// column's boxes and the second column's words stays paper.
TEST(OrderFormAssets, ToppingsAndTheirBoxesArePrintedOnTheirLines) {
    const PicturePixels pad(std::string(ZELK_GAME_DIR) + "/Images/pizzaOrderForm.png");
    ASSERT_NE(pad.data, nullptr) << SOIL_last_result();
    ASSERT_EQ(pad.width, 1024);
    // Screen pixels from the view's centre to file pixels (the pad shows at 0.75).
    auto darkest = [&](double x0, double x1, double dy) {
        int least = 255;
        for (double x = x0; x <= x1; x += 0.5)
            for (double y = dy - 3; y <= dy + 3; y += 0.5)
                least = std::min(least, pad.BrightnessAt(512 + x / 0.75, 512 + y / 0.75));
        return least;
    };
    for (int p = 0; p < kPizzaCount; ++p) {
        for (int t = 0; t < kToppingCount; ++t) {
            const Offset at = kLines[p * kPizzaStride + kFirstTopping + t];
            EXPECT_LT(darkest(at.dx - 40, at.dx - 10, at.dy), 140) << kToppings[t].label << " of pizza " << p + 1;
            EXPECT_LT(darkest(at.dx + kTickDx[p] - 3, at.dx + kTickDx[p] + 10, at.dy), 140) << "box " << t;
            EXPECT_GT(pad.BrightnessAt(512 + (at.dx + kTickDx[p] + 4) / 0.75, 512 + at.dy / 0.75), 200)
                << "inside box " << t;
        }
    }
}
