#pragma once

#include <string>
#include <string_view>

// Text in flowchart files is one byte per character in the Windows Latin-1 code
// page; in memory it is UTF-8.

// Characters the code page lacks, and bytes that are not UTF-8, become '?'.
std::string toWindows1252(std::string_view utf8);
// The five bytes the code page leaves unassigned map to the control characters
// of the same number, so that any file reads back to the same bytes.
std::string fromWindows1252(std::string_view bytes);
