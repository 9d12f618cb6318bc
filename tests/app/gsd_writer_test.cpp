#include "app/gsd_writer.h"

#include <gtest/gtest.h>

#include "app/file_writer_ui.h"
#include "app/text_fixture.h"
#include "testkit/temp_folder.h"
#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

using testing_app::CrLfText;
using testing_app::FixtureLines;
using testkit::TempFolder;

const char* const Banner = R"x(
;
;******************** EtherNet/IP / PROFIBUS Slave - Converter **********************
;* ================================================================================ *
;*                                                                                  *
;* Vendor:   Kastir                                                                 *
;*           Street 1                                                               *
;*           00000 Town                                                             *
;*           Province - Country                                                     *
;*           Tel. : +00 000 000000                                                  *
;*           FAX. : +00 000 000001                                                  *
;*           eMail: info@kastir.example                                             *
;*                                                                                  *
;* ================================================================================ *
;*                                                                                  *
;* Function:       EtherNet/IP / PROFIBUS Slave - Converter                         *
;*                                                                                  *
;*                                                                                  *
;* Order Number : HD58296-A1                                                        *
;*                                                                                  *
;*                                                                                  *
;************************************************************************************
)x";

// From the banner's end to the sizes, which are filled in per test.
const char* const Keywords = R"x(


#Profibus_DP


;====================================================================================
;==== Prm-Text-Def-List =============================================================
;====================================================================================

PrmText=1
Text(0)="disable"
Text(1)="enable"
EndPrmText

PrmText  = 2
Text(0)  = "clock up"
Text(1)  = "clock down"
EndPrmText

PrmText  = 3
Text(1)  = "10"
Text(2)  = "20"
Text(3)  = "30"
Text(4)  = "40"
Text(5)  = "50"
EndPrmText


;=====================================================================================
;==== Ext-User-Prm-Data-Def-List =====================================================
;=====================================================================================

ExtUserPrmData=1 "[SlotNumber]"
Unsigned8 0 0-32
EndExtUserPrmData

ExtUserPrmData=2 "Diagnostic Alarm"
Bit(0) 0 0-1
Prm_Text_Ref=1
EndExtUserPrmData

ExtUserPrmData=3 "Process Alarm"
Bit(1) 0 0-1
Prm_Text_Ref=1
EndExtUserPrmData

ExtUserPrmData=4 "Counter mode"
Unsigned8 0 0-1
Prm_Text_Ref=2
EndExtUserPrmData

ExtUserPrmData=5 "Counter timebase (ms)"
Unsigned8 1 1-5
Prm_Text_Ref=3
EndExtUserPrmData

ExtUserPrmData=6 "Counter high-limit"
Unsigned16 65535 0-65535
EndExtUserPrmData

ExtUserPrmData=7 "Counter low-limit"
Unsigned16 0 0-65535
EndExtUserPrmData


;=====================================================================================
;==== General DP Keywords ============================================================
;=====================================================================================

GSD_Revision = 5
Vendor_Name = "Kastir"
Model_Name = "HD58296"
Revision = "1.00"
Ident_Number = 0xAFEF
Protocol_Ident = 0
Station_Type = 0
FMS_supp = 0
Hardware_Release = "V1.00"
Software_Release = "V1.00"
Redundancy = 0
Repeater_Ctrl_Sig = 2
24V_Pins = 0


;==============================================================================
;==== Supported baudrates =====================================================
;==============================================================================

9.6_supp = 1
19.2_supp = 1
45.45_supp = 1
93.75_supp = 1
187.5_supp = 1
500_supp = 1
1.5M_supp = 1
3M_supp = 1
6M_supp = 1
12M_supp = 1

MaxTsdr_9.6=15
MaxTsdr_19.2=15
MaxTsdr_45.45=15
MaxTsdr_93.75=15
MaxTsdr_187.5=15
MaxTsdr_500=15
MaxTsdr_1.5M=20
MaxTsdr_3M=35
MaxTsdr_6M=50
MaxTsdr_12M=95


;==============================================================================
;==== Slave specific values ===================================================
;==============================================================================

OrderNumber="HD58296"
Slave_Family = 9@Kastir@HD58296
Implementation_Type = "VPC3+"
Info_Text="Kastir: EtherNet/IP / PROFIBUS Slave - Converter"
Bitmap_Device = "DPV0_1N"
Bitmap_SF="DPV0_1S"

Freeze_Mode_supp=1
Sync_Mode_supp=1
Fail_Safe=1
Auto_Baud_supp=1
Set_Slave_Add_supp=0

Min_Slave_Intervall=6

Modular_Station=1
Max_Module={MODULES}
Modul_Offset=1
Max_Input_Len={IN}
Max_Output_Len={OUT}
Max_Data_Len={DATA}
Max_Diag_Data_Len=15

WD_Base_1ms_supp = 1
Publisher_supp = 1

;==============================================================================
;==== User-Prm-Data ===========================================================
;==============================================================================

Max_User_Prm_Data_Len = 12
Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00

;==============================================================================
;==== Modulstatus =============================================================
;==============================================================================

Unit_Diag_Area = 24 - 25
Value(1)= "Slot 1: Module error"
Value(2)= "Slot 1: Wrong module"
Value(3)= "Slot 1: No module"
Unit_Diag_Area_End
Unit_Diag_Area = 26 - 27
Value(1)= "Slot 2: Module error"
Value(2)= "Slot 2: Wrong module"
Value(3)= "Slot 2: No module"
Unit_Diag_Area_End


;==============================================================================
;==== Module-Definition-List ==================================================
;==============================================================================

)x";

std::vector<std::string> Expected(const char* modules, const char* in, const char* out, const char* data,
                                  const std::string& moduleLines, const std::string& slotLines) {
  std::string keywords = StringReplaceAll(StringReplaceAll(Keywords, "{MODULES}", modules), "{IN}", in);
  keywords = StringReplaceAll(StringReplaceAll(keywords, "{OUT}", out), "{DATA}", data);
  std::vector<std::string> lines = FixtureLines(Banner);
  for (const std::string& line : FixtureLines(keywords)) lines.push_back(line);
  for (const std::string& line : FixtureLines(moduleLines)) lines.push_back(line);
  lines.insert(lines.end(), {"", "", "", "SlotDefinition"});
  for (const std::string& line : FixtureLines(slotLines)) lines.push_back(line);
  lines.insert(lines.end(), {"EndSlotDefinition", "", "", "", ""});
  return lines;
}

TEST(GsdWriter, NoBytesGiveNoModulesAndAnEmptySlotList) {
  TempFolder dir;
  Create_GSD_File(dir.File("x.gsd"), 0, 0);
  EXPECT_EQ(dir.Read("x.gsd"), CrLfText(Expected("0", "0", "0", "0", "", "")));
}

TEST(GsdWriter, ModulesCarrySixtyFourBytesAndTheLastOneTheRest) {
  struct Case {
    const char* name;
    int in, out;
    const char* modules;
    const char* data;
    std::string moduleLines;
    std::string slotLines;
  } cases[] = {
      {"64 input bytes: one full module", 64, 0, "1", "64", R"x(
Module="DI  (PORT1)    " 0x42,0x3F,0x00,0x01
1
EndModule
)x",
       R"x(
Slot(1) = "Slot 1" 1 1
)x"},
      {"65 input bytes: a full module and one of one byte", 65, 0, "2", "65", R"x(
Module="DI  (PORT1)    " 0x42,0x3F,0x00,0x01
1
EndModule
Module="DI  (PORT2)    " 0x42,0x00,0x00,0x02
2
EndModule
)x",
       R"x(
Slot(1) = "Slot 1" 1 1
Slot(2) = "Slot 2" 2 2
)x"},
      {"496 bytes each way: numbering runs on into the outputs", 496, 496, "16", "992", R"x(
Module="DI  (PORT1)    " 0x42,0x3F,0x00,0x01
1
EndModule
Module="DI  (PORT2)    " 0x42,0x3F,0x00,0x02
2
EndModule
Module="DI  (PORT3)    " 0x42,0x3F,0x00,0x03
3
EndModule
Module="DI  (PORT4)    " 0x42,0x3F,0x00,0x04
4
EndModule
Module="DI  (PORT5)    " 0x42,0x3F,0x00,0x05
5
EndModule
Module="DI  (PORT6)    " 0x42,0x3F,0x00,0x06
6
EndModule
Module="DI  (PORT7)    " 0x42,0x3F,0x00,0x07
7
EndModule
Module="DI  (PORT8)    " 0x42,0x2F,0x00,0x08
8
EndModule
Module="DO  (PORT9)    " 0x82,0x3F,0x00,0x09
9
EndModule
Module="DO  (PORT10)    " 0x82,0x3F,0x00,0x0A
10
EndModule
Module="DO  (PORT11)    " 0x82,0x3F,0x00,0x0B
11
EndModule
Module="DO  (PORT12)    " 0x82,0x3F,0x00,0x0C
12
EndModule
Module="DO  (PORT13)    " 0x82,0x3F,0x00,0x0D
13
EndModule
Module="DO  (PORT14)    " 0x82,0x3F,0x00,0x0E
14
EndModule
Module="DO  (PORT15)    " 0x82,0x3F,0x00,0x0F
15
EndModule
Module="DO  (PORT16)    " 0x82,0x2F,0x00,0x10
16
EndModule
)x",
       R"x(
Slot(1) = "Slot 1" 1 1
Slot(2) = "Slot 2" 2 2
Slot(3) = "Slot 3" 3 3
Slot(4) = "Slot 4" 4 4
Slot(5) = "Slot 5" 5 5
Slot(6) = "Slot 6" 6 6
Slot(7) = "Slot 7" 7 7
Slot(8) = "Slot 8" 8 8
Slot(9) = "Slot 9" 9 9
Slot(10) = "Slot 10" 10 10
Slot(11) = "Slot 11" 11 11
Slot(12) = "Slot 12" 12 12
Slot(13) = "Slot 13" 13 13
Slot(14) = "Slot 14" 14 14
Slot(15) = "Slot 15" 15 15
Slot(16) = "Slot 16" 16 16
)x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string in = std::to_string(c.in);
    const std::string out = std::to_string(c.out);
    EXPECT_EQ(Build_GSD_Lines(c.in, c.out),
              Expected(c.modules, in.c_str(), out.c_str(), c.data, c.moduleLines, c.slotLines));
  }
}

TEST(GsdWriter, FileNameGetsTheExtensionUnlessItsFirstGsdEndsIt) {
  struct Case {
    const char* chosen;
    const char* name;
  } cases[] = {
      {"/p/Device.GSD", "/p/Device.GSD"},
      {"/p/device", "/p/device.gsd"},
      {"/p/a.gsd.txt", "/p/a.gsd.txt.gsd"},
      {"/p/a.gsd.gsd", "/p/a.gsd.gsd.gsd"},
      {"/p/x.gsd/device", "/p/x.gsd/device.gsd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(GSD_File_Name(c.chosen), c.name);
  }
}

// Plays the user: the name typed in the save dialog and the answer to the overwrite question.
class TScriptedUi : public IFileWriterUi {
 public:
  std::optional<std::string> AskSaveFileName(const TSaveFileRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  void ShowError(const std::string& text) override { log.push_back("error: " + text); }
  bool AskYesNo(const std::string& text) override {
    log.push_back("question: " + text);
    return yes;
  }

  std::optional<std::string> answer;
  bool yes = false;
  std::vector<TSaveFileRequest> requests;
  std::vector<std::string> log;
};

const char* const ParGen = R"(<Par_Gen><EtherNetIP_NB_Input>65</EtherNetIP_NB_Input>)"
                           R"(<EtherNetIP_NB_Output>abc</EtherNetIP_NB_Output></Par_Gen><!--SW_VERSION = 1.300-->)";

TEST(GsdWriter, SaveStepWithoutParGenShowsTheErrorAndAsksNothing) {
  TempFolder dir;
  TScriptedUi ui;
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  EXPECT_EQ(ui.log, std::vector<std::string>{
                        "error: Error! Please set the Set Communication Parameter before to create the GSD file"});
  EXPECT_TRUE(ui.requests.empty());
}

TEST(GsdWriter, SaveStepReadsTheSizesAndAsksBeforeReplacingAFile) {
  TempFolder dir;
  dir.Write("ParGen.xml", ParGen);
  TScriptedUi ui;
  ui.answer = dir.File("slave");
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  ASSERT_EQ(ui.requests.size(), 1u);
  EXPECT_EQ(ui.requests[0].InitialDir, dir.Path());
  EXPECT_EQ(ui.requests[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
  EXPECT_TRUE(ui.log.empty());
  // 65 input bytes; an output size that is no number counts as 0.
  EXPECT_EQ(dir.Read("slave.gsd"), CrLfText(Build_GSD_Lines(65, 0)));

  dir.Write("slave.gsd", "mine");
  ui.yes = false;
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  EXPECT_EQ(ui.log, std::vector<std::string>{"question: File already exists! Do you want to overwrite the file?"});
  EXPECT_EQ(dir.Read("slave.gsd"), "mine");

  ui.yes = true;
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  EXPECT_EQ(dir.Read("slave.gsd"), CrLfText(Build_GSD_Lines(65, 0)));

  ui.answer.reset();  // cancelled
  DeleteFile(dir.File("slave.gsd"));
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  EXPECT_FALSE(FileExists(dir.File("slave.gsd")));
}

TEST(GsdWriter, ParGenStartingWithACommentReadsAsNoBytes) {
  TempFolder dir;
  dir.Write("ParGen.xml", std::string("<!--x-->") + ParGen);
  TScriptedUi ui;
  ui.answer = dir.File("slave.gsd");
  Save_GSD_File(ui, dir.File("ParGen.xml"), dir.Path());
  EXPECT_EQ(dir.Read("slave.gsd"), CrLfText(Build_GSD_Lines(0, 0)));
}

}  // namespace
}  // namespace hd
