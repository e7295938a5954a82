#ifndef VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
#define VLRNA_SIMCONFIG_OPTIONS_PAGE_H_

#include <optional>
#include <vector>

#include "install/package_removal.h"
#include "shell/page_flow.h"
#include "simconfig/autogen_restore.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// Message box ids of the removal.
inline constexpr char kUninstallConfirmBox[] = "options-uninstall-confirm";
inline constexpr char kUninstallNothingBox[] = "options-uninstall-nothing";
inline constexpr char kUninstallSummaryBox[] = "options-uninstall-summary";

// The options page: shows the version and offers two actions. cmd_autogen
// puts the package's autogen descriptions back into the description files of
// every installed simulator and sums up what happened to each (and notes it
// in their installation records). cmd_uninstall removes the package from
// every simulator that holds it, after a question that names them, and sums
// up what was removed and what stays. Back leads to the welcome page; Next
// is hidden.
class OptionsPage : public WizardPage {
 public:
  OptionsPage(Context& ctx, PageFlow& flow);

  void Load() override;

  // What the last press of cmd_autogen did, file by file; empty before.
  const std::vector<RestoredSimulator>& last_restore() const { return last_restore_; }

  // Limits cmd_uninstall to simulator table row `row`; nothing: every found
  // simulator.
  void set_uninstall_row(std::optional<int> row) { uninstall_row_ = row; }
  // What the last press of cmd_uninstall removed, simulator by simulator;
  // empty before, when nothing was found or the question was answered No.
  const std::vector<RemovalReport>& last_removal() const { return last_removal_; }

 protected:
  bool OnButton(const std::string& control) override;

 private:
  void Uninstall();

  IniService ini_;
  std::vector<RestoredSimulator> last_restore_;
  std::optional<int> uninstall_row_;
  std::vector<RemovalReport> last_removal_;
};

// The box that closes a removal, titled with entry 69: entry 71 when all
// went well, entry 72 and what stays when files or settings were kept, entry
// 73 and the errors when a step failed.
MessageRequest RemovalSummaryBox(const ProgramState& state,
                                 const std::vector<RemovalReport>& reports);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_OPTIONS_PAGE_H_
