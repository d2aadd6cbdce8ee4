// What every fuzz target shares: a check that stops the run loudly when an invariant breaks.
#pragma once

#include <cstdio>
#include <cstdlib>

// libFuzzer keeps the input that reached an abort as a crash.
#define KV_FUZZ_CHECK(condition)                                                         \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)
