#ifndef VLRNA_PAGES_LICENSE_PAGE_H_
#define VLRNA_PAGES_LICENSE_PAGE_H_

#include <string>
#include <string_view>

#include "shell/page_flow.h"

namespace vlrna {

// The licence page License: the agreement in the chosen language, read once
// when the page is first used, in a read-only text box. Going on with Next is
// the user's acceptance; there is no other accept control. An agreement file
// that is missing or cannot be read ends the program with a message naming it.
class LicensePage : public WizardPage {
 public:
  LicensePage(Context& ctx, PageFlow& flow);

  void Load() override;

 protected:
  bool OnButton(const std::string& control) override;

 private:
  void ReadAgreement();
};

// The text box content for the bytes of an agreement file: every line
// followed by CR LF, the last one too. Lines may end in CR LF, LF or CR; an
// empty file gives an empty text.
std::string AgreementText(std::string_view file);

}  // namespace vlrna

#endif  // VLRNA_PAGES_LICENSE_PAGE_H_
