// Arbitrary bytes as Latin-1 logins. A login's file must stay inside
// "Profiles", be neither hidden nor a folder's own name, give the login back,
// and never be another login's. The same bytes read as a file name found in
// the folder must only be taken for a profile when FileNameFor makes it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/CProfile.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "NamesFuzzer: %s\n", what);
        __builtin_trap();
    }
}

// Strict UTF-8: what a file manager shows without a replacement sign.
bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int length = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string CheckLogin(const std::string& login) {
    const std::string name = CProfile::FileNameFor(CString(login));
    Check(!name.empty(), "an empty file name");
    Check(name.find('/') == std::string::npos, "a file name with '/'");
    Check(name.find('\0') == std::string::npos, "a file name with a NUL byte");
    Check(name != "." && name != "..", "a file name that is a folder's own name");
    Check(name[0] != '.', "a hidden file name");
    Check(EndsWith(name, ".txt"), "a file name without .txt");
    Check(IsUtf8(name), "a file name that is not UTF-8");
    if (CProfile::IsAcceptableLogin(CString(login))) {
        // With the longest suffix a save adds (".bak.tmp" and a pid), still one name.
        Check(name.size() + 8 + 10 <= 255, "an acceptable login's file name is too long");
    }

    CString back;
    Check(CProfile::LoginFromFileName(name, back), "a login's own file name is not taken for a profile");
    Check(back.str() == login, "a file name gives back another login");

    const std::string folded = CProfile::FoldCase(login);
    Check(folded.size() == login.size(), "FoldCase changed the length");
    Check(CProfile::FoldCase(folded) == folded, "FoldCase is not stable");
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as a file name found in "Profiles".
    CString login;
    if (CProfile::LoginFromFileName(bytes, login)) {
        Check(!login.IsEmpty(), "an empty login from a file name");
        Check(CProfile::FileNameFor(login) == bytes, "a file name taken for a profile FileNameFor never makes");
    }

    if (!bytes.empty()) CheckLogin(bytes);

    // Two logins, split at the first line end: different logins, different files.
    const size_t split = bytes.find('\n');
    if (split != std::string::npos) {
        const std::string first = bytes.substr(0, split);
        const std::string second = bytes.substr(split + 1);
        if (!first.empty() && !second.empty()) {
            const std::string a = CheckLogin(first);
            const std::string b = CheckLogin(second);
            Check((first == second) == (a == b), "two logins share one file");
        }
    }
    return 0;
}
