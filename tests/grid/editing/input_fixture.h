// A column grid on a shown form for the key, mouse and selection tests: 6 columns and 8 rows
// (one fixed of each), input sent as window messages, events written to one log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/forms.h"
#include "platform/messages.h"
#include "platform/sysutils.h"
#include "testkit/gui_kit.h"

namespace hd::test {

class GridInputTest : public ::testing::Test {
 protected:
  static constexpr int kCheckCol = 4;
  static constexpr int kReadOnlyCol = 5;

  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(640, 400);
    grid = New<TExtColumnGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 600, 360);
    grid->SetColCount(6);
    grid->SetRowCount(8);
    grid->Columns().Items(kCheckCol)->SetEditor(edDataCheckBox);
    grid->Columns().Items(kReadOnlyCol)->SetReadOnly(true);
    form->Show();
    grid->SetFocus();
    kit.Process();
    grid->OnKeyDown = [this](TObject*, WORD& k, TShiftState) { log.Note("down " + IntToStr(k)); };
    grid->OnKeyPress = [this](TObject*, TKeyChar& k) { log.Note("press " + IntToStr(static_cast<int>(k))); };
    grid->OnClickCell = [this](TObject*, int r, int c) { log.Note("click " + Cell(c, r)); };
    grid->OnDblClickCell = [this](TObject*, int r, int c) { log.Note("dblclick " + Cell(c, r)); };
    grid->OnCheckBoxClick = [this](TObject*, int c, int r, bool s) {
      log.Note("check " + Cell(c, r) + (s ? " on" : " off"));
    };
  }
  void TearDown() override {
    ResetKeyStates();
    form.reset();
  }

  static std::string Cell(int c, int r) { return IntToStr(c) + ":" + IntToStr(r); }
  // Moves the current cell as navigation does, through SelectCell.
  void GoTo(int c, int r) { grid->GotoCell(c, r); }
  std::string Current() const { return Cell(grid->Col(), grid->Row()); }

  // A key as the keyboard delivers it to the focused window: down, the character it types,
  // up; the modifiers are held meanwhile.
  void Key(int vk, TShiftState shift = {}, HWND target = 0) {
    if (!target) target = grid->Handle();
    Hold(shift, true);
    SendMessage(target, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    if (int ch = CharOf(vk, shift); ch != 0 && IsWindow(target)) SendMessage(target, WM_CHAR, static_cast<WPARAM>(ch), 0);
    if (IsWindow(target)) SendMessage(target, WM_KEYUP, static_cast<WPARAM>(vk), 0);
    Hold(shift, false);
    kit.Process();
  }
  static int CharOf(int vk, TShiftState shift) {
    if (shift.Contains(ssCtrl)) return vk >= 'A' && vk <= 'Z' ? vk - 'A' + 1 : 0;
    switch (vk) {
      case VK_RETURN: return '\r';
      case VK_SPACE: return ' ';
      case VK_TAB: return '\t';
      case VK_ESCAPE: return 27;
      default: return vk >= 'A' && vk <= 'Z' ? vk + 32 : 0;
    }
  }
  static void Hold(TShiftState shift, bool down) {
    if (shift.Contains(ssShift)) SetKeyDown(VK_SHIFT, down);
    if (shift.Contains(ssCtrl)) SetKeyDown(VK_CONTROL, down);
  }

  // Mouse messages at a client point; a cell's point is its centre unless given.
  TPoint Centre(int c, int r) const {
    TRect rc = grid->CellRect(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
  }
  void Mouse(UINT msg, TPoint p, unsigned keys = 0) {
    SendMessage(grid->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
  }
  void Click(TPoint p, unsigned keys = 0) {
    if (keys & MK_SHIFT) SetKeyDown(VK_SHIFT, true);
    Mouse(WM_LBUTTONDOWN, p, MK_LBUTTON | keys);
    Mouse(WM_LBUTTONUP, p, keys);
    if (keys & MK_SHIFT) SetKeyDown(VK_SHIFT, false);
    kit.Process();
  }
  void DoubleClick(TPoint p) {
    Mouse(WM_LBUTTONDOWN, p, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, p);
    Mouse(WM_LBUTTONDBLCLK, p, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, p);
    kit.Process();
  }
  void EnableEditing() {
    TGridOptions o = grid->Options();
    o.Include(goEditing);
    grid->SetOptions(o);
  }

  TGuiKit kit;
  TEventLog log;
  std::unique_ptr<TForm> form;
  TExtColumnGrid* grid = nullptr;
};

}  // namespace hd::test
