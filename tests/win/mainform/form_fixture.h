#pragma once
// The main window as the program makes it, shown, with helpers that pump its
// messages and answer the system dialogs it opens.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/main_form.h"
#include "framework/win/win_api.h"

// Handles the messages waiting and those arriving for `ms` milliseconds.
void Pump(int ms = 0);

// Answers the next system dialogs (file dialogs, message boxes) of this
// thread, one action each, in order, as they appear.
using DialogAction = std::function<void(HWND dialog)>;
void AnswerDialogs(std::vector<DialogAction> actions);
// Dialogs still waiting for their answer.
int PendingDialogAnswers();

// Actions: type a file name and press OK; press Cancel; read a message box's
// text into `text` and press OK.
DialogAction ChooseFile(const std::wstring& path);
DialogAction CancelDialog();
DialogAction ReadMessageBox(AnsiString& text);

// A file in the temporary folder with these bytes; its name.
std::wstring TempFile(const wchar_t* name, std::string_view bytes);

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Presses a button as the user does and handles what follows.
  void Press(TButton* button);
  // Loads a file through "打开文件", answering the dialog.
  void LoadFile(const std::wstring& path);
  AnsiString PaneText() const { return form->mmo1->Text(); }

  Tfrmmain* form = nullptr;
};
