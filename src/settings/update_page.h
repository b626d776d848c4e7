// The news and latest-version page: a web page whose text carries the program's news, the latest
// version with its download address and the site address between fixed markers.
#pragma once

#include <array>
#include <string>

namespace settings {

// The markers in the order a page lists them: the news, its date, other news (not used), the latest
// version, its date, the download address, the site address, and the end of the site address.
inline constexpr std::array<const char*, 8> kUpdateMarkers = {
    "[*Tallamo最新动态*]", "[*发布日期*]", "[*Varnel软件最新动态*]", "[*版本号*]",
    "[*更新日期*]",        "[*文件地址*]", "[*官方网站*]",           "[*Varnel软件*]"};

// Everything between the first occurrence of a and the first occurrence of b, blanks and line breaks
// included. Empty when either is empty or missing, or when b begins before the end of a. Positions
// are counted in characters, and letter case counts.
std::string GetBetween(const std::string& text, const std::string& a, const std::string& b);

// The text without the blanks and line breaks around it (also the full-width blank).
std::string TrimBlanks(const std::string& text);

}  // namespace settings
