#include "grid/foundation/markup/markup_renderer.h"

#include <algorithm>
#include <vector>

#include "grid/foundation/markup/markup_language.h"
#include "grid/foundation/markup/markup_renderer_p.h"
#include "grid/foundation/markup/markup_utils.h"
#include "platform/themes.h"

namespace hd {

TMarkupRenderer::TMarkupRenderer(TCanvas& Canvas, const TMarkupCall& Call, TMarkupResult& Result)
    : C(Canvas), In(Call), Out(Result) {}

TColor TMarkupRenderer::BrushOrNone() const {
  return C.Brush().Style == bsClear || C.Brush().Color == clNone ? clNone : C.Brush().Color;
}

void TMarkupRenderer::SetBrushOrClear(TColor Color) {
  if (Color == clNone)
    C.Brush() = TBrush{clNone, bsClear};
  else
    C.Brush() = TBrush{Color, bsSolid};
}

void TMarkupRenderer::SetStyle(TFontStyle Style, bool On) {
  if (On)
    C.Font().Style.Include(Style);
  else
    C.Font().Style.Exclude(Style);
}

bool TMarkupRenderer::Render(const std::string& Text) {
  const TPen savedPen = C.Pen();
  const TBrush savedBrush = C.Brush();
  BaseFont = C.Font();
  InitialBackground = C.Brush().Style == bsClear ? clNone : C.Brush().Color;
  PassFonts[0].Font = PassFonts[1].Font = BaseFont;
  C.Brush() = TBrush{clNone, bsClear};
  C.SetBkMode(bkTransparent);

  Themed = ThemesActive();
  Flags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
  if (!In.WordWrap) Flags |= DT_END_ELLIPSIS;
  WantedControlID = In.HitTest ? Out.ControlID : "";
  Out = TMarkupResult{};
  Out.ControlID = WantedControlID;
  Area = In.Rect;
  Area.Left += 1;
  Top = Area.Top;

  std::string text = PrepareMarkup(Text);
  while (!text.empty()) LayOutLine(text);

  C.Font() = BaseFont;
  if (Out.YSize == 0) Out.YSize = GhHeight();
  Out.HyperLinks = AnchorCount;
  C.Pen().Color = savedPen.Color;
  C.Pen().Width = savedPen.Width;
  C.Brush() = savedBrush;
  return Hit;
}

void TMarkupRenderer::LayOutLine(std::string& Text) {
  const TLineStart start{InAnchor, Href, Title, AnchorCount, ListLevel, PictureCounter};
  TextOffset = SubReserve = SupReserve = 0;
  Sub = Super = false;

  // Pass 1 measures the line and decides where it ends.
  Current = &PassFonts[0];
  C.Font() = Current->Font;
  TMarkupLine measure;
  measure.R = TRect{Area.Left, Top, Area.Right, Area.Bottom};
  measure.FitWidth = measure.R.Width();
  measure.Height = GhHeight();
  std::string consumed;
  size_t before = Text.size();
  Pass(measure, Text, &consumed);
  if (Text.size() == before && consumed.empty()) {
    // Nothing fitted, not even on an empty line: the object goes on this line regardless.
    size_t close = Text.find('>');
    consumed = Text.substr(0, close == std::string::npos ? Text.size() : close + 1);
    Text.erase(0, consumed.size());
  }
  Current->Font = C.Font();
  int width = measure.WidthSoFar - measure.TrailingBlank;

  TRect placed = measure.R;
  if (Align == 1 && width < placed.Width()) placed.Left = placed.Right - width;
  if (Align == 2 && width < placed.Width()) placed.Left += (placed.Width() - width) / 2;
  placed.Left += Indent;
  placed.Bottom = placed.Top + measure.Height + SubReserve + SupReserve;

  if (!In.MeasureOnly) {
    InAnchor = start.InAnchor;
    Href = start.Href;
    Title = start.Title;
    AnchorCount = start.AnchorCount;
    ListLevel = start.ListLevel;
    PictureCounter = start.PictureCounter;
    Sub = Super = false;
    Current = &PassFonts[1];
    C.Font() = Current->Font;
    TMarkupLine draw;
    draw.R = placed;
    draw.FitWidth = measure.FitWidth;
    draw.Height = GhHeight();
    draw.Measuring = In.HitTest;
    Pass(draw, consumed, nullptr);
    Current->Font = C.Font();
    int gh = GhHeight();
    int textBottom = draw.R.Bottom - TextOffset;
    if ((draw.TextHit && In.Y > textBottom - gh && In.Y < textBottom) || draw.ObjectHit) Hit = true;
  }
  C.Font() = PassFonts[0].Font;
  int height = measure.Height + SubReserve + SupReserve;
  Top += height;
  Out.YSize += height;
  if (!In.MeasureOnly && Top + GhHeight() > Area.Bottom) Text.clear();
}

void TMarkupRenderer::Pass(TMarkupLine& L, std::string& Text, std::string* Consumed) {
  Drawing = !L.Measuring;
  FirstPass = Consumed != nullptr;
  L.X = L.R.Left;
  L.R.Bottom -= SubReserve;
  if (Drawing && ParaBackground && BrushOrNone() != clNone) {
    C.Pen().Color = C.Brush().Color;
    C.FillRect(TRect{In.Rect.Left, L.R.Top, In.Rect.Right, L.R.Bottom + SubReserve});
  }
  while (!Text.empty() && !L.Ends && !L.Overflow) {
    size_t lt = Text.find('<');
    size_t cut = lt == std::string::npos ? Text.size() : lt;
    if (In.WordWrap) {
      size_t blank = Text.find(' ');
      if (blank != std::string::npos && blank < cut) cut = blank + 1;
    }
    const std::string raw = Text.substr(0, cut);
    const std::string run = DecodeMarkupRun(raw);
    int width = 0;
    Run(L, run, width);

    bool fits = L.WidthSoFar < L.FitWidth || width >= L.FitWidth;
    if (!fits && !L.RunsMet.empty() && L.RunsMet.back() != ' ') fits = true;
    if (!fits && In.WordWrap) {
      // The run starts the next line.
      L.WidthSoFar -= width;
      L.Ends = true;
      break;
    }
    Text.erase(0, cut);
    if (Consumed) *Consumed += raw;
    if (!fits && L.Measuring && !L.RunsMet.empty()) Text.clear();
    L.TrailingBlank = !run.empty() && run.back() == ' ' && !Hidden ? C.TextWidth(" ") : 0;
    L.RunsMet += run;

    if (Text.empty() || Text[0] != '<' || L.Ends) continue;
    size_t close = Text.find('>');
    if (Text.size() < 3 || close == std::string::npos) {
      Text.clear();
      break;
    }
    const std::string tag = Text.substr(0, close + 1);
    Tag(L, tag, Text);
    if (L.Overflow) break;
    if (Consumed) *Consumed += tag;
    Text.erase(0, close + 1);
  }
  EndLine(L);
}

void TMarkupRenderer::Run(TMarkupLine& L, const std::string& Run, int& Width) {
  if (Run.empty()) return;
  int th = C.TextHeight(Run);
  L.Height = std::max(L.Height, th);
  if (Sub) SubReserve = std::max(SubReserve, th / 4);
  if (Super) SupReserve = std::max(SupReserve, th / 4);
  if (FirstPass) Out.StripVal += Run;
  if (Hidden) return;
  if (Drawing) {
    DrawRun(L, Run, Width);
    return;
  }
  TRect m{L.R.Left, L.R.Top, L.R.Right, L.R.Bottom};
  C.DrawText(Run, m, Flags | DT_CALCRECT);
  Width = m.Width();
  L.WidthSoFar += Width;
  HitRun(L, Width);
}

void TMarkupRenderer::HitRun(TMarkupLine& L, int Width) {
  int x = In.X - L.R.Left;
  if (!InAnchor || x < L.WidthSoFar - Width || x > L.WidthSoFar) return;
  L.TextHit = true;
  if (L.R.Top < In.Y) {
    Out.AnchorVal = Href;
    Out.AnchorTitle = Title;
    AnchorHitPending = true;
  }
}

void TMarkupRenderer::DrawRun(TMarkupLine& L, const std::string& Run, int& Width) {
  TRect r{L.X, L.R.Top, L.R.Right, L.R.Bottom};
  if (Super) r.Bottom -= SupReserve;
  if (Sub) r.Bottom += SubReserve;
  r.Bottom -= TextOffset;
  if (Shadow) {
    TColor ink = C.Font().Color;
    C.Font().Color = In.ShadowColor;
    TRect s = r;
    OffsetRect(s, In.ShadowOffset, In.ShadowOffset);
    C.DrawText(Run, s, Flags);
    C.Font().Color = ink;
  }
  TRect drawn = r;
  C.DrawText(Run, drawn, Flags);
  TRect m = r;
  C.DrawText(Run, m, Flags | DT_CALCRECT);
  Width = m.Width();
  L.WidthSoFar += Width;
  if (InAnchor && AnchorCount == In.FocusLink + 1) Out.FocusAnchor = Href;
  if (Error) {
    // A red wavy line, two pixels a step, under the run.
    int x = r.Left & ~1;
    int y = L.R.Bottom + (x % 4 == 0 ? 1 : -1);
    std::vector<TPoint> wave;
    for (; x <= r.Left + Width; x += 2) {
      wave.push_back({x, y});
      y = y == L.R.Bottom + 1 ? L.R.Bottom - 1 : L.R.Bottom + 1;
    }
    TPen pen = C.Pen();
    C.Pen() = TPen{clRed, 1};
    if (wave.size() > 1) C.Polyline(wave);
    C.Pen() = pen;
  }
  L.X += Width;
}

void TMarkupRenderer::EndLine(TMarkupLine& L) {
  int width = L.WidthSoFar - L.TrailingBlank;
  if (L.Measuring) Out.XSize = std::max(Out.XSize, width);
  // A focused anchor open at the line's end is framed on each of its lines.
  if (Drawing && InAnchor && AnchorCount == In.FocusLink + 1) {
    TRect r{Focus.Left, Focus.Top, L.X, L.R.Bottom};
    InflateRect(r, 1, 0);
    C.DrawFocusRect(r);
    Focus.Left = L.R.Left + 1;
    Focus.Top = L.R.Bottom;
  }
}

void TMarkupRenderer::Tag(TMarkupLine& L, const std::string& Tag, const std::string& Rest) {
  const std::string upper = MarkupUpper(Tag);
  if (upper.size() > 2 && upper[1] == '/' && Rest.size() > 3)
    EndTag(L, upper);
  else
    StartTag(L, Tag, upper);
}

void TMarkupRenderer::StartTag(TMarkupLine& L, const std::string& Tag, const std::string& U) {
  char second = U.size() > 2 ? U[2] : '\0';
  switch (U[1]) {
    case 'A': StartAnchor(L, Tag, U); break;
    case 'B':
      if (second == '>') SetStyle(fsBold, true);
      else if (second == 'R') {
        L.Ends = true;
        if (FirstPass) Out.StripVal += "\r";
      } else if (second == 'L') {
        if (!In.BlinkOn) C.Font().Color = InitialBackground;
      } else if (second == 'O') BodyTag(Tag, U);
      break;
    case 'C': Control(L, Tag); break;
    case 'E': if (Drawing) Error = true; break;
    case 'F': FontTag(U); break;
    case 'H':
      if (second == 'I' && Drawing) {
        HiFontSave = C.Font().Color;
        HiBrushSave = BrushOrNone();
        SetBrushOrClear(MarkupHighlightColor());
        C.Font().Color = MarkupHighlightTextColor();
      } else if (second == 'R') Rule(L);
      break;
    case 'I':
      if (second == '>') SetStyle(fsItalic, true);
      else if (second == 'M') Picture(L, Tag);
      else if (second == 'N') {
        int n = MarkupNumber(MarkupValueAfterLetter(Tag.substr(2), 'X'), -1);
        if (n > L.WidthSoFar) {
          L.WidthSoFar = n;
          L.X = L.R.Left + n;
        }
      }
      break;
    case 'L': ListItem(L); break;
    case 'P': ParagraphTag(L, U); break;
    case 'R': {
      int degrees = MarkupNumber(MarkupValueAfterLetter(Tag.substr(2), 'A'), 0);
      Current->Unrotated = C.Font();
      C.Font().Orientation = degrees * 10;
      break;
    }
    case 'S':
      if (second == '>') SetStyle(fsStrikeOut, true);
      else if (second == 'H') Shadow = true;
      else if (U.rfind("<SUB>", 0) == 0) Sub = true;
      else if (U.rfind("<SUP>", 0) == 0) Super = true;
      break;
    case 'U':
      if (second == '>') SetStyle(fsUnderline, true);
      else {
        ++ListLevel;
        L.Ends = true;
      }
      break;
    case 'Z': Hidden = true; break;
    default: break;
  }
}

void TMarkupRenderer::EndTag(TMarkupLine& L, const std::string& U) {
  char second = U.size() > 3 ? U[3] : '\0';
  switch (U[2]) {
    case 'A': EndAnchor(L); break;
    case 'B':
      if (second == '>') SetStyle(fsBold, false);
      else C.Font().Color = BaseFont.Color;
      break;
    case 'E': if (Drawing) Error = false; break;
    case 'F': EndFont(); break;
    case 'H':
      if (Drawing) {
        C.Font().Color = HiFontSave;
        SetBrushOrClear(HiBrushSave);
      }
      break;
    case 'I': SetStyle(fsItalic, false); break;
    case 'L': L.Ends = true; break;
    case 'P':
      L.Ends = true;
      if (Drawing) {
        SetBrushOrClear(ParaBgSave);
        ParaBackground = false;
      }
      break;
    case 'R':
      // Without an open rotation there is nothing to go back to.
      if (Current->Unrotated) {
        C.Font() = *Current->Unrotated;
        Current->Unrotated.reset();
      }
      break;
    case 'S':
      if (second == 'U') Sub = Super = false;
      else if (second == 'H') Shadow = false;
      else SetStyle(fsStrikeOut, false);
      break;
    case 'U':
      if (second == '>' || ListLevel < 1) SetStyle(fsUnderline, false);
      else --ListLevel;
      break;
    case 'Z': Hidden = false; break;
    default: break;
  }
}

void TMarkupRenderer::StartAnchor(TMarkupLine& L, const std::string& Tag, const std::string& U) {
  if (In.FocusLink == AnchorCount && Drawing) {
    Focus.Left = L.X;
    Focus.Top = L.R.Top;
  }
  ++AnchorCount;
  bool styled = !In.HoverStyle || In.HoverLink == AnchorCount;
  if (styled && Drawing) {
    SetStyle(fsUnderline, true);
    if (In.HoverColor != clNone) {
      HoverBrushSave = BrushOrNone();
      SetBrushOrClear(In.HoverColor);
    }
    if (In.HoverFontColor != clNone) {
      HoverFontSave = C.Font().Color;
      C.Font().Color = In.HoverFontColor;
    }
  }
  bool hovered = In.HoverStyle && In.HoverLink == AnchorCount && In.HoverFontColor != clNone;
  if (!In.KeepColors && !hovered) C.Font().Color = In.URLColor;
  bool hasHref = false;
  std::string href = MarkupAttribute(Tag, U, "HREF", &hasHref);
  if (hasHref) {
    Href = href;
    InAnchor = true;
  }
  // An anchor without a title has none: it does not show the one before it.
  Title = MarkupAttribute(Tag, U, "TITLE");
  AnchorStartX = L.WidthSoFar;
  AnchorStartTop = L.R.Top;
}

void TMarkupRenderer::EndAnchor(TMarkupLine& L) {
  if ((!In.HoverStyle || AnchorCount == In.HoverLink) && Drawing) {
    SetStyle(fsUnderline, false);
    if (In.HoverColor != clNone) SetBrushOrClear(HoverBrushSave);
    if (In.HoverFontColor != clNone) C.Font().Color = HoverFontSave;
  }
  if (!In.KeepColors) C.Font().Color = BaseFont.Color;
  InAnchor = false;
  if (AnchorHitPending && L.Measuring) {
    bool sameLine = AnchorStartTop == L.R.Top;
    Out.AnchorRect = TRect{L.R.Left + (sameLine ? AnchorStartX : 0), L.R.Top, L.R.Left + L.WidthSoFar, L.R.Bottom};
    Out.MouseLink = AnchorCount;
    AnchorHitPending = false;
  }
  if (AnchorCount == In.FocusLink + 1) {
    Focus.Right = L.X;
    Focus.Bottom = L.R.Bottom - TextOffset;
    Focus.Top = Focus.Bottom - GhHeight();
    TRect r = Focus;
    InflateRect(r, 1, 0);
    if (Drawing) C.DrawFocusRect(r);
  }
}

void TMarkupRenderer::FontTag(const std::string& U) {
  bool found = false;
  std::string face = MarkupAttribute(U, U, "FACE", &found);
  if (found && !face.empty()) C.Font().Name = face;
  if (!In.KeepColors) {
    std::string color = MarkupAttribute(U, U, " COLOR", &found);
    if (!color.empty()) C.Font().Color = MarkupColor(color);
    std::string bg = MarkupAttribute(U, U, "BGCOLOR", &found);
    if (found && Drawing) {
      FontBgSave = BrushOrNone();
      SetBrushOrClear(bg.empty() ? clNone : MarkupColor(bg));
    }
  }
  if (int size = MarkupFontSize(U); size > 0) C.Font().Size = size;
}

void TMarkupRenderer::EndFont() {
  C.Font().Name = BaseFont.Name;
  C.Font().Size = BaseFont.Size;
  if (Drawing && !In.KeepColors) {
    C.Font().Color = BaseFont.Color;
    SetBrushOrClear(FontBgSave);
  }
}

void TMarkupRenderer::ParagraphTag(TMarkupLine& L, const std::string& U) {
  bool found = false;
  std::string align = MarkupAttribute(U, U, "ALIGN", &found);
  if (align.find("RIGHT") != std::string::npos) Align = 1;
  if (align.find("LEFT") != std::string::npos) Align = 0;
  if (align.find("CENTER") != std::string::npos) Align = 2;
  std::string indent = MarkupAttribute(U, U, "INDENT", &found);
  if (found) Indent = std::min(MarkupNumber(indent, 0), kMaxMarkupPictureSide);
  std::string bg = MarkupAttribute(U, U, "BGCOLOR", &found);
  if (found && Drawing) {
    ParaBackground = true;
    ParaBgSave = BrushOrNone();
    TColor color = bg.empty() ? clNone : MarkupColor(bg);
    SetBrushOrClear(color);
    if (color != clNone) {
      C.Pen().Color = color;
      C.FillRect(TRect{In.Rect.Left, L.R.Top, In.Rect.Right, L.R.Bottom});
    }
  }
}

void TMarkupRenderer::ListItem(TMarkupLine& L) {
  if (L.HasLI) {
    L.Overflow = true;
    return;
  }
  L.HasLI = true;
  L.WidthSoFar += 12 * ListLevel;
  L.X += 12 * ListLevel - 12;
  if (Drawing) {
    TRect r{L.X, L.R.Top, L.R.Right, L.R.Bottom - TextOffset};
    C.DrawText(ListLevel % 2 ? "\u2022" : "o", r, DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
  }
  L.X += 12;
}

void TMarkupRenderer::Rule(TMarkupLine& L) {
  L.Ends = true;
  if (!Drawing) return;
  TColor pen = C.Pen().Color;
  C.Pen().Color = clBlack;
  C.MoveTo(L.R.Left, L.R.Bottom + 1);
  C.LineTo(L.R.Right, L.R.Bottom + 1);
  C.Pen().Color = pen;
}

bool DrawMarkup(TCanvas& Canvas, const std::string& Text, const TMarkupCall& Call, TMarkupResult& Result) {
  return TMarkupRenderer(Canvas, Call, Result).Render(Text);
}

bool DrawMarkup(TCanvas& Canvas, const std::string& Text, TRect Rect, TImageList* Images, int X, int Y, int FocusLink,
                int HoverLink, int ShadowOffset, bool HitTest, bool MeasureOnly, bool Printing, bool KeepColors,
                bool BlinkOn, bool HoverStyle, bool WordWrap, bool MouseDown, double ResFactor, TColor URLColor,
                TColor HoverColor, TColor HoverFontColor, TColor ShadowColor, std::string& AnchorVal,
                std::string& StripVal, std::string& FocusAnchor, std::string& AnchorTitle, int& XSize, int& YSize,
                int& HyperLinks, int& MouseLink, TRect& AnchorRect, TRect& ControlRect, std::string& ControlID,
                std::string& ControlValue, std::string& ControlType, THTMLPictureCache* PictureCache,
                TPictureContainer* PictureContainer, HWND WindowHandle, int BiDiMode) {
  TMarkupCall call{Rect,      Images,       X,          Y,          FocusLink,       HoverLink,
                   ShadowOffset, HitTest,   MeasureOnly, Printing,  KeepColors,      BlinkOn,
                   HoverStyle, WordWrap,    MouseDown,  ResFactor,  URLColor,        HoverColor,
                   HoverFontColor, ShadowColor, PictureCache, PictureContainer, WindowHandle, BiDiMode};
  TMarkupResult r;
  r.ControlID = ControlID;
  bool hit = DrawMarkup(Canvas, Text, call, r);
  AnchorVal = r.AnchorVal;
  StripVal = r.StripVal;
  FocusAnchor = r.FocusAnchor;
  AnchorTitle = r.AnchorTitle;
  XSize = r.XSize;
  YSize = r.YSize;
  HyperLinks = r.HyperLinks;
  MouseLink = r.MouseLink;
  AnchorRect = r.AnchorRect;
  ControlRect = r.ControlRect;
  ControlID = r.ControlID;
  ControlValue = r.ControlValue;
  ControlType = r.ControlType;
  return hit;
}

}  // namespace hd
