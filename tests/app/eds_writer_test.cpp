#include "app/eds_writer.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/file_writer_ui.h"
#include "app/text_fixture.h"
#include "testkit/temp_folder.h"
#include "platform/dateutils.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

using testing_app::CrLfText;
using testing_app::FixtureLines;
using testkit::TempFolder;

// Everything before the object lists; {TIME}, {DATE}, {R} and {T} are filled in per test.
const char* const InfoSections = R"(
[FileInfo]
FileName=EtherNetIP_CANopen.eds
FileVersion=1
FileRevision=0
EDSVersion=4.0
Description=Converter EtherNet/IP / CANopen
CreationTime={TIME}
CreationDate={DATE}
CreatedBy=Kastir
ModificationTime={TIME}
ModificationDate={DATE}
ModifiedBy=Kastir

[DeviceInfo]
VendorName=Kastir
VendorNumber=0x00
ProductName=Converter EtherNet/IP / CANopen
ProductNumber=297
RevisionNumber=0x0
OrderCode=HD58297
BaudRate_10=1
BaudRate_20=1
BaudRate_50=1
BaudRate_125=1
BaudRate_250=1
BaudRate_500=1
BaudRate_800=0
BaudRate_1000=1
DynamicChannelsSupported=0
GroupMessaging=0
LSS_Supported=0
Granularity=0
SimpleBootUpSlave=1
SimpleBootUpMaster=0
NrOfRXPDO={R}
NrOfTXPDO={T}

[Comments]
Lines=0

[DummyUsage]
Dummy0001=0
Dummy0002=0
Dummy0003=0
Dummy0004=0
Dummy0005=0
Dummy0006=0
Dummy0007=0

[MandatoryObjects]
SupportedObjects=3
1=0x1000
2=0x1001
3=0x1018

)";

const char* const FixedObjects = R"(
[1000]
ParameterName=Device Type
ObjectType=0x07
DataType=0x0007
AccessType=const
DefaultValue=0x000101A4
PDOMapping=0

[1001]
ParameterName=Error Register
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x00
PDOMapping=0

[1005]
ParameterName=COB-ID SYNC
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x80000080
PDOMapping=0

[1006]
ParameterName=Communication Cycle Period
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1008]
ParameterName=Manufacturer Device Name
ObjectType=0x07
DataType=0x0009
AccessType=const
DefaultValue=s1
PDOMapping=0

[1014]
ParameterName=COB-ID EMCY
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=$NODEID+0x80
PDOMapping=0

[1016]
SubNumber=3
ParameterName=Heartbeat Consumer Entries
ObjectType=0x08

[1016sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[1016sub1]
ParameterName=Consumer Heartbeat Time 1
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1016sub2]
ParameterName=Consumer Heartbeat Time 2
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1017]
ParameterName=Producer Heartbeat Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x000003E8
PDOMapping=0

[1018]
SubNumber=5
ParameterName=Identity Object
ObjectType=0x09

[1018sub0]
ParameterName=number of entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x4
PDOMapping=0

[1018sub1]
ParameterName=Vendor Id
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub2]
ParameterName=Product Code
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub3]
ParameterName=Revision number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub4]
ParameterName=Serial number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1029]
SubNumber=2
ParameterName=Error Behaviour
ObjectType=0x08

[1029sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=1
PDOMapping=0

[1029sub1]
ParameterName=Communication Error
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1280]
SubNumber=4
ParameterName=Client SDO Parameter 1
ObjectType=0x09

[1280sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1280sub1]
ParameterName=COB-ID Client -> Server
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub2]
ParameterName=COB-ID Server -> Client
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub3]
ParameterName=Node ID of the SDO Server
ObjectType=0x07
DataType=0x0005
AccessType=rw
PDOMapping=0

)";

std::string Info(const char* time, const char* date, const char* r, const char* t) {
  std::string text = StringReplaceAll(StringReplaceAll(InfoSections, "{TIME}", time), "{DATE}", date);
  return StringReplaceAll(StringReplaceAll(text, "{R}", r), "{T}", t);
}

std::vector<std::string> Lines(const std::string& fixture) { return FixtureLines(fixture); }

std::vector<std::string> Concat(std::initializer_list<std::string> fixtures) {
  std::vector<std::string> lines;
  for (const std::string& f : fixtures)
    for (const std::string& line : Lines(f)) lines.push_back(line);
  return lines;
}

TEST(EdsWriter, WithoutTableFilesWritesOnlyTheFixedObjects) {
  TempFolder dir;
  const std::string file = dir.File("out.eds");
  // The paths of this product stay empty: the writer finds no table file.
  TEdsWriter("", "").Create_EDS_File(file, EncodeDate(2024, 7, 3) + EncodeTime(9, 5, 41, 0));
  const std::vector<std::string> expected = Concat({Info("09:05AM", "07-03-2024", "0", "0"), R"(
[OptionalObjects]
SupportedObjects=8
1=0x1005
2=0x1006
3=0x1008
4=0x1014
5=0x1016
6=0x1017
7=0x1029
8=0x1280

[ManufacturerObjects]
SupportedObjects=0

)", FixedObjects, "\n\n"});
  EXPECT_EQ(dir.Read("out.eds"), CrLfText(expected));
}

const char* const PdoFile = R"(<PDO>
  <Receive_PDO>
    <row COB-ID="513" Dimension="2"/>
  </Receive_PDO>
  <Transmit_PDO>
    <row COB-ID="385" Dimension="1"/>
  </Transmit_PDO>
</PDO>
)";

// Sub-index 3 is listed before 1, and read-only rows come before read-write ones.
const char* const SdoFile = R"(<SDO_Server>
  <SDO_Read>
    <row Index="8192" SubIndex="3" NByte="2"/>
    <row Index="8193" SubIndex="0" NByte="4"/>
  </SDO_Read>
  <SDO_Write>
    <row Index="8192" SubIndex="1" NByte="1"/>
  </SDO_Write>
</SDO_Server>
)";

const char* const PdoAndSdoObjects = R"(
[1400]
SubNumber=4
ParameterName=Receive PDO Communication Parameter 1
ObjectType=0x09

[1400sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1400sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000201
PDOMapping=0

[1400sub2]
ParameterName=Transmission Type
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0xFE
PDOMapping=0

[1400sub3]
ParameterName=Inhibit Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1600]
SubNumber=3
ParameterName=Receive PDO Mapping Parameter
ObjectType=0x09

[1600sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[1600sub1]
ParameterName=Mapping Entry 1
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70000108
PDOMapping=0

[1600sub2]
ParameterName=Mapping Entry 2
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70000208
PDOMapping=0

[1800]
SubNumber=4
ParameterName=Transmit PDO Communication Parameter 1
ObjectType=0x09

[1800sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1800sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000181
PDOMapping=0

[1800sub2]
ParameterName=Transmission Type
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0xFE
PDOMapping=0

[1800sub3]
ParameterName=Inhibit Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1A00]
SubNumber=2
ParameterName=Transmit PDO Mapping Parameter 1
ObjectType=0x09

[1A00sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x01
PDOMapping=0

[1A00sub1]
ParameterName=Mapping Entry 1
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70500108
PDOMapping=0

[7000]
SubNumber=3
ParameterName=RPDO1
ObjectType=0x08

[7000sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[7000sub1]
ParameterName=b1
ObjectType=0x07
DataType=0x0005
AccessType=rww
DefaultValue=0x00
PDOMapping=1

[7000sub2]
ParameterName=b2
ObjectType=0x07
DataType=0x0005
AccessType=rww
DefaultValue=0x00
PDOMapping=1

[7050]
SubNumber=2
ParameterName=TPDO1
ObjectType=0x08

[7050sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x01
PDOMapping=0

[7050sub1]
ParameterName=l1
ObjectType=0x07
DataType=0x0005
AccessType=rwr
DefaultValue=0x00
PDOMapping=1

[2000]
SubNumber=3
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[2000sub1]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0

[2000sub3]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0006
LowLimit=0x0000
HighLimit=0xFFFF
DefaultValue=0x0000
AccessType=ro
PDOMapping=0

[2001]
SubNumber=1
ParameterName=App Vars
ObjectType=0x9

[2001sub0]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0007
LowLimit=0x00000000
HighLimit=0xFFFFFFFF
DefaultValue=0x00000000
AccessType=ro
PDOMapping=0

)";

TEST(EdsWriter, OnePdoEachWayAndSdoSubEntriesOutOfOrder) {
  TempFolder dir;
  dir.Write("PDO.xml", PdoFile);
  dir.Write("SDO_Server.xml", SdoFile);
  const std::string file = dir.File("out.eds");
  TEdsWriter(dir.File("PDO.xml"), dir.File("SDO_Server.xml"))
      .Create_EDS_File(file, EncodeDate(2024, 12, 31) + EncodeTime(17, 40, 0, 0));
  const std::vector<std::string> expected = Concat({Info("05:40PM", "12-31-2024", "1", "1"), R"(
[OptionalObjects]
SupportedObjects=14
1=0x1005
2=0x1006
3=0x1008
4=0x1014
5=0x1016
6=0x1017
7=0x1029
8=0x1280
9=0x1400
10=0x1600
11=0x1800
12=0x1A00
13=0x7000
14=0x7050

[ManufacturerObjects]
SupportedObjects=2
1=0x2000
2=0x2001

)", FixedObjects, PdoAndSdoObjects, "\n\n"});
  EXPECT_EQ(dir.Read("out.eds"), CrLfText(expected));
}

TEST(EdsWriter, TimeStampUsesTwelveHourClock) {
  struct Case {
    int hour, minute;
    const char* text;
  } cases[] = {
      {0, 0, "00:00AM"},  {0, 59, "00:59AM"},  {9, 5, "09:05AM"},  {11, 59, "11:59AM"},
      {12, 0, "12:00PM"}, {12, 30, "12:30PM"}, {13, 0, "01:00PM"}, {23, 59, "11:59PM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(EDS_Time(EncodeDate(2024, 1, 1) + EncodeTime(c.hour, c.minute, 0, 0)), c.text);
  }
  EXPECT_EQ(EDS_Date(EncodeDate(2024, 7, 3)), "07-03-2024");
  EXPECT_EQ(EDS_Date(EncodeDate(987, 11, 30)), "11-30-987");
}

TEST(EdsWriter, ReadsAtMostThirtyPdosPerDirection) {
  TempFolder dir;
  std::string pdo = "<PDO><Receive_PDO>";
  for (int i = 0; i < 33; ++i) pdo += "<row COB-ID=\"" + std::to_string(512 + i) + "\" Dimension=\"1\"/>";
  pdo += "</Receive_PDO><Transmit_PDO><row COB-ID=\"x\" Dimension=\"many\"/></Transmit_PDO></PDO>";
  dir.Write("PDO.xml", pdo);
  TEdsWriter writer(dir.File("PDO.xml"), "");
  const std::vector<std::string> lines = writer.Build_EDS_Lines(EncodeDate(2024, 1, 1));
  EXPECT_EQ(writer.NrOfRXPDO(), 30);
  EXPECT_EQ(writer.NrOfTXPDO(), 1);
  auto has = [&lines](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has("NrOfRXPDO=30"));
  EXPECT_TRUE(has("SupportedObjects=101"));  // 8 + 3 x 30 + 3 x 1
  EXPECT_TRUE(has("[701D]"));
  EXPECT_TRUE(has("ParameterName=av1"));
  EXPECT_FALSE(has("[701E]"));
  // A COB-ID that is no number reads as 0, such a dimension as 8.
  const auto cobId = std::find(lines.begin(), lines.end(), "[1800sub1]");
  ASSERT_LT(cobId + 5, lines.end());
  EXPECT_EQ(cobId[5], "DefaultValue=0x00000000");
  EXPECT_TRUE(has("[1A00sub8]"));
  EXPECT_FALSE(has("[1A00sub9]"));
}

TEST(EdsWriter, ABadSdoNumberStopsTheRunBeforeAnythingIsWritten) {
  TempFolder dir;
  dir.Write("SDO.xml", "<S><SDO_Read><row Index=\"8192\" SubIndex=\"1\"/></SDO_Read></S>");
  const std::string file = dir.File("out.eds");
  EXPECT_THROW(TEdsWriter("", dir.File("SDO.xml")).Create_EDS_File(file), EConvertError);
  EXPECT_FALSE(FileExists(file));
}

// Plays the user at the save dialog.
class TScriptedUi : public IFileWriterUi {
 public:
  std::optional<std::string> AskSaveFileName(const TSaveFileRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return true;
  }

  std::optional<std::string> answer;
  std::vector<TSaveFileRequest> requests;
  std::vector<std::string> errors;
  std::vector<std::string> questions;
};

TEST(EdsWriter, SaveStepAsksForTheNameInTheConfigurationFolder) {
  TempFolder dir;
  TScriptedUi ui;
  Save_EDS_File(ui, dir.Path(), "", "");
  ASSERT_EQ(ui.requests.size(), 1u);
  EXPECT_EQ(ui.requests[0].InitialDir, dir.Path());
  EXPECT_EQ(ui.requests[0].Filter, "Electronic Data Sheet (*.eds)|*.eds");
  EXPECT_EQ(ui.requests[0].DefaultExt, "eds");
  EXPECT_TRUE(ListFiles(dir.Path()).empty());  // cancelled: nothing written

  ui.answer = dir.File("node.eds");
  Save_EDS_File(ui, dir.Path(), "", "");
  EXPECT_TRUE(dir.Read("node.eds").starts_with("[FileInfo]\r\nFileName=EtherNetIP_CANopen.eds\r\n"));
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_TRUE(ui.questions.empty());
}

}  // namespace
}  // namespace hd
