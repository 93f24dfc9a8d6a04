# One target that carries the project's warning and floating-point flags;
# every library and executable links it.
add_library(tavro_warnings INTERFACE)
target_compile_options(tavro_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wfloat-conversion -Wcast-qual -Wformat=2
  # The calculation relies on IEEE behaviour and on the floating-point status
  # flags: no fast-math, no contraction, no assumption that FP ops cannot trap.
  -fno-fast-math -ffp-contract=off -ftrapping-math)
