#include "minigames/pizzeria/OrderFormReview.h"

#include <GL/freeglut.h>

#include <algorithm>

#include "app/BitmapText.h"
#include "app/Latin1.h"
#include "core/CModel.h"
#include "minigames/CMinigameShell.h"
#include "minigames/pizzeria/OrderPadInk.h"

using namespace PizzaOrderForm;

namespace OrderFormReview {

namespace {

void* const kFont = GLUT_BITMAP_HELVETICA_12;
constexpr int kLineHeight = 15;
constexpr int kMargin = 16;
constexpr int kMarkHalf = 32;          // the marks are 64 pixels across
constexpr int kBoardTop = 150;         // under the task card
constexpr int kBoardFromBottom = 90;   // over the legend
constexpr int kMostRowStep = 68;
constexpr int kRightNameDx = 110;      // the right name, after the one picked

std::string LabelOf(int line) {
    const int inCopy = line % kPizzaStride;
    if (inCopy >= kFirstTopping) return Latin1FromUtf8(kToppings[inCopy - kFirstTopping].label);
    if (inCopy >= kFirstCrust) return Latin1FromUtf8(kCrusts[inCopy - kFirstCrust].label);
    return Latin1FromUtf8(kSizes[inCopy - kFirstSize].label);
}

// The words cut into lines no wider than the row.
std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines(1);
    size_t from = 0;
    while (from < text.size()) {
        size_t to = text.find(' ', from);
        if (to == std::string::npos) to = text.size();
        const std::string word = text.substr(from, to - from);
        const std::string longer = lines.back().empty() ? word : lines.back() + " " + word;
        if (!lines.back().empty() && BitmapText::Width(kFont, longer) > width) {
            lines.push_back(word);
        } else {
            lines.back() = longer;
        }
        from = to + 1;
    }
    return lines;
}

}  // namespace

bool IsPointLine(const Order& order, int line) {
    for (const Point& point : order.points) {
        if (point.line == line || point.alsoLine == line) return true;
    }
    return false;
}

bool IsChargedExtra(const Order& order, int line) { return IsMarkLine(line) && !IsPointLine(order, line); }

bool PointMet(const Point& point, const bool* marked) {
    return marked[point.line] && (point.alsoLine < 0 || marked[point.alsoLine]);
}

std::vector<Item> Items(const Order& order, const bool* marked, const CString& name) {
    std::vector<Item> items;
    items.push_back({kNameLine, name == order.customer, "Client : " + std::string(order.customer)});
    for (const Point& point : order.points) {
        std::string text = LabelOf(point.line);
        if (point.alsoLine >= 0) text += ", " + LabelOf(point.alsoLine);
        items.push_back({point.line, PointMet(point, marked), text});
    }
    for (int pizza = 0; pizza < kPizzaCount; ++pizza) {
        Item extras = {-1, false, "Sans :"};
        for (int line = pizza * kPizzaStride; line < (pizza + 1) * kPizzaStride; ++line) {
            if (!marked[line] || !IsChargedExtra(order, line)) continue;
            if (extras.line < 0) extras.line = line;
            extras.text += (extras.line == line ? " " : ", ") + LabelOf(line);
        }
        if (extras.line >= 0) items.push_back(extras);
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.line < b.line; });
    return items;
}

std::vector<Row> Layout(const std::vector<Item>& items, int width, int height) {
    const int leftMark = kMargin + kMarkHalf;
    const int rightMark = width / 2 + kPadRight + 8 + kMarkHalf;
    int counts[kPizzaCount] = {};
    for (const Item& item : items) ++counts[item.line / kPizzaStride];
    const int room = height - kBoardFromBottom - kBoardTop;
    std::vector<Row> rows;
    int placed[kPizzaCount] = {};
    for (const Item& item : items) {
        const int column = item.line / kPizzaStride;
        const int step = std::min(kMostRowStep, room / std::max(1, counts[column]));
        const int x = column == 0 ? leftMark : rightMark;
        const int right = column == 0 ? width / 2 + kPadLeft - 8 : width - kMargin;
        rows.push_back({CPoint(x, kBoardTop + step / 2 + step * placed[column]++), x + kMarkHalf + 8, right});
    }
    return rows;
}

void Draw(CMinigameShell& shell, CModel* model, const Order& order, const bool* marked, const CString& name,
          const CPoint* linePos, int width, int height) {
    // The pad: what the order asked for and the learner did not mark, in green.
    bool answers[kLineCount] = {};
    for (const Point& point : order.points) {
        if (PointMet(point, marked)) continue;
        for (int line : {point.line, point.alsoLine})
            if (line >= 0 && !marked[line]) answers[line] = true;
    }
    OrderPadInk::DrawMarks(model, linePos, answers, OrderPadInk::kRightAnswer);
    if (name != order.customer) {
        OrderPadInk::DrawBeside(model, linePos[kNameLine], kRightNameDx, order.customer, OrderPadInk::kRightAnswer);
    }
    const std::vector<Item> items = Items(order, marked, name);
    const std::vector<Row> rows = Layout(items, width, height);
    glDisable(GL_TEXTURE_2D);
    for (size_t i = 0; i < items.size(); ++i) {
        const Row& row = rows[i];
        const std::vector<std::string> lines = Wrap(items[i].text, row.textRight - row.textLeft);
        const int top = row.mark.y - static_cast<int>(lines.size()) * kLineHeight / 2;
        glColor4f(1.0f, 0.99f, 0.94f, 0.92f);  // a card under the words, over the steel
        glRecti(row.textLeft - 6, top - 4, row.textRight, top + static_cast<int>(lines.size()) * kLineHeight + 4);
        const OrderPadInk::Ink ink = items[i].right ? OrderPadInk::Ink{0.1f, 0.1f, 0.1f} : OrderPadInk::kRightAnswer;
        glColor4f(ink.red, ink.green, ink.blue, 1.0f);
        for (size_t l = 0; l < lines.size(); ++l) {
            model->DrawText(float(row.textLeft), float(top + kLineHeight * (l + 1) - 3), kFont, lines[l].c_str());
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].right) {
            shell.MarkRight(rows[i].mark);
        } else {
            shell.MarkMissed(rows[i].mark);
        }
    }
}

}  // namespace OrderFormReview
