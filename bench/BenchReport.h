#pragma once

#include <string>

// Pairs a benchmark with its baseline for the summary printed after all
// benchmarks ran: for every argument both were run with, the two times, their
// ratio and whether it stays within `aim`. Names are benchmark family names
// without arguments ("BM_MainListLayer"). Call at static initialisation, next
// to the BENCHMARK definitions:
//   static const bool compared = compareWithBaseline("BM_A", "BM_ARaw", 1.5, "what A does");
// The aim is judged on CPU time, unless onRealTime: for work done mostly by
// another process (a database server), whose time this process does not
// count as its own.
bool compareWithBaseline(const std::string& name, const std::string& baseline, double aim,
                         const std::string& description, bool onRealTime = false);
