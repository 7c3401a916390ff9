#pragma once
// Folders a shell test makes for itself (the desktop's own children differ
// under Wine), and a form holding a shell tree.

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/win/Application.h"
#include "runtime/win/Form.h"
#include "shell/win/vtShellCtrls.h"
#include "support/GuiTest.h"

namespace folvane::testing {

// root\Alpha\Beta\Gamma\Delta, root\Alpha\Beta2, root\Epsilon
struct TestFolders {
  TempFolder Temp;
  std::wstring Root = Temp.Path();
  std::wstring Alpha = Root + L"\\Alpha";
  std::wstring Beta = Alpha + L"\\Beta";
  std::wstring Beta2 = Alpha + L"\\Beta2";
  std::wstring Gamma = Beta + L"\\Gamma";
  std::wstring Delta = Gamma + L"\\Delta";
  std::wstring Epsilon = Root + L"\\Epsilon";
  TestFolders() {
    for (const std::wstring* p : {&Alpha, &Beta, &Beta2, &Gamma, &Delta, &Epsilon})
      CreateDirectoryW(p->c_str(), nullptr);
  }
};

struct TreeForm {
  TForm* Form;
  TsShellTreeView* Tree;
  explicit TreeForm(const std::wstring& root) : Form(new TForm(Application)) {
    Form->SetClientSize(320, 400);
    Tree = new TsShellTreeView(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(8, 8, 300, 380);
    Tree->HideSelection = false;
    Tree->SetRoot(root);
    Tree->Loaded();
    Form->Show();
    Pump();
  }
  ~TreeForm() {
    delete Form;
    Pump();
  }
  TreeForm(const TreeForm&) = delete;
  TreeForm& operator=(const TreeForm&) = delete;

  std::vector<std::wstring> ChildTexts(TTreeNode* node) const {
    std::vector<std::wstring> texts;
    for (TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling()) texts.push_back(c->Text());
    return texts;
  }
  TTreeNode* Child(TTreeNode* node, const std::wstring& text) const {
    for (TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling())
      if (c->Text() == text) return c;
    return nullptr;
  }
};

}  // namespace folvane::testing
