#ifndef VLRNA_TOOLS_SCREENSHOTS_SAMPLE_PAGES_H_
#define VLRNA_TOOLS_SCREENSHOTS_SAMPLE_PAGES_H_

#include <memory>
#include <string>
#include <vector>

#include "platform/page_model.h"
#include "shell/program_state.h"

namespace vlrna {

// Stand-ins for the pages this build does not have yet, laid out like the
// real ones and filled from the loaded message catalogue, so that the drive
// and folder lists, the text boxes and the progress bar can be looked at in
// every language. They have no handlers.
std::vector<std::unique_ptr<Page>> MakeSamplePages(const ProgramState& state,
                                                   const std::string& licence_text);

// Sets the sample installation page's bar to `percent` of its width.
void SetSampleProgress(Page& install, int percent);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_SCREENSHOTS_SAMPLE_PAGES_H_
