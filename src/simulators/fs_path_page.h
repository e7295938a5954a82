#ifndef VLRNA_SIMULATORS_FS_PATH_PAGE_H_
#define VLRNA_SIMULATORS_FS_PATH_PAGE_H_

#include <string>

#include "shell/folder_page.h"

namespace vlrna {

// The box that reports a drive or folder the manual path page cannot show.
inline constexpr char kFsPathErrorBox[] = "fs-path-error";

// The manual simulator path page FS_Path: the user names the simulator's
// folder with the drive and folder lists or by typing it, and Next is offered
// only for a folder that holds both Scenery.cfg and the simulator's
// executable (gsSimExe). Next sets gsFSXPath (and gsSceneryCfg when that is
// still empty) and goes on to the licence page. No page leads here; the page
// stands ready for a flow that wants it between the selection and the
// licence pages.
class FSPathPage : public FolderPage {
 public:
  FSPathPage(Context& ctx, PageFlow& flow);

  void Load() override;

  // True when `path` (with or without its trailing backslash) holds the
  // files Scenery.cfg and gsSimExe; enables Cmd_Next accordingly.
  bool CheckPath(const std::string& path);

 protected:
  bool OnButton(const std::string& control) override;
  void FolderShown(const std::string& folder) override;

 private:
  void SetTexts();
  void ShowFallbackFolder();
  bool TakeFolder();
};

}  // namespace vlrna

#endif  // VLRNA_SIMULATORS_FS_PATH_PAGE_H_
