#ifndef VLRNA_SHELL_ARCHIVE_KEYS_H_
#define VLRNA_SHELL_ARCHIVE_KEYS_H_

#include <array>
#include <string>
#include <string_view>

namespace vlrna {

// The archive keys gsArchiveGuid1 to gsArchiveGuid9. Each archive's password
// is the eight characters after the opening brace of its key. The package
// author's packing tool and the wizard both take them from here, so the
// archives and the wizard cannot disagree.
inline constexpr std::array<std::string_view, 9> kArchiveGuids = {
    "{B57A1CF7-13AE-49A1-9F20-4752281B5205}",  // 1: setup.101
    "{D841DA1A-E3CA-41BC-82FD-3CF6B1AADC56}",  // 2: setup.102
    "{0F613209-3CA6-4067-8F2E-58C77D1AB0B5}",  // 3: setup.103
    "{3DEBC73B-2FAD-48D2-B415-C000327B0C12}",  // 4: setup.104
    "{8DB23E10-A27C-4C72-9DE0-716211C04296}",  // 5: setup.201
    "{A4091F66-3ED2-4174-B286-9EB2E6DDF33A}",  // 6: setup.202
    "{D00FB6A4-7AEC-48D0-BF81-E0F6861D35BA}",  // 7: setup.203
    "{EDEA375A-83DC-438D-B656-04741035DC2C}",  // 8: setup.204
    "{603BC333-1CFF-4CC3-8C85-8D8E269BB81B}",  // 9: setup.105
};

// The archives in the order they are unpacked, with the number (1 to 9) of
// the key their password comes from.
struct ArchiveKeyUse {
  std::string_view archive;
  int key;
};
inline constexpr std::array<ArchiveKeyUse, 9> kArchiveKeyUses = {{
    {"setup.101", 1},
    {"setup.102", 2},
    {"setup.103", 3},
    {"setup.104", 4},
    {"setup.105", 9},
    {"setup.201", 5},
    {"setup.202", 6},
    {"setup.203", 7},
    {"setup.204", 8},
}};

// The password of an archive key: the eight characters after the brace.
inline std::string ArchivePassword(std::string_view key) { return std::string(key.substr(1, 8)); }

}  // namespace vlrna

#endif  // VLRNA_SHELL_ARCHIVE_KEYS_H_
