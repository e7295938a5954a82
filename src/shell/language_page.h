#ifndef VLRNA_SHELL_LANGUAGE_PAGE_H_
#define VLRNA_SHELL_LANGUAGE_PAGE_H_

#include "shell/page_flow.h"

namespace vlrna {

inline constexpr char kLanguageQuitBox[] = "language-quit";

// The language page Setup: offers the languages whose message files lie
// beside the wizard, preselects the system's, and on Next loads the chosen
// message file. Its texts are fixed, since no catalogue is loaded yet.
class LanguagePage : public WizardPage {
 public:
  LanguagePage(Context& ctx, PageFlow& flow);

  void Load() override;

 protected:
  bool OnButton(const std::string& control) override;

 private:
  void OfferAvailableLanguages();
  void Preselect();
  void LoadDefinitionBlock();
  bool TakeChosenLanguage();
};

}  // namespace vlrna

#endif  // VLRNA_SHELL_LANGUAGE_PAGE_H_
