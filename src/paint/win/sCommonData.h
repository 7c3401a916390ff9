#pragma once
// TsCommonData: the skin state that every skinned control and every form
// provider owns (published as SkinData). It binds its owner to a section of
// the skin manager in use, caches the section's indexes, keeps the owner's
// painted face in a 24-bit cache bitmap with the flag that says when that
// face is stale, tracks hover and focus, answers the skin commands on the
// owner's behalf, and answers the background request by which a control
// learns what lies behind it.
//
// An owning control calls, in this order: the constructor (from its own),
// Loaded() when it has its properties and parent (a control made in code
// calls it once placed), InitCacheBitmap() before painting, and
// HandleMessage() first thing in its WindowProc.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "paint/BackgroundInfo.h"
#include "paint/PixelGeometry.h"
#include "runtime/win/Bitmap.h"
#include "runtime/win/Control.h"
#include "runtime/win/Messages.h"
#include "skin/SkinTypes.h"
#include "skin/win/SkinCommands.h"

namespace folvane {

class SkinModel;
class TForm;
class TsSkinManager;

// ControlKind codes that other units test by name.
constexpr int kEditLikeKind = 97;    // a control that behaves as an edit
constexpr int kStatusBarKind = 151;  // "STATUSBAR"

// The section an owner of this kind uses when its SkinSection is empty: the
// kind table, else the owner's class name (upper-cased like any section).
std::wstring DefaultSectionFor(int controlKind, const wchar_t* className);
// Kinds that never become hot by hovering (panels, bars, pages ...).
bool IsContainerKind(int controlKind);
// A section name as SkinSection stores it: upper case, "" becomes "UNKNOWN".
std::wstring NormalizeSectionName(const std::wstring& name);

// Corners for RefreshCornersFromParent.
enum CornerBits : unsigned {
  kCornerTopLeft = 1,
  kCornerBottomLeft = 2,
  kCornerTopRight = 4,
  kCornerBottomRight = 8,
  kAllCorners = 15,
};

// Bits of the flag word answered to SKC_PLAINBG.
constexpr unsigned kPlainBackgroundFlag = 1;

// The record of SKC_GETBACKGROUND (lParam points at it). Rect is in the
// answering control's coordinates. A bitmap answer (Kind 2) lends the
// answering control's own cache: valid while that control lives, and to be
// used at once, never kept.
struct BackgroundRequest {
  TBitmap* Bitmap = nullptr;
  TColor Color = 0;
  int OffsetX = 0;
  int OffsetY = 0;
  RECT Rect{};
  BYTE Kind = 0;       // kBackgroundUnanswered, kBackgroundColor, kBackgroundBitmap
  BYTE PaintInto = 0;  // 1: paint the answer into DC at Rect instead
  HDC DC = nullptr;
};
enum : BYTE { kBackgroundUnanswered = 0, kBackgroundColor = 1, kBackgroundBitmap = 2 };

// Asks a control (windowed by message, graphic by direct dispatch) or a
// window for what lies behind its children; a receiver that does not
// answer gives its colour. Chains of forwarding receivers are cut after a
// fixed depth with a colour answer.
void RequestBackground(TControl* control, BackgroundRequest& request);
void RequestBackground(HWND wnd, BackgroundRequest& request);
// A request's answer as painting takes it (colours converted to RGB).
BackgroundInfo BackgroundFromAnswer(const BackgroundRequest& answer);

class TsCommonData {
 public:
  // `owner` is the control (or form provider) the state belongs to; with
  // `withCache` the cache bitmap exists from the start (empty, 0 x 0).
  TsCommonData(TComponent* owner, bool withCache);
  ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // The skin state of a control, when the control has one.
  static TsCommonData* Of(const TControl* control);

  // --- published properties
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // The stored manager: nullptr means PrimaryManager.
  TsSkinManager* SkinManager() const { return manager_; }
  void SetSkinManager(TsSkinManager* manager);
  const std::wstring& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::wstring& section);

  // --- run-time fields
  bool PaintSuspended = false;
  int FrameMaskIndex = kNoIndex;  // "BORDERSMASK" of the section
  int SectionIndex = kNoIndex;
  int TextureIndex = kNoIndex;     // "PATTERN" (textures only)
  int HotTextureIndex = kNoIndex;  // "HOTPATTERN"
  TControl* PaintedChild = nullptr;
  bool ParentBackgroundForced = false;
  bool BackgroundChanged = true;
  bool OutsideParent = true;
  TControl* HostControl() const { return hostControl_; }
  TComponent* HostObject() const { return hostObject_; }
  // The owner's last painted face (24-bit DIB, the owner's size), or
  // nullptr when created without a cache and InitCacheBitmap never ran.
  // The object lives as long as this state; emptying keeps the object.
  TBitmap* CacheBitmap() const { return cache_.get(); }
  int ControlKind = 0;
  bool FocusLook = false;
  bool Hovered = false;
  unsigned Flags = 0;  // kPlainBackgroundFlag
  bool PlainBackground() const { return (Flags & kPlainBackgroundFlag) != 0; }
  // Bits 0-1: gradient of the normal state (2 mode 0, 1 mode 1, 3 mode 2);
  // bit 2: a texture share.
  int BackgroundKind = 0;

  // Called when a background request is to be answered from the cache
  // while it is stale: the owner repaints its cache there, so that its
  // children see its current face.
  std::function<void()> PrepareCache;

  // A form provider owns the state of its form: commands and colours then
  // go to (and come from) that form; `dropCaptionImage` forgets the
  // provider's cached caption when the section changes.
  void AttachProvider(TForm* form, std::function<void()> dropCaptionImage);
  TForm* ProviderForm() const { return providerForm_; }

  // --- the manager and section in use
  TsSkinManager* UsedManager() const;
  const SkinModel* Model() const;                // of UsedManager, or nullptr
  const TsGeneralData* Section() const;          // SectionIndex's record, or nullptr
  const std::string& SectionName() const { return sectionName_; }  // SkinSection as bytes
  // True when a skin command carrying manager `arg` concerns this state.
  bool ConcernsManager(LPARAM arg) const;

  bool IsSkinned(bool checkActive = false) const;
  void ResolveIndexes();
  void Loaded();
  bool IsHot() const;
  void InitCacheBitmap();
  void Invalidate();
  void SuspendPaint();
  void ResumePaint();
  bool IsPaintSuspended() const;
  bool NeedsFullRepaint() const;
  bool HasComplexBackground() const;
  void UpdatePlainBackground(bool propagate);
  TColor ControlBackColor(bool hot) const;
  // What lies behind the owner, in its parent's coordinates: callers paint
  // with the owner's (Left, Top) as offset point.
  BackgroundInfo GetBackground() const;
  // The same for a bare window: asks its parent window.
  static BackgroundInfo GetBackground(HWND wnd);
  // The answer to SKC_GETBACKGROUND; `wnd` is the window asked when the
  // owner is not a control (window adapters).
  void AnswerBackground(BackgroundRequest& request, int state, HWND wnd = nullptr);
  bool DependsOnParentBackground() const;
  void RefreshCornersFromParent(int state, unsigned corners = kAllCorners);

  // Skin commands and the platform messages this state follows. True when
  // the message is answered (m.result set) and the owner must not pass it
  // on. A windowed owner's children receive SKC_NEWSKIN, SKC_REMOVESKIN,
  // SKC_REFRESH and SKC_STOPANIMATION from here (the owner must not walk
  // them again); SKC_STOPANIMATION itself is left to the owner (false).
  bool HandleMessage(Message& m);
  bool HandleSkinCommand(Message& m);

  // The owner's colour as the skin sees it.
  TColor OwnerColor() const;
  bool IsEditLike() const;

 private:
  void ObservePlatformMessage(const Message& m);
  void MouseEntered(TWinControl* windowed);
  void ParentBackgroundChanged(bool redraw);
  void SkinLoaded();
  void SkinRemoved(TsSkinManager* sender);
  void SkinApplied();
  void AnnounceOwnLook();
  void ApplySectionColors();
  LRESULT SendToOwner(WORD code, LPARAM arg = 0, WORD low = 0) const;
  bool OwnerBusy() const;
  TWinControl* OwnerParent() const;
  bool GraphicBackgroundAnswer() const;
  TColor BackgroundColorAnswer() const;
  void EmptyCache();

  TComponent* hostObject_;
  TControl* hostControl_;
  TForm* providerForm_ = nullptr;
  std::function<void()> dropCaptionImage_;
  std::unique_ptr<TBitmap> cache_;
  TsSkinManager* manager_ = nullptr;
  std::wstring skinSection_;
  std::string sectionName_;
  bool customColor_ = false;
  bool customFont_ = false;
};

// Paints the owner's section into `rect` of the 24-bit `bitmap` over
// `background` (`offset`: where rect's origin lies inside the background):
// background with the cached textures (or the owner's colour when
// CustomColor), the border mask (in state 0 only when it asks for it), the
// corner images. Nothing for an unskinned state or a rectangle outside the
// bitmap.
void PaintControlSection(const TsCommonData& data, const BackgroundInfo& background,
                         bool fillCentre, bool fillCorners, PixelBuffer& bitmap,
                         PixelPoint offset, PixelRect rect, int state);

// Copies the cache of `data` from `sourceOrigin` into `rect` of `dc`,
// leaving out the graphic children of `parent` (their bounds shifted by the
// offsets), which paint themselves afterwards. The DC comes back as it was.
void CopyCacheToDC(TWinControl* parent, TsCommonData& data, POINT sourceOrigin, int offsetY,
                   int offsetX, bool refreshCorners, HDC dc, const RECT& rect);
// The same for a bare window: every visible child window is left out, a
// group box only with its frame (caption strip and border widths).
void CopyCacheToDC(HWND wnd, TsCommonData& data, POINT sourceOrigin, int offsetY, int offsetX,
                   bool refreshCorners, HDC dc, const RECT& rect);

}  // namespace folvane
