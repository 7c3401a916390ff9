#pragma once
// Owns one reference to a COM interface and keeps the live count of COM
// references the program holds, so tests can compare counts before and after.

#include <utility>

#include "runtime/win/HandleCount.h"

namespace folvane {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) HandleCount::Created(HandleKind::Com);
  }
  // Adds a reference of its own.
  static ComPtr Share(T* p) {
    if (p) p->AddRef();
    return ComPtr(p);
  }
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr& o) : ComPtr(Share(o.p_)) {}
  ComPtr& operator=(const ComPtr& o) {
    if (this != &o) *this = Share(o.p_);
    return *this;
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      Reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  void Reset() {
    if (!p_) return;
    p_->Release();
    p_ = nullptr;
    HandleCount::Released(HandleKind::Com);
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace folvane
