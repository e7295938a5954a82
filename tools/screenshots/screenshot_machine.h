#ifndef VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_MACHINE_H_
#define VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_MACHINE_H_

#include "platform/fake/fake_platform.h"

namespace vlrna {

// The drives of the screenshot machine as the drive list shows them.
inline constexpr char kSystemDrive[] = "c: [system]";
inline constexpr char kMediumDrive[] = "d: [veltrona_1]";  // CD-ROM with the installation set
inline constexpr char kGamesDrive[] = "e: [games]";
inline constexpr char kSmallDrive[] = "f: [backup]";  // a hard disk with too little room
// A folder on the games drive that holds no vlrna folder yet.
inline constexpr char kNewDestinationParent[] = "E:\\Scenery";

// A machine on which every page of the wizard has something to show, built
// on the typical machine of the tests: Flight Simulator X boxed on C:, its
// Steam Edition below Steam's folder, Prepar3D v4 on the games drive, each
// with its folders, scenery library, main configuration and autogen
// descriptions (the Steam Edition's are missing, Prepar3D v4 has no legacy
// file); the installation set on the medium's drive, unpacked by the fake zip
// library in a few steps each, at a plausible speed. The message files and
// licence texts stay those of the typical machine; a caller may put the
// medium's own in their place.
void DescribeScreenshotMachine(FakePlatform& fake);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_MACHINE_H_
