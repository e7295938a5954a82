#include "make_items/message_source.h"

#include <charconv>
#include <optional>

#include "make_items/cp1252.h"

namespace vlrna {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Splits `source` into lines without their LF or CR LF ends; a final line
// without an end counts, an empty remainder after the last end does not.
std::vector<std::string_view> SplitLines(std::string_view source) {
  if (source.starts_with(kByteOrderMark)) source.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    source.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view TrimEnd(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

// The number of a "[n]" line; nothing when the line is no header.
std::optional<std::size_t> HeaderNumber(std::string_view line) {
  line = TrimEnd(line);
  if (line.size() < 3 || line.front() != '[' || line.back() != ']') return std::nullopt;
  const std::string_view digits = line.substr(1, line.size() - 2);
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

std::string Convert(std::string_view line, const std::string& file, std::size_t line_number) {
  try {
    return Utf8LineToCp1252(line);
  } catch (const EncodeError& error) {
    throw SourceError(file, line_number, error.column(), error.what());
  }
}

// Joins the collected lines of one text, leaving out blank lines at its ends.
std::string JoinText(const std::vector<std::string>& lines) {
  std::size_t first = 0;
  std::size_t last = lines.size();
  while (first < last && lines[first].empty()) ++first;
  while (last > first && lines[last - 1].empty()) --last;
  std::string text;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

SourceError::SourceError(const std::string& file, std::size_t line, std::size_t column,
                         const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                         message) {}

std::vector<std::string> ParseMessageSource(std::string_view source, const std::string& file_name) {
  const std::vector<std::string_view> lines = SplitLines(source);
  std::vector<std::string> texts;
  std::vector<std::string> current;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t line_number = i + 1;
    const std::string_view line = lines[i];
    if (line.starts_with('#')) continue;
    if (const std::optional<std::size_t> header = HeaderNumber(line)) {
      const std::size_t number = *header;
      if (number != texts.size() + 1) {
        throw SourceError(file_name, line_number, 1,
                          "expected text [" + std::to_string(texts.size() + 1) + "], found [" +
                              std::to_string(number) + "]");
      }
      if (number > kMaxMessageTexts) {
        throw SourceError(file_name, line_number, 1,
                          "more than " + std::to_string(kMaxMessageTexts) + " texts");
      }
      if (!texts.empty()) texts.back() = JoinText(current);
      texts.emplace_back();
      current.clear();
      continue;
    }
    std::string converted = Convert(TrimEnd(line), file_name, line_number);
    if (texts.empty() && !converted.empty()) {
      throw SourceError(file_name, line_number, 1, "text before the first [1]");
    }
    current.push_back(std::move(converted));
  }
  if (!texts.empty()) texts.back() = JoinText(current);
  return texts;
}

std::string RenderMessageFile(const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) {
    bytes += '\x01';
    bytes += text;
    bytes += "\x02\r\n";
  }
  bytes += '\x03';
  return bytes;
}

std::string ConvertPlainText(std::string_view source, const std::string& file_name) {
  const std::vector<std::string_view> lines = SplitLines(source);
  std::string out;
  out.reserve(source.size() + lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += Convert(lines[i], file_name, i + 1);
    out += "\r\n";
  }
  return out;
}

}  // namespace vlrna
