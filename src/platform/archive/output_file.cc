#include "platform/archive/output_file.h"

namespace vlrna {

std::string TemporaryName(const std::string& native_path, std::string_view separators,
                          uint64_t process, uint64_t serial) {
  const size_t last = native_path.find_last_of(separators);
  const size_t start = last == std::string::npos ? 0 : last + 1;
  return native_path.substr(0, start) + "." + native_path.substr(start, kTemporaryNameKept) +
         ".vlrna-" + std::to_string(process) + "-" + std::to_string(serial);
}

}  // namespace vlrna
