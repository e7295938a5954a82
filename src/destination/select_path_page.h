#ifndef VLRNA_DESTINATION_SELECT_PATH_PAGE_H_
#define VLRNA_DESTINATION_SELECT_PATH_PAGE_H_

#include <string>

#include "shell/folder_page.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// Message box ids of the destination page.
inline constexpr char kDestinationNotFixedBox[] = "destination-not-fixed";
inline constexpr char kDestinationNoSpaceBox[] = "destination-no-space";
inline constexpr char kDestinationCreateFolderBox[] = "destination-create-folder";
inline constexpr char kDestinationDriveErrorBox[] = "destination-drive-error";
inline constexpr char kDestinationBadPathBox[] = "destination-bad-path";

// The destination page SelectPath: proposes the folder of an earlier
// installation, or one below the chosen simulator's folder, lets the user
// pick or type another, and on Next accepts it only on a local hard disk with
// enough free space, asking before a folder that does not exist yet. The
// result, always ending in "vlrna\", goes to gsInstPath.
class SelectPathPage : public FolderPage {
 public:
  SelectPathPage(Context& ctx, PageFlow& flow);

  void Load() override;

  // Prepares the page for the simulator just chosen (gsFSXPath,
  // gsSceneryCfg): when gsSceneryCfg names an earlier installation, proposes
  // its folder again and locks the choice; otherwise proposes the
  // simulator's folder and lets the user choose.
  void PrepareForm();

 protected:
  bool OnButton(const std::string& control) override;
  void FolderShown(const std::string& folder) override;

 private:
  void SetCaptions();
  std::string EarlierInstallation();
  void Propose(const std::string& folder);
  bool TakeDestination();
  bool AgreesToNewFolder();
  void Refuse(const char* box, int entry, const std::string& placeholder, const std::string& value);

  IniService ini_;
};

}  // namespace vlrna

#endif  // VLRNA_DESTINATION_SELECT_PATH_PAGE_H_
