#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from files made here is UTF-8; files made on Windows may hold
// Windows-1252 instead. Both are taken in, UTF-8 is what comes out.

bool isValidUtf8(std::string_view text);

// `text` itself when it is valid UTF-8, else its bytes read as Windows-1252.
std::string utf8FromUtf8OrWindows1252(std::string_view text);

// Characters (code points) of a valid UTF-8 text.
std::size_t codePointCount(std::string_view utf8);
