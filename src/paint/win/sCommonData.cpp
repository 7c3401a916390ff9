#include "paint/win/sCommonData.h"

#include <algorithm>
#include <exception>
#include <unordered_map>

#include "paint/PaintColor.h"
#include "runtime/win/Form.h"
#include "runtime/win/StdCtrls.h"
#include "skin/SkinModel.h"
#include "skin/win/sSkinManager.h"

namespace folvane {

namespace {

struct KindRange {
  int first, last;
  const wchar_t* section;
};

constexpr KindRange kDefaultSections[] = {
    {2, 8, L"EDIT"},          {10, 10, L"EDIT"},        {41, 41, L"EDIT"},
    {76, 76, L"EDIT"},        {78, 78, L"EDIT"},        {83, 84, L"EDIT"},
    {96, 97, L"EDIT"},        {131, 131, L"EDIT"},      {140, 140, L"EDIT"},
    {227, 227, L"EDIT"},      {11, 18, L"COMBOBOX"},    {81, 82, L"COMBOBOX"},
    {19, 19, L"BAR"},         {20, 20, L"BARTITLE"},    {32, 32, L"CHECKBOX"},
    {152, 152, L"CHECKBOX"},  {33, 33, L"RADIOBUTTON"}, {51, 51, L"PANEL"},
    {59, 59, L"PANEL"},       {68, 68, L"PANEL"},       {73, 73, L"PANEL"},
    {52, 52, L"PANEL_LOW"},   {58, 58, L"PANEL_LOW"},   {53, 54, L"TOOLBAR"},
    {60, 60, L"TOOLBAR"},     {56, 56, L"DRAGBAR"},     {57, 57, L"TABSHEET"},
    {74, 74, L"GROUPBOX"},    {226, 226, L"GROUPBOX"},  {75, 75, L"SPLITTER"},
    {92, 92, L"SPEEDBUTTON"}, {95, 95, L"SPEEDBUTTON"}, {93, 94, L"BUTTON"},
    {98, 98, L"TOOLBUTTON"},  {141, 141, L"PAGECONTROL"}, {143, 143, L"PAGECONTROL"},
    {151, 151, L"STATUSBAR"}, {161, 161, L"GAUGE"},     {165, 165, L"TRACKBAR"},
};

// Section names are Latin-1 bytes in the skin; anything beyond cannot match.
std::string SectionBytes(const std::wstring& name) {
  std::string out;
  out.reserve(name.size());
  for (wchar_t c : name) out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  return out;
}

std::unordered_map<const TControl*, TsCommonData*>& Registry() {
  static std::unordered_map<const TControl*, TsCommonData*> map;
  return map;
}

}  // namespace

std::wstring DefaultSectionFor(int controlKind, const wchar_t* className) {
  for (const KindRange& r : kDefaultSections)
    if (controlKind >= r.first && controlKind <= r.last) return r.section;
  return NormalizeSectionName(className ? className : L"");
}

bool IsContainerKind(int controlKind) {
  return controlKind == 19 || (controlKind >= 51 && controlKind <= 74) || controlKind == 110 ||
         (controlKind >= 141 && controlKind <= 161);
}

std::wstring NormalizeSectionName(const std::wstring& name) {
  if (name.empty()) return L"UNKNOWN";
  std::wstring upper = name;
  for (wchar_t& c : upper)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return upper;
}

// --- construction

TsCommonData::TsCommonData(TComponent* owner, bool withCache)
    : hostObject_(owner), hostControl_(dynamic_cast<TControl*>(owner)) {
  if (withCache) cache_ = std::make_unique<TBitmap>();
  if (hostControl_) Registry()[hostControl_] = this;
}

TsCommonData::~TsCommonData() {
  if (hostControl_) {
    auto it = Registry().find(hostControl_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
  }
}

TsCommonData* TsCommonData::Of(const TControl* control) {
  auto it = Registry().find(control);
  return it == Registry().end() ? nullptr : it->second;
}

void TsCommonData::AttachProvider(TForm* form, std::function<void()> dropCaptionImage) {
  providerForm_ = form;
  dropCaptionImage_ = std::move(dropCaptionImage);
}

// --- the manager and section in use

TsSkinManager* TsCommonData::UsedManager() const {
  // A manager of its own that has gone away counts as none.
  return TsSkinManager::IsLive(manager_) ? manager_ : TsSkinManager::PrimaryManager();
}

const SkinModel* TsCommonData::Model() const {
  TsSkinManager* m = UsedManager();
  return m ? &m->Model() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
  const SkinModel* model = Model();
  return model ? model->Section(SectionIndex) : nullptr;
}

bool TsCommonData::ConcernsManager(LPARAM arg) const {
  return reinterpret_cast<TsSkinManager*>(arg) == UsedManager();
}

bool TsCommonData::IsSkinned(bool checkActive) const {
  TsSkinManager* m = UsedManager();
  if (!m || m->Destroying() || hostObject_->Destroying()) return false;
  if (!m->Model().SectionIndexValid(SectionIndex)) return false;
  return !checkActive || m->SkinActive();
}

bool TsCommonData::OwnerBusy() const {
  return hostObject_->Loading() || hostObject_->Destroying();
}

TWinControl* TsCommonData::OwnerParent() const {
  return hostControl_ ? hostControl_->Parent() : nullptr;
}

TColor TsCommonData::OwnerColor() const {
  if (hostControl_) return hostControl_->Color();
  if (providerForm_) return providerForm_->Color();
  return clBtnFace;
}

bool TsCommonData::IsEditLike() const {
  return ControlKind == kEditLikeKind || dynamic_cast<TEdit*>(hostControl_) != nullptr;
}

LRESULT TsCommonData::SendToOwner(WORD code, LPARAM arg, WORD low) const {
  TControl* target = hostControl_ ? hostControl_ : providerForm_;
  return SendSkinCommand(target, code, arg, low);
}

// --- published properties

void TsCommonData::SetSkinSection(const std::wstring& section) {
  const std::wstring name = NormalizeSectionName(section);
  if (name == skinSection_) return;
  skinSection_ = name;
  sectionName_ = SectionBytes(name);
  const SkinModel* model = Model();
  if (model && !model->Sections().empty()) {
    ResolveIndexes();
  } else {
    SectionIndex = kNoIndex;
  }
  if (providerForm_) {
    BackgroundChanged = true;
    if (dropCaptionImage_) dropCaptionImage_();
  }
  AnnounceOwnLook();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  if (manager == TsSkinManager::PrimaryManager()) manager = nullptr;
  if (manager == manager_) return;
  manager_ = manager;
  ResolveIndexes();
  AnnounceOwnLook();
}

// Tells the owner that its look changed: the skin applies (command 3) or
// no longer does (command 2).
void TsCommonData::AnnounceOwnLook() {
  if (OwnerBusy()) return;
  if (hostControl_ ? !hostControl_->Parent() : !providerForm_) return;
  const LPARAM manager = reinterpret_cast<LPARAM>(UsedManager());
  SendToOwner(Model() && Model()->SectionIndexValid(SectionIndex) ? SKC_REFRESH : SKC_REMOVESKIN,
              manager);
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (!value && IsEditLike() && IsSkinned() && hostControl_)
    hostControl_->SetColor(Section()->Color);
  Invalidate();
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  if (!value && IsEditLike() && IsSkinned() && hostControl_)
    hostControl_->Font().SetColor(Section()->FontColor);
  Invalidate();
}

// --- indexes

void TsCommonData::ResolveIndexes() {
  BackgroundChanged = true;
  const SkinModel* model = Model();
  SectionIndex = model ? model->FindSection(sectionName_) : kNoIndex;
  BackgroundKind = 0;
  Flags &= ~kPlainBackgroundFlag;
  const TsGeneralData* s = model ? model->Section(SectionIndex) : nullptr;
  if (!s) {
    TextureIndex = kNoIndex;
    HotTextureIndex = kNoIndex;
    return;
  }
  if (s->GradientPercent > 0 && !s->GradientArray.empty()) {
    switch (s->GradientArray.front().Mode) {
      case 0: BackgroundKind = 2; break;
      case 1: BackgroundKind = 1; break;
      case 2: BackgroundKind = 3; break;
      default: break;
    }
  }
  if (s->ImagePercent > 0) BackgroundKind |= 4;
  FrameMaskIndex = model->FindMask(SectionIndex, sectionName_, "BORDERSMASK");
  TextureIndex = model->FindTextureMask(SectionIndex, sectionName_, "PATTERN");
  HotTextureIndex = model->FindTextureMask(SectionIndex, sectionName_, "HOTPATTERN");
  UpdatePlainBackground(false);
}

void TsCommonData::Loaded() {
  if (skinSection_.empty()) {
    skinSection_ = DefaultSectionFor(ControlKind, hostObject_->ClassName());
    sectionName_ = SectionBytes(skinSection_);
  }
  ResolveIndexes();
  if (!IsSkinned() || !OwnerParent()) return;
  if (hostControl_->IsWindowed())
    SendSkinCommand(hostControl_->ParentForm(), SKC_ADAPTCONTROL,
                    reinterpret_cast<LPARAM>(hostControl_));
  if (IsEditLike()) ApplySectionColors();
}

void TsCommonData::ApplySectionColors() {
  const TsGeneralData* s = Section();
  if (!s || !hostControl_) return;
  if (!customColor_) hostControl_->SetColor(s->Color);
  if (!customFont_) {
    hostControl_->Font().SetColor(s->FontColor);
    hostControl_->Invalidate();
  }
}

// --- state

bool TsCommonData::IsHot() const {
  if (!hostControl_ || hostControl_->Destroying() || !hostControl_->Enabled()) return false;
  if (FocusLook) return true;
  if (hostControl_->IsWindowed() && static_cast<TWinControl*>(hostControl_)->Focused())
    return true;
  return Hovered && !IsContainerKind(ControlKind);
}

void TsCommonData::InitCacheBitmap() {
  if (!cache_) cache_ = std::make_unique<TBitmap>();
  int w = 0, h = 0;
  if (TControl* c = hostControl_ ? hostControl_ : providerForm_) {
    w = c->Width();
    h = c->Height();
  }
  if (cache_->Width() == w && cache_->Height() == h &&
      cache_->Pixels().Format() == PixelFormat::Bgr24)
    return;
  try {
    *cache_ = w > 0 && h > 0 ? TBitmap(w, h, PixelFormat::Bgr24) : TBitmap();
  } catch (const std::exception&) {
    // A size the system refuses: no face to keep, painting paints less.
    *cache_ = TBitmap();
  }
}

void TsCommonData::EmptyCache() {
  if (cache_) *cache_ = TBitmap();
}

void TsCommonData::Invalidate() {
  BackgroundChanged = true;
  if (OwnerBusy()) return;
  if (hostControl_) {
    if (hostControl_->Visible()) hostControl_->Invalidate();
  } else if (providerForm_ && providerForm_->HandleAllocated()) {
    RedrawWindow(providerForm_->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TsCommonData::SuspendPaint() {
  PaintSuspended = true;
  SendToOwner(SKC_UPDATINGSTARTED);
}

void TsCommonData::ResumePaint() {
  PaintSuspended = false;
  SendToOwner(SKC_UPDATINGENDED);
}

bool TsCommonData::IsPaintSuspended() const {
  if (!UsedManager()) return false;
  if (!NeedsFullRepaint() || !hostControl_ || hostControl_->Destroying()) return PaintSuspended;
  if (PaintSuspended) return true;
  if (TWinControl* parent = hostControl_->Parent())
    return SendSkinCommand(parent, SKC_ISBGCHANGED) != 0;
  return true;
}

bool TsCommonData::NeedsFullRepaint() const {
  return FormAnimating || !PlainBackground() || IsHot();
}

}  // namespace folvane
