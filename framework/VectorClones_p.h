#pragma once
// Marks a pixel loop to be built twice, for processors with 256-bit vector
// instructions and for the rest, the better one picked when the program
// loads. Beside the wider vectors, the 256-bit build is immune to the cost
// some processors put on 128-bit vector code after a library function has
// used the upper halves of the vector registers (as the C library's string
// functions do with 512-bit instructions): that cost tripled such loops.
// No FMA: both builds compute the same results, bit for bit. Only for
// functions with internal linkage (an anonymous namespace): GCC exports the
// load-time chooser of any other function, whatever its visibility.

#if defined(__x86_64__) && defined(__GNUC__)
#define KEST_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KEST_VECTOR_CLONES
#endif
