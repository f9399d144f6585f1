#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text document file (.svk) is the rich text as HTML, UTF-8, with its images
// inside it as data URIs, and a mark in its head that says it is ours.

// Larger files are refused before they are read.
inline constexpr std::size_t kMaxSvkBytes = std::size_t{256} << 20;

// The HTML with the mark added at the start of its head; unchanged when it has
// no head.
std::string markAsSvk(std::string_view html);

enum class SvkProblem {
    None,
    Foreign,   // not a text document of ours
    Truncated, // cut short
    NotUtf8,   // damaged
};

SvkProblem checkSvk(std::string_view content);
