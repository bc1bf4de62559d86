#pragma once
// The two stepped searches of the optimal-coil calculator. Each walks a fixed grid upward from a
// fixed start (the running value a Number, rounded after every extended addition of the step)
// and returns the first grid point that passes its test; the digits shown are those of the grid
// point, not of the exact mathematical value.
#include <cstdint>

#include "calc/fields.h"
#include "numtext/ext.h"

namespace searches {

struct WalkResult {
  Number value;
  std::uint64_t steps;  // additions of the step the literal walk makes to reach value
};

// The first grid point x = 0.00001, 0.00002, ... whose level 20*log10(x) lies strictly within
// 0.0001 dB of A. DbToRatio(1) = 1.12200999999888 after 112201 steps.
WalkResult DbToRatioWalk(Number A);
inline Number DbToRatio(Number A) { return DbToRatioWalk(A).value; }

// The stepped fifth root: from the eighth root of a (three square roots) upward in steps of
// 0.001 until r^5 comes within 0.1 of a or passes it. FifthRoot(5100) = 5.51500830171328 after
// 2608 steps. Hands pending events to the pump while it walks.
WalkResult FifthRootWalk(Number a, EventPump& pump);
inline Number FifthRoot(Number a, EventPump& pump) { return FifthRootWalk(a, pump).value; }

}  // namespace searches

#include <string>

namespace searches {

// A search that provably cannot end is refused at once; the message says why and what to change.
class ESearchError : public Exception {
 public:
  using Exception::Exception;
  const char* className() const override { return "ESearchError"; }
};

// The turns search of the multi-layer turns calculator: the count n = 0, 0.01, 0.02, ...
// (accumulated, each sum rounded to a Number) until the inductance of n turns wound with wire of
// diameter d lies strictly within 1 % of Lreq. Dr is the thickness of the last count tested.
struct TurnsResult {
  bool found;
  Number n;             // the count found (or the last one tested)
  std::uint64_t steps;  // additions of 0.01 the literal walk makes to reach n
  std::string notice;   // why the search cannot end, when !found (Russian)
};
// Dbn, l in cm; d in mm; Lreq in µH. d, l and Lreq are non-zero (the caller tests them). Dr is
// left as the literal walk leaves it: the thickness of the count returned, of the count whose
// evaluation raised a fault, or of the last count tested before a refusal.
TurnsResult TurnsSearch(Number Dbn, Number l, Number d, Number Lreq, Number& Dr);

}  // namespace searches
