// The row kernels in 32-byte AVX2 vectors, chosen at run time on
// processors that have them.
//
// Only this unit's own code is built for AVX2: every header with inline
// code is included before the target switch, so no shared inline copy
// (which the linker may pick for every caller) can carry AVX2 instructions.

#include "paint/BlendKernels.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <cstddef>
#include <cstdint>

#pragma GCC push_options
#pragma GCC target("avx2")
#include <immintrin.h>

#include "paint/VectorBlendKernels.h"

namespace folvane::kernels {
namespace {

struct Avx2Ops {
  using V = __m256i;
  static constexpr std::size_t kBytes = 32;

  static V Load(const std::uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const V*>(p));
  }
  static void Store(std::uint8_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
  static V Set16(short v) { return _mm256_set1_epi16(v); }
  static V Set8(char v) { return _mm256_set1_epi8(v); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V Or(V a, V b) { return _mm256_or_si256(a, b); }
  static V Add16(V a, V b) { return _mm256_add_epi16(a, b); }
  static V Sub16(V a, V b) { return _mm256_sub_epi16(a, b); }
  static V MulLo16(V a, V b) { return _mm256_mullo_epi16(a, b); }
  static V MulHiU16(V a, V b) { return _mm256_mulhi_epu16(a, b); }
  static V ShiftRight8(V a) { return _mm256_srli_epi16(a, 8); }
  static V ShiftLeft8(V a) { return _mm256_slli_epi16(a, 8); }
  static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
  // The low byte of each 16-bit lane from `low`, the high byte from `high`.
  static V MergeLowHigh(V low, V high) {
    return _mm256_blendv_epi8(low, high, _mm256_set1_epi16(static_cast<short>(0xFF00)));
  }
  static V CmpEq16(V a, V b) { return _mm256_cmpeq_epi16(a, b); }
  static bool AnyBitSet(V a) { return _mm256_movemask_epi8(a) != 0; }
  // Bit i set where byte i of a equals byte i of b.
  static std::uint64_t EqualBits(V a, V b) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, b)));
  }
};

}  // namespace

const RowKernelSet* Avx2Kernels() {
  static const RowKernelSet set = MakeKernelSet<Avx2Ops>();
  return &set;
}

}  // namespace folvane::kernels

#pragma GCC pop_options

#else

const folvane::kernels::RowKernelSet* folvane::kernels::Avx2Kernels() { return nullptr; }

#endif
