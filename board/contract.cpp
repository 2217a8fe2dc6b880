#include "contract.h"

#include <cstdio>
#include <cstdlib>

namespace board {

void contractViolated(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: precondition failed: %s\n", file, line, what);
    std::abort();
}

} // namespace board
