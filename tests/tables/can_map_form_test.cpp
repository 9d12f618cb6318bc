// The CAN byte map windows opened by their steps: fields filled from the frame's length and
// its map, a field left by a click on another frame stored where it was typed, OK refusing an
// input byte fed twice, and frames saved in a frames window listed at the map's next showing.
#include "tables/can_receive_map_form.h"
#include "tables/can_send_map_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/can_frame_tables.h"
#include "tables/can_receive_frames_form.h"
#include "tables/can_send_frames_form.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

std::string ReceiveFrames(const std::vector<std::pair<std::string, std::string>>& frames) {
  std::string rows;
  for (const auto& [cob, dim] : frames)
    rows += "<row Cob_Id=\"" + cob + "\" Type=\"2.0A (11 bits)\" Dimension=\"" + dim + "\" TimeOut=\"0\" Mnemonic=\"\"/>";
  return "<PROFINET_to_Receive_CAN><Receive_Frames>" + rows + "</Receive_Frames></PROFINET_to_Receive_CAN>";
}

std::string MapRow(const std::vector<std::string>& b) {
  std::string row = "<row";
  for (std::size_t k = 0; k < b.size(); ++k) row += " B" + std::to_string(k + 1) + "=\"" + b[k] + "\"";
  return row + "/>";
}

const std::vector<std::string> kNone(8, "65535");

class CanMapFormTest : public testkit::TableWindowFixture {
 protected:
  // Puts the typed text into field k the way a user does: a click into it, all selected, typed.
  void TypeInto(TCANMapForm& form, int k, const std::string& text) {
    TEdit* edit = form.Edit[static_cast<std::size_t>(k - 1)];
    Kit.Click(edit);
    edit->SelectAll();
    Kit.Type(text);
  }
  void ClickFrame(TCANMapForm& form, int i) {
    const TRect r = form.ListBox1->ItemRect(i);
    ASSERT_FALSE(r.IsEmpty());
    Kit.Click(form.ListBox1, r.Left + 10, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(CanMapFormTest, AFieldLeftByClickingAnotherFrameKeepsItsValueWhereItWasTyped) {
  WriteConfigFile("Receive_Frame.xml", ReceiveFrames({{"0x181", "8"}, {"0x182", "3"}}));
  Run([&](TFTessaroneFirmWare& main) {
    Open<TF_Rec_Info>(main, "TF_Rec_Info", [&](TF_Rec_Info& form) {
      ASSERT_EQ(form.ListBox1->Count(), 2);
      EXPECT_EQ(form.ListBox1->ItemIndex(), 0);
      TypeInto(form, 1, "12");
      ClickFrame(form, 1);
      EXPECT_EQ(form.ListBox1->ItemIndex(), 1);
      EXPECT_EQ(form.Map.Data_arr[0].PosB1, 12);
      EXPECT_EQ(form.Map.Data_arr[1].PosB1, No_Position) << "never stored into the newly selected frame";
      EXPECT_EQ(form.Edit[0]->Text(), "none");
      // The second frame is 3 bytes long.
      EXPECT_TRUE(form.Panel[2]->Enabled());
      EXPECT_FALSE(form.Not_In_Use[2]->Visible());
      EXPECT_FALSE(form.Panel[3]->Enabled());
      EXPECT_TRUE(form.Not_In_Use[3]->Visible());

      // A refused value: the box, the focus back in the field, the frame still selected, the
      // text as typed and the frame's position as it was.
      TypeInto(form, 2, " NoNe");
      ClickFrame(form, 0);
      EXPECT_EQ(form.Edit[0]->Text(), "12");
      TypeInto(form, 1, "496");
      ClickFrame(form, 1);
      EXPECT_EQ(form.ListBox1->ItemIndex(), 0);
      EXPECT_TRUE(form.Edit[0]->Focused());
      EXPECT_EQ(form.Edit[0]->Text(), "496");
      EXPECT_EQ(form.Map.Data_arr[0].PosB1, 12);
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone) << "OK keeps the window while the field is refused";
      TypeInto(form, 1, "495");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
  });
  // Once for the click on the other frame, once for the click on OK.
  const std::string refused = "Error Byte 1!! Value have to be between 0 to 495 or none";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(ReadConfigFile("Receive_Info.xml"),
            "<Receive_Frames_Info>" + MapRow({"495", "65535", "65535", "65535", "65535", "65535", "65535", "65535"}) +
                MapRow(kNone) + "</Receive_Frames_Info><!--SW_VERSION = 1.100-->");
}

TEST_F(CanMapFormTest, OnlyTheReceiveMapRefusesAnImageByteFedTwice) {
  const std::string map = "<Receive_Frames_Info>" + MapRow({"1", "10", "65535"}) + MapRow({"10"}) +
                          "</Receive_Frames_Info><!--SW_VERSION = 1.100-->";
  WriteConfigFile("Receive_Frame.xml", ReceiveFrames({{"0x181", "2"}, {"0x182", "1"}}));
  WriteConfigFile("Receive_Info.xml", map);
  WriteConfigFile("Send_Frame.xml",
                  "<PROFINET_to_Send_CAN><Send_Frames>"
                  "<row Cob_Id=\"0x201\" Dimension=\"2\"/><row Cob_Id=\"0x202\" Dimension=\"0\"/>"
                  "</Send_Frames></PROFINET_to_Send_CAN>");
  WriteConfigFile("Send_Info.xml", "<Send_Frames_Info>" + MapRow({"7", "8"}) + "</Send_Frames_Info>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TF_Rec_Info>(main, "TF_Rec_Info", [&](TF_Rec_Info& form) {
      EXPECT_EQ(form.Edit[1]->Text(), "10");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone);
      TypeInto(form, 1, "no number");
      Kit.Click(form.Btn_Cancel);  // gives the field up without a word
    });
    Open<TF_Sen_Info>(main, "TF_Sen_Info", [&](TF_Sen_Info& form) {
      EXPECT_EQ(form.Map.Num_Byte_Max(), 500);
      TypeInto(form, 2, "7");
      ClickFrame(form, 1);
      for (int k = 1; k <= 8; ++k) EXPECT_FALSE(form.Panel[static_cast<std::size_t>(k - 1)]->Enabled()) << k;
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"Error!! The Byte 10 is used in COB ID 0x182 in Byte 1 and in COB ID 0x181 in Byte 2"}));
  EXPECT_EQ(ReadConfigFile("Receive_Info.xml"), map) << "nothing written";
  EXPECT_EQ(ReadConfigFile("Send_Info.xml"),
            "<Send_Frames_Info>" + MapRow({"7", "7", "65535", "65535", "65535", "65535", "65535", "65535"}) +
                MapRow(kNone) + "</Send_Frames_Info><!--SW_VERSION = 1.100-->");
}

TEST_F(CanMapFormTest, FramesSavedInAFramesWindowAreListedInItsMapAtTheNextShowing) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TF_Rec_Info>(main, "TF_Rec_Info", [&](TF_Rec_Info& form) {
      EXPECT_EQ(form.ListBox1->Count(), 0);
      for (TPanel* p : form.Panel) EXPECT_FALSE(p->Enabled());
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
    EXPECT_EQ(ReadConfigFile("Receive_Info.xml"), "<Receive_Frames_Info/><!--SW_VERSION = 1.100-->");
    Open<TFCAN_Rec_Frames>(main, "TFCAN_Rec_Frames", [&](TFCAN_Rec_Frames& form) {
      const std::vector<std::vector<std::string>> rows = {{"0x181", "2.0A (11 bits)", "4", "100", "speed"},
                                                          {"0x1FFFF", "2.0B (29 bits)", "8", "0", ""}};
      for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 1; c <= 5; ++c) form.sga->SetCells(c, static_cast<int>(r) + 1, rows[r][static_cast<std::size_t>(c - 1)]);
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
    Open<TF_Rec_Info>(main, "TF_Rec_Info", [&](TF_Rec_Info& form) {
      ASSERT_EQ(form.ListBox1->Count(), 2);
      EXPECT_EQ(form.ListBox1->Items().Strings(0), "0x181");
      EXPECT_EQ(form.ListBox1->Items().Strings(1), "0x1FFFF");
      EXPECT_TRUE(form.Panel[3]->Enabled());
      EXPECT_FALSE(form.Panel[4]->Enabled());
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFCAN_Send_Frame>(main, "TFCAN_Send_Frame", [&](TFCAN_Send_Frame& form) {
      const std::vector<std::string> row = {"0x201", "2.0A (11 bits)", "0", "On Data Change", "0", ""};
      for (int c = 1; c <= 6; ++c) form.sga->SetCells(c, 1, row[static_cast<std::size_t>(c - 1)]);
      Kit.Click(form.Btn_OK);
    });
    Open<TF_Sen_Info>(main, "TF_Sen_Info", [&](TF_Sen_Info& form) {
      ASSERT_EQ(form.ListBox1->Count(), 1);
      EXPECT_EQ(form.ListBox1->Items().Strings(0), "0x201");
      for (TStaticText* t : form.Not_In_Use) EXPECT_TRUE(t->Visible());
      Kit.Click(form.Btn_Cancel);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(CanMapFormTest, TheFourWindowsTakeTheNewLanguagesTexts) {
  Folder.Write("LANGUAGE/Italiano.lng",
               "STR1900 = Trame ricevute\r\nSTR1907 = Identificativo\r\nSTR2000 = Mappa ricevute\r\n"
               "STR2015 = Non usato\r\nSTR2100 = Trame inviate\r\nSTR2206 = Byte 1 va al byte\r\n");
  Run([&](TFTessaroneFirmWare& main) {
    main.State().Current_Language = "Italiano";
    main.State().Load_Language();
    main.Change_Language();
    auto form = [&](const char* name) { return main.Table_Windows[name].Form; };
    EXPECT_EQ(form("TFCAN_Rec_Frames")->Caption(), "Trame ricevute");
    EXPECT_EQ(dynamic_cast<TCANFramesForm*>(form("TFCAN_Rec_Frames"))->sga->Columns().Items(1)->Header(),
              "Identificativo");
    EXPECT_EQ(form("TF_Rec_Info")->Caption(), "Mappa ricevute");
    EXPECT_EQ(dynamic_cast<TCANMapForm*>(form("TF_Rec_Info"))->Not_In_Use[7]->Caption(), "Non usato");
    EXPECT_EQ(form("TFCAN_Send_Frame")->Caption(), "Trame inviate");
    EXPECT_EQ(dynamic_cast<TCANMapForm*>(form("TF_Sen_Info"))->Byte_Label[0]->Caption(), "Byte 1 va al byte");
  });
}

}  // namespace
}  // namespace hd
