#ifndef VLRNA_PLATFORM_WIN32_WIN32_DRIVES_H_
#define VLRNA_PLATFORM_WIN32_WIN32_DRIVES_H_

#include "platform/drives.h"

namespace vlrna {

// The machine's drives through the ANSI calls. A drive is ready when its
// free space can be read: Wine reports a drive whose folder is gone as
// ready to GetVolumeInformationA.
class Win32Drives : public Drives {
 public:
  std::vector<std::string> List() override;
  DriveType TypeOf(const std::string& root) override;
  std::optional<uint64_t> FreeBytesForCaller(const std::string& root) override;
  bool IsReady(const std::string& drive) override;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_DRIVES_H_
