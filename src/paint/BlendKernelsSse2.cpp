// The row kernels in 16-byte SSE2 vectors, the baseline both Windows builds
// and every x86-64 processor have.

#include "paint/BlendKernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>

#include "paint/VectorBlendKernels.h"

namespace folvane::kernels {
namespace {

struct Sse2Ops {
  using V = __m128i;
  static constexpr std::size_t kBytes = 16;

  static V Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
  static void Store(std::uint8_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
  static V Set16(short v) { return _mm_set1_epi16(v); }
  static V Set8(char v) { return _mm_set1_epi8(v); }
  static V And(V a, V b) { return _mm_and_si128(a, b); }
  static V Or(V a, V b) { return _mm_or_si128(a, b); }
  static V Add16(V a, V b) { return _mm_add_epi16(a, b); }
  static V Sub16(V a, V b) { return _mm_sub_epi16(a, b); }
  static V MulLo16(V a, V b) { return _mm_mullo_epi16(a, b); }
  static V MulHiU16(V a, V b) { return _mm_mulhi_epu16(a, b); }
  static V ShiftRight8(V a) { return _mm_srli_epi16(a, 8); }
  static V ShiftLeft8(V a) { return _mm_slli_epi16(a, 8); }
  static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
  // The low byte of each 16-bit lane from `low` (whose high bytes are
  // zero), the high byte from `high`.
  static V MergeLowHigh(V low, V high) {
    return _mm_or_si128(low, _mm_andnot_si128(_mm_set1_epi16(0x00FF), high));
  }
  static V CmpEq16(V a, V b) { return _mm_cmpeq_epi16(a, b); }
  static bool AnyBitSet(V a) { return _mm_movemask_epi8(a) != 0; }
  // Bit i set where byte i of a equals byte i of b.
  static std::uint64_t EqualBits(V a, V b) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
  }
};

}  // namespace

const RowKernelSet* Sse2Kernels() {
  static const RowKernelSet set = MakeKernelSet<Sse2Ops>();
  return &set;
}

}  // namespace folvane::kernels

#else

const folvane::kernels::RowKernelSet* folvane::kernels::Sse2Kernels() { return nullptr; }

#endif
