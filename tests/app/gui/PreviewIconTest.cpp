// The preview shows real-world icon files at 32 x 32 from the image that
// fits best, reads a desktop.ini's relative "IconFile" against its folder,
// and still refuses files that are no icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/About.h"
#include "app/win/FrmMain.h"
#include "app/win/PreviewIcon.h"
#include "runtime/Exception.h"
#include "runtime/win/HandleCount.h"
#include "runtime/win/ImageFile.h"
#include "support/GuiTest.h"

using namespace folvane;
using namespace folvane::testing;

namespace {

// One image of a test icon: `corner` fills the top-left quarter, `color`
// the rest, so a preview that shows only the corner of a large image is
// told from one that shows the whole image.
struct ImageShape {
  int size;
  COLORREF color;
  COLORREF corner;
  bool png;
};

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

COLORREF PixelColor(const ImageShape& s, int x, int y) { return x < s.size / 2 && y < s.size / 2 ? s.corner : s.color; }

std::string ReadAll(const std::wstring& path) { return folvane::testing::ReadFileBytes(path); }

std::string PngImage(const ImageShape& s, const std::wstring& scratch) {
  TBitmap bitmap(s.size, s.size, PixelFormat::Bgra32);
  for (int y = 0; y < s.size; ++y) {
    for (int x = 0; x < s.size; ++x) {
      std::uint8_t* p = bitmap.Pixels().Pixel(x, y);
      const COLORREF c = PixelColor(s, x, y);
      p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c), p[3] = 0xFF;
    }
  }
  EXPECT_TRUE(SavePng(bitmap, scratch));
  return ReadAll(scratch);
}

// A 32-bit DIB image as icon editors write it: bottom-up colour rows, then
// the mask (all opaque).
std::string DibImage(const ImageShape& s) {
  std::string image;
  const int maskStride = (s.size + 31) / 32 * 4;
  Put(image, 40, 4), Put(image, s.size, 4), Put(image, 2 * s.size, 4), Put(image, 1, 2), Put(image, 32, 2);
  Put(image, 0, 4), Put(image, s.size * s.size * 4 + maskStride * s.size, 4);
  image += std::string(16, '\0');
  for (int y = s.size - 1; y >= 0; --y) {
    for (int x = 0; x < s.size; ++x) {
      const COLORREF c = PixelColor(s, x, y);
      image += static_cast<char>(GetBValue(c)), image += static_cast<char>(GetGValue(c));
      image += static_cast<char>(GetRValue(c)), image += '\xff';
    }
  }
  return image + std::string(static_cast<std::size_t>(maskStride) * s.size, '\0');
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

void WriteIcon(const std::wstring& path, const std::vector<ImageShape>& shapes, const std::wstring& scratch) {
  std::string directory, data;
  Put(directory, 0, 2), Put(directory, 1, 2), Put(directory, static_cast<std::uint32_t>(shapes.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * shapes.size());
  for (const ImageShape& s : shapes) {
    const std::string image = s.png ? PngImage(s, scratch) : DibImage(s);
    directory += static_cast<char>(s.size >= 256 ? 0 : s.size);
    directory += static_cast<char>(s.size >= 256 ? 0 : s.size);
    Put(directory, 0, 2), Put(directory, 1, 2), Put(directory, 32, 2);
    Put(directory, static_cast<std::uint32_t>(image.size()), 4), Put(directory, offset, 4);
    offset += static_cast<std::uint32_t>(image.size());
    data += image;
  }
  WriteBytes(path, directory + data);
}

struct IconPixels {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

IconPixels ReadIcon(HICON icon) {
  IconPixels result;
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return result;
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  result.width = bm.bmWidth, result.height = bm.bmHeight;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight * 4);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  for (std::size_t i = 0; i < bits.size(); i += 4) result.pixels.push_back(RGB(bits[i + 2], bits[i + 1], bits[i]));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return result;
}

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 220, 0);

class PreviewIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm1(Application);
    form->AboutBox = new TAboutBox(Application);
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form->AboutBox;
    delete form;
    Pump();
  }
  TempFolder dir;
  TForm1* form = nullptr;
};

TEST_F(PreviewIcon, ShowsTheBestImageAt32) {
  const struct {
    const char* name;
    std::vector<ImageShape> images;
    COLORREF corner, centre;
  } cases[] = {
      {"16 first, 32 later", {{16, kRed, kRed, false}, {32, kGreen, kYellow, false}}, kYellow, kGreen},
      {"256 PNG first", {{256, kBlue, kRed, true}, {16, kGreen, kGreen, false}}, kRed, kBlue},
      {"48 only", {{48, kYellow, kGreen, false}}, kGreen, kYellow},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring path = dir.File(L"icon" + std::to_wstring(++n) + L".ico");
    WriteIcon(path, c.images, dir.File(L"scratch.png"));
    ModalWatcher watcher;
    form->IconEdt->SetText(path);
    Pump();
    EXPECT_TRUE(watcher.Seen().empty());
    const IconPixels icon = ReadIcon(form->Image1->Icon());
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    // The whole image scaled to 32 x 32: its top-left quarter is the corner.
    EXPECT_EQ(icon.At(4, 4), c.corner);
    EXPECT_EQ(icon.At(24, 24), c.centre);
    EXPECT_EQ(icon.At(24, 4), c.centre);
  }
}

TEST_F(PreviewIcon, LoadingLeavesOnlyTheIconBehind) {
  const std::wstring path = dir.File(L"mixed.ico");
  WriteIcon(path, {{256, kBlue, kRed, true}, {48, kGreen, kGreen, false}}, dir.File(L"scratch.png"));
  const auto before = HandleCount::Take();
  for (int size : {32, 48}) {
    IconHandle icon = LoadPreviewIcon(path, size);
    EXPECT_TRUE(icon);
  }
  EXPECT_EQ(HandleCount::Take(), before);
}

TEST_F(PreviewIcon, PngNamedIcoIsRefusedWithTheErrorBox) {
  const std::wstring path = dir.File(L"picture.ico");
  WriteBytes(path, PngImage({32, kRed, kRed, true}, dir.File(L"scratch.png")));
  EXPECT_THROW(LoadPreviewIcon(path), EInvalidGraphic);

  ModalWatcher watcher;
  form->IconEdt->SetText(path);
  Pump(200);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].caption, L"Folvane 1.0");
  EXPECT_EQ(watcher.Seen()[0].text, L"Icon image is not valid.");
  EXPECT_FALSE(form->Image1->HasPicture());
}

// A relative "IconFile" is read against the folder holding desktop.ini and
// with environment variables expanded; Apply still writes it as typed.
TEST_F(PreviewIcon, RelativeIconFileOfDesktopIniIsShown) {
  CreateDirectoryW(dir.File(L"art").c_str(), nullptr);
  WriteIcon(dir.File(L"art\\folder.ico"), {{32, kGreen, kGreen, false}}, dir.File(L"scratch.png"));
  SetEnvironmentVariableW(L"FOLVANE_TEST_ART", L"art");
  const std::wstring ini = dir.File(L"desktop.ini");
  for (const wchar_t* value : {L"art\\folder.ico", L"%FOLVANE_TEST_ART%\\folder.ico", L".\\art\\folder.ico"}) {
    SCOPED_TRACE(value);
    WritePrivateProfileStringW(L".ShellClassInfo", L"IconFile", value, ini.c_str());
    ModalWatcher watcher;
    form->DirEdt->SetText(L"");
    form->DirEdt->SetText(dir.Path());
    Pump();
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(form->Customizer().IconPath(), value);
    EXPECT_EQ(ReadIcon(form->Image1->Icon()).At(16, 16), kGreen);
  }
  SetEnvironmentVariableW(L"FOLVANE_TEST_ART", nullptr);

  // Apply keeps the text as typed.
  form->IconEdt->SetText(L"art\\folder.ico");
  SendMessageW(form->sBitBtn1->Handle(), BM_CLICK, 0, 0);
  Pump();
  wchar_t written[MAX_PATH] = {};
  GetPrivateProfileStringW(L".ShellClassInfo", L"IconFile", L"", written, MAX_PATH, ini.c_str());
  EXPECT_STREQ(written, L"art\\folder.ico");
}

}  // namespace
