#include "forms/win/vtCtrlAdapter.h"

#include <cstdint>

#include "forms/AdapterChoice.h"
#include "forms/win/vtAdapterFactory.h"
#include "runtime/win/ExtCtrls.h"
#include "runtime/win/Form.h"
#include "skin/SkinModel.h"
#include "skin/win/SkinCommands.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

constexpr int kNeverSkin = -98;

bool IsSkinnedLabel(TLabel* label) {
  const std::wstring name = label->ClassName();
  return TsCommonData::Of(label) != nullptr || name.rfind(L"Ts", 0) == 0;
}

bool AnswersSkinned(TControl* control) {
  return SendSkinCommand(control, SKC_ISSKINNED) == 1;
}

}  // namespace

bool& AdapterWalkInProgress() {
  static bool flag = false;
  return flag;
}

bool& AdapterClearing() {
  static bool flag = false;
  return flag;
}

// --- items

TvtAdapterItem::TvtAdapterItem(TvtCtrlAdapter* adapter, TComponent* control)
    : Control(control), SkinData(std::make_unique<TsCommonData>(control, true)), Adapter(adapter) {
  SkinData->ControlKind = kAdaptedControlKind;
  if (TsSkinManager* manager = adapter->Manager()) SkinData->SetSkinManager(manager);
}

TvtAdapterItem::~TvtAdapterItem() {
  WndAdapter.reset();  // gives the control its window procedure back first
  SkinData.reset();
}

void TvtAdapterItem::Adapt(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || static_cast<std::int16_t>(windowed->TabOrder) == kNeverSkin ||
      !windowed->HandleAllocated())
    return;
  if (windowed->Parent() && AnswersSkinned(windowed)) return;
  Control = control;
  if (!windowed->Parent()) return;
  const int list = Adapter->ListIndexOf(control->ClassName());
  if (list < 0) return;
  const AdapterChoice choice = ChooseListAdapter(list);
  // A list with a section of its own overrides the item's; the others keep
  // the item's and fall back on "EDIT".
  if (!choice.Section.empty()) SkinData->SetSkinSection(choice.Section);
  WndAdapter = CreateWindowAdapter(choice.Kind, windowed->Handle(),
                                   choice.Section.empty() ? L"EDIT" : choice.Section, nullptr,
                                   SkinData.get());
}

// --- the adapter

TvtCtrlAdapter::TvtCtrlAdapter(TForm* form, TsSkinManager* manager)
    : form_(form), manager_(manager) {}

TvtCtrlAdapter::~TvtCtrlAdapter() {
  RemoveDead();
  Clear();
}

TsSkinManager* TvtCtrlAdapter::Manager() const {
  return TsSkinManager::IsLive(manager_) ? manager_ : TsSkinManager::PrimaryManager();
}

int TvtCtrlAdapter::ListIndexOf(const std::wstring& className) const {
  TsSkinManager* manager = Manager();
  if (!manager) return -1;
  for (int i = 0; i < kThirdPartyCount; ++i)
    for (const std::wstring& name : manager->ThirdPartyClasses(i))
      if (name == className) return i;
  return -1;
}

TvtAdapterItem* TvtCtrlAdapter::ItemOf(const TComponent* component) const {
  for (const auto& item : AdaptedItems)
    if (item->Control == component) return item.get();
  return nullptr;
}

bool TvtCtrlAdapter::IsAccepted(TComponent* component) {
  if (!component || component->Tag == kNeverSkin) return false;
  auto* control = dynamic_cast<TControl*>(component);
  auto* windowed = dynamic_cast<TWinControl*>(component);
  if (windowed && (!windowed->HandleAllocated() || AnswersSkinned(windowed))) return false;
  if (dynamic_cast<TLabel*>(component)) {
    bool canBeAdded = true;
    std::wstring section;
    if (OnSkinItem) OnSkinItem(component, canBeAdded, section);
    return canBeAdded;
  }
  if (!control || !windowed) return false;
  return ListIndexOf(component->ClassName()) >= 0;
}

TvtAdapterItem* TvtCtrlAdapter::GetItem(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return AdaptedItems[static_cast<size_t>(index)].get();
}

void TvtCtrlAdapter::Add(TComponent* component) { AddItem(component, DefaultItemSection); }

void TvtCtrlAdapter::AddItem(TComponent* component, const std::wstring& section) {
  auto* control = dynamic_cast<TControl*>(component);
  if (!control || component->Tag == kNeverSkin || !control->Parent() || AnswersSkinned(control))
    return;
  bool canBeAdded = true;
  std::wstring skinSection = section;
  if (OnSkinItem) OnSkinItem(component, canBeAdded, skinSection);
  if (!canBeAdded) return;
  TvtAdapterItem* item = ItemOf(component);
  const bool added = item == nullptr;
  if (added) {
    AdaptedItems.push_back(std::make_unique<TvtAdapterItem>(this, component));
    item = AdaptedItems.back().get();
  }
  if (!skinSection.empty()) item->SkinData->SetSkinSection(skinSection);
  if (!added) {
    if (item->WndAdapter && item->WndAdapter->Released()) {
      item->WndAdapter.reset();
      item->Adapt(control);
    }
    return;
  }
  item->Adapt(control);
  // The item may have been dropped meanwhile by a nested walk.
  if (!AdaptedItems.empty() && AdaptedItems.back().get() == item && !item->WndAdapter)
    AdaptedItems.pop_back();
}

void TvtCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  auto& slot = AdaptedItems[static_cast<size_t>(index)];
  std::unique_ptr<TvtAdapterItem> gone = std::move(slot);
  slot = std::move(AdaptedItems.back());
  AdaptedItems.pop_back();
}

void TvtCtrlAdapter::RemoveDead() {
  std::vector<std::unique_ptr<TvtAdapterItem>> dead;
  for (auto it = AdaptedItems.begin(); it != AdaptedItems.end();) {
    if (!(*it)->WndAdapter || (*it)->WndAdapter->Released()) {
      dead.push_back(std::move(*it));
      it = AdaptedItems.erase(it);
    } else {
      ++it;
    }
  }
}

void TvtCtrlAdapter::Clear() {
  if (AdapterClearing()) return;
  FlagScope clearing(AdapterClearing());
  while (!AdaptedItems.empty()) {
    std::unique_ptr<TvtAdapterItem> last = std::move(AdaptedItems.back());
    AdaptedItems.pop_back();
  }
}

void TvtCtrlAdapter::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The windows first: a message may change the list.
  std::vector<HWND> targets;
  for (const auto& item : AdaptedItems) {
    auto* control = dynamic_cast<TControl*>(item->Control);
    if (item->WndAdapter && !item->WndAdapter->Released() && control && control->Parent())
      targets.push_back(item->WndAdapter->Handle());
  }
  try {
    for (HWND wnd : targets)
      if (IsWindow(wnd)) SendMessageW(wnd, msg, wParam, lParam);
  } catch (...) {
    // A failing window ends the pass; the others are told next time.
  }
}

// --- the walk

void TvtCtrlAdapter::AdaptAll(TWinControl* root) {
  TsSkinManager* manager = Manager();
  if (!manager || !(manager->SkinningRules & srThirdParty) || AdapterWalkInProgress()) return;
  if (!root) root = form_;
  if (!root) return;
  FlagScope walking(AdapterWalkInProgress());
  RemoveDead();
  const std::vector<TComponent*> components = root->Components();
  for (TComponent* component : components) Visit(component);
  const std::vector<TControl*> children = root->Controls();
  for (TControl* child : children) Visit(child);
}

// Every label of this runtime is a TLabel, so owned components and child
// controls follow the same rule.
void TvtCtrlAdapter::Visit(TComponent* component) {
  if (IsAccepted(component)) {
    if (dynamic_cast<TWinControl*>(component)) {
      AddItem(component, L"EDIT");
    } else if (auto* label = dynamic_cast<TLabel*>(component); label && !IsSkinnedLabel(label)) {
      MakeLabelTransparent(label);
    }
  }
  auto* windowed = dynamic_cast<TWinControl*>(component);
  if (!windowed || !windowed->HandleAllocated() || !windowed->Parent()) return;
  AdapterWalkInProgress() = false;
  AdaptAll(windowed);
  AdapterWalkInProgress() = true;
}

void TvtCtrlAdapter::MakeLabelTransparent(TLabel* label) {
  TsSkinManager* primary = TsSkinManager::PrimaryManager();
  if (!primary) return;
  label->Transparent = true;
  label->Font().SetColor(primary->Model().GlobalTextColor());
  label->Invalidate();
}

}  // namespace folvane
