// The CAN frame windows opened by their steps: the file read and written back unchanged, the
// check's first failure shown with the window's prefix, and a file that cannot be read.
#include "tables/can_receive_frames_form.h"
#include "tables/can_send_frames_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/can_frame_tables.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

const std::string kReceiveRows =
    "<row Cob_Id=\"0x181\" Type=\"2.0A (11 bits)\" Dimension=\"8\" TimeOut=\"100\" Mnemonic=\"speed &amp; torque\"/>"
    "<row Cob_Id=\" 0x1FFFFFFF\" Type=\"2.0B (29 bits)\" Dimension=\"1\" TimeOut=\"0\" Mnemonic=\"\"/>";
const std::string kSendRows =
    "<row Cob_Id=\"0x201\" Type=\"2.0A (11 bits)\" Dimension=\"0\" Send_Type=\"\" Timer_Send=\"0\" Mnemonic=\"ping\"/>"
    "<row Cob_Id=\"515\" Type=\"2.0B (29 bits)\" Dimension=\"8\" Send_Type=\"On Timer\" Timer_Send=\"10000000\" "
    "Mnemonic=\"set\"/>";

std::string Document(const std::string& root, const std::string& section, const std::string& rows) {
  return "<" + root + "><" + section + ">" + rows + "</" + section + "></" + root + "><!--SW_VERSION = 1.100-->";
}

class CanFramesFormTest : public testkit::TableWindowFixture {};

TEST_F(CanFramesFormTest, BothTablesRoundTripTheirFileAndShowFixedColumns) {
  struct Case {
    const char* window;
    const char* file;
    std::string document;
    int colCount;
    std::string secondCobId;  // as loaded, blanks kept
  } cases[] = {
      {"TFCAN_Rec_Frames", "Receive_Frame.xml",
       Document("PROFINET_to_Receive_CAN", "Receive_Frames", kReceiveRows), 6, " 0x1FFFFFFF"},
      {"TFCAN_Send_Frame", "Send_Frame.xml", Document("PROFINET_to_Send_CAN", "Send_Frames", kSendRows), 7, "515"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    WriteConfigFile(c.file, c.document);
    Run([&](TFTessaroneFirmWare& main) {
      Open<TCANFramesForm>(main, c.window, [&](TCANFramesForm& form) {
        const TExtColumnGrid& g = *form.sga;
        EXPECT_EQ(form.ClientWidth(), 759);
        EXPECT_EQ(g.RowCount(), 501);
        EXPECT_EQ(g.ColCount(), c.colCount);
        EXPECT_EQ(g.ColWidths(0), 64);
        EXPECT_FALSE(g.Options().Contains(goColSizing));
        EXPECT_EQ(g.Columns().Items(2)->Editor(), edComboList);
        EXPECT_EQ(g.Cells(0, 500), "500");
        EXPECT_EQ(g.Cells(1, 2), c.secondCobId);
        EXPECT_EQ(g.Cells(1, 3), "");
        Kit.Click(form.Btn_OK);
        EXPECT_EQ(form.ModalResult(), mrOk);
      });
    });
    EXPECT_EQ(ReadConfigFile(c.file), c.document);
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(CanFramesFormTest, AFailedCheckKeepsTheWindowOpenAndAnEmptyTableStillWritesItsSection) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFCAN_Rec_Frames>(main, "TFCAN_Rec_Frames", [&](TFCAN_Rec_Frames& form) {
      TExtColumnGrid& g = *form.sga;
      const std::vector<std::string> good = {"0x181", "2.0A (11 bits)", "8", "100", ""};
      for (int c = 1; c <= 5; ++c) g.SetCells(c, 1, good[static_cast<std::size_t>(c - 1)]);
      for (int c = 1; c <= 5; ++c) g.SetCells(c, 2, good[static_cast<std::size_t>(c - 1)]);
      g.SetCells(rfDimension, 2, "0");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone);
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFCAN_Send_Frame>(main, "TFCAN_Send_Frame", [&](TFCAN_Send_Frame& form) {
      form.sga->SetCells(sfCob_Id, 1, "0x800");
      form.sga->SetCells(sfType, 1, "2.0A (11 bits)");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone);
      form.sga->SetCells(sfCob_Id, 1, "");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error row 2!! CAN Dimension must be between 1 and 8",
                                                  "Error row 1!! CAN Cob-Id must be between 0x000 and 0x7FF"}));
  EXPECT_EQ(ReadConfigFile("Receive_Frame.xml"), "") << "Cancel wrote nothing";
  EXPECT_EQ(ReadConfigFile("Send_Frame.xml"),
            "<PROFINET_to_Send_CAN><Send_Frames/></PROFINET_to_Send_CAN><!--SW_VERSION = 1.100-->");
}

TEST_F(CanFramesFormTest, ARowWithoutItsAttributesEndsTheLoadingWithWhatCameBefore) {
  WriteConfigFile("Receive_Frame.xml", "<PROFINET_to_Receive_CAN><Receive_Frames>" + kReceiveRows +
                                           "<row Cob_Id=\"0x183\" Type=\"2.0A (11 bits)\" Dimension=\"2\"/>"
                                           "</Receive_Frames></PROFINET_to_Receive_CAN>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFCAN_Rec_Frames>(main, "TFCAN_Rec_Frames", [&](TFCAN_Rec_Frames& form) {
      EXPECT_EQ(form.sga->Cells(1, 2), " 0x1FFFFFFF");
      EXPECT_EQ(form.sga->Cells(3, 3), "2");
      EXPECT_EQ(form.sga->Cells(4, 3), "");
      Kit.Click(form.Btn_Cancel);
    });
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("row 3 of \"Receive_Frames\" has no attribute \"TimeOut\""), std::string::npos) << boxes[0];
}

}  // namespace
}  // namespace hd
