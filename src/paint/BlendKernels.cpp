#include "paint/BlendKernels.h"

namespace folvane::kernels {

namespace {

inline std::uint8_t ConstantShape(unsigned x, unsigned y, unsigned a) {
  return static_cast<std::uint8_t>((x * a + y * (255 - a) + 127) >> 8);
}

inline std::uint8_t MaskShape(unsigned x, unsigned y, unsigned m) {
  return static_cast<std::uint8_t>((x * m + y * (256 - m)) >> 8);
}

// Blue, green, red of a colour as the bytes of one pixel.
struct PixelBytes {
  std::uint8_t b[3];
};
inline PixelBytes BytesOf(TColor c) {
  return {{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
           static_cast<std::uint8_t>(c)}};
}

}  // namespace

void ConstantBlendRowScalar(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                            std::uint8_t a) {
  for (std::size_t i = 0; i < bytes; ++i) x[i] = ConstantShape(x[i], y[i], a);
}

void MaskBlendRowScalar(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                        const std::uint8_t* m, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = MaskShape(x[i], y[i], m[i]);
}

void MaskBlendConstRowScalar(std::uint8_t* out, const std::uint8_t* x,
                             const std::uint8_t* y, std::uint8_t m, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = MaskShape(x[i], y[i], m);
}

void ColorThroughMaskRowScalar(std::uint8_t* x, const std::uint8_t* m,
                               std::size_t pixels, TColor color) {
  const PixelBytes c = BytesOf(color);
  for (std::size_t p = 0; p < pixels; ++p, x += 3, m += 3)
    for (int ch = 0; ch < 3; ++ch) x[ch] = MaskShape(x[ch], c.b[ch], m[ch]);
}

void MaskBlendKeyedRowScalar(std::uint8_t* x, const std::uint8_t* y,
                             const std::uint8_t* m, std::size_t pixels, TColor key) {
  const PixelBytes k = BytesOf(key);
  for (std::size_t p = 0; p < pixels; ++p, x += 3, y += 3, m += 3) {
    if (y[0] == k.b[0] && y[1] == k.b[1] && y[2] == k.b[2]) continue;
    for (int ch = 0; ch < 3; ++ch) x[ch] = MaskShape(x[ch], y[ch], m[ch]);
  }
}

namespace {

const RowKernelSet* ScalarKernels() {
  static const RowKernelSet set{ConstantBlendRowScalar, MaskBlendRowScalar,
                                MaskBlendConstRowScalar, ColorThroughMaskRowScalar,
                                MaskBlendKeyedRowScalar};
  return &set;
}

// Whether this processor runs `level`; for AVX2 also whether the system
// saves the wide registers, which the compiler's check reads as well.
bool ProcessorHas(VectorLevel level) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  __builtin_cpu_init();
  switch (level) {
    case VectorLevel::Scalar: return true;
    case VectorLevel::Sse2: return __builtin_cpu_supports("sse2");
    case VectorLevel::Avx2: return __builtin_cpu_supports("avx2");
  }
  return false;
#else
  return level == VectorLevel::Scalar;
#endif
}

const RowKernelSet* BuiltKernels(VectorLevel level) {
  switch (level) {
    case VectorLevel::Scalar: return ScalarKernels();
    case VectorLevel::Sse2: return Sse2Kernels();
    case VectorLevel::Avx2: return Avx2Kernels();
  }
  return nullptr;
}

const RowKernelSet& Best() {
  static const RowKernelSet* best = KernelsAt(BestVectorLevel());
  return *best;
}

}  // namespace

const char* VectorLevelName(VectorLevel level) {
  switch (level) {
    case VectorLevel::Scalar: return "scalar";
    case VectorLevel::Sse2: return "SSE2";
    case VectorLevel::Avx2: return "AVX2";
  }
  return "?";
}

const RowKernelSet* KernelsAt(VectorLevel level) {
  return ProcessorHas(level) ? BuiltKernels(level) : nullptr;
}

VectorLevel BestVectorLevel() {
  static const VectorLevel best = [] {
    VectorLevel level = VectorLevel::Scalar;
    for (VectorLevel l : kVectorLevels)
      if (KernelsAt(l)) level = l;
    return level;
  }();
  return best;
}

void ConstantBlendRow(std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                      std::uint8_t a) {
  Best().constantBlend(x, y, bytes, a);
}

void MaskBlendRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                  const std::uint8_t* m, std::size_t bytes) {
  Best().maskBlend(out, x, y, m, bytes);
}

void MaskBlendConstRow(std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                       std::uint8_t m, std::size_t bytes) {
  Best().maskBlendConst(out, x, y, m, bytes);
}

void ColorThroughMaskRow(std::uint8_t* x, const std::uint8_t* m, std::size_t pixels,
                         TColor color) {
  Best().colorThroughMask(x, m, pixels, color);
}

void MaskBlendKeyedRow(std::uint8_t* x, const std::uint8_t* y, const std::uint8_t* m,
                       std::size_t pixels, TColor key) {
  Best().maskBlendKeyed(x, y, m, pixels, key);
}

}  // namespace folvane::kernels
