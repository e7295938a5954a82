#ifndef VLRNA_TOOLS_TOOL_IO_TOOL_IO_H_
#define VLRNA_TOOLS_TOOL_IO_TOOL_IO_H_

#include <cstdint>
#include <string>

namespace vlrna {

// What the build-time generators share: whole-file reading, and writing that
// goes beside the target and is renamed over it, so a failed run leaves no
// half-written file that the build would take for up to date.
bool ReadWholeFile(const std::string& path, std::string& content);
bool WriteFileReplacing(const std::string& path, const std::string& content);

// Little-endian numbers, as the BMP and WAVE headers hold them.
void PutLittleEndian16(std::string& out, std::uint16_t value);
void PutLittleEndian32(std::string& out, std::uint32_t value);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_TOOL_IO_TOOL_IO_H_
