// The windowing system's clipboard under the layer: MIME types other programs read.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/clipboard.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class QtClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = SetClipboardSink(nullptr); }
  void TearDown() override {
    QGuiApplication::clipboard()->clear();
    SetClipboardSink(previous_);
  }
  TGuiKit kit;
  TClipboardSink* previous_ = nullptr;
};

TEST_F(QtClipboardTest, FormatsTravelUnderTheirMimeTypesAndComeBackAsStored) {
  TClipboardFormat html = RegisterClipboardFormat("HTML Format");
  TClipboardFormat rtf = RegisterClipboardFormat("Rich Text Format");
  TClipboardFormat cells = RegisterClipboardFormat("TExtStringGrid Cells");
  std::string document = "<html><body>1</body></html>";
  std::string header = "Version:1.0\r\nStartHTML:00000051\r\nEndHTML:00000078\r\n";
  ASSERT_EQ(header.size(), 51u);
  std::string cf_html = header + document;
  std::string stream("\x00\x01 cells", 8);

  Clipboard().Open();
  Clipboard().SetAsText("a\tb\r\n\xE2\x82\xAC");
  Clipboard().SetAsBytes(html, cf_html);
  Clipboard().SetAsBytes(rtf, "{\\rtf1 a}");
  Clipboard().SetAsBytes(cells, stream);
  Clipboard().Close();

  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_EQ(mime->text(), QString::fromUtf8("a\tb\r\n\xE2\x82\xAC"));
  EXPECT_EQ(mime->data("text/html").toStdString(), document) << "other programs get the document alone";
  EXPECT_EQ(mime->data("text/rtf").toStdString(), "{\\rtf1 a}");

  EXPECT_EQ(Clipboard().AsText(), "a\tb\r\n\xE2\x82\xAC");
  EXPECT_EQ(Clipboard().GetAsBytes(html), cf_html) << "the program reads back what it stored";
  EXPECT_EQ(Clipboard().GetAsBytes(cells), stream);
  EXPECT_EQ(Clipboard().FormatCount(), 4);
}

TEST_F(QtClipboardTest, AnotherProgramsHtmlAndTextAreSeenUnderTheirFormats) {
  auto* mime = new QMimeData;
  mime->setHtml("<b>x</b>");
  mime->setText("x");
  QGuiApplication::clipboard()->setMimeData(mime);
  TClipboardFormat html = RegisterClipboardFormat("HTML Format");
  EXPECT_TRUE(Clipboard().HasFormat(html));
  EXPECT_EQ(Clipboard().GetAsBytes(html), "<b>x</b>");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_FALSE(Clipboard().HasFormat(RegisterClipboardFormat("TExtStringGrid Cells")));
}

}  // namespace
}  // namespace hd
