// Drawing over an edit's face: what the edit draws on the canvas of WM_PAINT shows on screen
// over the face, the rest of the face (its text) stays, and without the switch nothing is asked.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "platform/edit_paint.h"
#include "platform/forms.h"
#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

// Draws a red box at its left end over its face.
class BoxedEdit : public TEdit {
 public:
  using TEdit::TEdit;
  int overPaints = 0;
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_PAINT && m.WParam) {
      ++overPaints;
      TCanvas& canvas = *reinterpret_cast<TCanvas*>(m.WParam);
      canvas.Brush().Color = clRed;
      canvas.FillRect(Rect(2, 2, 14, 14));
      return;
    }
    TEdit::Dispatch(m);
  }
};

TEST(EditPaintTest, WhatTheEditDrawsOverItsFaceShowsAndTheFaceStays) {
  test::TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(300, 100);
  auto* edit = new BoxedEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 200, 24);
  edit->SetText("WWWWWWWWWWWWWWWWWW");
  form->Show();
  kit.Process();
  auto* widget = edit->Native()->widget;

  QImage plain = widget->grab().toImage();
  EXPECT_EQ(edit->overPaints, 0) << "not asked without the switch";
  EXPECT_NE(plain.pixelColor(8, 8), QColor(255, 0, 0));

  SetEditPaintsOver(*edit, true);
  EXPECT_TRUE(EditPaintsOver(*edit));
  QImage over = widget->grab().toImage();
  EXPECT_GT(edit->overPaints, 0);
  EXPECT_EQ(over.pixelColor(8, 8), QColor(255, 0, 0));
  // Right of the box the face is as before: the text was not painted out.
  bool same = true;
  for (int y = 0; y < over.height(); ++y)
    for (int x = 20; x < over.width(); ++x) same = same && over.pixel(x, y) == plain.pixel(x, y);
  EXPECT_TRUE(same);
  EXPECT_NE(plain.pixelColor(5, 5), QColor(255, 0, 0));

  SetEditPaintsOver(*edit, false);
  EXPECT_FALSE(EditPaintsOver(*edit));
  EXPECT_NE(widget->grab().toImage().pixelColor(8, 8), QColor(255, 0, 0));
}

}  // namespace
}  // namespace hd
