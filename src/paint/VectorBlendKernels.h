#pragma once
// The vector row kernels, written once over an instruction-set description
// `Ops` (a vector type, its width and the handful of 16-bit and byte
// operations the shapes need) and compiled once per instruction set.
//
// Only the per-instruction-set units include this file, each after it has
// told the compiler which instructions it may use. Everything here has
// internal linkage, so each unit keeps its own copy built for its own
// instructions: a shared inline copy could be the wider one and reach a
// processor that lacks it.
//
// Both shapes are sums that lie in 0 ... 65535, so 16-bit lanes hold them
// exactly and may wrap on the way. Neither widens bytes: each pair of
// bytes stays in its 16-bit lane, the low byte masked out and worked where
// it is, the high byte masked in place (256 * v), where the high half of a
// product with 256 * w is v * w exactly. The high byte of the low lane's
// sum is its result, shifted down; the high lane's sum keeps its result
// where it belongs.
//
// The mask shape is x * m + y * (256 - m) = (y << 8) + m * (x - y) for the
// low bytes (the signed difference times m wrapping while the total does
// not) and (y << 8) + x * m - y * m for the high ones.
//
// The constant shape is x * a + y * (255 - a) + 127, its factors fixed.

#include <cstddef>
#include <cstdint>

#include "paint/BlendKernels.h"

namespace folvane::kernels {
namespace {

template <typename Ops>
struct VectorKernels {
  using V = typename Ops::V;
  static constexpr std::size_t W = Ops::kBytes;

  // Blue, green, red of a colour as the bytes of one pixel.
  struct PixelBytes {
    std::uint8_t b[3];
  };
  static PixelBytes BytesOf(TColor c) {
    return {{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
             static_cast<std::uint8_t>(c)}};
  }

  // Three vectors hold W pixels: the smallest run in which a 3-byte pixel
  // pattern lines up with whole vectors again.
  struct Pattern {
    V v[3];
  };
  // Three vectors of a pattern that repeats every 12 bytes, given as three
  // 32-bit words. Built once per row, so built cheaply.
  static Pattern RepeatWords(std::uint32_t w0, std::uint32_t w1, std::uint32_t w2) {
    alignas(32) std::uint32_t words[3 * W / 4];
    for (std::size_t i = 0; i < 3 * W / 4; ++i) {
      words[i] = w0;
      const std::uint32_t first = w0;
      w0 = w1;
      w1 = w2;
      w2 = first;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(words);
    return {{Ops::Load(bytes), Ops::Load(bytes + W), Ops::Load(bytes + 2 * W)}};
  }

  static Pattern RepeatPixel(PixelBytes px) {
    const std::uint32_t b0 = px.b[0], b1 = px.b[1], b2 = px.b[2];
    return RepeatWords(b0 | b1 << 8 | b2 << 16 | b0 << 24, b1 | b2 << 8 | b0 << 16 | b1 << 24,
                       b2 | b0 << 8 | b1 << 16 | b2 << 24);
  }

  // The mask shape on whole vectors of bytes without unpacking: the even
  // bytes are masked down to their 16-bit lanes and the odd ones masked in
  // place, each worked in its lane. The even result is the high byte of its
  // sum, shifted down. The odd products come from the high halves of
  // (256 v) * (256 m), exact; the odd result is the high byte of its sum,
  // in place, so its low byte is dropped where the two halves merge.
  static V MaskShape(V x, V y, V m) {
    const V lowBytes = Ops::Set16(0x00FF);
    const V even = Ops::ShiftRight8(Ops::Add16(
        Ops::ShiftLeft8(y), Ops::MulLo16(Ops::Sub16(Ops::And(x, lowBytes), Ops::And(y, lowBytes)),
                                         Ops::And(m, lowBytes))));
    const V yHigh = Ops::AndNot(lowBytes, y), mHigh = Ops::AndNot(lowBytes, m);
    const V odd = Ops::Sub16(Ops::Add16(yHigh, Ops::MulHiU16(Ops::AndNot(lowBytes, x), mHigh)),
                             Ops::MulHiU16(yHigh, mHigh));
    return Ops::MergeLowHigh(even, odd);
  }

  // A quick test that rules out most blocks without a key pixel: each
  // pixel holds one aligned 16-bit word whole (words 0, 2, 3, 5, ... of a
  // block; word 3i + 1 straddles two pixels), and a key pixel's word equals
  // the key's word there. A match is rare in pictures (it needs two of the
  // key's bytes side by side in one pixel) and is confirmed by
  // AnyKeyPixel.
  struct WordCheck {
    Pattern key;
    Pattern inPixel;  // all ones on the words that lie inside one pixel
  };
  static WordCheck MakeWordCheck(const Pattern& key) {
    // Words 0 and 2 of every three, bytes 0, 1, 4, 5 of every six.
    return {key, RepeatWords(0x0000FFFF, 0xFFFFFFFF, 0xFFFF0000)};
  }
  static bool MayHoldKeyPixel(V y0, V y1, V y2, const WordCheck& c) {
    const V m0 = Ops::And(Ops::CmpEq16(y0, c.key.v[0]), c.inPixel.v[0]);
    const V m1 = Ops::And(Ops::CmpEq16(y1, c.key.v[1]), c.inPixel.v[1]);
    const V m2 = Ops::And(Ops::CmpEq16(y2, c.key.v[2]), c.inPixel.v[2]);
    return Ops::AnyBitSet(Ops::Or(Ops::Or(m0, m1), m2));
  }

  // Whether any of the W pixels in y0, y1, y2 equals the key on all three
  // bytes. The 3W byte-equality bits are gathered into 64-bit words, bit i
  // of the run at bit i % 64 of word i / 64; pixel p is the key when bits
  // 3p, 3p + 1 and 3p + 2 are all set, the last two possibly in the next
  // word. As 64 = 3 * 21 + 1, the pixel starts of word k are those of word
  // 0 moved down by k.
  static bool AnyKeyPixel(V y0, V y1, V y2, const Pattern& key) {
    constexpr std::uint64_t kStarts = 0x9249249249249249ull;  // bits 0, 3, ..., 63
    const std::uint64_t e0 = Ops::EqualBits(y0, key.v[0]);
    const std::uint64_t e1 = Ops::EqualBits(y1, key.v[1]);
    const std::uint64_t e2 = Ops::EqualBits(y2, key.v[2]);
    if constexpr (W == 16) {
      const std::uint64_t e = e0 | e1 << 16 | e2 << 32;
      return (e & e >> 1 & e >> 2 & kStarts) != 0;
    } else {
      static_assert(W == 32, "a vector is 16 or 32 bytes");
      const std::uint64_t words[3] = {e0 | e1 << 32, e2, 0};
      std::uint64_t found = 0;
      for (int k = 0; k < 2; ++k) {
        const std::uint64_t w = words[k], next = words[k + 1];
        found |= w & (w >> 1 | next << 63) & (w >> 2 | next << 62) & (kStarts >> k);
      }
      return found != 0;
    }
  }

  static std::size_t ConstantBlend(std::uint8_t* x, const std::uint8_t* y,
                                   std::size_t bytes, std::uint8_t a) {
    const V lowBytes = Ops::Set16(0x00FF);
    const V highBytes = Ops::Set16(static_cast<short>(0xFF00));
    const V aw = Ops::Set16(a), bw = Ops::Set16(static_cast<short>(255 - a));
    const V aHigh = Ops::Set16(static_cast<short>(a << 8));
    const V bHigh = Ops::Set16(static_cast<short>((255 - a) << 8));
    const V rounding = Ops::Set16(127);
    std::size_t i = 0;
    for (; i + W <= bytes; i += W) {
      const V xv = Ops::Load(x + i), yv = Ops::Load(y + i);
      const V low = Ops::Add16(Ops::Add16(Ops::MulLo16(Ops::And(xv, lowBytes), aw),
                                          Ops::MulLo16(Ops::And(yv, lowBytes), bw)),
                               rounding);
      const V high = Ops::Add16(Ops::Add16(Ops::MulHiU16(Ops::And(xv, highBytes), aHigh),
                                           Ops::MulHiU16(Ops::And(yv, highBytes), bHigh)),
                                rounding);
      Ops::Store(x + i, Ops::Or(Ops::ShiftRight8(low), Ops::And(high, highBytes)));
    }
    return i;
  }

  static std::size_t MaskBlend(std::uint8_t* out, const std::uint8_t* x,
                               const std::uint8_t* y, const std::uint8_t* m,
                               std::size_t bytes) {
    std::size_t i = 0;
    for (; i + W <= bytes; i += W)
      Ops::Store(out + i, MaskShape(Ops::Load(x + i), Ops::Load(y + i), Ops::Load(m + i)));
    return i;
  }

  static std::size_t MaskBlendConst(std::uint8_t* out, const std::uint8_t* x,
                                    const std::uint8_t* y, std::uint8_t m,
                                    std::size_t bytes) {
    const V vm = Ops::Set8(static_cast<char>(m));
    std::size_t i = 0;
    for (; i + W <= bytes; i += W)
      Ops::Store(out + i, MaskShape(Ops::Load(x + i), Ops::Load(y + i), vm));
    return i;
  }

  static std::size_t ColorThroughMask(std::uint8_t* x, const std::uint8_t* m,
                                      std::size_t pixels, TColor color) {
    if (pixels < W) return 0;  // narrow spans (borders) skip building the pattern
    const Pattern c = RepeatPixel(BytesOf(color));
    std::size_t p = 0;
    for (; p + W <= pixels; p += W, x += 3 * W, m += 3 * W)
      for (int k = 0; k < 3; ++k)
        Ops::Store(x + W * k, MaskShape(Ops::Load(x + W * k), c.v[k], Ops::Load(m + W * k)));
    return p;
  }

  // Blends whole blocks from pixel `p` on and stops at the end or at the
  // first block that holds a key pixel, returning where it stopped.
  static std::size_t MaskBlendUntilKey(std::uint8_t* x, const std::uint8_t* y,
                                       const std::uint8_t* m, std::size_t p,
                                       std::size_t pixels, const Pattern& k,
                                       const WordCheck& words) {
    for (; p + W <= pixels; p += W) {
      std::uint8_t* xp = x + 3 * p;
      const std::uint8_t* yp = y + 3 * p;
      const std::uint8_t* mp = m + 3 * p;
      const V y0 = Ops::Load(yp), y1 = Ops::Load(yp + W), y2 = Ops::Load(yp + 2 * W);
      if (MayHoldKeyPixel(y0, y1, y2, words) && AnyKeyPixel(y0, y1, y2, k)) break;
      Ops::Store(xp, MaskShape(Ops::Load(xp), y0, Ops::Load(mp)));
      Ops::Store(xp + W, MaskShape(Ops::Load(xp + W), y1, Ops::Load(mp + W)));
      Ops::Store(xp + 2 * W, MaskShape(Ops::Load(xp + 2 * W), y2, Ops::Load(mp + 2 * W)));
    }
    return p;
  }

  // Blocks holding a key pixel are left to `keyed`, the reference: key
  // pixels are rare (corners of borders).
  static std::size_t MaskBlendKeyed(std::uint8_t* x, const std::uint8_t* y,
                                    const std::uint8_t* m, std::size_t pixels, TColor key,
                                    KeyedRowKernel keyed) {
    if (pixels < W) return 0;  // narrow spans (borders) skip building the patterns
    const Pattern k = RepeatPixel(BytesOf(key));
    const WordCheck words = MakeWordCheck(k);
    std::size_t p = 0;
    while ((p = MaskBlendUntilKey(x, y, m, p, pixels, k, words)) + W <= pixels) {
      keyed(x + 3 * p, y + 3 * p, m + 3 * p, W, key);
      p += W;
    }
    return p;
  }
};

// The kernel set of one instruction set: each entry runs the vector part
// and hands the tail to the scalar reference.
template <typename Ops>
RowKernelSet MakeKernelSet() {
  using K = VectorKernels<Ops>;
  RowKernelSet set;
  set.constantBlend = [](std::uint8_t* x, const std::uint8_t* y, std::size_t bytes,
                         std::uint8_t a) {
    const std::size_t i = K::ConstantBlend(x, y, bytes, a);
    ConstantBlendRowScalar(x + i, y + i, bytes - i, a);
  };
  set.maskBlend = [](std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                     const std::uint8_t* m, std::size_t bytes) {
    const std::size_t i = K::MaskBlend(out, x, y, m, bytes);
    MaskBlendRowScalar(out + i, x + i, y + i, m + i, bytes - i);
  };
  set.maskBlendConst = [](std::uint8_t* out, const std::uint8_t* x, const std::uint8_t* y,
                          std::uint8_t m, std::size_t bytes) {
    const std::size_t i = K::MaskBlendConst(out, x, y, m, bytes);
    MaskBlendConstRowScalar(out + i, x + i, y + i, m, bytes - i);
  };
  set.colorThroughMask = [](std::uint8_t* x, const std::uint8_t* m, std::size_t pixels,
                            TColor color) {
    const std::size_t p = K::ColorThroughMask(x, m, pixels, color);
    ColorThroughMaskRowScalar(x + 3 * p, m + 3 * p, pixels - p, color);
  };
  set.maskBlendKeyed = [](std::uint8_t* x, const std::uint8_t* y, const std::uint8_t* m,
                          std::size_t pixels, TColor key) {
    const std::size_t p = K::MaskBlendKeyed(x, y, m, pixels, key, MaskBlendKeyedRowScalar);
    MaskBlendKeyedRowScalar(x + 3 * p, y + 3 * p, m + 3 * p, pixels - p, key);
  };
  return set;
}

}  // namespace
}  // namespace folvane::kernels
