// The provider's control adapter: the form's standard controls skinned
// through window adapters.
#include "forms/win/sSkinProvider.h"
#include "forms/win/vtCtrlAdapter.h"

namespace folvane {

void TsSkinProvider::CreateCtrlAdapter() {
  if (Loading() || Destroying() || !form_ || !SkinData.IsSkinned(true)) return;
  if (!CtrlAdapter) {
    CtrlAdapter = std::make_unique<TvtCtrlAdapter>(form_, SkinData.SkinManager());
    CtrlAdapter->OnSkinItem = [this](TComponent* item, bool& canBeAdded, std::wstring& section) {
      if (OnSkinItem) OnSkinItem(item, canBeAdded, section);
    };
  }
  CtrlAdapter->AdaptAll();
}

}  // namespace folvane
