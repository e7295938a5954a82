#ifndef VLRNA_SIMULATORS_DISCOVERY_H_
#define VLRNA_SIMULATORS_DISCOVERY_H_

#include "shell/context.h"

namespace vlrna {

inline constexpr char kNoSpaceBox[] = "welcome-no-space";

// Ends the program when the start-up found no fixed drive with enough free
// space (after telling the user with catalogue entry 12).
void CheckFreeSpaceGate(Context& ctx);

// Reads gsAppData and gsCommonAppData from the registry; a missing or empty
// value ends the program with a message that says which.
void FindApplicationDataFolders(Context& ctx);

// Looks up one simulator row's installation folder and fills its discovered
// columns (and gsFSXPath for row 0), logging what it found.
void DiscoverSimulator(Context& ctx, int row);

}  // namespace vlrna

#endif  // VLRNA_SIMULATORS_DISCOVERY_H_
