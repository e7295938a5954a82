#ifndef VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_
#define VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_

#include <string>

#include "platform/archive/extract_plan.h"

namespace vlrna {

// The temporary name a file is written under before it gets its own:
// ".NAME.vlrna-PID-N" beside it, NAME cut so that the whole stays a name.
// `prefix` is everything before N.
std::string TemporaryPrefix(const std::string& native_path, long pid);

// Removes what an extraction killed part-way left of the planned files: the
// temporaries of their names made by other processes than `pid`. Nothing
// else in their folders is touched; a file that cannot be removed stays.
void RemoveStaleTemporaries(const ExtractPlan& plan, long pid);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_
