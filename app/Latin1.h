#pragma once
#include <string>

// The game's texts are 8-bit: Latin-1, the GLUT bitmap fonts' encoding,
// plus the three letters of French that Latin-1 lacks, œ Œ Ÿ, at their
// Windows-1252 bytes 0x9C, 0x8C and 0x9F (app/BitmapText draws them).
// Those bytes are control codes in Latin-1 that no text of ours uses. Our
// sources, the input method and the file system speak UTF-8; these convert
// between the two.

// Characters the game cannot keep become '?'; an invalid byte is read as
// Latin-1, so a text in Latin-1 already passes unchanged.
std::string Latin1FromUtf8(const std::string& utf8);
std::string Utf8FromLatin1(const std::string& latin1);

// The game's byte for a character; false for one it has none for.
bool GameByteFor(char32_t character, unsigned char& byte);
// The character a game byte stands for.
char32_t CharacterOf(unsigned char byte);
// The characters of a UTF-8 text; an invalid byte stands for itself, read
// as Latin-1.
std::u32string CharactersOf(const std::string& utf8);
std::string Utf8Of(char32_t character);
