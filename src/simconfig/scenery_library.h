#ifndef VLRNA_SIMCONFIG_SCENERY_LIBRARY_H_
#define VLRNA_SIMCONFIG_SCENERY_LIBRARY_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/context.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// One of the package's scenery areas as it is registered in scenery.cfg.
struct SceneryEntry {
  const char* marker;     // lower-case text that recognises the entry in a Local value
  const char* title;      // the Title value
  const char* subfolder;  // appended to gsInstPath for the Local value
};

// The six entries, in the order they are registered.
extern const std::array<SceneryEntry, 6> kSceneryEntries;

// Scans the areas "Area.000" to "Area.999" of the scenery library `file` in
// rising order. Only sections with a non-empty "layer" value count as areas.
// Raises `area` to the highest area number and `layer` to the highest layer
// value found (rounded, halves to even), but never lowers them. When `marker`
// is not empty and an area's lower-cased "local" value contains it, sets
// `area` and `layer` to that area's number and layer and returns true at
// once; otherwise returns false. The scan reads the file as it is on disk
// when the scan begins (one IniService::View), so its reads agree with each
// other.
// Raises RuntimeError 6 (Overflow) for a layer value outside 16 bits that
// would be taken.
bool FindSceneryArea(IniService& ini, const std::string& file, const std::string& marker,
                     int16_t& area, int16_t& layer);

// Registers the six entries in the scenery library `cfg`: copies it to
// cfg + ".vlrna.bak" when no backup exists yet (an existing one holds the
// library from before the first installation and is kept), then rewrites an
// entry found by its marker in its own section with its own layer, and adds a
// missing one after the highest area number and layer. Each entry gets the
// keys Title, Active, Layer, Local (gsInstPath + sub-folder) and Required.
// All six entries reach the file in one atomic replacement, after which each
// gets its log line. When the next number would be 1000 the lowest number
// without an area is taken instead.
// Raises RuntimeError, with the library left as it was: the copy's error; a
// failed write (no entry's log line is then written); 6 (Overflow) when the
// layer would pass 32767 or no area number from 000 to 999 is free.
// Returns the six area numbers, in the order of kSceneryEntries.
std::vector<int> RegisterSceneryAreas(Context& ctx, IniService& ini, const std::string& cfg);

// The name of area section `number`: "Area.007".
std::string AreaSection(int number);

// Which of kSceneryEntries the Local value `local` belongs to, by its
// marker; -1 for none.
int PackageEntryOf(const std::string& local);

// Looks in gsSceneryCfg for an earlier installation: the folder before the
// marker in the Local value of the last of the dem, ortho, objects and
// airports entries that is found ("D:\Scenery\" for "D:\Scenery\vlrna\dem").
// Sets gsExistingPath to the result, logs it, and returns it; empty when
// there is none. A missing or unreadable file gives empty; a layer value
// outside 16 bits raises RuntimeError 6 as in FindSceneryArea.
std::string FindExistingInstallation(Context& ctx, IniService& ini);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_SCENERY_LIBRARY_H_
