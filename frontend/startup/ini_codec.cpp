#include "ini_codec.h"

#include <vector>

#include "cp932.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  while (i < a.size()) {
    const std::size_t length = Cp932CharLength(a, i);
    if (length == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}

enum class LineKind { Blank, Comment, Section, Key };

// One line of the file, as byte offsets into it.
struct IniLine {
  std::size_t contentEnd;  // before the CR LF or LF
  std::size_t end;         // after the line end; equals contentEnd on a last line without one
  LineKind kind;
  std::string name;        // section or key name
  std::size_t equalsSign;  // Key lines: position of '=', or npos
  std::size_t valueBegin;  // Key lines: the value without the blanks around it
  std::size_t valueEnd;
};

std::size_t SkipBlanks(const std::string& text, std::size_t position, std::size_t end) {
  while (position < end && IsBlank(text[position])) ++position;
  return position;
}

std::size_t TrimBlanksBack(const std::string& text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

// The last ']' of the line, stepping over double-byte characters.
std::size_t FindClosingBracket(const std::string& text, std::size_t begin, std::size_t end) {
  std::size_t found = std::string::npos;
  for (std::size_t i = begin; i < end; i += Cp932CharLength(text, i)) {
    if (text[i] == ']') found = i;
  }
  return found;
}

void ClassifyLine(const std::string& text, std::size_t begin, IniLine& line) {
  const std::size_t start = SkipBlanks(text, begin, line.contentEnd);
  line.equalsSign = std::string::npos;
  if (start == line.contentEnd) {
    line.kind = LineKind::Blank;
    return;
  }
  if (text[start] == ';') {
    line.kind = LineKind::Comment;
    return;
  }
  if (text[start] == '[') {
    const std::size_t close = FindClosingBracket(text, start + 1, line.contentEnd);
    if (close != std::string::npos) {
      line.kind = LineKind::Section;
      line.name = text.substr(start + 1, close - start - 1);
      return;
    }
  }
  line.kind = LineKind::Key;
  line.equalsSign = text.find('=', start);
  if (line.equalsSign >= line.contentEnd) line.equalsSign = std::string::npos;
  const std::size_t nameEnd = line.equalsSign == std::string::npos ? line.contentEnd : line.equalsSign;
  line.name = text.substr(start, TrimBlanksBack(text, start, nameEnd) - start);
  line.valueBegin =
      line.equalsSign == std::string::npos ? line.contentEnd : SkipBlanks(text, line.equalsSign + 1, line.contentEnd);
  line.valueEnd = TrimBlanksBack(text, line.valueBegin, line.contentEnd);
}

std::vector<IniLine> SplitLines(const std::string& text) {
  std::vector<IniLine> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    IniLine line{};
    const std::size_t newline = text.find('\n', begin);
    line.end = newline == std::string::npos ? text.size() : newline + 1;
    line.contentEnd = newline == std::string::npos ? text.size() : newline;
    if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r') --line.contentEnd;
    ClassifyLine(text, begin, line);
    lines.push_back(line);
    begin = line.end;
  }
  return lines;
}

// Where the wanted section and key sit among the lines.
struct IniPlace {
  std::size_t section = std::string::npos;     // index of the section line
  std::size_t key = std::string::npos;         // index of the key line
  std::size_t lastFilled = std::string::npos;  // last non-blank line of the section
};

IniPlace Locate(const std::vector<IniLine>& lines, const std::string& section, const std::string& key) {
  IniPlace place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const IniLine& line = lines[i];
    if (line.kind == LineKind::Section) {
      if (place.section != std::string::npos) break;
      if (SameName(line.name, section)) place.section = place.lastFilled = i;
      continue;
    }
    if (place.section == std::string::npos || line.kind == LineKind::Blank) continue;
    place.lastFilled = i;
    if (line.kind == LineKind::Key && SameName(line.name, key)) {
      place.key = i;
      break;
    }
  }
  return place;
}

std::string LineEndOf(const std::string& text) {
  const std::size_t newline = text.find('\n');
  if (newline != std::string::npos && (newline == 0 || text[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

bool FitsOnOneLine(const std::string& text) { return text.find_first_of("\r\n") == std::string::npos; }

std::string CutToLimit(const std::string& value) {
  std::size_t end = 0;
  while (end < value.size()) {
    const std::size_t next = end + Cp932CharLength(value, end);
    if (next > kIniValueLimit) break;
    end = next;
  }
  return value.substr(0, end);
}

}  // namespace

std::string ReadIniValue(const std::string& fileBytes, const std::string& section, const std::string& key) {
  const std::vector<IniLine> lines = SplitLines(fileBytes);
  const IniPlace place = Locate(lines, section, key);
  if (place.key == std::string::npos) return std::string();
  const IniLine& line = lines[place.key];
  std::string value = fileBytes.substr(line.valueBegin, line.valueEnd - line.valueBegin);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return CutToLimit(value);
}

std::optional<std::string> WriteIniValue(const std::string& fileBytes, const std::string& section,
                                         const std::string& key, const std::string& value) {
  if (section.empty() || key.empty() || key.find('=') != std::string::npos || !FitsOnOneLine(section) ||
      !FitsOnOneLine(key) || !FitsOnOneLine(value)) {
    return std::nullopt;
  }
  const std::vector<IniLine> lines = SplitLines(fileBytes);
  const IniPlace place = Locate(lines, section, key);
  const std::string lineEnd = LineEndOf(fileBytes);
  std::string result = fileBytes;

  if (place.key != std::string::npos) {
    const IniLine& line = lines[place.key];
    if (line.equalsSign == std::string::npos) return result.insert(line.contentEnd, "=" + value);
    return result.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
  }

  const std::string keyLine = key + "=" + value + lineEnd;
  if (place.section != std::string::npos) {
    const IniLine& after = lines[place.lastFilled];
    const bool needsLineEnd = after.end == after.contentEnd;
    return result.insert(after.end, (needsLineEnd ? lineEnd : std::string()) + keyLine);
  }

  if (!result.empty() && result.back() != '\n') result += lineEnd;
  return result + "[" + section + "]" + lineEnd + keyLine;
}
