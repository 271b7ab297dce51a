// bitwise: what the bitwise operators do to two 32-bit integers.
//
// main applies AND, OR, XOR, complement and the two shifts to a pair of
// fixed operands and prints each result beside the expression that made it.
// main1 and main2 are two more demonstrations of the same shape; nothing in
// the program calls them, and each prints its own block when called.
//
// Each value is written in the source as the very operator its label names,
// applied to the operands; no answer is typed in.  Every operand is known
// before the program runs, so the compiler may work the values out by the
// language's rules and print constants: an optimised build does so in all
// three routines, and even an unoptimised one in main, whose operands are
// const.

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// %d prints an int; the lessons are about 32-bit words, so the two must agree.
static_assert(sizeof(int) * CHAR_BIT == 32, "int must be a 32-bit integer");

namespace {

// printf's results are not checked line by line, so a failed write (a full
// disk, a closed standard output) would otherwise end the run with status
// 0, as if all had been said.  Once a write to a stream fails, its error
// indicator stays set, and the flush sends out whatever is still buffered:
// one look after the last line covers every line before it.  Where stdout
// is fully buffered, as glibc's is for a file or a pipe, the block also
// leaves in that one write, so runs appending to the same file never
// interleave.
int finish()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
        return EXIT_SUCCESS;
    }
    // errno holds the reason the failing write gave: the flush's own, or,
    // where the C library writes each printf through at once and the
    // flush finds nothing left to do, the reason of an earlier write.
    int const reason = errno;
    if (reason != 0) {
        std::fprintf(stderr, "bitwise: write error: %s\n", std::strerror(reason));
    } else {
        std::fputs("bitwise: write error\n", stderr);
    }
    return EXIT_FAILURE;
}

} // namespace

// The two further demonstrations.  Nothing in the program calls them; a
// caller elsewhere declares them just like this.
int main1(int argc, char* argv[]);
int main2(int argc, char* argv[]);

// The operator demonstration.  a is unsigned, so every operation it takes
// part in is done on unsigned 32-bit values: ~a is the bit pattern
// FFFFFFAF and a >> 2 shifts zeros in from the left.  %d wants an int, so
// each result is converted with static_cast<int>, which C++20 defines as
// the value congruent modulo 2^32 (the int with the same 32 bits): that is
// how ~a comes out as -81.
int main(int /*argc*/, char* /*argv*/[])
{
    std::uint32_t const a = 0x50; // 80: 0101 0000
    std::uint32_t const b = 0x37; // 55: 0011 0111
    std::uint32_t result = 0;

    result = a & b; // 0001 0000
    std::printf("a & b is %d\n", static_cast<int>(result));
    result = a | b; // 0111 0111
    std::printf("a | b is %d\n", static_cast<int>(result));
    result = a ^ b; // 0110 0111
    std::printf("a ^ b is %d\n", static_cast<int>(result));
    // The empty line comes from this format's leading line feed.
    std::printf("\na = %d\n", static_cast<int>(a));
    result = ~a; // 1111 1111 ... 1010 1111
    std::printf("~a is %d\n", static_cast<int>(result));
    result = a << 2; // 1 0100 0000: all 32 bits are kept
    std::printf("a << 2 is %d\n", static_cast<int>(result));
    result = a >> 2; // 0001 0100
    std::printf("a >> 2 is %d\n", static_cast<int>(result));

    return finish();
}

// A word used as a set of text effects, one bit per effect: OR switches an
// effect on, AND tests for one, XOR toggles one.  A test prints the masked
// value itself (2 for italic), not a 0-or-1 truth value.
int main1(int /*argc*/, char* /*argv*/[])
{
    constexpr std::uint32_t EFFECT_ITALIC = 0x02; // bit 1
    constexpr std::uint32_t EFFECT_LOWER = 0x20;  // bit 5
    constexpr std::uint32_t EFFECT_BIT7 = 0x80;   // bit 7

    std::uint32_t effects = EFFECT_BIT7;
    std::uint32_t test = 0;

    effects |= EFFECT_ITALIC; // 1000 0010
    std::printf("Combination of effects %d\n", static_cast<int>(effects));
    test = effects & EFFECT_ITALIC;
    std::printf("The text has effect italic  %d\n", static_cast<int>(test));
    test = effects & EFFECT_LOWER;
    std::printf("The text has effect lower  %d\n", static_cast<int>(test));
    effects ^= EFFECT_ITALIC; // italic is on, so XOR switches it off
    std::printf("Combination of effects %d\n", static_cast<int>(effects));

    return finish();
}

// Shifts as division and multiplication by powers of two.  x is signed, so
// its right shift is arithmetic (it copies the sign bit in); 3200 is a
// multiple of 8, so each shift equals the quotient its label names.
int main2(int /*argc*/, char* /*argv*/[])
{
    std::int32_t x = 3200;
    std::int32_t result = 0;

    result = x >> 1;
    std::printf("x / 2 = %d\n", result);
    result = x >> 2;
    std::printf("x / 4 = %d\n", result);
    // The empty line comes from this format's second line feed.
    result = x >> 3;
    std::printf("x / 8 = %d\n\n", result);

    x = 5;
    result = x << 1;
    std::printf("x * 2 = %d\n", result);
    result = x << 2;
    std::printf("x * 4 = %d\n", result);
    result = x << 3;
    std::printf("x * 8 = %d\n", result);

    return finish();
}
