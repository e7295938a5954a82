#include "platform/posix/reg_file.h"

#include <optional>

#include "platform/posix/name_case.h"
#include "platform/unicode_text.h"

namespace vlrna {
namespace {

const uint32_t kRegBinaryType = 3;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void SkipBlanks(std::string_view s, size_t& pos) {
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
}

// The character after a backslash in a quoted text; `pos` stands after it.
char32_t ParseEscape(std::string_view s, size_t& pos) {
  char c = s[pos++];
  switch (c) {
    case 'a':
      return 7;
    case 'b':
      return 8;
    case 'e':
      return 27;
    case 'f':
      return 12;
    case 'n':
      return 10;
    case 'r':
      return 13;
    case 't':
      return 9;
    case 'v':
      return 11;
    case 'x': {
      char32_t value = 0;
      for (int k = 0; k < 4 && pos < s.size() && HexDigit(s[pos]) >= 0; ++k) {
        value = value * 16 + HexDigit(s[pos++]);
      }
      return value;
    }
    default:
      if (c >= '0' && c <= '7') {
        char32_t value = c - '0';
        for (int k = 0; k < 2 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7'; ++k) {
          value = value * 8 + (s[pos++] - '0');
        }
        return value;
      }
      return static_cast<unsigned char>(c);  // \\ \" \[ \] and the rest: the character
  }
}

// A quoted text of the file up to `end` (unescaped), as UTF-32; `pos` stands
// after the opening quote and ends after the closing one. Raw bytes outside
// ASCII are read as UTF-8. nullopt when the text does not end on the line.
std::optional<std::u32string> ParseQuoted(std::string_view s, size_t& pos, char end) {
  std::u32string out;
  while (pos < s.size()) {
    char c = s[pos];
    if (c == end) {
      ++pos;
      return out;
    }
    if (c == '\\' && pos + 1 < s.size()) {
      ++pos;
      out.push_back(ParseEscape(s, pos));
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x80) {
      out.push_back(static_cast<unsigned char>(c));
      ++pos;
      continue;
    }
    size_t start = pos++;
    while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
    out += DecodeUtf8(s.substr(start, pos - start));
  }
  return std::nullopt;
}

std::string Utf16FromUtf32(std::u32string_view text) {
  std::string out;
  auto put = [&out](char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  for (char32_t c : text) {
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

// "hex:" data: two-digit bytes separated by commas.
std::optional<std::string> ParseHex(std::string_view s) {
  std::string out;
  size_t pos = 0;
  while (true) {
    SkipBlanks(s, pos);
    if (pos >= s.size()) return out;
    if (pos + 1 >= s.size() || HexDigit(s[pos]) < 0 || HexDigit(s[pos + 1]) < 0) {
      return std::nullopt;
    }
    out.push_back(static_cast<char>(HexDigit(s[pos]) * 16 + HexDigit(s[pos + 1])));
    pos += 2;
    SkipBlanks(s, pos);
    if (pos < s.size() && s[pos] != ',') return std::nullopt;
    ++pos;
  }
}

// A number of one to eight hex digits.
std::optional<uint32_t> ParseHexNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    if (HexDigit(c) < 0) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(HexDigit(c));
  }
  return value;
}

// "hex:" (binary) or "hex(N):" (type N) data.
std::optional<RegValue> ParseHexValue(std::string_view s) {
  size_t colon = s.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view head = s.substr(0, colon);
  std::optional<uint32_t> type = kRegBinaryType;
  if (head.starts_with("hex(") && head.ends_with(")")) {
    type = ParseHexNumber(head.substr(4, head.size() - 5));
  } else if (head != "hex") {
    return std::nullopt;
  }
  std::optional<std::string> bytes = ParseHex(s.substr(colon + 1));
  if (!type || !bytes) return std::nullopt;
  return RegValue{*type, *bytes};
}

// The data after "name=": its type and bytes, or nullopt when malformed.
std::optional<RegValue> ParseData(std::string_view s) {
  static const struct {
    const char* prefix;
    uint32_t type;
  } kStringTypes[] = {{"\"", 1}, {"str:\"", 1}, {"str(2):\"", 2}, {"str(7):\"", 7}};
  for (const auto& t : kStringTypes) {
    if (!s.starts_with(t.prefix)) continue;
    size_t pos = std::string_view(t.prefix).size();
    std::optional<std::u32string> text = ParseQuoted(s, pos, '"');
    if (!text) return std::nullopt;
    text->push_back(0);
    return RegValue{t.type, Utf16FromUtf32(*text)};
  }
  if (s.starts_with("dword:")) {
    std::optional<uint32_t> value = ParseHexNumber(s.substr(6));
    if (!value) return std::nullopt;
    std::string data(4, '\0');
    for (int k = 0; k < 4; ++k) data[k] = static_cast<char>((*value >> (8 * k)) & 0xFF);
    return RegValue{4, data};
  }
  return ParseHexValue(s);
}

std::string KeyOf(std::string_view path) {
  std::string key = FoldCase(path);
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

// Whether a line is a value whose data is hex bytes: "name"=hex:... or
// @=hex(7):...
bool StartsHexValue(std::string_view line) {
  size_t pos = 0;
  if (!line.empty() && line[0] == '@') {
    pos = 1;
  } else if (!line.empty() && line[0] == '"') {
    for (pos = 1; pos < line.size() && line[pos] != '"'; ++pos) {
      if (line[pos] == '\\') ++pos;
    }
    ++pos;
  } else {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  return line.substr(pos + 1).starts_with("hex:") || line.substr(pos + 1).starts_with("hex(");
}

}  // namespace

std::string Utf16Data(std::string_view utf8) {
  std::u32string text = DecodeUtf8(utf8);
  text.push_back(0);
  return Utf16FromUtf32(text);
}

RegKeyData& RegHive::MakeKey(std::string_view path) {
  std::string key = KeyOf(path);
  auto [it, added] = keys_.try_emplace(key);
  RegKeyData& data = it->second;  // stays put while the table grows
  // Parents, nearest first, until one exists: its own parents exist too.
  for (size_t slash = key.rfind('\\'); added && slash != std::string::npos && slash > 0;
       slash = key.rfind('\\', slash - 1)) {
    added = keys_.try_emplace(key.substr(0, slash)).second;
  }
  return data;
}

const RegKeyData* RegHive::FindKey(std::string_view path) const {
  auto it = keys_.find(KeyOf(path));
  return it == keys_.end() ? nullptr : &it->second;
}

void RegHive::SetValue(std::string_view path, std::string_view name, RegValue value) {
  MakeKey(path).values[FoldCase(name)] = std::move(value);
}

void RegHive::ParseLine(std::string_view line, int number, RegKeyData*& key) {
  auto problem = [&](const char* what) {
    problems_.push_back("line " + std::to_string(number) + ": " + what);
  };
  if (line.front() == '[') {
    size_t pos = 1;
    std::optional<std::u32string> path = ParseQuoted(line, pos, ']');
    key = path ? &MakeKey(EncodeUtf8(*path)) : nullptr;
    if (!path) problem("malformed key, its values are skipped");
    return;
  }
  if (line.front() != '"' && line.front() != '@') {
    problem("unknown line skipped");
    return;
  }
  std::u32string name;
  size_t pos = 1;
  if (line.front() == '"') {
    std::optional<std::u32string> parsed = ParseQuoted(line, pos, '"');
    if (!parsed) return problem("malformed value name");
    name = *parsed;
  }
  SkipBlanks(line, pos);
  if (pos >= line.size() || line[pos] != '=') return problem("malformed value");
  ++pos;
  SkipBlanks(line, pos);
  std::optional<RegValue> value = ParseData(line.substr(pos));
  if (!value) return problem("malformed value data");
  if (key == nullptr) return problem("value outside a key");
  key->values[FoldCase(EncodeUtf8(name))] = std::move(*value);
}

RegHive RegHive::Parse(std::string_view text) {
  RegHive hive;
  hive.keys_.reserve(text.size() / 128);  // about one key in every few lines
  hive.keys_.try_emplace("");             // the root itself
  RegKeyData* key = nullptr;
  int number = 0;
  size_t pos = 0;
  std::string joined;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Long hex data goes on over lines that end in a backslash; nothing else
    // does, so a damaged text value costs that value alone.
    if (!joined.empty()) {
      size_t lead = 0;
      SkipBlanks(line, lead);
      line.remove_prefix(lead);
    }
    if (!line.empty() && line.back() == '\\' && (!joined.empty() || StartsHexValue(line))) {
      joined.append(line.substr(0, line.size() - 1));
      if (pos < text.size()) continue;
      line = {};
    }
    if (!joined.empty()) {
      joined.append(line);
      line = joined;
    }
    bool header = number == 1 && line.starts_with("WINE REGISTRY Version 2");
    if (number == 1 && !header) {
      hive.problems_.push_back("line 1: not a Wine registry file of version 2");
    }
    if (!header && !line.empty() && line.front() != ';' && line.front() != '#') {
      hive.ParseLine(line, number, key);
    }
    joined.clear();
  }
  return hive;
}

}  // namespace vlrna
