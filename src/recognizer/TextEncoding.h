#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text is UTF-8 in memory and in the files made here. Flowchart files hold
// Windows-1252, one byte per character; gesture-set files made on Windows may.

bool isValidUtf8(std::string_view text);

// Characters (code points) of a valid UTF-8 text.
std::size_t codePointCount(std::string_view utf8);

// Characters the code page lacks, and bytes that are not UTF-8, become '?'.
std::string toWindows1252(std::string_view utf8);
// The characters that toWindows1252() turns into '?', each once, in the order
// they come.
std::string outsideWindows1252(std::string_view utf8);
// The five bytes the code page leaves unassigned map to the control characters
// of the same number, so that any file reads back to the same bytes.
std::string fromWindows1252(std::string_view bytes);
