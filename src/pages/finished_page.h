#ifndef VLRNA_PAGES_FINISHED_PAGE_H_
#define VLRNA_PAGES_FINISHED_PAGE_H_

#include "shell/page_flow.h"

namespace vlrna {

// The finished page: the last page of the wizard. Its Next ends the program
// the one orderly way, without a message; Back and Cancel are disabled. After
// an installation in which a configuration edit failed it says that the
// installation finished with errors.
class FinishedPage : public WizardPage {
 public:
  FinishedPage(Context& ctx, PageFlow& flow);

  void Load() override;

 protected:
  bool OnButton(const std::string& control) override;

 private:
  std::string WithErrorsText() const;
};

}  // namespace vlrna

#endif  // VLRNA_PAGES_FINISHED_PAGE_H_
