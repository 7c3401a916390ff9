#pragma once
// Components: objects owned by another component and freed with it, with
// the "being loaded" and "being destroyed" states forms are built in.

#include <string>
#include <vector>

namespace folvane {

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual const wchar_t* ClassName() const { return L"TComponent"; }

  std::wstring Name;
  // -98 means "never skin automatically".
  int Tag = 0;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(const std::wstring& name) const;

  bool Loading() const { return loading_; }
  bool Destroying() const { return destroying_; }

  // A form is read in the loading state: its components are created and
  // their properties set, then each receives Loaded in creation order.
  void BeginLoading();
  void EndLoading();

 protected:
  virtual void Loaded() { loading_ = false; }
  // Called first thing by the destructors of classes that must know early.
  void MarkDestroying();

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
  bool loading_ = false;
  bool destroying_ = false;
};

}  // namespace folvane
