#include "platform/profile.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/files.h"

namespace platform::profile {

namespace {

// One line of the file as stored: its bytes without the line end, and the line end itself ("\r\n",
// "\n", "\r", or "" for a last line that has none). Lines that a write does not change are written
// back from these bytes, so they stay exactly as they were.
struct Line {
  std::string bytes;
  std::string end;
};

// A line ends at CR LF, at LF or at a lone CR.
std::vector<Line> splitLines(const std::string& content) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t stop = std::min(content.find_first_of("\r\n", start), content.size());
    Line line{content.substr(start, stop - start), ""};
    std::size_t next = stop;
    if (stop < content.size()) {
      const bool crlf = content[stop] == '\r' && stop + 1 < content.size() && content[stop + 1] == '\n';
      line.end = content.substr(stop, crlf ? 2 : 1);
      next = stop + line.end.size();
    }
    lines.push_back(std::move(line));
    start = next;
  }
  return lines;
}

std::string joinLines(const std::vector<Line>& lines) {
  std::string content;
  for (const Line& line : lines) content += line.bytes + line.end;
  return content;
}

// New lines follow the file's own line ends; a new or single-line file gets CR LF.
std::string lineEndOf(const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    if (line.end == "\n") return "\n";
    if (!line.end.empty()) return "\r\n";
  }
  return "\r\n";
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// A line break (CR LF, CR or LF) becomes one blank, so that no text can add a line to the file.
std::string singleLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      line += ' ';
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += text[i];
    }
  }
  return line;
}

// A section or key name as written to the file: on one line, without blanks around it.
std::string storedName(const std::string& name) {
  return trimmed(singleLine(name));
}

// Names compare ignoring ASCII letter case; every other character (Chinese included) compares exactly.
// A name is compared as it is stored (see storedName).
std::string nameKey(const std::string& name) {
  std::string folded = storedName(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return folded;
}

// The section a line opens ("[name]", blanks around the name ignored), if it is a section line. The
// line is decoded first: a GB18030 double-byte character may have '[' or ']' as its second byte.
std::optional<std::string> sectionOf(const Line& line) {
  const std::string text = fromGb18030(line.bytes);
  std::size_t open = 0;
  while (open < text.size() && isBlank(text[open])) ++open;
  if (open == text.size() || text[open] != '[') return std::nullopt;
  const std::size_t close = text.rfind(']');
  if (close == std::string::npos || close < open) return std::nullopt;
  return text.substr(open + 1, close - open - 1);
}

// Where the key's '=' stands in the line's bytes. '=' never occurs inside a GB18030 multi-byte
// character, so the first '=' byte is the first '=' of the text.
std::size_t equalsOf(const Line& line) {
  return line.bytes.find('=');
}

struct Location {
  std::optional<std::size_t> section;  // the section's line
  std::optional<std::size_t> key;      // the key's line within that section
  std::size_t lastKey = 0;             // the section's last key line, or its section line
};

Location locate(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
  const std::string wantedSection = nameKey(section);
  const std::string wantedKey = nameKey(key);
  Location found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = sectionOf(lines[i])) {
      if (found.section) break;  // the end of the first matching section
      if (nameKey(*name) == wantedSection) found.section = found.lastKey = i;
      continue;
    }
    if (!found.section) continue;
    const std::size_t equals = equalsOf(lines[i]);
    if (equals == std::string::npos) continue;
    found.lastKey = i;
    if (nameKey(fromGb18030(lines[i].bytes.substr(0, equals))) == wantedKey) {
      found.key = i;
      break;
    }
  }
  return found;
}

}  // namespace

std::string read(const std::string& path, const std::string& section, const std::string& key) {
  const std::optional<std::string> content = readFileBytes(path);
  if (!content) return {};
  const std::vector<Line> lines = splitLines(*content);
  const Location at = locate(lines, section, key);
  if (!at.key) return {};
  const Line& line = lines[*at.key];
  return fromGb18030(line.bytes.substr(equalsOf(line) + 1));
}

bool write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value) {
  std::string content;
  if (fileExists(path)) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return false;  // an unreadable file is not replaced by one holding a single value
    content = *bytes;
  }
  std::vector<Line> lines = splitLines(content);
  const std::string end = lineEndOf(lines);
  const std::string stored = toGb18030(singleLine(value));
  const std::string keyLine = toGb18030(storedName(key)) + "=" + stored;

  const Location at = locate(lines, section, key);
  if (at.key) {
    Line& line = lines[*at.key];
    line.bytes = line.bytes.substr(0, equalsOf(line) + 1) + stored;
  } else if (at.section) {
    if (lines[at.lastKey].end.empty()) lines[at.lastKey].end = end;
    lines.insert(lines.begin() + std::ptrdiff_t(at.lastKey + 1), Line{keyLine, end});
  } else {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = end;
    lines.push_back(Line{"[" + toGb18030(storedName(section)) + "]", end});
    lines.push_back(Line{keyLine, end});
  }
  return writeFileAtomically(path, joinLines(lines));
}

}  // namespace platform::profile
