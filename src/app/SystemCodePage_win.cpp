#include <windows.h>

#include <climits>

#include "app/SystemCodePage.h"

namespace folvane {

namespace {

class SystemCodePage final : public CodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
    return text;
  }

  bool Encode(std::wstring_view text, std::string& bytes) const override {
    bytes.clear();
    if (text.empty()) return true;
    if (text.size() > INT_MAX) return false;
    // A UTF-8 system code page holds every character; it takes neither the
    // best-fit flag nor the used-default answer, but refuses lone surrogates.
    const bool utf8 = GetACP() == CP_UTF8;
    const UINT codePage = utf8 ? CP_UTF8 : CP_ACP;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultAnswer = utf8 ? nullptr : &usedDefault;
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, usedDefaultAnswer);
    if (length <= 0 || usedDefault) return false;
    bytes.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, usedDefaultAnswer);
    return !usedDefault;
  }
};

}  // namespace

std::unique_ptr<CodePage> MakeSystemCodePage() { return std::make_unique<SystemCodePage>(); }

}  // namespace folvane
