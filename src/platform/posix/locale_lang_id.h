#ifndef VLRNA_PLATFORM_POSIX_LOCALE_LANG_ID_H_
#define VLRNA_PLATFORM_POSIX_LOCALE_LANG_ID_H_

#include <cstdint>
#include <string_view>

namespace vlrna {

// The Windows language id of a POSIX locale name, as Wine derives it:
// "de_DE.UTF-8" 0x0407, "de_CH" 0x0807, "it_IT" 0x0410, "fr_FR@euro" 0x040C.
// A language without a known country takes its primary form ("de" 0x0407);
// "C", "POSIX", an empty name and unknown languages give 0x0409 (English, US).
uint16_t LangIdFromLocale(std::string_view locale);

// The system default language of this process's environment: the locale of
// LC_ALL, else LC_CTYPE, else LANG (as Wine derives it), whichever is set first.
uint16_t SystemLangIdFromEnvironment();

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_LOCALE_LANG_ID_H_
