// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"
#include "nullhost.h"
#include "suche.h"

#include <benchmark/benchmark.h>

// The search alone, on a host that shows nothing.
static void BM_FullSearch(benchmark::State &state)
{
    board::Feld feld;
    NullHost host;
    board::Suche suche(feld, host);
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): benchmark's loop variable only counts
    for (auto _ : state) {
        suche.Durchlauf();
        benchmark::DoNotOptimize(suche.loesungen());
    }
    state.counters["steps"] = static_cast<double>(suche.schritte());
    state.counters["solutions"] = static_cast<double>(suche.loesungen());
}
BENCHMARK(BM_FullSearch);
