#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zelvan {

// Every text the program stores is a GBK (code page 936) byte string; Unicode
// appears only at the edges (widgets, XML, console). A character GBK cannot
// hold becomes "?", as an ANSI Windows program would write it.
std::string utf8ToGbk(std::string_view utf8);
std::string gbkToUtf8(std::string_view gbk);

// Strict conversion: false when a character has no GBK form (the JSON bridge
// refuses such texts instead of silently replacing them).
bool utf8ToGbkStrict(std::string_view utf8, std::string &gbk);
// UTF-16 code units (the archive's Unicode text form) to GBK.
std::string utf16ToGbk(std::u16string_view utf16);

QString fromGbk(std::string_view gbk);
std::string toGbk(const QString &text);

// GBK bytes of a UTF-8 literal; used for the program's own texts that end up
// in the record or in generated files.
inline std::string gbk(std::string_view utf8) { return utf8ToGbk(utf8); }

// Leading-number parses used wherever a stored text is computed with:
// optional blanks and a sign, then digits; no digits reads as 0. The integer
// parse saturates at the int range instead of overflowing.
int leadingInt(std::string_view text);
double leadingDouble(std::string_view text);

// The record's date formats, local time.
std::string formatDate(int year, int month, int day);                 // %04d-%02d-%02d
std::string formatDateTime(int year, int month, int day, int hour, int minute, int second);

} // namespace zelvan
