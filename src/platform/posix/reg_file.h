#ifndef VLRNA_PLATFORM_POSIX_REG_FILE_H_
#define VLRNA_PLATFORM_POSIX_REG_FILE_H_

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vlrna {

// One value of a Wine registry file, as Windows stores it: strings (types 1,
// 2 and 7) as UTF-16LE with their terminating NUL, numbers little-endian.
struct RegValue {
  uint32_t type = 0;
  std::string data;
};

struct RegKeyData {
  std::map<std::string, RegValue> values;  // by FoldCase(UTF-8 name); "" is the default
};

// The keys and values of one registry file that Wine writes ("WINE REGISTRY
// Version 2": system.reg, user.reg). Key paths and value names match without
// regard to case. Every key also makes its parent keys exist, as Wine leaves
// keys without values of their own out of the file.
class RegHive {
 public:
  // Parses the text of a registry file. Never fails: a line that cannot be
  // read is skipped and noted in problems() with its line number, and what
  // can be read is kept.
  static RegHive Parse(std::string_view text);

  // The key at `path` (UTF-8, single backslashes, any case), or nullptr.
  const RegKeyData* FindKey(std::string_view path) const;

  // Adds a value (for keys that Wine keeps outside its files).
  void SetValue(std::string_view path, std::string_view name, RegValue value);

  const std::vector<std::string>& problems() const { return problems_; }

 private:
  RegKeyData& MakeKey(std::string_view path);
  void ParseLine(std::string_view line, int number, RegKeyData*& key);

  std::unordered_map<std::string, RegKeyData> keys_;  // by FoldCase(path)
  std::vector<std::string> problems_;
};

// UTF-16LE bytes of a UTF-8 text, with a terminating NUL: the data of a
// REG_SZ value.
std::string Utf16Data(std::string_view utf8);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_REG_FILE_H_
