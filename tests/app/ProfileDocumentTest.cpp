#include "app/ProfileDocument.h"

#include <gtest/gtest.h>

#include "app/Latin1CodePage.h"

namespace folvane {
namespace {

using test_support::Latin1CodePage;
using test_support::Utf16Le;

const Latin1CodePage kCodePage;

struct Write {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* value;
};

std::string Edit(const std::string& before, std::initializer_list<Write> writes) {
  ProfileDocument document(before, kCodePage);
  for (const Write& w : writes) document.WriteString(w.section, w.key, w.value);
  return document.Bytes();
}

TEST(ProfileDocumentWrite, NewFileHoldsTheSectionAndItsKeysInWriteOrder) {
  EXPECT_EQ(Edit("", {{L".ShellClassInfo", L"IconFile", L"C:\\Icons\\a.ico"},
                      {L".ShellClassInfo", L"IconIndex", L"0"},
                      {L".ShellClassInfo", L"InfoTip", L""}}),
            "[.ShellClassInfo]\r\nIconFile=C:\\Icons\\a.ico\r\nIconIndex=0\r\nInfoTip=\r\n");
}

// Every line that is not written keeps its bytes: comments, blank lines,
// blanks around "=", other sections, the file's own line breaks.
TEST(ProfileDocumentWrite, ChangesOnlyTheLineItWrites) {
  struct Case {
    const char* name;
    std::string before;
    Write write;
    std::string after;
  };
  const Case cases[] = {
      {"existing key keeps its place, spelling and blanks before the value",
       "; by hand\r\n\r\n[Other]\r\nA = 1\r\n\r\n[.ShellClassInfo]\r\n  iconfile =\told.ico  \r\nConfirmFileOp=0\r\n",
       {L".ShellClassInfo", L"IconFile", L"new.ico"},
       "; by hand\r\n\r\n[Other]\r\nA = 1\r\n\r\n[.ShellClassInfo]\r\n  iconfile =\tnew.ico\r\nConfirmFileOp=0\r\n"},
      {"key with an empty value", "[S]\nInfoTip=\nB=2\n", {L"S", L"InfoTip", L"tip"}, "[S]\nInfoTip=tip\nB=2\n"},
      {"empty value keeps the key", "[S]\nInfoTip = old\n", {L"S", L"InfoTip", L""}, "[S]\nInfoTip = \n"},
      {"missing key goes after the section's last line, before the blank lines",
       "[S]\nA=1\n; note\n\n\n[T]\nB=2\n", {L"S", L"InfoTip", L"x"},
       "[S]\nA=1\n; note\nInfoTip=x\n\n\n[T]\nB=2\n"},
      {"missing key in an empty last section", "[T]\nB=2\n[S]\n", {L"S", L"K", L"v"}, "[T]\nB=2\n[S]\nK=v\n"},
      {"missing section at the end, after the blank lines", "[T]\nB=2\n\n", {L"S", L"K", L"v"},
       "[T]\nB=2\n\n[S]\nK=v\n"},
      {"an unterminated last line gets the file's line break", "[T]\r\nB=2", {L"S", L"K", L"v"},
       "[T]\r\nB=2\r\n[S]\r\nK=v\r\n"},
      {"unterminated key line replaced", "[S]\r\nK=old", {L"S", L"K", L"new"}, "[S]\r\nK=new"},
      {"first of two equal sections, first of two equal keys", "[s]\nK=1\nK=2\n[S]\nK=3\n",
       {L"S", L"K", L"9"}, "[s]\nK=9\nK=2\n[S]\nK=3\n"},
      {"blanks inside the brackets, text after them", "[ S\t] ; old\nK=1\n", {L"S", L"K", L"2"},
       "[ S\t] ; old\nK=2\n"},
      {"names passed with spaces around them", "[S]\nK=1\n", {L" S ", L" K ", L"2"}, "[S]\nK=2\n"},
      {"a comment is no key", "[S]\n;K=1\n", {L"S", L"K", L"2"}, "[S]\n;K=1\nK=2\n"},
      {"a key before any section is not in the section", "K=1\n", {L"S", L"K", L"2"}, "K=1\n[S]\nK=2\n"},
      {"a line without \"=\" is no key", "[S]\nK\n", {L"S", L"K", L"2"}, "[S]\nK\nK=2\n"},
      {"Latin-1 text of other lines stays as it was", "[\xC9t\xE9]\nK=\xE0\n", {L"S", L"K", L"\u00FC"},
       "[\xC9t\xE9]\nK=\xE0\n[S]\nK=\xFC\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Edit(c.before, {c.write}), c.after);
  }
}

// A line break inside a text must not start lines of its own in the file.
TEST(ProfileDocumentWrite, LineBreaksInTextsBecomeBlanks) {
  EXPECT_EQ(Edit("[S]\r\nInfoTip=old\r\n", {{L"S", L"InfoTip", L"one\r\ntwo\nthree\rfour"}}),
            "[S]\r\nInfoTip=one two three four\r\n");
  EXPECT_EQ(Edit("", {{L"S\n[X]", L"K\r\nY", L"v"}}), "[S [X]]\r\nK Y=v\r\n");
}

TEST(ProfileDocumentWrite, Utf16FileStaysUtf16AndKeepsItsOtherLines) {
  const std::string before = Utf16Le(
      L"\uFEFF\r\n[.ShellClassInfo]\r\nLocalizedResourceName=@shell32.dll,-21770\r\n"
      L"IconResource=imageres.dll,-3\r\n[ViewState]\r\nMode=\r\n");
  ProfileDocument document(before, kCodePage);
  document.WriteString(L".ShellClassInfo", L"IconResource", L"x.ico");
  document.WriteString(L".ShellClassInfo", L"InfoTip", L"caf\u00E9 \u6587");
  EXPECT_TRUE(document.IsUtf16());
  EXPECT_EQ(document.Bytes(), Utf16Le(L"\uFEFF\r\n[.ShellClassInfo]\r\nLocalizedResourceName=@shell32.dll,-21770\r\n"
                                      L"IconResource=x.ico\r\nInfoTip=caf\u00E9 \u6587\r\n[ViewState]\r\nMode=\r\n"));
}

// A text the code page cannot hold turns the file into UTF-16LE: every line
// keeps its text and line break, the new text keeps every character.
TEST(ProfileDocumentWrite, TextOutsideTheCodePageTurnsTheFileIntoUtf16) {
  const std::wstring tip{L'a', wchar_t(0x263A), wchar_t(0xD83D), wchar_t(0xDE00)};  // a, smiley, U+1F600
  ProfileDocument document("; caf\xE9\n\n[S]\r\nIconFile = a.ico\r\nK=1", kCodePage);
  document.WriteString(L"S", L"InfoTip", tip);
  EXPECT_TRUE(document.IsUtf16());
  EXPECT_EQ(document.Bytes(), Utf16Le(L"\uFEFF; caf\u00E9\n\n[S]\r\nIconFile = a.ico\r\nK=1\n" + std::wstring(L"InfoTip=") +
                                      tip + L"\n"));

  ProfileDocument fresh("", kCodePage);
  fresh.WriteString(L"S", L"K", L"\u6587");
  EXPECT_EQ(fresh.Bytes(), Utf16Le(L"\uFEFF[S]\r\nK=\u6587\r\n"));
}

TEST(ProfileDocumentWrite, TextThatFitsKeepsTheFileInTheCodePage) {
  ProfileDocument document("[S]\r\n", kCodePage);
  document.WriteString(L"S", L"K", L"\u00E9");
  EXPECT_FALSE(document.IsUtf16());
  EXPECT_EQ(document.Bytes(), "[S]\r\nK=\xE9\r\n");
}

TEST(ProfileDocumentRead, FollowsTheSystemReader) {
  const std::string file =
      "K=before any section\r\n"
      "[.ShellClassInfo] trailing text\r\n"
      ";IconFile=commented\r\n"
      "  iconfile \t=  \t C:\\a b.ico \t \r\n"
      "Double=\"  quoted  \"\r\n"
      "Single='x'\r\n"
      "Mixed=\"x'\r\n"
      "Lone=\"\r\n"
      "Empty=\r\n"
      "Inner=a\"b\"\r\n"
      "NoEquals\r\n"
      "[.shellclassinfo]\r\n"
      "Second=ignored\r\n"
      "[Other]\r\n"
      "X=1\r\n";
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* def;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L".ShellClassInfo", L"IconFile", L"", L"C:\\a b.ico"},
      {L".SHELLCLASSINFO", L" ICONFILE ", L"", L"C:\\a b.ico"},
      {L".ShellClassInfo", L"\tIconFile", L"-", L"-"},
      {L".ShellClassInfo", L"Double", L"", L"  quoted  "},
      {L".ShellClassInfo", L"Single", L"", L"x"},
      {L".ShellClassInfo", L"Mixed", L"", L"\"x'"},
      {L".ShellClassInfo", L"Lone", L"", L"\""},
      {L".ShellClassInfo", L"Empty", L"default", L""},
      {L".ShellClassInfo", L"Inner", L"", L"a\"b\""},
      {L".ShellClassInfo", L"NoEquals", L"d", L"d"},
      {L".ShellClassInfo", L"Second", L"d", L"d"},
      {L".ShellClassInfo", L"X", L"d", L"d"},
      {L"", L"K", L"d", L"d"},
      {L"Missing", L"IconFile", L" keeps leading, not trailing  ", L" keeps leading, not trailing"},
      {L"Other", L"x", L"", L"1"},
  };
  const ProfileDocument document(file, kCodePage);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key);
    EXPECT_EQ(document.ReadString(c.section, c.key, c.def), c.expected);
  }
}

TEST(ProfileDocumentRead, ValuesAndDefaultsStopAt2047Characters) {
  const std::string longValue(3000, 'v');
  const ProfileDocument document("[S]\r\nK=" + longValue + "\r\nQ=\"" + longValue + "\"\r\n", kCodePage);
  EXPECT_EQ(document.ReadString(L"S", L"K", L""), std::wstring(2047, L'v'));
  EXPECT_EQ(document.ReadString(L"S", L"Q", L""), std::wstring(2047, L'v'));
  EXPECT_EQ(document.ReadString(L"S", L"Missing", std::wstring(3000, L'd')), std::wstring(2047, L'd'));
}

TEST(ProfileDocumentRead, ReadsUtf16Files) {
  const ProfileDocument document(Utf16Le(L"\uFEFF[S]\r\nK=\u6587\u00E9\r\n") + "\x01", kCodePage);
  EXPECT_EQ(document.ReadString(L"S", L"K", L""), L"\u6587\u00E9");
  // The stray odd byte at the end is no character and does not come back.
  EXPECT_EQ(document.Bytes(), Utf16Le(L"\uFEFF[S]\r\nK=\u6587\u00E9\r\n"));
}

}  // namespace
}  // namespace folvane
