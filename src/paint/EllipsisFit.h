#pragma once
// Shortening a text with "..." to a pixel width. The search is window-free:
// the caller passes the function that measures a string in its font.
// Texts are UTF-16; a surrogate pair is one character and is never split.

#include <functional>
#include <string>
#include <string_view>

namespace folvane {

using TextWidthFunction = std::function<int(std::u16string_view)>;

// The text itself when it fits (or is empty); otherwise the longest prefix
// whose width with "..." appended is at most maxWidth, followed by "...".
// When not even one character fits with "...", the result is empty: never
// a bare "...". maxWidth below 1 gives an empty result.
// This is the plain search that removes one character at a time from the
// end; it assumes nothing about the measuring function.
std::u16string FitTextWithEllipsisLinear(std::u16string_view text, int maxWidth,
                                         const TextWidthFunction& width);

// The same result with a binary search over the prefix lengths, measuring
// O(log n) strings. It gives the linear search's answer whenever
// width(prefix + "...") never decreases as the prefix grows, which holds
// for a font whose advances are not negative (the width of a string is then
// the sum of its characters' advances). Callers that cannot promise that
// use the linear search.
std::u16string FitTextWithEllipsis(std::u16string_view text, int maxWidth,
                                   const TextWidthFunction& width);

}  // namespace folvane
