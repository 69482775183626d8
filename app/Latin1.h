#pragma once
#include <string>

// The GLUT bitmap fonts and the keyboard speak Latin-1; our sources and
// the file system speak UTF-8. These convert between the two.

// Characters outside Latin-1 become '?'; invalid bytes pass through as-is.
std::string Latin1FromUtf8(const std::string& utf8);
std::string Utf8FromLatin1(const std::string& latin1);
