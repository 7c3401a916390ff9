#pragma once
// Row kernels of the two integer blend shapes. Each comes as a plain scalar
// reference and as the default entry point, which runs the widest vector
// set the processor has - SSE2 everywhere both Windows builds and x86-64
// run, AVX2 where the processor and system offer it - and gives exactly
// the reference's bytes.
//
// Mask shape:     out = ((x - y) * m + y * 256) >> 8, computed as the
//                 non-negative x * m + y * (256 - m): m = 0 gives y exactly,
//                 m = 255 gives x - (x - y) / 256 rounded down.
// Constant shape: out = (x * a + y * (255 - a) + 127) >> 8.
// Both results lie in 0 ... 65535 before the shift, which is what makes
// them cheap in 16-bit lanes.

#include <cstddef>
#include <cstdint>

#include "runtime/PixelBuffer.h"

namespace folvane::kernels {

// x[i] = constant shape of (x[i], y[i]) with factor a, over `bytes` bytes.
void ConstantBlendRow(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                      std::uint8_t a);
void ConstantBlendRowScalar(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                            std::uint8_t a);

// out[i] = mask shape of (x[i], y[i], m[i]); out may be x.
void MaskBlendRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                  const std::uint8_t* m, std::size_t bytes);
void MaskBlendRowScalar(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                        const std::uint8_t* m, std::size_t bytes);

// out[i] = mask shape of (x[i], y[i]) with one mask value m for every byte.
void MaskBlendConstRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                       std::uint8_t m, std::size_t bytes);
void MaskBlendConstRowScalar(std::uint8_t* out, const std::uint8_t* x,
                             const std::uint8_t* y, std::uint8_t m, std::size_t bytes);

// Over `pixels` 24-bit pixels: x = mask shape of (x, colour channel, m) per
// channel; a white mask keeps x, a black one gives the colour.
void ColorThroughMaskRow(std::uint8_t* x, const std::uint8_t* m, std::size_t pixels,
                         TColor color);
void ColorThroughMaskRowScalar(std::uint8_t* x, const std::uint8_t* m,
                               std::size_t pixels, TColor color);

// Over `pixels` 24-bit pixels: the mask shape of (x, y, m) per channel,
// except that pixels whose y is `key` (all three bytes) keep x.
void MaskBlendKeyedRow(std::uint8_t* x, const std::uint8_t* y, const std::uint8_t* m,
                       std::size_t pixels, TColor key);
void MaskBlendKeyedRowScalar(std::uint8_t* x, const std::uint8_t* y,
                             const std::uint8_t* m, std::size_t pixels, TColor key);

using KeyedRowKernel = void (*)(std::uint8_t* x, const std::uint8_t* y,
                                const std::uint8_t* m, std::size_t pixels, TColor key);

// The five row kernels built for one instruction set.
struct RowKernelSet {
  void (*constantBlend)(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                        std::uint8_t a);
  void (*maskBlend)(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                    const std::uint8_t* m, std::size_t bytes);
  void (*maskBlendConst)(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                         std::uint8_t m, std::size_t bytes);
  void (*colorThroughMask)(std::uint8_t* x, const std::uint8_t* m, std::size_t pixels,
                           TColor color);
  KeyedRowKernel maskBlendKeyed;
};

// Narrowest first.
enum class VectorLevel { Scalar, Sse2, Avx2 };
inline constexpr VectorLevel kVectorLevels[] = {VectorLevel::Scalar, VectorLevel::Sse2,
                                                VectorLevel::Avx2};
const char* VectorLevelName(VectorLevel level);

// The kernels of one instruction set, or null when this build cannot make
// them or this processor cannot run them.
const RowKernelSet* KernelsAt(VectorLevel level);
// The set the default entry points use: the widest one KernelsAt offers.
VectorLevel BestVectorLevel();

// Each instruction set's unit; null where the compiler cannot target it.
const RowKernelSet* Sse2Kernels();
const RowKernelSet* Avx2Kernels();

}  // namespace folvane::kernels
