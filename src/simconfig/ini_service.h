#ifndef VLRNA_SIMCONFIG_INI_SERVICE_H_
#define VLRNA_SIMCONFIG_INI_SERVICE_H_

#include <cstddef>
#include <map>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/files.h"
#include "simconfig/ini_document.h"

namespace vlrna {

// The longest value a plain read returns (its buffer holds 255 bytes with the
// terminating zero).
inline constexpr size_t kIniValueMax = 254;

// The profile-file service: reads and writes single values of INI-style files
// (see IniDocument for the file semantics), on any Files backend.
//
// Every Read sees the file as it is on disk at that moment, and every Write
// is a complete read-modify-replace of the file. A scan that reads many
// values of one file takes one View and reads them all from the file as it
// was when the scan began. To make this cheap, the service keeps each file it
// parsed together with the file's stamp (identity, size, modification time)
// and parses again only when the stamp differs. The wizard owns one service
// and passes it to the routines that edit simulator files.
class IniService {
 public:
  // Names and values are ANSI text in `code_page`, the machine's. Both
  // `files` and `code_page` must outlive the service. `reuse_parsed` false
  // parses the file for every Read and View (for comparison runs).
  IniService(Files& files, const AnsiCodePage& code_page, bool reuse_parsed = true);

  // The value of `key` in `section` of `path`, cut to `max_chars` bytes, or
  // `default_value` (cut the same way) when the file, the section or the key
  // is missing. A file that exists but cannot be read counts as missing.
  // Never raises.
  std::string Read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& default_value, size_t max_chars = kIniValueMax);

  // The file at `path` as it is now, for reading many values at one moment;
  // nullptr when it is missing or cannot be read. Never raises. The view
  // stays valid until the next call on the service.
  const IniDocument* View(const std::string& path);

  // A value of a view with the rules of Read: `default_value` when the view
  // is nullptr or lacks the section or key, cut to `max_chars` bytes.
  static std::string ValueIn(const IniDocument* view, const std::string& section,
                             const std::string& key, const std::string& default_value,
                             size_t max_chars = kIniValueMax);

  // Sets `key` in `section` of `path` to `value` and replaces the file
  // atomically (Files::ReplaceFileAtomically): the file on disk is always
  // either the old or the new one. A missing file is created when its folder
  // exists. Raises RuntimeError: 5 when a name or the value would break the
  // file's structure (a line break, a '=' in the key, a ']' in the section),
  // the backend's error when an existing file cannot be read (it is then left
  // alone, never replaced by one that lacks its content) or cannot be
  // replaced (76 when the folder is missing).
  void Write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);

  // An edit of many values that reaches the disk as one replacement, so that
  // a crash leaves the file with all of them or none: Edit gives the file's
  // content (an empty document when the file is missing), Set changes it as
  // Write would, and Replace writes it as Write does. The bytes are those that
  // the same values written one by one give. Edit raises like Write when the
  // file cannot be read; Set raises 5 as Write does; Replace raises the
  // backend's error.
  IniDocument Edit(const std::string& path);
  static void Set(IniDocument& document, const std::string& path, const std::string& section,
                  const std::string& key, const std::string& value);
  void Replace(const std::string& path, IniDocument document);

 private:
  struct Parsed {
    FileStamp stamp;
    IniDocument document;
  };

  // The parsed file at `path` as it is now, or nullptr when there is none.
  // Raises when the file exists but cannot be read.
  const IniDocument* Load(const std::string& path);

  Files& files_;
  const AnsiCodePage& code_page_;
  bool reuse_parsed_;
  std::map<std::string, Parsed> parsed_;  // by path as given
};

// The profile read every routine uses: IniService::Read with kIniValueMax.
std::string ReadIniValue(IniService& ini, const std::string& path, const std::string& section,
                         const std::string& key, const std::string& default_value);

// The profile write: IniService::Write.
void WriteIniValue(IniService& ini, const std::string& path, const std::string& section,
                   const std::string& key, const std::string& value);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_INI_SERVICE_H_
