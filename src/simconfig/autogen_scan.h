#ifndef VLRNA_SIMCONFIG_AUTOGEN_SCAN_H_
#define VLRNA_SIMCONFIG_AUTOGEN_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/message_catalogue.h"

namespace vlrna {

// How much a patch adds to the file: the definition block (kSpbDefinitionSize
// bytes) replaces the last four bytes of the description list.
inline constexpr int32_t kSpbGrowth = static_cast<int32_t>(kSpbDefinitionSize) - 4;

// A read position in the bytes of an autogen description file. Every read
// checks the end of the data and fails, moving nowhere, when it would pass it.
struct SpbCursor {
  std::string_view data;
  size_t pos = 0;

  // A little-endian signed 32-bit number.
  bool ReadLong(int32_t* value);
  bool Skip(uint64_t count);
};

// Reads one string at the cursor: a long count C, then C bytes of which the
// zero bytes are dropped. False, with the cursor where it was, when the count
// is negative or the bytes run past the end.
bool ReadSpbString(SpbCursor& cursor, std::string* value);

// What a scan of an autogen description file found.
struct AutogenScan {
  enum class Result { kScanned, kInvalidId, kDamaged };
  Result result = Result::kDamaged;
  std::string problem;  // kDamaged: why, in words for the log
  int markers = 0;      // descriptions that carry one of the package's identifiers
  // The last outer block (tag 1) and description list (tag 16) before the end
  // tag: length field and offset of the body; offset 0 when there was none.
  int32_t outer_length = 0;
  size_t outer_body = 0;
  int32_t list_length = 0;
  size_t list_body = 0;
  size_t last_item = 0;   // offset of the item read just before the end tag
  size_t end_tag = 0;     // offset of the end tag (24)
  std::string end_bytes;  // the 12 bytes after it
};

// Walks the header, the fixed records and the tagged items up to the end tag,
// counting the package's descriptions. Never reads outside `file`: a file
// that ends before its end tag, or whose counts or lengths point outside it or
// are negative, is kDamaged with the reason.
AutogenScan ScanAutogenDescriptions(std::string_view file);

// Empty when the scanned file has the layout a patch relies on: a description
// list of at least four bytes inside an outer block, whose last four bytes are
// an item of their own (its end marker, no handled tag), the end tag directly
// after the list, and the end tag's 12 bytes as the last bytes of the file;
// otherwise why not, for the log.
std::string PatchLayoutProblem(const AutogenScan& scan, size_t file_size);

// The patched file: `block` (kSpbDefinitionSize bytes) over the last four
// bytes of the list's body, then the end tag and its 12 bytes, both length
// fields raised by kSpbGrowth. Requires a scan without a layout problem.
// Raises RuntimeError 6 (Overflow) when a length would pass 32 bits.
std::string SpliceDefinitionBlock(std::string_view file, const AutogenScan& scan,
                                  std::string_view block);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_AUTOGEN_SCAN_H_
