#include "platform/xml.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

const char kSettings[] =
    "<Conf_Settings>\n"
    "  <lastproj><projectname>Plant A</projectname></lastproj>\n"
    "  <lastipadd><ipaddress></ipaddress></lastipadd>\n"
    "</Conf_Settings>\n";

// How the settings reader walks a file: first child as root, then names, then text.
std::optional<std::string> ReadSetting(const TXmlDocument& doc, const char* outer, const char* inner) {
  return doc.FirstChild().FindNode(outer).FindNode(inner).TryText();
}

TEST(Xml, FirstChildIsWhatTheFileStartsWith) {
  struct Case {
    const char* name;
    std::string prefix;
    TXmlNodeType firstType;
  } cases[] = {
      {"root first", "", ntElement},
      {"declaration first", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", ntDeclaration},
      {"comment first", "<!-- saved by hand -->\n", ntComment},
      {"processing instruction first", "<?xml-stylesheet href=\"a.xsl\"?>", ntProcessingInstr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TXmlDocument doc;
    doc.LoadFromString(c.prefix + kSettings);
    EXPECT_TRUE(doc.Active());
    EXPECT_EQ(doc.FirstChild().NodeType(), c.firstType);
    EXPECT_EQ(doc.DocumentElement().NodeName(), "Conf_Settings");
    std::optional<std::string> project = ReadSetting(doc, "lastproj", "projectname");
    if (c.firstType == ntElement) {
      EXPECT_EQ(project, "Plant A");
      EXPECT_EQ(ReadSetting(doc, "lastipadd", "ipaddress"), "");  // present but empty
      EXPECT_EQ(ReadSetting(doc, "lastlang", "language"), std::nullopt);
    } else {
      EXPECT_EQ(project, std::nullopt);  // a reader of such a file gets every default
    }
  }
}

TEST(Xml, ElementTextRules) {
  struct Case {
    const char* name;
    const char* xml;
    std::optional<std::string> text;
  } cases[] = {
      {"no child", "<r/>", ""},
      {"empty pair", "<r></r>", ""},
      {"one text child", "<r>192.168.2.205</r>", "192.168.2.205"},
      {"blanks around text are kept", "<r>  x  </r>", "  x  "},
      {"whitespace only is kept", "<r> \n\t </r>", " \n\t "},
      {"entities", "<r>a &amp; &lt;b&gt; &#182;</r>", "a & <b> \xC2\xB6"},
      {"CDATA", "<r><![CDATA[a<b]]></r>", "a<b"},
      {"child element", "<r><a>1</a></r>", std::nullopt},
      {"text and comment", "<r>x<!--c--></r>", std::nullopt},
      {"only a comment", "<r><!--c--></r>", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TXmlDocument doc;
    doc.LoadFromString(c.xml);
    TXmlNode r = doc.FirstChild();
    EXPECT_EQ(r.TryText(), c.text);
    EXPECT_EQ(r.IsTextElement(), c.text.has_value());
    if (c.text)
      EXPECT_EQ(r.Text(), *c.text);
    else
      EXPECT_THROW(r.Text(), EXmlError);
  }
  TXmlDocument doc;
  doc.LoadFromString("<!--v--><r/>");
  EXPECT_EQ(doc.FirstChild().TryText(), std::nullopt);  // a comment is no element
  EXPECT_THROW(doc.FirstChild().FindNode("missing").Text(), EXmlError);
}

TEST(Xml, RowsAttributesAndComments) {
  TXmlDocument doc;
  doc.LoadFromString(
      "<EtherNetIP_to_Modbus_TCP_Master>\n"
      "  <Modbus_Read>\n"
      "    <row IP_Address=\"192.168.1.125\" Port=\"502\" Bit=\"\" Mnemonic=\"a &quot;b&quot;\"/>\n"
      "    <!-- disabled -->\n"
      "    <row IP_Address=\"10.0.0.1\"/>\n"
      "  </Modbus_Read>\n"
      "  <Modbus_Write/>\n"
      "</EtherNetIP_to_Modbus_TCP_Master>\n"
      "<!--SW_VERSION = 1.300-->\n");
  std::vector<TXmlNode> top = doc.ChildNodes();
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[1].NodeType(), ntComment);
  EXPECT_EQ(top[1].NodeValue(), "SW_VERSION = 1.300");

  TXmlNode read = doc.FirstChild().FindNode("Modbus_Read");
  EXPECT_EQ(read.ChildCount(), 3);  // the comment counts as a node ...
  ASSERT_EQ(read.ChildElements().size(), 2u);  // ... but not as a row
  EXPECT_EQ(read.ChildElements("row").size(), 2u);
  EXPECT_EQ(read.Child(1).NodeType(), ntComment);
  EXPECT_TRUE(read.Child(3).IsNull());
  EXPECT_EQ(doc.FirstChild().FindNode("Modbus_Write").ChildCount(), 0);
  EXPECT_TRUE(doc.FirstChild().FindNode("modbus_read").IsNull());  // names match exactly

  TXmlNode row = read.ChildElements()[0];
  EXPECT_EQ(row.Attribute("Port"), "502");
  EXPECT_EQ(row.Attribute("Bit"), "");
  EXPECT_TRUE(row.HasAttribute("Bit"));
  EXPECT_EQ(row.Attribute("Swap"), std::nullopt);
  EXPECT_FALSE(row.HasAttribute("Swap"));
  EXPECT_EQ(row.AttributeOr("Swap", "N"), "N");
  EXPECT_EQ(row.AttributeOr("Bit", "0"), "");
  EXPECT_EQ(row.Attribute("Mnemonic"), "a \"b\"");
  EXPECT_EQ(row.Attributes().front().first, "IP_Address");
  EXPECT_EQ(row.Parent().NodeName(), "Modbus_Read");
  EXPECT_EQ(row.NextSibling().NodeType(), ntComment);
}

TEST(Xml, BuildSaveAndReload) {
  TempFolder tmp;
  std::string path = tmp.File("ParGen.xml");
  TXmlDocument doc;
  doc.LoadFromString("<?xml version=\"1.0\"?><old><x/></old>");
  doc.Clear();
  EXPECT_TRUE(doc.FirstChild().IsNull());
  TXmlNode root = doc.AddChild("Par_Gen");
  doc.AddComment("SW_VERSION = 1.300");
  root.AddChild("EtherNetIP_IP1").SetText("192");
  root.AddChild("Empty").SetText("");
  TXmlNode row = root.AddChild("row");
  const std::string odd = "a&b <c> \"d\" 'e'\r\n\t\xC2\xB6\xE2\x82\xAC";
  row.SetAttribute("Mnemonic", odd);
  row.SetAttribute("Bit", "");
  row.SetAttribute("Mnemonic", "again");  // setting twice keeps one attribute in its place
  row.SetAttribute("Text", odd);
  doc.SaveToFile(path);

  std::string saved = ReadFileBytes(path);
  EXPECT_EQ(saved.rfind("<Par_Gen>", 0), 0u) << saved;  // no declaration, no mark
  EXPECT_NE(saved.find("</Par_Gen>\n<!--SW_VERSION = 1.300-->"), std::string::npos) << saved;
  EXPECT_TRUE(IsValidUtf8(saved));

  TXmlDocument back;
  back.LoadFromFile(path);
  ASSERT_EQ(back.ChildNodes().size(), 2u);
  EXPECT_EQ(back.FirstChild().NodeName(), "Par_Gen");
  EXPECT_EQ(back.ChildNodes()[1].NodeValue(), "SW_VERSION = 1.300");
  EXPECT_EQ(back.FirstChild().FindNode("EtherNetIP_IP1").Text(), "192");
  EXPECT_EQ(back.FirstChild().FindNode("Empty").Text(), "");
  TXmlNode r = back.FirstChild().FindNode("row");
  EXPECT_EQ(r.Attributes(), (std::vector<std::pair<std::string, std::string>>{
                                {"Mnemonic", "again"}, {"Bit", ""}, {"Text", odd}}));
  EXPECT_EQ(back.SaveToString(), saved);
}

// Blanks or a tab came back empty and a CR came back as LF; a value that was not UTF-8 made
// the reader take the whole file for Windows-1252, changing every other value.
TEST(Xml, EveryValueReadsBackAsWritten) {
  struct Case {
    const char* name;
    std::string value;
    std::string readBack;
  } cases[] = {
      {"blanks", "   ", "   "},
      {"a tab", "\t", "\t"},
      {"a line feed", "\n", "\n"},
      {"CR", "a\rb", "a\rb"},
      {"CR LF", "a\r\nb", "a\r\nb"},
      {"a lone CR", "\r", "\r"},
      {"not UTF-8: read as Windows-1252", "Caf\xE9 \x80", "Caf\xC3\xA9 \xE2\x82\xAC"},
      {"a cut UTF-8 sequence", "ab\xC3", "ab\xC3\x83"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TXmlDocument doc;
    TXmlNode root = doc.AddChild("Conf_Settings");
    root.AddChild("projectname").SetText(c.value);
    root.AddChild("language").SetText("Fran\xC3\xA7" "ais");
    root.AddChild("row").SetAttribute("Mnemonic", c.value);
    doc.AddComment("SW_VERSION = 1.300");
    const std::string saved = doc.SaveToString();
    EXPECT_TRUE(IsValidUtf8(saved)) << saved;
    TXmlDocument back;
    back.LoadFromString(saved);
    EXPECT_EQ(back.FirstChild().FindNode("projectname").Text(), c.readBack);
    EXPECT_EQ(back.FirstChild().FindNode("row").Attribute("Mnemonic"), c.readBack);
    EXPECT_EQ(back.FirstChild().FindNode("language").Text(), "Fran\xC3\xA7" "ais");
    EXPECT_EQ(back.SaveToString(), saved);
  }
  // Comments keep their line ends as they are: a reference there would be read as text.
  TXmlDocument doc;
  doc.AddComment("a\rb");
  doc.AddComment("> <![CDATA[");  // "<!-->": the comment's end is not inside its opener
  doc.AddChild("r").SetText("\r");
  EXPECT_EQ(doc.SaveToString(), "<!--a\rb-->\n<!--> <![CDATA[-->\n<r>&#13;</r>\n");
}

// A reference to NUL cut the value there, one to no character came back as Windows-1252 text
// and an unknown entity as "&amp;...": each was saved changed by the next write.
TEST(Xml, ReferencesToNoCharacterOrUnknownEntitiesAreRefused) {
  struct Case {
    const char* name;
    std::string xml;
    std::string reason;  // empty when the text loads
  } cases[] = {
      {"NUL in an attribute", "<r a=\"ab&#0;cd\"/>", "\"&#0;\" names no character"},
      {"NUL in hexadecimal", "<r>&#x00;</r>", "\"&#x00;\" names no character"},
      {"a surrogate", "<r a=\"&#xD800;\"/>", "\"&#xD800;\" names no character"},
      {"beyond U+10FFFF", "<r>&#1566836;</r>", "\"&#1566836;\" names no character"},
      {"far beyond", "<r>&#x1000000000000041;</r>", "names no character"},
      {"an upper-case X", "<r>&#X41;</r>", "names no character"},
      {"an undeclared entity", "<r a=\"x&nbsp;y\"/>", "the entity \"&nbsp;\" is not defined"},
      {"the five entities and good references", "<r a=\"&amp;&lt;&gt;&quot;&apos;&#65;&#x10FFFF;\"/>", ""},
      {"references inside comments and CDATA", "<!--&#0;--><r><![CDATA[&bad;]]></r>", ""},
      {"a lone ampersand", "<r>a & b</r>", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TXmlDocument doc;
    if (c.reason.empty()) {
      EXPECT_NO_THROW(doc.LoadFromString(c.xml));
      continue;
    }
    try {
      doc.LoadFromString(c.xml);
      ADD_FAILURE() << "loaded";
    } catch (const EXmlError& e) {
      EXPECT_NE(e.Message().find(c.reason), std::string::npos) << e.Message();
      EXPECT_FALSE(doc.DocumentElement()) << "the document is left empty";
    }
  }
  TXmlDocument refs;
  refs.LoadFromString("<r a=\"&#x10FFFF;|&#65;\"/>");
  EXPECT_EQ(*refs.DocumentElement().Attribute("a"), "\xF4\x8F\xBF\xBF|A");
}

// A 10 MB file of empty elements took 448 MB to read.
TEST(Xml, FileOverTheSizeLimitIsRefusedWithItsName) {
  TempFolder tmp;
  std::string big;
  while (big.size() <= kMaxXmlFileSize) big += "<a/>";
  const std::string path = tmp.Write("ModbusTCPM_SetAccess.xml", "<r>" + big + "</r>");
  TXmlDocument doc;
  try {
    doc.LoadFromFile(path);
    FAIL() << "read";
  } catch (const EXmlError& e) {
    EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("too large"), std::string::npos) << e.Message();
  }
  EXPECT_TRUE(doc.FirstChild().IsNull());
}

TEST(Xml, SavingDropsALoadedDeclaration) {
  TXmlDocument doc;
  doc.LoadFromString("<?xml version=\"1.0\" encoding=\"UTF-16\"?><!--c--><a>1</a>");
  EXPECT_EQ(doc.SaveToString(), "<!--c-->\n<a>1</a>\n");
}

TEST(Xml, CompactLayoutPutsNothingBetweenNodes) {
  TXmlDocument doc;
  doc.LoadFromString("<a>\n  <b x=\" 1 \"/>\n  <!--c-->\n  <d/>\n</a>\n<!--v-->\n");
  const std::string compact = doc.SaveToString(xlCompact);
  EXPECT_EQ(compact, "<a><b x=\" 1 \"/><!--c--><d/></a><!--v-->");
  TXmlDocument back;
  back.LoadFromString(compact);
  EXPECT_EQ(back.SaveToString(), doc.SaveToString());
}

TEST(Xml, FilesFromOutsideAreDecodedTolerantly) {
  const std::string xml = "<r m=\"\xC2\xB6\">Caf\xC3\xA9</r>";
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"UTF-8", xml},
      {"UTF-8 with mark", "\xEF\xBB\xBF" + xml},
      {"UTF-16 LE with mark and declaration",
       EncodeText("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + xml, TTextEncoding::UTF16LE)},
      {"UTF-16 BE with mark", EncodeText(xml, TTextEncoding::UTF16BE)},
      {"UTF-16 LE without mark", EncodeText(xml, TTextEncoding::UTF16LE).substr(2)},
      {"Windows-1252 without declaration", "<r m=\"\xB6\">Caf\xE9</r>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    WriteFileAtomic(tmp.File("in.xml"), c.bytes);
    TXmlDocument doc;
    doc.LoadFromFile(tmp.File("in.xml"));
    TXmlNode r = doc.DocumentElement();
    EXPECT_EQ(r.Attribute("m"), "\xC2\xB6");
    EXPECT_EQ(r.TryText(), "Caf\xC3\xA9");
  }
}

TEST(Xml, LoadFailureNamesTheFileAndEmptiesTheDocument) {
  TempFolder tmp;
  struct Case {
    const char* name;
    const char* file;
    const char* content;  // null: no file
  } cases[] = {
      {"missing file", "Tessaron.xml", nullptr},
      {"unclosed element", "bad.xml", "<Conf_Settings><lastproj>"},
      {"no element at all", "empty.xml", "<!-- nothing -->"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = tmp.File(c.file);
    if (c.content) WriteFileAtomic(path, c.content);
    TXmlDocument doc;
    doc.LoadFromString(kSettings);
    try {
      doc.LoadFromFile(path);
      ADD_FAILURE() << "no error";
    } catch (const EXmlError& e) {
      EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(doc.FirstChild().IsNull());
  }
}

TEST(Xml, SaveFailureIsReported) {
  TempFolder tmp;
  CreateDir(tmp.File("ParGen.xml"));
  TXmlDocument doc;
  doc.AddChild("Par_Gen");
  EXPECT_THROW(doc.SaveToFile(tmp.File("ParGen.xml")), EFCreateError);
  EXPECT_THROW(doc.FirstChild().FindNode("none").AddChild("x"), EXmlError);
  EXPECT_THROW(doc.FirstChild().FindNode("none").SetAttribute("a", "b"), EXmlError);
}

// A parse error tells its line: after LF, CR LF and lone CR line ends alike.
TEST(Xml, ParseErrorTellsItsLine) {
  struct Case {
    const char* name;
    std::string xml;
    int line;
  };
  const Case cases[] = {
      {"first line", "<r><a></r>", 1},
      {"after CR LF ends", "<r>\r\n<a>\r\n</r>\r\n", 3},
      {"after LF and CR ends", "<r>\n<a>\r</b>", 3},
      {"a bad reference", "<r>\n\n&bad;</r>", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TXmlDocument doc;
    try {
      doc.LoadFromString(c.xml);
      ADD_FAILURE() << "loaded";
    } catch (const EXmlParseError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.Message();
      EXPECT_NE(e.Code(), 0);
    }
  }
}

}  // namespace
}  // namespace hd
