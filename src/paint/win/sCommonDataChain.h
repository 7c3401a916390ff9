#pragma once
// A guard for questions that travel up the parent chain (background
// requests, colours, "does my background depend on yours"). Each receiver
// may ask its own parent again; the chain is cut at a fixed depth, so that a
// loop of windows that answer for one another cannot exhaust the stack.

namespace folvane {

class ParentChainStep {
 public:
  static constexpr int kMaxDepth = 32;
  ParentChainStep() { ++depth(); }
  ~ParentChainStep() { --depth(); }
  ParentChainStep(const ParentChainStep&) = delete;
  ParentChainStep& operator=(const ParentChainStep&) = delete;
  // False when this step is one too many: answer without asking further.
  bool Allowed() const { return depth() <= kMaxDepth; }

 private:
  static int& depth() {
    static int value = 0;  // the user-interface thread is the only asker
    return value;
  }
};

}  // namespace folvane
