#ifndef VLRNA_PLATFORM_ZIP_H_
#define VLRNA_PLATFORM_ZIP_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vlrna {

// One entry of the current archive as zListEntries lists it.
struct ZipEntryInfo {
  std::string name;   // relative Windows path ("dem\\x.bgl"), ANSI code page
  uint64_t size = 0;  // unpacked bytes; 0 for a folder
  bool folder = false;
};

// The zip library the installation calls to unpack the archives of the
// installation set. It holds one current archive at a time. Paths are Windows
// paths ("D:\setup.101", "C:\Scenery\vlrna\..\") in the system's 8-bit code
// page; the backend maps them to the machine's own.
//
// The operations keep the names and results of the library the wizard was
// written against. Byte figures are 64 bits wide, so archives of 4 GiB and more
// show a true progress.
class Zip {
 public:
  // Called on the thread that called zExtractAll, as often as the library
  // likes, while it works. Reads its figures through zGetRunTimeInfo.
  using ProgressCallback = std::function<void()>;

  virtual ~Zip() = default;

  // Opens `path` as the one current archive, closing any archive still open.
  // 0 on success; any other value is a failure that zGetLastErrorAsText
  // describes (missing, unreadable, not a zip archive, an entry refused
  // already by its stored name or place). Refused while an extraction runs,
  // that is, from its progress callback.
  virtual int32_t zOpenZipFile(const std::string& path) = 0;

  // Total bytes of the current archive's entries once unpacked, in the unit of
  // zGetRunTimeInfo's bytes done; 0 when no archive is open.
  virtual uint64_t zGetTotalBytes() = 0;

  // Unpacks every entry of the current archive below `destination`, with the
  // folder names stored in the archive, decrypting with `password`. Existing
  // files are replaced; modification times are kept. `destination` may contain
  // ".." steps; they are resolved before any entry is judged. Entries whose
  // names would leave the destination or are longer than Windows holds, and
  // link or device entries, fail the call before anything of the archive is
  // written. No entry's output passes the size it declares.
  //
  // The three flags are taken for the caller's sake (the wizard passes 1, 1,
  // 0) and do not change what is done. `progress` is called on the calling
  // thread only; the call returns when all work has ended.
  //
  // 1 on failure (wrong password, damaged data, a full disk, a file that cannot
  // be written, a refused name: see zGetLastErrorAsText); 0 on success. The
  // files completed before a failure stay; the entry that failed leaves
  // nothing under its name.
  virtual int32_t zExtractAll(const std::string& destination, const std::string& password,
                              int32_t flag1, int32_t flag2, int32_t flag3,
                              const ProgressCallback& progress) = 0;

  // A text describing the last failure, naming the archive and, where one was
  // involved, the entry. Empty when nothing has failed yet.
  virtual std::string zGetLastErrorAsText() = 0;

  // Fills in the figures of the extraction running or last run: entries done
  // and bytes done (unpacked bytes written). Returns non-zero when figures are
  // available, 0 when no archive is open.
  virtual int32_t zGetRunTimeInfo(uint64_t& entries_done, uint64_t& bytes_done) = 0;

  // Fills `out` with the entries of the current archive that zExtractAll
  // writes, files and folders, in the archive's order, named as they land
  // below the destination. 0 on success; 1 when no archive is open.
  virtual int32_t zListEntries(std::vector<ZipEntryInfo>& out) = 0;

  // Closes the current archive. Returns 0; closing with none open is no error.
  // From the progress callback of a running extraction it is refused (1) and
  // the archive stays open.
  virtual int32_t zCloseZipFile() = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ZIP_H_
