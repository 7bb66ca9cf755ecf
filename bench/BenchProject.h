#pragma once

#include "core/project/ProjectRecord.h"

#include <QString>

namespace zelvan::bench {

// The vertical sample project with every table grown to `rows` rows (or
// the table's capacity when smaller): 50 shell courses of 1200 mm, nozzles
// spread over the shell and both heads, plates, parts with long technical
// requirements, welds, welding procedure cards each with one consumable and
// one parameter row, qualifications. `cards` (when not negative) sets the
// number of welding procedure cards on its own. The project lives in
// `directory` (with a trailing slash) as `name`.pcp, as if saved there.
ProjectRecord scaledProject(int rows, const QString &directory, int cards = -1);
CompanyInfo benchCompany();

// Capacity of a table, for the benchmarks' ranges.
int capacityOf(TableId id);

} // namespace zelvan::bench
