#include "make_items/catalogue_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace vlrna {
namespace {

enum class Role {
  kUnused,    // no page shows it: stays empty
  kTitle,     // title bar of a window or a message box
  kButton,    // button caption with one mnemonic
  kHeading,   // a page's heading in large type
  kCaption,   // frame caption or a button caption without mnemonic
  kLabel,     // explanation on a page; wraps
  kMessage,   // text of a message box
  kFragment,  // joined with other text into one line
};

struct Entry {
  Role role;
  std::size_t max_length;  // in characters; 0 for unused texts
};

// Where the wizard shows each text, indexed by text number (0 unused).
constexpr std::array<Entry, kCatalogueEntries + 1> kEntries = {{
    {Role::kUnused, 0},     {Role::kTitle, 60},     {Role::kHeading, 40},    // 0..2
    {Role::kButton, 16},    {Role::kButton, 16},    {Role::kButton, 16},     // 3..5
    {Role::kUnused, 0},     {Role::kLabel, 320},    {Role::kLabel, 320},     // 6..8
    {Role::kCaption, 40},   {Role::kHeading, 40},   {Role::kLabel, 240},     // 9..11
    {Role::kMessage, 600},  {Role::kHeading, 40},   {Role::kLabel, 320},     // 12..14
    {Role::kUnused, 0},     {Role::kUnused, 0},     {Role::kUnused, 0},      // 15..17
    {Role::kUnused, 0},     {Role::kUnused, 0},     {Role::kHeading, 40},    // 18..20
    {Role::kLabel, 240},    {Role::kLabel, 320},    {Role::kTitle, 40},      // 21..23
    {Role::kUnused, 0},     {Role::kTitle, 60},     {Role::kMessage, 400},   // 24..26
    {Role::kUnused, 0},     {Role::kUnused, 0},     {Role::kUnused, 0},      // 27..29
    {Role::kFragment, 80},  {Role::kFragment, 200}, {Role::kUnused, 0},      // 30..32
    {Role::kFragment, 60},  {Role::kFragment, 60},  {Role::kMessage, 400},   // 33..35
    {Role::kHeading, 40},   {Role::kLabel, 240},    {Role::kUnused, 0},      // 36..38
    {Role::kLabel, 320},    {Role::kMessage, 400},  {Role::kMessage, 400},   // 39..41
    {Role::kFragment, 60},  {Role::kHeading, 40},   {Role::kCaption, 40},    // 42..44
    {Role::kLabel, 320},    {Role::kUnused, 0},     {Role::kMessage, 400},   // 45..47
    {Role::kUnused, 0},     {Role::kUnused, 0},     {Role::kLabel, 320},     // 48..50
    {Role::kLabel, 240},    {Role::kHeading, 40},   {Role::kUnused, 0},      // 51..53
    {Role::kButton, 16},    {Role::kHeading, 40},   {Role::kCaption, 32},    // 54..56
    {Role::kFragment, 80},  {Role::kFragment, 80},  {Role::kFragment, 80},   // 57..59
    {Role::kFragment, 80},  {Role::kFragment, 80},  {Role::kMessage, 400},   // 60..62
    {Role::kMessage, 400},  {Role::kLabel, 320},    {Role::kFragment, 100},  // 63..65
    {Role::kFragment, 100}, {Role::kCaption, 32},   {Role::kMessage, 600},   // 66..68
    {Role::kTitle, 60},     {Role::kMessage, 400},  {Role::kMessage, 400},   // 69..71
    {Role::kMessage, 400},  {Role::kMessage, 400},  {Role::kFragment, 200},  // 72..74
    {Role::kUnused, 0},     {Role::kButton, 16},    {Role::kLabel, 240},     // 75..77
    {Role::kFragment, 200}, {Role::kFragment, 120}, {Role::kFragment, 200},  // 78..80
    {Role::kFragment, 200}, {Role::kFragment, 300}, {Role::kFragment, 200},  // 81..83
    {Role::kFragment, 200}, {Role::kFragment, 120}, {Role::kFragment, 120},  // 84..86
    {Role::kFragment, 120}, {Role::kFragment, 120},                          // 87..88
}};

struct Placeholder {
  std::string_view name;
  std::array<std::size_t, 6> texts;  // the texts whose page replaces it; 0 = none
};

// %APPTITLE% is replaced when the file is loaded and may stand anywhere; the
// others only where a page replaces them before showing the text.
constexpr std::string_view kAppTitle = "%APPTITLE%";
constexpr std::array<Placeholder, 24> kPlaceholders = {{
    {"%INSTPATH%", {35, 62}},
    {"%DRIVE%", {40, 41}},
    {"%DISK%", {47, 0}},
    {"%FILE%", {63, 0}},
    {"%LOGFILE%", {64, 0}},
    {"%DONE%", {65, 66}},
    {"%TOTAL%", {65, 66}},
    {"%SPEED%", {65, 66}},
    {"%PERCENT%", {65, 0}},
    {"%TIMELEFT%", {65, 0}},
    {"%REMOVE%", {68}},
    {"%ARCHIVE%", {78}},
    {"%FOLDER%", {78}},
    {"%MB%", {78, 79}},
    {"%COUNT%", {79}},
    {"%FILES%", {78, 79}},
    {"%PATH%", {74, 80, 81, 82, 83, 84}},
    {"%BYTES%", {81, 82, 84}},
    {"%SOURCE%", {82}},
    {"%BEFORE%", {85}},
    {"%AFTER%", {85}},
    {"%OFFSET%", {86}},
    {"%OLD%", {86}},
    {"%NEW%", {86}},
}};

bool IsUsed(std::size_t number) { return kEntries[number].role != Role::kUnused; }

bool IsOneLine(Role role) { return role != Role::kLabel && role != Role::kMessage; }

void CheckShape(std::size_t number, const std::string& text, std::vector<std::string>& problems) {
  const Entry& entry = kEntries[number];
  const std::string name = "text " + std::to_string(number) + ": ";
  if (!IsUsed(number)) {
    if (!text.empty()) problems.push_back(name + "no page shows it, leave it empty");
    return;
  }
  if (text.empty()) problems.push_back(name + "is empty but the wizard shows it");
  if (text.size() > entry.max_length) {
    problems.push_back(name + "longer than " + std::to_string(entry.max_length) + " characters");
  }
  if (IsOneLine(entry.role) && text.find_first_of("\r\n") != std::string::npos) {
    problems.push_back(name + "must be one line");
  }
}

// The upper-case mnemonic letter of a button caption, or 0 when the caption
// does not hold exactly one "&" before a visible character.
char Mnemonic(const std::string& text) {
  const std::size_t at = text.find('&');
  if (at == std::string::npos || at + 1 >= text.size() || text[at + 1] == ' ' ||
      text.find('&', at + 1) != std::string::npos) {
    return 0;
  }
  return static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
}

// The four button captions (Next, Back, Cancel, Options) share the welcome
// page, so their mnemonics must differ.
void CheckMnemonics(const std::vector<std::string>& texts, std::vector<std::string>& problems) {
  std::string seen;
  for (std::size_t number = 1; number < texts.size() + 1 && number <= kCatalogueEntries; ++number) {
    const std::string& text = texts[number - 1];
    const std::string name = "text " + std::to_string(number) + ": ";
    if (kEntries[number].role != Role::kButton) {
      if (text.find('&') != std::string::npos) problems.push_back(name + "\"&\" outside a button");
      continue;
    }
    const char letter = Mnemonic(text);
    if (letter == 0) {
      problems.push_back(name + "needs exactly one \"&\" before a letter");
    } else if (seen.find(letter) != std::string::npos) {
      problems.push_back(name + "mnemonic " + letter + " is taken by another button");
    }
    seen += letter;
  }
}

void CheckPlaceholders(std::size_t number, const std::string& text,
                       std::vector<std::string>& problems) {
  const std::string name = "text " + std::to_string(number) + ": ";
  for (const Placeholder& placeholder : kPlaceholders) {
    const bool wanted = std::find(placeholder.texts.begin(), placeholder.texts.end(), number) !=
                        placeholder.texts.end();
    const bool present = text.find(placeholder.name) != std::string::npos;
    if (wanted && !present) problems.push_back(name + "must hold " + std::string(placeholder.name));
    if (!wanted && present) {
      problems.push_back(name + std::string(placeholder.name) + " is never replaced here");
    }
  }
  // Any other %WORD% is a misspelt placeholder that would reach the screen.
  for (std::size_t open = text.find('%'); open != std::string::npos;) {
    const std::size_t close = text.find('%', open + 1);
    if (close == std::string::npos) break;
    const std::string_view word(text.data() + open, close - open + 1);
    bool letters = word.size() > 2;
    for (char c : word.substr(1, word.size() - 2))
      letters = letters && std::isupper(static_cast<unsigned char>(c));
    if (!letters) {
      open = close;
      continue;
    }
    bool known = word == kAppTitle;
    for (const Placeholder& placeholder : kPlaceholders) known = known || word == placeholder.name;
    if (!known) problems.push_back(name + "unknown placeholder " + std::string(word));
    open = text.find('%', close + 1);
  }
}

}  // namespace

std::vector<std::string> CheckCatalogueRules(const std::vector<std::string>& texts) {
  std::vector<std::string> problems;
  if (texts.size() != kCatalogueEntries) {
    problems.push_back("holds " + std::to_string(texts.size()) + " texts, the wizard uses " +
                       std::to_string(kCatalogueEntries));
  }
  for (std::size_t number = 1; number <= texts.size() && number <= kCatalogueEntries; ++number) {
    CheckShape(number, texts[number - 1], problems);
    CheckPlaceholders(number, texts[number - 1], problems);
  }
  CheckMnemonics(texts, problems);
  return problems;
}

}  // namespace vlrna
