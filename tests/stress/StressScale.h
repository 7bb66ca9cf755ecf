#pragma once

#include <QtGlobal>

namespace zelvan::test {

// The number of rounds a stress test runs: `normal`, or what the
// environment variable ZELVAN_STRESS_ROUNDS says (the sanitizer build, many
// times slower, runs fewer).
inline int stressRounds(int normal)
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("ZELVAN_STRESS_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : normal;
}

} // namespace zelvan::test
