#pragma once
// TvtCtrlAdapter: skins the standard controls of a form without changing
// their classes. It walks the form, looks each control's class name up in
// the skin manager's ThirdParty class lists and gives every listed control
// a TvtAdapterItem: a skin state and the window adapter of its list. Plain
// labels become transparent in the skin's text colour.
//
// A form's skin provider owns one and walks it on the occasions that may
// bring new controls (skin changes, showing, created children).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/win/vtMainWnd.h"
#include "paint/win/sCommonData.h"

namespace folvane {

class TForm;
class TLabel;
class TsSkinManager;
class TvtCtrlAdapter;

// The skin-state kind of adapted controls.
constexpr int kAdaptedControlKind = 227;

class TvtAdapterItem {
 public:
  TvtAdapterItem(TvtCtrlAdapter* adapter, TComponent* control);
  virtual ~TvtAdapterItem();
  TvtAdapterItem(const TvtAdapterItem&) = delete;
  TvtAdapterItem& operator=(const TvtAdapterItem&) = delete;

  // Gives the control the window adapter of the first class list naming
  // its class.
  virtual void Adapt(TControl* control);

  TComponent* Control;
  std::unique_ptr<TsCommonData> SkinData;
  TvtCtrlAdapter* Adapter;
  AdapterPtr WndAdapter;
};

// What the form's provider may decide for each control (OnSkinItem).
using TvtSkinItemEvent =
    std::function<void(TComponent* item, bool& canBeAdded, std::wstring& skinSection)>;

class TvtCtrlAdapter {
 public:
  // `manager`: none means the primary manager.
  explicit TvtCtrlAdapter(TForm* form, TsSkinManager* manager = nullptr);
  virtual ~TvtCtrlAdapter();
  TvtCtrlAdapter(const TvtCtrlAdapter&) = delete;
  TvtCtrlAdapter& operator=(const TvtCtrlAdapter&) = delete;

  std::wstring DefaultItemSection;
  std::vector<std::unique_ptr<TvtAdapterItem>> AdaptedItems;
  TvtSkinItemEvent OnSkinItem;

  TForm* Form() const { return form_; }
  TsSkinManager* Manager() const;

  virtual bool IsAccepted(TComponent* component);
  // None for an index out of range.
  virtual TvtAdapterItem* GetItem(int index);
  virtual void Add(TComponent* component);
  virtual void AddItem(TComponent* component, const std::wstring& section);
  // Order not kept: the last item takes the place.
  virtual void RemoveItem(int index);
  virtual void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);

  // Adapts what is accepted among root's components and child controls,
  // and theirs (root: the form when none).
  void AdaptAll(TWinControl* root = nullptr);
  int Count() const { return static_cast<int>(AdaptedItems.size()); }
  // Drops items whose window adapter is gone or has let go of its window.
  void RemoveDead();
  void Clear();

  // The index of the first class list naming `className`, or -1.
  int ListIndexOf(const std::wstring& className) const;
  TvtAdapterItem* ItemOf(const TComponent* component) const;

 private:
  void Visit(TComponent* component);
  void MakeLabelTransparent(TLabel* label);

  TForm* form_;
  TsSkinManager* manager_;
};

// Re-entry guards of the walk and of Clear (process-wide).
bool& AdapterWalkInProgress();
bool& AdapterClearing();

}  // namespace folvane
