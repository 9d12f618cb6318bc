// The grid as an HTML table.
#include "grid/dataops/files/html_export.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/lists.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/print_settings.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/image_list.h"
#include "platform/jpeg_codec.h"
#include "platform/picture.h"
#include "platform/shell.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"

namespace hd {

namespace {

constexpr const char* kCrLf = "\r\n";
// The JPEG encoder's default quality.
constexpr int kJpegQuality = 75;
constexpr std::size_t kMaxShownLink = 255;

bool TrimsToEmpty(const std::string& Text) {
  return std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// At most Count characters of a UTF-8 text.
std::string Utf8Head(const std::string& Text, std::size_t Count) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < Text.size() && n < Count; ++n) {
    ++i;
    while (i < Text.size() && (static_cast<unsigned char>(Text[i]) & 0xC0) == 0x80) ++i;
  }
  return Text.substr(0, i);
}

std::string Link(const std::string& Text, const std::string& Marker, bool Full) {
  const std::size_t at = Text.find(Marker);
  const std::string shown = Full ? Text : Utf8Head(Text.substr(at + Marker.size()), kMaxShownLink);
  return "<a href=" + Text + ">" + shown + "</a>";
}

bool ColorSet(TColor Color) { return Color != kColorNotSet && Color != clNone; }

std::string HexRGB(TColor Color) { return ColorToHexRGB(ColorToRGB(Color)); }

class THtmlWriter {
 public:
  THtmlWriter(TGridDataHost& Host, const std::string& Dir)
      : host_(Host), s_(Host.HTMLSettings()), dir_(Dir), o_(Host.FileOptions()) {}

  std::string Document() {
    const int c0 = o_.SaveFixedCells || o_.SaveFixedCols ? 0 : host_.FixedCols();
    const int r0 = o_.SaveFixedCells || o_.SaveFixedRows ? 0 : host_.FixedRows();
    c0_ = c0;
    header_ = host_.FixedRows() > 0 && (o_.SaveFixedCells || o_.SaveFixedRows);
    std::string table;
    table += "<TABLE BORDER=\"" + std::to_string(s_.BorderSize()) + "\" CELLSPACING=\"" +
             std::to_string(s_.CellSpacing()) + "\" CELLPADDING=\"" + std::to_string(s_.CellPadding()) + "\" ";
    if (!s_.Summary().empty()) table += "SUMMARY=\"" + s_.Summary() + "\" ";
    if (!s_.TableStyle().empty()) table += " " + s_.TableStyle() + " ";
    table += " WIDTH=\"" + std::to_string(s_.Width()) + "%\">" + kCrLf;
    if (header_) table += Row(0, true);
    const int first = header_ ? 1 : r0;
    host_.ExportNotification(esExportStart, first);
    for (int r = first; r < host_.RowCount(); ++r) {
      host_.ExportNotification(esExportNextRow, r);
      table += Row(r, false);
    }
    host_.ExportNotification(esExportDone, -1);
    table += std::string("</TABLE>") + kCrLf;
    if (!s_.SuffixTag().empty()) table += s_.SuffixTag() + kCrLf;
    if (s_.XHTML()) table += std::string("</HTML>") + kCrLf;

    std::string doc;
    if (s_.XHTML())
      doc += std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + kCrLf +
             "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"" + kCrLf +
             "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">" + kCrLf +
             "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">" + kCrLf;
    doc += s_.PrefixTag();
    doc += std::string("<style>") + kCrLf;
    for (std::size_t i = 0; i < styles_.size(); ++i) doc += ".c" + std::to_string(i) + " {" + styles_[i] + "}" + kCrLf;
    doc += std::string("</style>") + kCrLf;
    return doc + table;
  }

 private:
  std::string Row(int R, bool Header) {
    std::string out = std::string("<TR>") + kCrLf;
    for (int c = c0_; c < host_.ColCount(); ++c) {
      if (!host_.IsBaseCell(c, R)) continue;
      out += "<TD class=\"c" + std::to_string(StyleNumber(c, R, Header)) + "\"";
      const TPoint span = host_.CellSpan(c, R);
      if (span.X > 0) out += " COLSPAN=\"" + std::to_string(span.X + 1) + "\"";
      if (span.Y > 0) out += " ROWSPAN=\"" + std::to_string(span.Y + 1) + "\"";
      if (!wrap_) out += " nowrap";
      const TIntList& widths = s_.ColWidths();
      if (Header && c < widths.Count()) out += " WIDTH=" + std::to_string(widths.Items(c));
      else if (!Header && !header_ && c - c0_ < widths.Count()) out += " width=" + std::to_string(widths.Items(c - c0_));
      out += '>';
      out += Content(c, R, Header);
      out += "</td>";
      out += kCrLf;
    }
    return out + "</TR>" + kCrLf;
  }

  bool IsFixed(int C, int R) const {
    return C < host_.FixedCols() || R < host_.FixedRows() || C >= host_.ColCount() - host_.FixedRightCols() ||
           R >= host_.RowCount() - host_.FixedFooters();
  }

  // The number of the cell's style text; also notes whether the cell wraps words.
  int StyleNumber(int C, int R, bool Header) {
    const TCellExportLook look = host_.ExportCellLook(C, R);
    wrap_ = look.WordWrap;
    const TColor background = Header || IsFixed(C, R) ? host_.FixedColor() : look.BrushColor;
    std::vector<std::string> items;
    if (s_.SaveColor() && ColorSet(background)) items.push_back("background-color: #" + HexRGB(background));
    if (s_.SaveColor() && ColorSet(look.Font.Color)) items.push_back("color: #" + HexRGB(look.Font.Color));
    items.push_back("font-size:" + std::to_string(look.Font.Size) + "pt");
    if (look.Font.Style.Contains(fsItalic)) items.push_back("font-style: italic");
    if (look.Font.Style.Contains(fsBold)) items.push_back("font-weight: bold");
    items.push_back("font-family: " + look.Font.Name);
    if (look.HA == taRightJustify) items.push_back("text-align: right");
    else if (look.HA == taCenter) items.push_back("text-align: center");
    items.push_back(look.VA == vtaTop ? "vertical-align: top"
                    : look.VA == vtaCenter ? "vertical-align: middle" : "vertical-align: bottom");
    std::string style;
    for (const std::string& item : items) style += (style.empty() ? "" : ";") + item;
    const std::string key = LowerCase(style);
    for (std::size_t i = 0; i < keys_.size(); ++i)
      if (keys_[i] == key) return static_cast<int>(i);
    keys_.push_back(key);
    styles_.push_back(style);
    return static_cast<int>(styles_.size()) - 1;
  }

  std::string Text(int C, int R, bool Header) {
    const std::string t = host_.SaveCellText(host_.DisplToRealCol(C), R);
    std::string out = t;
    if (!Header) {
      if (s_.ConvertSpecialChars()) out = EscapeHTML(out, true);
      if (s_.NonBreakingText()) out = SpacesToNbsp(out);
    }
    out = LineBreaksToBR(out);
    if (host_.URLShow() && out.find("</") == std::string::npos) {
      const std::string before = out;
      if (before.find("://") != std::string::npos) out = Link(before, "://", host_.URLFull());
      if (before.find("mailto:") != std::string::npos) out = Link(before, "mailto:", host_.URLFull());
    }
    if (Header ? out.empty() : TrimsToEmpty(out)) out = "&nbsp;";
    return out;
  }

  std::string Content(int C, int R, bool Header) {
    const std::string text = Text(C, R, Header);
    TCellGraphic* graphic = s_.ExportImages() ? host_.CellGraphic(C, R) : nullptr;
    if (!graphic) return text;
    TImageList* images = host_.GridImages();
    switch (graphic->CellType()) {
      case ctBitmap:
        if (const TBitmap* bmp = TCellGraphic::SlotObject<TBitmap>(graphic->CellBitmap()); bmp && !bmp->Empty())
          return text + ImgTag(jpeg::Encode(*bmp, kJpegQuality));
        return text;
      case ctImageList:
        if (images && graphic->CellIndex() >= 0 && graphic->CellIndex() < images->Count())
          return ImgTag(ListImage(*images, graphic->CellIndex())) + text;
        return text;
      case ctDataImage: {
        int index = -1;
        try {
          index = StrToInt(host_.SaveCellText(host_.DisplToRealCol(C), R));
        } catch (const Exception&) {
          return {};
        }
        if (images && index >= 0 && index < images->Count()) return ImgTag(ListImage(*images, index));
        return {};
      }
      case ctImages: {
        const TIntList* list = TCellGraphic::SlotObject<TIntList>(graphic->CellBitmap());
        std::string tags;
        if (images && list)
          for (int i = 0; i < list->Count(); ++i)
            if (list->Items(i) >= 0 && list->Items(i) < images->Count()) tags += ImgTag(ListImage(*images, list->Items(i)));
        return tags + text;
      }
      case ctPicture:
      case ctInterface:
        if (const TPicture* pic = TCellGraphic::SlotObject<TPicture>(graphic->CellBitmap()); pic && !pic->Empty())
          // A JPEG picture is saved as it was loaded.
          return text + (pic->Format() == "jpeg" ? ImgTag([&](const std::string& Path) { pic->SaveToFile(Path); })
                                                 : ImgTag(PictureJpeg(*pic)));
        return text;
      case ctNode:
        return "+" + text;
      default:
        return text;
    }
  }

  static std::string ListImage(const TImageList& Images, int Index) {
    TBitmap bmp(Images.Width(), Images.Height());
    Images.Draw(bmp.Canvas(), 0, 0, Index);
    return jpeg::Encode(bmp, kJpegQuality);
  }

  static std::string PictureJpeg(const TPicture& Pic) {
    TBitmap bmp(Pic.Width(), Pic.Height());
    Pic.Draw(bmp.Canvas(), TRect{0, 0, Pic.Width(), Pic.Height()}, false);
    return jpeg::Encode(bmp, kJpegQuality);
  }

  // Saves the next picture file through Write and gives its tag.
  std::string ImgTag(const std::function<void(const std::string&)>& Write) {
    const std::string folder = dir_ + "images";
    if (!DirectoryExists(folder) && !ForceDirectories(folder)) throw Exception("Cannot create " + folder);
    const std::string path = folder + "/img" + std::to_string(++picture_) + ".jpg";
    Write(path);
    return "<img src= \"file://" + path + "\">";
  }
  std::string ImgTag(const std::string& Jpeg) {
    return ImgTag([&](const std::string& Path) { WriteFileAtomic(Path, Jpeg); });
  }

  TGridDataHost& host_;
  THTMLSettings& s_;
  std::string dir_;
  TFileFormatOptions o_;
  int c0_ = 0;
  bool header_ = false;
  bool wrap_ = false;
  int picture_ = 0;
  std::vector<std::string> styles_;
  std::vector<std::string> keys_;
};

}  // namespace

std::string HtmlAsciiText(const std::string& Utf8) {
  const std::string valid = ValidUtf8(Utf8);
  std::string out;
  out.reserve(valid.size());
  for (std::size_t i = 0; i < valid.size();) {
    const unsigned char b = static_cast<unsigned char>(valid[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const int len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    char32_t cp = b & (len == 4 ? 0x07 : len == 3 ? 0x0F : 0x1F);
    for (int k = 1; k < len && i + static_cast<std::size_t>(k) < valid.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(valid[i + static_cast<std::size_t>(k)]) & 0x3F);
    out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    i += static_cast<std::size_t>(len);
  }
  return out;
}

std::string TGridHtml::Document(const std::string& Dir) { return THtmlWriter(host_, Dir).Document(); }

void TGridHtml::Save(const std::string& FileName, bool Show, bool Unicode, bool Append) {
  const THTMLSettings& s = host_.HTMLSettings();
  std::vector<std::string> lines;
  if (Append) {
    try {
      lines = ReadTextLines(FileName);
    } catch (const Exception&) {
      lines.clear();
    }
  }
  if (!s.HeaderFile().empty())
    for (std::string& line : ReadTextLines(s.HeaderFile())) lines.push_back(std::move(line));
  std::string dir = ExtractFilePath(FileName);
  std::replace(dir.begin(), dir.end(), '\\', '/');
  lines.push_back(Document(dir));
  if (!s.FooterFile().empty())
    for (std::string& line : ReadTextLines(s.FooterFile())) lines.push_back(std::move(line));
  std::string text;
  for (const std::string& line : lines) text += line + kCrLf;
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::UTF16LE) : HtmlAsciiText(text));
  if (Show || s.AutoPreview()) {
    const std::string path = FileName.starts_with('/') ? FileName : JoinPath(GetCurrentDir(), FileName);
    ShellExecute(0, "open", "file://" + path);
  }
}

}  // namespace hd
