// One stage of a calculation (the design's or an analysis'): a numerical
// failure inside becomes the calculation's Failure at that stage.
#pragma once

#include <exception>

#include "design/calculate.h"
#include "mathem/faults.h"

namespace tavro::design {

// Runs `step`; on a floating-point fault or another failure fills `failure`
// (keeping the Phi and A it already holds) and returns false.
template <typename Step>
bool RunStage(FailureStage stage, Failure& failure, Step&& step) {
  try {
    step();
    return true;
  } catch (const mathem::FloatingPointFault& fault) {
    failure = {stage, fault.what(), fault.Flags(), failure.Phi, failure.A};
  } catch (const std::exception& error) {
    failure = {stage, error.what(), 0, failure.Phi, failure.A};
  }
  return false;
}

}  // namespace tavro::design
