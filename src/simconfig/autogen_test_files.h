#ifndef VLRNA_SIMCONFIG_AUTOGEN_TEST_FILES_H_
#define VLRNA_SIMCONFIG_AUTOGEN_TEST_FILES_H_

// Autogen description files and definition blocks for tests, built item by
// item the way the simulator lays them out. Only tests include this.

#include <cstdint>
#include <string>
#include <vector>

namespace vlrna {

inline constexpr char kMarker1[] = "{7f653efa-becd-4d97-8920-eb75f691e2fc}";
inline constexpr char kMarker2[] = "{4ebcf94f-421f-4f57-999f-7532e3d2adbb}";
inline constexpr char kMarker3[] = "{5bd22eb1-1eff-4fb2-94bf-5b3416f74c9b}";

// Writes autogen description files item by item.
class SpbWriter {
 public:
  SpbWriter& Long(int32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return *this;
  }
  SpbWriter& Raw(const std::string& b) {
    bytes_ += b;
    return *this;
  }
  // A counted string with its zero terminator stored, as the simulator does.
  SpbWriter& String(const std::string& s) {
    return Long(static_cast<int32_t>(s.size()) + 1).Raw(s + '\0');
  }
  SpbWriter& Open(int32_t tag) {
    Long(tag);
    open_.push_back(bytes_.size());
    return Long(0);
  }
  SpbWriter& Close() {
    size_t field = open_.back();
    open_.pop_back();
    auto length = static_cast<int32_t>(bytes_.size() - field - 4);
    for (int i = 0; i < 4; ++i) bytes_[field + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return *this;
  }
  // A description with its identifier; `extra` more bytes in its body.
  SpbWriter& Description(int32_t tag, const std::string& id, size_t extra = 0) {
    Open(tag).Long(3).String(id).Long(1).String("class " + id);
    return Raw(std::string(20 + extra, 'p')).Close();
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::vector<size_t> open_;
};

// The end of a description list: four bytes that are no handled tag.
inline const std::string kListEnd("\0\0\0\0", 4);
inline const std::string kEndBytes("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C", 12);

// A description file laid out as the simulator writes it, with an earlier
// outer block and list before the last ones and other items between.
inline std::string AutogenFile(const std::vector<std::string>& ids,
                               const std::string& list_end = kListEnd) {
  SpbWriter w;
  w.Raw("\xAC\xEB").Raw(std::string(18, 'h')).Long(2).Raw(std::string(72, 'r'));
  w.Open(1).String("old block").Open(16).Description(17, "{old}").Raw(kListEnd).Close().Close();
  w.Open(1).String("Autogen").Long(3).Raw("12345678").Long(99).Open(7).Raw("skip me").Close();
  w.Long(5).String("unused").Open(16).Description(17, "{aaaaaaaa-0000}").Long(1234);
  for (const std::string& id : ids) w.Description(21, id);
  w.Raw(list_end).Close().Close();
  w.Long(24).Raw(kEndBytes);
  return w.bytes();
}

// A definition block that continues the list: three descriptions with the
// package's identifiers and a new list end, 566 bytes in all.
inline std::string DefinitionBlock() {
  SpbWriter w;
  w.Description(17, kMarker1).Description(17, kMarker2);
  size_t plain = SpbWriter().Description(21, kMarker3).bytes().size();
  w.Description(21, kMarker3, 566 - 4 - plain - w.bytes().size()).Raw(kListEnd);
  return w.bytes();
}

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_AUTOGEN_TEST_FILES_H_
