#include "runtime/win/Component.h"

#include <algorithm>

namespace folvane {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) {
    owner_->components_.push_back(this);
    loading_ = owner_->loading_;
  }
}

TComponent::~TComponent() {
  MarkDestroying();
  // Owned components go in reverse creation order; each unlinks itself.
  while (!components_.empty()) delete components_.back();
  if (owner_) {
    auto& list = owner_->components_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void TComponent::MarkDestroying() {
  destroying_ = true;
  for (TComponent* c : components_) c->MarkDestroying();
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  for (TComponent* c : components_)
    if (c->Name == name) return c;
  return nullptr;
}

void TComponent::BeginLoading() {
  loading_ = true;
  for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
  // In creation order: the root first, so that its components already see
  // it loaded. Copy: a Loaded handler may create further components.
  const std::vector<TComponent*> created = components_;
  Loaded();
  for (TComponent* c : created) c->Loaded();
}

}  // namespace folvane
