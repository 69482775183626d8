#pragma once
#include <string>

// The game's 8-bit string. Texts drawn on screen are Latin-1 (the GLUT
// bitmap fonts' encoding); file names are plain ASCII.
class CString {
public:
    CString() = default;
    CString(const char* text) : text_(text ? text : "") {}
    CString(std::string text) : text_(std::move(text)) {}

    // printf-style formatting, as "x%d" or "trophy%d.png".
    static CString Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

    const char* c_str() const { return text_.c_str(); }
    operator const char*() const { return text_.c_str(); }
    const std::string& str() const { return text_; }

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }

    CString operator+(const CString& o) const { return CString(text_ + o.text_); }
    CString& operator+=(const CString& o) { text_ += o.text_; return *this; }
    bool operator==(const CString& o) const { return text_ == o.text_; }
    bool operator!=(const CString& o) const { return text_ != o.text_; }
    bool operator==(const char* o) const { return text_ == (o ? o : ""); }
    bool operator!=(const char* o) const { return !(*this == o); }

private:
    std::string text_;
};
