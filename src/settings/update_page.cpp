#include "settings/update_page.h"

#include <string_view>

namespace settings {

// The text is UTF-8, in which no character's bytes occur inside another's: a match found byte by
// byte starts and ends on whole characters, so the result is the same as counted in characters.
std::string GetBetween(const std::string& text, const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return "";
  const std::size_t pa = text.find(a), pb = text.find(b);
  if (pa == std::string::npos || pb == std::string::npos || pb <= pa || pb < pa + a.size()) return "";
  return text.substr(pa + a.size(), pb - pa - a.size());
}

namespace {

constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80";

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t BlankAtFront(std::string_view s) {
  if (s.empty()) return 0;
  if (Blank(s.front())) return 1;
  return s.starts_with(kFullWidthBlank) ? kFullWidthBlank.size() : 0;
}

std::size_t BlankAtBack(std::string_view s) {
  if (s.empty()) return 0;
  if (Blank(s.back())) return 1;
  return s.ends_with(kFullWidthBlank) ? kFullWidthBlank.size() : 0;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  std::string_view s = text;
  while (const std::size_t n = BlankAtFront(s)) s.remove_prefix(n);
  while (const std::size_t n = BlankAtBack(s)) s.remove_suffix(n);
  return std::string(s);
}

}  // namespace settings
