#pragma once

#include "core/project/ProjectRecord.h"

#include <random>

namespace zelvan::test {

// A record filled with random GBK texts: empty, short, the length-prefix
// boundaries (254, 255, 65533, 65534 bytes), Chinese text, counts that are
// empty, non-numeric or numeric, and stale cells beyond each count.
ProjectRecord randomRecord(std::mt19937 &rng, bool withLongTexts);
CompanyInfo randomCompany(std::mt19937 &rng);
// A record whose every table is full (22,586 texts), or holds its first
// `rowsPerTable` rows when that is fewer.
ProjectRecord fullRecord(bool withLongTexts, int rowsPerTable = 1 << 30);

} // namespace zelvan::test
