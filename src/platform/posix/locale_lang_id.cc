#include "platform/posix/locale_lang_id.h"

#include <cstdlib>
#include <string>

namespace vlrna {
namespace {

struct LocaleId {
  const char* language;
  const char* country;  // "" for the language's primary form
  uint16_t id;
};

// The primary form of each language comes first among its rows.
const LocaleId kLocales[] = {
    {"en", "", 0x0409},   {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009},
    {"en", "NZ", 0x1409}, {"en", "IE", 0x1809}, {"en", "ZA", 0x1C09}, {"de", "", 0x0407},
    {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"de", "LU", 0x1007}, {"de", "LI", 0x1407},
    {"it", "", 0x0410},   {"it", "CH", 0x0810}, {"fr", "", 0x040C},   {"fr", "BE", 0x080C},
    {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C}, {"fr", "LU", 0x140C}, {"fr", "MC", 0x180C},
    {"es", "", 0x0C0A},   {"es", "MX", 0x080A}, {"nl", "", 0x0413},   {"nl", "BE", 0x0813},
    {"pt", "BR", 0x0416}, {"pt", "", 0x0816},   {"pt", "PT", 0x0816}, {"sv", "", 0x041D},
    {"da", "", 0x0406},   {"nb", "", 0x0414},   {"no", "", 0x0414},   {"nn", "", 0x0814},
    {"fi", "", 0x040B},   {"pl", "", 0x0415},   {"cs", "", 0x0405},   {"sk", "", 0x041B},
    {"sl", "", 0x0424},   {"hu", "", 0x040E},   {"ro", "", 0x0418},   {"hr", "", 0x041A},
    {"el", "", 0x0408},   {"tr", "", 0x041F},   {"ru", "", 0x0419},   {"uk", "", 0x0422},
    {"ja", "", 0x0411},   {"ko", "", 0x0412},   {"zh", "", 0x0804},   {"zh", "TW", 0x0404},
    {"zh", "HK", 0x0C04},
};

}  // namespace

uint16_t LangIdFromLocale(std::string_view locale) {
  size_t end = locale.find_first_of(".@");
  std::string_view name = locale.substr(0, end);
  size_t underscore = name.find('_');
  std::string_view language = name.substr(0, underscore);
  std::string_view country =
      underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
  const LocaleId* primary = nullptr;
  for (const LocaleId& l : kLocales) {
    if (language != l.language) continue;
    if (country == l.country) return l.id;
    if (primary == nullptr) primary = &l;
  }
  return primary ? primary->id : 0x0409;
}

uint16_t SystemLangIdFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LangIdFromLocale(value);
  }
  return 0x0409;
}

}  // namespace vlrna
