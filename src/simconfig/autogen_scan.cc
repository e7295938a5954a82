#include "simconfig/autogen_scan.h"

#include <array>
#include <limits>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

constexpr size_t kHeaderSize = 24;
constexpr size_t kRecordSize = 36;
constexpr size_t kEndBytes = 12;
constexpr int32_t kEndTag = 24;

// The identifiers of the package's own descriptions, compared exactly.
constexpr std::array<std::string_view, 3> kMarkers = {
    "{7f653efa-becd-4d97-8920-eb75f691e2fc}",
    "{4ebcf94f-421f-4f57-999f-7532e3d2adbb}",
    "{5bd22eb1-1eff-4fb2-94bf-5b3416f74c9b}",
};

bool IsMarker(std::string_view id) {
  for (std::string_view marker : kMarkers) {
    if (id == marker) return true;
  }
  return false;
}

void PutLong(std::string& bytes, size_t offset, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::string At(size_t offset) { return " at offset " + std::to_string(offset); }

// Reads a length field and checks that its body lies inside the file.
bool ReadLength(SpbCursor& c, int32_t* length, std::string* problem) {
  size_t item = c.pos;
  if (!c.ReadLong(length)) {
    *problem = "the file ends inside the item" + At(item - 4);
  } else if (*length < 0) {
    *problem = "negative length " + std::to_string(*length) + At(item - 4);
  } else if (static_cast<uint64_t>(*length) > c.data.size() - c.pos) {
    *problem = "the item" + At(item - 4) + " runs past the end of the file";
  } else {
    return true;
  }
  return false;
}

// Handles one tagged item whose tag has been read. False with `problem` set
// when the item does not fit in the file.
bool ScanItem(int32_t tag, SpbCursor& c, AutogenScan& scan) {
  size_t item = c.pos - 4;
  int32_t length = 0;
  std::string ignored;
  switch (tag) {
    case 1:
    case 16:
      if (!ReadLength(c, &length, &scan.problem)) return false;
      (tag == 1 ? scan.outer_length : scan.list_length) = length;
      (tag == 1 ? scan.outer_body : scan.list_body) = c.pos;
      return true;  // the items of the body follow
    case 2:
    case 4:
    case 5:
    case 6:
      if (ReadSpbString(c, &ignored)) return true;
      break;
    case 3:
      if (c.Skip(8)) return true;
      break;
    case 7:
      return ReadLength(c, &length, &scan.problem) && c.Skip(static_cast<uint64_t>(length));
    case 17:
    case 21: {
      if (!ReadLength(c, &length, &scan.problem)) return false;
      size_t body = c.pos;
      std::string id;
      if (!c.Skip(4) || !ReadSpbString(c, &id)) break;
      if (IsMarker(id)) ++scan.markers;
      c.pos = body + static_cast<size_t>(length);
      return true;
    }
    default:
      return true;  // not ours to know: the next four bytes are the next tag
  }
  scan.problem = "the item" + At(item) + " runs past the end of the file";
  return false;
}

}  // namespace

bool SpbCursor::ReadLong(int32_t* value) {
  if (pos > data.size() || data.size() - pos < 4) return false;
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(data[pos + i]);
  *value = static_cast<int32_t>(u);
  pos += 4;
  return true;
}

bool SpbCursor::Skip(uint64_t count) {
  if (pos > data.size() || count > data.size() - pos) return false;
  pos += static_cast<size_t>(count);
  return true;
}

bool ReadSpbString(SpbCursor& cursor, std::string* value) {
  SpbCursor c = cursor;
  int32_t count = 0;
  if (!c.ReadLong(&count) || count < 0 || static_cast<uint64_t>(count) > c.data.size() - c.pos) {
    return false;
  }
  value->clear();
  for (char byte : c.data.substr(c.pos, static_cast<size_t>(count))) {
    if (byte != '\0') value->push_back(byte);
  }
  cursor.pos = c.pos + static_cast<size_t>(count);
  return true;
}

AutogenScan ScanAutogenDescriptions(std::string_view file) {
  AutogenScan scan;
  if (file.size() < 2 || file[0] != '\xAC' || file[1] != '\xEB') {
    scan.result = AutogenScan::Result::kInvalidId;
    return scan;
  }
  SpbCursor c{file, 20};
  int32_t records = 0;
  if (file.size() < kHeaderSize || !c.ReadLong(&records)) {
    scan.problem = "the header is cut short";
    return scan;
  }
  if (records < 0 || !c.Skip(static_cast<uint64_t>(records) * kRecordSize)) {
    scan.problem = "the record count " + std::to_string(records) + " does not fit in the file";
    return scan;
  }
  for (size_t previous = 0;;) {
    int32_t tag = 0;
    size_t item = c.pos;
    if (!c.ReadLong(&tag)) {
      scan.problem = "no end tag before the end of the file";
      return scan;
    }
    if (tag == kEndTag) {
      if (file.size() - c.pos < kEndBytes) {
        scan.problem = "the end tag" + At(item) + " is cut short";
        return scan;
      }
      scan.last_item = previous;
      scan.end_tag = item;
      scan.end_bytes.assign(file.substr(c.pos, kEndBytes));
      scan.result = AutogenScan::Result::kScanned;
      return scan;
    }
    if (!ScanItem(tag, c, scan)) return scan;
    previous = item;
  }
}

std::string PatchLayoutProblem(const AutogenScan& scan, size_t file_size) {
  size_t list_end = scan.list_body + static_cast<size_t>(scan.list_length);
  size_t outer_end = scan.outer_body + static_cast<size_t>(scan.outer_length);
  if (scan.list_body == 0) return "no description list before the end tag";
  if (scan.outer_body == 0) return "no outer block before the end tag";
  if (scan.list_length < 4) return "the description list is shorter than four bytes";
  if (scan.list_body < scan.outer_body + 8 || list_end > outer_end) {
    return "the description list does not lie inside the outer block";
  }
  if (scan.end_tag != list_end) return "the end tag does not follow the description list";
  if (scan.last_item + 4 != scan.end_tag) {
    return "the description list does not end with its end marker";
  }
  if (scan.end_tag + 4 + kEndBytes != file_size) return "bytes follow the end tag";
  return "";
}

std::string SpliceDefinitionBlock(std::string_view file, const AutogenScan& scan,
                                  std::string_view block) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  if (scan.outer_length > kMax - kSpbGrowth || scan.list_length > kMax - kSpbGrowth) {
    throw RuntimeError(kErrOverflow, "Overflow: autogen block length", "AutogenPatch");
  }
  size_t cut = scan.list_body + static_cast<size_t>(scan.list_length) - 4;
  std::string out;
  out.reserve(cut + block.size() + 4 + kEndBytes);
  out.append(file.substr(0, cut));
  out.append(block);
  out.append(4, '\0');
  PutLong(out, out.size() - 4, kEndTag);
  out.append(scan.end_bytes);
  PutLong(out, scan.outer_body - 4, scan.outer_length + kSpbGrowth);
  PutLong(out, scan.list_body - 4, scan.list_length + kSpbGrowth);
  return out;
}

}  // namespace vlrna
