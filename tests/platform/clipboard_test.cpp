// The clipboard object over a sink: formats by name, round trips, and one content per Open.
#include <gtest/gtest.h>

#include <memory>

#include "platform/clipboard.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

TEST(ClipboardTest, RegisteredFormatsKeepOneNumberPerNameWhateverItsCase) {
  TClipboardFormat html = RegisterClipboardFormat("HTML Format");
  EXPECT_GE(html, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat("html format"), html);
  EXPECT_NE(RegisterClipboardFormat("Rich Text Format"), html);
  EXPECT_EQ(ClipboardFormatName(html), "HTML Format");
  EXPECT_EQ(ClipboardFormatName(CF_UNICODETEXT), "");
}

TEST(ClipboardTest, EachFormatRoundTripsItsBytes) {
  TGuiKit kit;
  struct Case {
    const char* name;
    TClipboardFormat format;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"text", CF_UNICODETEXT, "Zeile 1\r\nZ\xC3\xA4hler"},
      {"html", RegisterClipboardFormat("HTML Format"), "Version:1.0\r\nStartHTML:00000097\r\n<html></html>"},
      {"rich text", RegisterClipboardFormat("Rich Text Format"), std::string("{\\rtf1 x}\0", 10)},
      {"private cells with zero bytes", RegisterClipboardFormat("TExtStringGrid Cells"), std::string("\x01\x00\x02\xFF", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clipboard().SetAsBytes(c.format, c.bytes);
    EXPECT_TRUE(Clipboard().HasFormat(c.format));
    EXPECT_EQ(Clipboard().GetAsBytes(c.format), c.bytes);
    EXPECT_EQ(Clipboard().FormatCount(), 1) << "a format set on its own replaces the content";
  }
  // The two text formats are one text.
  Clipboard().SetAsBytes(CF_TEXT, "plain");
  EXPECT_EQ(Clipboard().AsText(), "plain");
  EXPECT_TRUE(Clipboard().HasFormat(CF_UNICODETEXT));
}

TEST(ClipboardTest, FormatsSetBetweenOpenAndCloseMakeOneContent) {
  TGuiKit kit;
  TClipboardFormat rtf = RegisterClipboardFormat("Rich Text Format");
  Clipboard().SetAsText("old");
  int writes = kit.TestClipboard().Writes();

  Clipboard().Open();
  Clipboard().SetAsText("cells");
  Clipboard().Open();  // nested, as a copy routine called from another does
  Clipboard().SetAsBytes(rtf, "{\\rtf1 cells}");
  Clipboard().Close();
  EXPECT_EQ(kit.TestClipboard().Writes(), writes) << "nothing is handed over before the last Close";
  EXPECT_EQ(Clipboard().AsText(), "cells") << "reads inside see what was set";
  Clipboard().Close();

  EXPECT_EQ(kit.TestClipboard().Writes(), writes + 1);
  EXPECT_EQ(Clipboard().FormatCount(), 2);
  EXPECT_EQ(Clipboard().AsText(), "cells");
  EXPECT_EQ(Clipboard().GetAsBytes(rtf), "{\\rtf1 cells}");

  Clipboard().Clear();
  EXPECT_EQ(Clipboard().FormatCount(), 0);
  EXPECT_FALSE(Clipboard().HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard().AsText(), "");
  EXPECT_THROW(Clipboard().Formats(0), EListError);
  Clipboard().Close();  // an unmatched Close is harmless
}

TEST(ClipboardTest, EditAndComboCutCopyAndPasteThroughTheClipboard) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* combo = new TComboBox(form.get());
  combo->SetParent(form.get());
  combo->SetTop(40);
  form->Show();
  kit.Process();

  edit->SetText("alpha");
  edit->SelectAll();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(kit.TestClipboard().Data().at(CF_UNICODETEXT), "alpha");

  Clipboard().SetAsText("first line\r\nsecond");
  combo->SetMaxLength(8);
  combo->SetCharCase(ecUpperCase);
  combo->SetFocus();
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(combo->Text(), "FIRST LI") << "a paste into the combo keeps to the first line, its case and MaxLength";
}

}  // namespace
}  // namespace hd
