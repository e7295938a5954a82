#ifndef VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_
#define VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_

#include <string>

#include "platform/archive/extract_plan.h"

namespace vlrna {

// Removes what an extraction killed part-way left of the planned files: the
// temporaries of their names made by other processes than `pid`. Nothing
// else in their folders is touched; a file that cannot be removed stays.
// The temporaries are named as TemporaryName (output_file.h) makes them.
void RemoveStaleTemporaries(const ExtractPlan& plan, long pid);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_STALE_TEMPORARIES_H_
