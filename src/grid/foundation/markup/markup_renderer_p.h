// The renderer's state through one call, shared by the line layout, the tags and the inline
// pictures and controls.
#pragma once

#include <optional>
#include <string>

#include "grid/foundation/markup/markup_renderer.h"

namespace hd {

class THTMLPicture;

// One pass over one line.
struct TMarkupLine {
  TRect R;           // the line: left, top, right, and the bottom runs stand on
  int FitWidth = 0;  // the width runs and objects must fit in
  int Height = 0;
  int WidthSoFar = 0;
  int X = 0;  // the drawing position
  int TrailingBlank = 0;
  bool HasLI = false;
  bool Ends = false;
  bool Overflow = false;
  bool TextHit = false;
  bool ObjectHit = false;
  bool Measuring = true;
  std::string RunsMet;
};

class TMarkupRenderer {
 public:
  TMarkupRenderer(TCanvas& Canvas, const TMarkupCall& Call, TMarkupResult& Result);
  bool Render(const std::string& Text);

 private:
  // The state that both passes of a line start from.
  struct TLineStart {
    bool InAnchor;
    std::string Href, Title;
    int AnchorCount, ListLevel, PictureCounter;
  };
  // What each pass carries from line to line on its own.
  struct TPassFont {
    TFont Font;
    std::optional<TFont> Unrotated;
  };

  void LayOutLine(std::string& Text);
  void Pass(TMarkupLine& L, std::string& Text, std::string* Consumed);
  void Run(TMarkupLine& L, const std::string& Run, int& Width);
  void DrawRun(TMarkupLine& L, const std::string& Run, int& Width);
  void HitRun(TMarkupLine& L, int Width);
  void EndLine(TMarkupLine& L);

  void Tag(TMarkupLine& L, const std::string& Tag, const std::string& Rest);
  void StartTag(TMarkupLine& L, const std::string& Tag, const std::string& Upper);
  void EndTag(TMarkupLine& L, const std::string& Upper);
  void StartAnchor(TMarkupLine& L, const std::string& Tag, const std::string& Upper);
  void EndAnchor(TMarkupLine& L);
  void FontTag(const std::string& Upper);
  void EndFont();
  void BodyTag(const std::string& Tag, const std::string& Upper);
  void ParagraphTag(TMarkupLine& L, const std::string& Upper);
  void ListItem(TMarkupLine& L);
  void Rule(TMarkupLine& L);
  // markup_inline.cpp
  void Picture(TMarkupLine& L, const std::string& Tag);
  void Control(TMarkupLine& L, const std::string& Tag);
  THTMLPicture* FindPicture(const std::string& Source);
  void Place(TMarkupLine& L, int Width, int Height);

  int GhHeight() { return C.TextHeight("gh"); }
  TColor BrushOrNone() const;
  void SetBrushOrClear(TColor Color);
  void SetStyle(TFontStyle Style, bool On);

  TCanvas& C;
  const TMarkupCall& In;
  TMarkupResult& Out;
  TRect Area;
  unsigned Flags = 0;
  bool Themed = false;
  bool Drawing = false;
  bool FirstPass = false;  // the measuring pass, which alone collects the plain text
  std::string WantedControlID;

  TFont BaseFont;
  TColor InitialBackground = clNone;
  TPassFont PassFonts[2];
  TPassFont* Current = nullptr;
  int Top = 0;

  bool InAnchor = false, Shadow = false, Hidden = false, Super = false, Sub = false, Error = false,
       ParaBackground = false;
  std::string Href, Title;
  int AnchorCount = 0;
  int AnchorStartX = 0, AnchorStartTop = 0;
  TColor HoverBrushSave = clNone, HoverFontSave = clNone, FontBgSave = clNone, HiFontSave = clNone,
         HiBrushSave = clNone, ParaBgSave = clNone;
  int ListLevel = 0, Align = 0, Indent = 0;

  int SubReserve = 0, SupReserve = 0, TextOffset = 0;
  bool AnchorHitPending = false;
  int HitPicture = -1, PictureCounter = 0;
  TRect Focus;
  bool Hit = false;
};

}  // namespace hd
