#include "simconfig/ini_document.h"

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view text) {
  std::string_view s = Trim(text);
  if (s.empty() || s.front() != '[') return std::nullopt;
  size_t close = s.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(s.substr(1, close - 1));
}

// Where a "key=value" line's key is and where its value starts (after the
// blanks that follow '='); false for comments and lines without a key.
bool SplitKeyLine(std::string_view text, std::string_view* key, size_t* value_start) {
  std::string_view s = Trim(text);
  if (s.empty() || s.front() == ';') return false;
  size_t eq = text.find('=');
  if (eq == std::string_view::npos) return false;
  *key = Trim(text.substr(0, eq));
  if (key->empty()) return false;
  size_t start = eq + 1;
  while (start < text.size() && IsBlank(text[start])) ++start;
  *value_start = start;
  return true;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes, const AnsiCodePage& code_page) {
  IniDocument doc(code_page);
  DecodedText decoded = DecodeText(bytes);
  doc.encoding_ = decoded.encoding;
  doc.tail_ = std::move(decoded.tail);
  std::string_view text = decoded.text;
  bool style_seen = false;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t cut = text.find_first_of("\r\n", pos);
    Line line;
    if (cut == std::string_view::npos) {
      line.text.assign(text.substr(pos));
      pos = text.size();
    } else {
      line.text.assign(text.substr(pos, cut - pos));
      bool crlf = text[cut] == '\r' && cut + 1 < text.size() && text[cut + 1] == '\n';
      line.end = crlf ? LineEnd::kCrLf : text[cut] == '\r' ? LineEnd::kCr : LineEnd::kLf;
      pos = cut + (crlf ? 2 : 1);
      if (!style_seen) doc.style_ = line.end;
      style_seen = true;
    }
    if (std::optional<std::string_view> name = HeaderName(line.text)) {
      doc.first_section_.try_emplace(AsciiLower(*name), doc.sections_.size());
      doc.sections_.emplace_back();
    }
    doc.sections_.back().push_back(std::move(line));
  }
  return doc;
}

std::string IniDocument::ToFileText(std::string_view ansi) const {
  return encoding_ == TextEncoding::kAnsi ? std::string(ansi) : code_page_->AnsiToUtf8(ansi);
}

const IniDocument::Section* IniDocument::FindSection(std::string_view file_text_name) const {
  auto it = first_section_.find(AsciiLower(Trim(file_text_name)));
  return it == first_section_.end() ? nullptr : &sections_[it->second];
}

bool IniDocument::HasSection(std::string_view section) const {
  return FindSection(ToFileText(section)) != nullptr;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(ToFileText(section));
  if (found == nullptr) return std::nullopt;
  std::string wanted = ToFileText(key);
  std::string_view wanted_key = Trim(wanted);
  for (size_t i = 1; i < found->size(); ++i) {
    std::string_view text = (*found)[i].text, line_key;
    size_t value_start = 0;
    if (!SplitKeyLine(text, &line_key, &value_start) ||
        !SameIgnoringAsciiCase(line_key, wanted_key))
      continue;
    std::string_view value = Unquote(Trim(text.substr(value_start)));
    return encoding_ == TextEncoding::kAnsi ? std::string(value) : code_page_->Utf8ToAnsi(value);
  }
  return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string file_section = ToFileText(Trim(section));
  std::string file_key = ToFileText(Trim(key));
  std::string file_value = ToFileText(value);
  auto it = first_section_.find(AsciiLower(file_section));
  if (it == first_section_.end()) {
    AddSection(Section{Line{"[" + file_section + "]"}, Line{file_key + "=" + file_value}});
    return;
  }
  Section& target = sections_[it->second];
  size_t last_content = 0;
  for (size_t i = 1; i < target.size(); ++i) {
    std::string& text = target[i].text;
    std::string_view line_key;
    size_t value_start = 0;
    if (SplitKeyLine(text, &line_key, &value_start) && SameIgnoringAsciiCase(line_key, file_key)) {
      text.replace(value_start, std::string::npos, file_value);
      return;
    }
    if (!Trim(text).empty()) last_content = i;
  }
  InsertLine(target, last_content, file_key + "=" + file_value);
}

IniDocument::Line* IniDocument::LastLine() {
  for (auto it = sections_.rbegin(); it != sections_.rend(); ++it) {
    if (!it->empty()) return &it->back();
  }
  return nullptr;
}

void IniDocument::InsertLine(Section& section, size_t after, std::string text) {
  Line line{std::move(text), style_};
  if (section[after].end == LineEnd::kNone) {
    // The file's last line: it gets a line end, the new last line keeps the
    // file without a final one.
    section[after].end = style_;
    line.end = LineEnd::kNone;
  }
  section.insert(section.begin() + static_cast<std::ptrdiff_t>(after) + 1, std::move(line));
}

void IniDocument::AddSection(Section section) {
  Line* last = LastLine();
  bool final_end = last == nullptr || last->end != LineEnd::kNone;
  if (last != nullptr && last->end == LineEnd::kNone) last->end = style_;
  for (Line& line : section) line.end = style_;
  if (!final_end) section.back().end = LineEnd::kNone;
  std::optional<std::string_view> name = HeaderName(section.front().text);
  first_section_.try_emplace(AsciiLower(*name), sections_.size());
  sections_.push_back(std::move(section));
}

size_t IniDocument::SectionIndex(std::string_view section) const {
  auto it = first_section_.find(AsciiLower(Trim(ToFileText(section))));
  return it == first_section_.end() ? 0 : it->second;
}

size_t IniDocument::KeyLine(size_t index, std::string_view file_key) const {
  const Section& found = sections_[index];
  for (size_t i = 1; i < found.size(); ++i) {
    std::string_view line_key;
    size_t value_start = 0;
    if (SplitKeyLine(found[i].text, &line_key, &value_start) &&
        SameIgnoringAsciiCase(line_key, Trim(file_key))) {
      return i;
    }
  }
  return 0;
}

void IniDocument::Reindex() {
  first_section_.clear();
  for (size_t i = 1; i < sections_.size(); ++i) {
    first_section_.try_emplace(AsciiLower(*HeaderName(sections_[i].front().text)), i);
  }
}

bool IniDocument::RemoveSection(std::string_view section) {
  size_t index = SectionIndex(section);
  if (index == 0) return false;
  const bool ended_file =
      index + 1 == sections_.size() && sections_[index].back().end == LineEnd::kNone;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
  if (Line* last = LastLine(); ended_file && last != nullptr) last->end = LineEnd::kNone;
  Reindex();
  return true;
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
  size_t index = SectionIndex(section);
  size_t line = index == 0 ? 0 : KeyLine(index, ToFileText(key));
  if (line == 0) return false;
  Section& target = sections_[index];
  const bool ended_file = target[line].end == LineEnd::kNone;
  target.erase(target.begin() + static_cast<std::ptrdiff_t>(line));
  if (Line* last = LastLine(); ended_file && last != nullptr) last->end = LineEnd::kNone;
  return true;
}

bool IniDocument::SectionHasKeys(std::string_view section) const {
  size_t index = SectionIndex(section);
  if (index == 0) return false;
  const Section& found = sections_[index];
  for (size_t i = 1; i < found.size(); ++i) {
    std::string_view line_key;
    size_t value_start = 0;
    if (SplitKeyLine(found[i].text, &line_key, &value_start)) return true;
  }
  return false;
}

std::string IniDocument::Bytes() const {
  static constexpr std::string_view kEnds[] = {"", "\n", "\r\n", "\r"};
  DecodedText decoded{encoding_, "", tail_};
  size_t size = 0;
  for (const Section& section : sections_) {
    for (const Line& line : section) size += line.text.size() + 2;
  }
  decoded.text.reserve(size);
  for (const Section& section : sections_) {
    for (const Line& line : section) {
      decoded.text.append(line.text);
      decoded.text.append(kEnds[static_cast<int>(line.end)]);
    }
  }
  return EncodeText(decoded);
}

bool IsSafeIniValue(std::string_view value) {
  return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IsSafeIniSection(std::string_view section) {
  return !Trim(section).empty() && IsSafeIniValue(section) &&
         section.find(']') == std::string_view::npos;
}

bool IsSafeIniKey(std::string_view key) {
  std::string_view k = Trim(key);
  return !k.empty() && IsSafeIniValue(key) && key.find('=') == std::string_view::npos &&
         k.front() != '[' && k.front() != ';';
}

}  // namespace vlrna
