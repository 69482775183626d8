// Arbitrary bytes as a stored profile. Parse is checked against a reading
// written here from the header's promises alone, then the values must come
// back unchanged through Serialize and Parse.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/CProfile.h"

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "ProfileFuzzer: %s\n", what);
    __builtin_trap();
}

void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

constexpr int kCells = CProfile::kRows * CProfile::kColumns;
constexpr int kFirstTotal = kCells + CProfile::kTrophies;

// The C locale's white space, as a stream reads it.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// "-"? digits, within 32 bits whatever the leading zeros.
bool ReadDecimal(const std::string& token, int32_t& value) {
    size_t at = token[0] == '-' ? 1 : 0;
    const bool negative = at == 1;
    if (at == token.size()) return false;
    for (size_t k = at; k < token.size(); ++k) {
        if (token[k] < '0' || token[k] > '9') return false;
    }
    while (at + 1 < token.size() && token[at] == '0') ++at;
    const std::string digits = token.substr(at);
    const std::string limit = negative ? "2147483648" : "2147483647";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) return false;
    int64_t magnitude = 0;
    for (char d : digits) magnitude = magnitude * 10 + (d - '0');
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool IsCount(int n) { return n < kCells || n >= kFirstTotal; }

struct Expected {
    CProfile profile;
    bool ok = false;
};

Expected ReadAsPromised(const CProfile& start, const std::string& text) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : text) {
        if (IsSpace(c)) {
            if (!token.empty()) tokens.push_back(token);
            token.clear();
        } else {
            token += c;
        }
    }
    if (!token.empty()) tokens.push_back(token);

    Expected expected{start, true};
    CProfile& p = expected.profile;
    int n = 0;
    for (const std::string& t : tokens) {
        int32_t value = 0;
        if (!ReadDecimal(t, value) || n == CProfile::kValues) {
            expected.ok = false;
            break;
        }
        if (IsCount(n) && value < 0) {
            expected.ok = false;
            value = 0;
        }
        if (!IsCount(n) && value != 0 && value != 1) expected.ok = false;
        if (n < kCells) {
            p.compte[n / CProfile::kColumns][n % CProfile::kColumns] = value;
        } else if (n < kFirstTotal) {
            p.trophyAwarded[n - kCells] = value == 1;
        } else if (n == kFirstTotal) {
            p.pointsSpent = value;
        } else {
            p.totalScore = value;
        }
        ++n;
    }
    if (n != CProfile::kValues) expected.ok = false;
    return expected;
}

bool SameValues(const CProfile& a, const CProfile& b) {
    return a.compte == b.compte && a.trophyAwarded == b.trophyAwarded && a.pointsSpent == b.pointsSpent &&
           a.totalScore == b.totalScore;
}

bool InRange(const CProfile& p) {
    for (const auto& row : p.compte) {
        for (int32_t cell : row) {
            if (cell < 0) return false;
        }
    }
    return p.pointsSpent >= 0 && p.totalScore >= 0;
}

// 161 canonical decimals, CR LF between them and none after the last.
bool IsStoredForm(const std::string& text) {
    int values = 0;
    size_t at = 0;
    for (;;) {
        const size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        int32_t value = 0;
        if (line.empty() || !ReadDecimal(line, value) || std::to_string(value) != line) return false;
        ++values;
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return values == CProfile::kValues;
}

CProfile WithValues() {
    CProfile p;
    for (int r = 0; r < CProfile::kRows; ++r) {
        for (int c = 0; c < CProfile::kColumns; ++c) p.compte[r][c] = r * 100 + c * 7 + 1;
    }
    for (int t = 0; t < CProfile::kTrophies; t += 3) p.trophyAwarded[t] = true;
    p.pointsSpent = 250;
    p.totalScore = 2147483647;
    return p;
}

void CheckFrom(const CProfile& start, const std::string& text) {
    CProfile parsed = start;
    const CProfile::ReadResult result = parsed.Parse(text);
    Check(result == CProfile::READ_OK || result == CProfile::READ_DAMAGED, "Parse gave READ_MISSING");
    Check(InRange(parsed), "a negative count or total after Parse");

    const Expected expected = ReadAsPromised(start, text);
    Check((result == CProfile::READ_OK) == expected.ok, "READ_OK is not exactly 161 clean values");
    Check(SameValues(parsed, expected.profile), "Parse read other values than the header promises");

    // What is read is stored, and read back, the same.
    const std::string stored = parsed.Serialize();
    Check(IsStoredForm(stored), "Serialize is not 161 values with CR LF between them");
    for (const CProfile& over : {CProfile(), start}) {
        CProfile again = over;
        Check(again.Parse(stored) == CProfile::READ_OK, "a serialized profile does not read as READ_OK");
        Check(SameValues(again, parsed), "a serialized profile reads back other values");
        Check(again.Serialize() == stored, "a serialized profile does not serialize to the same text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    static const CProfile withValues = WithValues();
    CheckFrom(CProfile(), text);
    CheckFrom(withValues, text);
    return 0;
}
