#ifndef VLRNA_SHELL_MESSAGE_CATALOGUE_H_
#define VLRNA_SHELL_MESSAGE_CATALOGUE_H_

#include <string>

#include "platform/ansi_code_page.h"
#include "shell/context.h"

namespace vlrna {

inline constexpr char kMessageFileMissingBox[] = "message-file-missing";
inline constexpr size_t kSpbDefinitionSize = 566;

// Replaces every occurrence of `find` in `text` by `replacement`, left to
// right in one pass: a replacement that holds `find` is not searched again.
// Case counts. An empty `find` changes nothing.
void ReplaceAll(std::string& text, const std::string& find, const std::string& replacement);

// True when `path` names a normal file (not a folder, not hidden, not system).
bool FileExists(Context& ctx, const std::string& path);

// Reads a message file into MessageCatalogue: 0x01 starts a text, 0x02 ends
// it, 0x03 ends the data; "%APPTITLE%" becomes the application title. Entry 0
// gets the number of texts started. Texts past entry 100 are ignored.
// The package's files are written in Windows-1252; their texts are stored in
// the machine's code page, where a character it lacks becomes '?', so every
// text of the program is in one code page.
// A missing file shows "Message File could not be loaded!" and returns false.
// A file that exists but cannot be read raises RuntimeError.
bool LoadMessageFile(Context& ctx, const std::string& path);

// The same loader over bytes already read: the texts as written, or stored
// in `code_page`.
void ParseMessageFile(const std::string& bytes, std::array<std::string, 101>& catalogue);
void ParseMessageFile(const std::string& bytes, const AnsiCodePage& code_page,
                      std::array<std::string, 101>& catalogue);

// Reads the first 566 bytes of gsAppPath\spb_def.bin into gSpbDefinition.
// Raises RuntimeError when the file is missing, unreadable or shorter.
void LoadSpbDefinition(Context& ctx);

}  // namespace vlrna

#endif  // VLRNA_SHELL_MESSAGE_CATALOGUE_H_
