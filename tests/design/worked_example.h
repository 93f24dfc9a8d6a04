// The design the tests keep returning to: 12 V, 1 A, 1 %, one limb, 1.2 T,
// 0.7 V, typed with a comma as the decimal separator.
#pragma once

#include "common/memory_window.h"

namespace tavro::test {

inline void TypeInputs(design::MemoryWindow& w, const char* u0, const char* i0, const char* kp,
                       int limbs, const char* bm, const char* ud) {
  w.TypeInputs(u0, i0, kp, limbs, bm, ud);
}

inline void TypeWorkedExample(design::MemoryWindow& w) {
  TypeInputs(w, "12", "1", "1", 1, "1,2", "0,7");
}

}  // namespace tavro::test
