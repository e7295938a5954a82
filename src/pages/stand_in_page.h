#ifndef VLRNA_PAGES_STAND_IN_PAGE_H_
#define VLRNA_PAGES_STAND_IN_PAGE_H_

// For tests only: a page that a test puts in the place of a neighbour it does
// not look at, with the three buttons and the table's moves and nothing else.

#include <memory>
#include <string>

#include "shell/page_flow.h"
#include "shell/page_layout.h"

namespace vlrna {

inline PageFlow::Factory StandInPage(std::string name) {
  return [name](Context& ctx, PageFlow& flow) {
    auto page = std::make_unique<WizardPage>(name, kPageWidth, ctx, flow);
    AddStandardControls(*page);
    return page;
  };
}

}  // namespace vlrna

#endif  // VLRNA_PAGES_STAND_IN_PAGE_H_
