#pragma once
// Where GNUstep's headers look for the blocks runtime once the compiler has blocks, as Apple's clang always
// has. Nothing is declared here: GNUstep declares the two functions it needs (_Block_copy, _Block_release)
// in GSBlocks.h itself.
