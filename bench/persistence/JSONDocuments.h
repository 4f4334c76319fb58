#pragma once
// The benchmark documents (canada.json, citm_catalog.json, twitter.json):
// from the folder in KEST_JSON_DATA, else ../shared/data/json beside the
// source tree. A missing document stops the program with the place looked in.

#include <QByteArray>
#include <QString>

QByteArray BenchDocument(const char* name);

// One benchmark per document, smallest first.
#define KEST_JSON_DOCUMENTS(bm)                                \
    BENCHMARK_CAPTURE(bm, twitter, "twitter.json");           \
    BENCHMARK_CAPTURE(bm, citm_catalog, "citm_catalog.json"); \
    BENCHMARK_CAPTURE(bm, canada, "canada.json");
