// The clock's drawing: the dial into a cache without hands, the hands over a copy of it, and
// the AM/PM box rolling its text.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "grid/editors/dropdown_drawing.h"
#include "grid/editors/watch.h"
#include "platform/timers.h"

namespace hd {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

TSize SingleLineSize(const TFont& Font, const std::string& Text) {
  static TBitmap probe(1, 1);
  probe.Canvas().SetFont(Font);
  return probe.Canvas().TextExtent(Text);
}

void SetPen(TCanvas& c, TColor Color, int Width) {
  c.Pen().Color = Color;
  c.Pen().Width = std::max(Width, 1);
  c.Pen().Style = Color == clNone ? psClear : psSolid;
}

void SetBrush(TCanvas& c, TColor Color) {
  c.Brush().Color = Color;
  c.Brush().Style = Color == clNone ? bsClear : bsSolid;
}

void Fill(TCanvas& c, const TRect& r, TColor Color) {
  c.Brush().Color = Color;
  c.Brush().Style = bsSolid;
  c.FillRect(r);
}

void Line(TCanvas& c, TPoint a, TPoint b) {
  c.MoveTo(a.X, a.Y);
  c.LineTo(b.X, b.Y);
}

// A circle of diameter d centred on the point.
TRect CircleAt(TPoint Center, double d) {
  const int l = RoundEven(Center.X - d / 2), t = RoundEven(Center.Y - d / 2);
  const int size = RoundEven(d);
  return Rect(l, t, l + size, t + size);
}

}  // namespace

// The clock's drawing steps over one canvas.
struct TWatchPainter {
  TExtWatch& w;
  TCanvas& c;
  const TWatchAppearance& a;
  TPoint center;
  int radius;

  TWatchPainter(TExtWatch& Watch, TCanvas& Canvas)
      : w(Watch), c(Canvas), a(Watch.Appearance()), center(Watch.GetCenter()), radius(Watch.GetRadius()) {}

  // A point at fraction f of the radius along the angle (degrees clockwise from 12 o'clock).
  TPoint Along(double f, double Angle, TPoint Shift = {}) const {
    return {RoundEven(center.X + f * radius * std::sin(Angle * kDegree)) + Shift.X,
            RoundEven(center.Y - f * radius * std::cos(Angle * kDegree)) + Shift.Y};
  }

  void Background() {
    const TRect client = w.ClientRect();
    const TWatchShape shape = a.Shape();
    const TRect fill = shape == wsCircle ? w.GetWatchRect() : client;
    c.SaveState();
    if (shape != wsRect) {
      const TRect grown = Rect(fill.Left - 1, fill.Top - 1, fill.Right + 2, fill.Bottom + 2);
      c.SetClipRegion(shape == wsCircle ? TRegion::Ellipse(grown) : TRegion::RoundRect(grown, 20, 20));
    }
    if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone)
      DrawSteppedGradient(c, a.BackgroundColor(), a.BackgroundColorTo(), 80, fill, a.BackgroundGradient() == wgRadial);
    else if (a.BackgroundColor() != clNone)
      Fill(c, fill, a.BackgroundColor());
    c.RestoreState();
    if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
      SetPen(c, a.BorderColor(), a.BorderWidth());
      SetBrush(c, clNone);
      if (shape == wsCircle)
        c.Ellipse(w.GetWatchRect());
      else if (shape == wsRect)
        c.Rectangle(client);
      else
        c.RoundRect(client, 20, 20);
    }
    if (!a.Picture().Empty()) {
      TBitmap picture = a.Picture().Bitmap();
      picture.SetTransparent(true);
      c.SaveState();
      c.IntersectClipRect(client);
      c.Draw(client.Left, client.Top, picture);
      c.RestoreState();
    }
  }

  int OuterRadius() const { return radius - a.BorderWidth() / 2; }

  // Marks run from an inner to the outer radius at angles clockwise from 3 o'clock.
  void Mark(double Inner, double Outer, int Degrees, TPoint Shift = {}) {
    const double t = Degrees * kDegree;
    Line(c, {RoundEven(center.X + Inner * std::cos(t)) + Shift.X, RoundEven(center.Y + Inner * std::sin(t)) + Shift.Y},
         {RoundEven(center.X + Outer * std::cos(t)) + Shift.X, RoundEven(center.Y + Outer * std::sin(t)) + Shift.Y});
  }

  void Marks() {
    const TWatchMarkChoice choice = WatchMarkChoice(a.TickMarks(), w.ShowNumbers());
    if (!choice.QuarterMarks) return;
    const double ro = OuterRadius();
    double inner = a.HourMarkLength() != 0 ? ro - a.HourMarkLength() : ro * 0.9;
    SetPen(c, a.HourColor(), a.HourMarkWidth());
    for (int deg = 0; deg < 360; deg += 30) {
      const bool quarter = deg % 90 == 0;
      if (!quarter && !choice.OtherHourMarks) continue;
      if (quarter && a.HourMarkStyle() == hmsQuartDblLine) {
        // Two lines beside each other, across the mark's direction.
        const bool horizontal = deg % 180 == 0;
        Mark(inner, ro, deg, horizontal ? TPoint{0, -2} : TPoint{-2, 0});
        Mark(inner, ro, deg, horizontal ? TPoint{0, 2} : TPoint{2, 0});
      } else {
        Mark(inner, ro, deg);
      }
    }
    if (!choice.MinuteMarks) return;
    inner = a.MinuteMarkLength() != 0 ? ro - a.MinuteMarkLength() : ro * 0.95;
    SetPen(c, a.MinuteColor(), a.MinuteMarkWidth());
    for (int deg = 0; deg < 360; deg += 6)
      if (deg % 30 != 0) Mark(inner, ro, deg);
  }

  void Numbers() {
    const TWatchMarkChoice choice = WatchMarkChoice(a.TickMarks(), w.ShowNumbers());
    if (!choice.QuarterNumbers) return;
    const double ro = OuterRadius();
    const int l = a.HourMarkLength() != 0 ? a.HourMarkLength() : RoundEven(ro - ro * 0.9) + 2;
    const double rn = ro - (l + 2) - l;
    c.SetFont(a.HourFont());
    c.SetBkMode(bkTransparent);
    c.Brush().Style = bsClear;
    for (int i = 1; i <= 12; ++i) {
      if (i % 3 != 0 && !choice.OtherNumbers) continue;
      const std::string text = std::to_string(i);
      const TSize size = c.TextExtent(text);
      const int d = i == 10 ? RoundEven(size.cy * 0.2) : i == 11 ? RoundEven(size.cy * 0.15) : 0;
      const double r = rn - d + l / 2;
      const double t = i * 30 * kDegree;
      const int x = center.X + RoundEven(std::sin(t) * r) + 1;
      const int y = center.Y - RoundEven(std::cos(t) * r) + 1;
      c.TextOut(x - size.cx / 2 - 1, y - size.cy / 2 - 1, text);
    }
  }

  void AMPMFrame(const TRect& box) {
    if (a.AMPMFrame() == apRoundRect)
      c.RoundRect(box, 5, 5);
    else
      c.Rectangle(box);
  }

  void AMPM() {
    if (!w.ShowAMPM()) return;
    const TRect box = w.GetAMPMRect();
    SetBrush(c, a.AMPMColor());
    SetPen(c, a.AMPMBorderColor(), 1);
    if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) AMPMFrame(box);
    c.SetFont(a.AMPMFont());
    c.SetBkMode(bkTransparent);
    c.Brush().Style = bsClear;
    TRect r = box;
    c.DrawText(w.AM() ? "AM" : "PM", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  void LineHand(TColor Color, int Width, double From, double To, double Angle, TPoint Shift = {}) {
    if (Color == clNone) return;
    SetPen(c, Color, Width);
    Line(c, Along(From, Angle, Shift), Along(To, Angle, Shift));
  }

  void PointerHand(TColor Color, double Tip, double Angle, TPoint Shift = {}) {
    if (Color == clNone) return;
    SetPen(c, Color, 1);
    SetBrush(c, Color);
    c.Polygon({Along(-0.1, Angle, Shift), Along(0.05, Angle + 90, Shift), Along(Tip, Angle, Shift),
               Along(0.05, Angle - 90, Shift)});
  }

  void ArrowHead(TColor Color, double Tip, double Angle) {
    if (Color == clNone) return;
    SetPen(c, Color, 1);
    SetBrush(c, Color);
    const TPoint tip = Along(Tip, Angle);
    const double back = Tip - 0.12;
    const double side = std::atan2(0.04, back) / kDegree;
    auto at = [&](double f, double deg) {
      return TPoint{RoundEven(center.X + f * radius * std::sin(deg * kDegree)),
                    RoundEven(center.Y - f * radius * std::cos(deg * kDegree))};
    };
    const double f = std::hypot(back, 0.04);
    c.Polygon({tip, at(f, Angle + side), at(f, Angle - side)});
  }

  void Hands(TDateTime Time) {
    int h, m, s, ms;
    DecodeTime(Time, h, m, s, ms);
    const double hourAngle = (h % 12) * 30 + m / 12.0 * 6;
    const double minuteAngle = m * 6;
    switch (a.PointerStyle()) {
      case psLine:
        LineHand(a.HourPointerShadow(), a.HourPointerSize(), -0.1, 0.46, hourAngle, {-1, 3});
        LineHand(a.MinutePointerShadow(), a.MinutePointerSize(), -0.1, 0.65, minuteAngle, {0, 3});
        LineHand(a.HourPointer(), a.HourPointerSize(), -0.1, 0.5, hourAngle);
        LineHand(a.MinutePointer(), a.MinutePointerSize(), -0.1, 0.7, minuteAngle);
        break;
      case psPointer:
        PointerHand(a.HourPointerShadow(), 0.5, hourAngle, {1, 3});
        PointerHand(a.HourPointer(), 0.5, hourAngle);
        PointerHand(a.MinutePointerShadow(), 0.7, minuteAngle, {1, 3});
        PointerHand(a.MinutePointer(), 0.7, minuteAngle);
        break;
      case psShortLine:
        // Hands from the centre only, shorter, without tails or shadows.
        LineHand(a.HourPointer(), a.HourPointerSize(), 0, 0.4, hourAngle);
        LineHand(a.MinutePointer(), a.MinutePointerSize(), 0, 0.55, minuteAngle);
        break;
      case psLineArrow:
        LineHand(a.HourPointer(), a.HourPointerSize(), -0.1, 0.4, hourAngle);
        ArrowHead(a.HourPointer(), 0.5, hourAngle);
        LineHand(a.MinutePointer(), a.MinutePointerSize(), -0.1, 0.6, minuteAngle);
        ArrowHead(a.MinutePointer(), 0.7, minuteAngle);
        break;
    }
    if (w.Settings().Auto() && w.Settings().Second())
      LineHand(a.SecondPointer(), a.SecondPointerSize(), -0.2, 0.9, s * 6.0);
    CenterPoint();
  }

  void CenterPoint() {
    const int s = a.CenterPointSize();
    if (s <= 0) return;
    if (a.CenterPointColor() != clNone) {
      SetPen(c, a.CenterPointColor(), 1);
      SetBrush(c, a.CenterPointColor());
      c.Ellipse(CircleAt(center, s));
    }
    const int outer = a.CenterPointOuterBorderColor() == clNone ? 0 : RoundEven(s * 0.2);
    SetBrush(c, clNone);
    if (outer > 0) {
      SetPen(c, a.CenterPointOuterBorderColor(), outer);
      c.Ellipse(CircleAt(center, s));
    }
    const int inner = RoundEven(s * 0.1);
    if (a.CenterPointBorderColor() != clNone && inner > 0) {
      SetPen(c, a.CenterPointBorderColor(), inner);
      c.Ellipse(CircleAt(center, s - outer));
    }
  }
};

TRect TExtWatch::GetAMPMRect() {
  if (!FShowAMPM) return Rect(-1, -1, -1, -1);
  const TSize size = SingleLineSize(FAppearance->AMPMFont(), "AM");
  const TPoint c = GetCenter();
  const int left = c.X - (size.cx + 8) / 2;
  const int top = c.Y + RoundEven((GetRadius() - size.cy) / 3.0);
  return Rect(left, top, left + size.cx + 8, top + size.cy);
}

void TExtWatch::Paint() {
  TCustomControl::Paint();
  PaintAll(Canvas());
}

void TExtWatch::PaintAll(TCanvas& Canvas) {
  const TRect client = ClientRect();
  if (FBKGCache.Width() != client.Width() || FBKGCache.Height() != client.Height())
    FBKGCache.SetSize(client.Width(), client.Height());
  // The cache starts from what the control shows, so corners outside the dial keep it.
  FBKGCache.Canvas().CopyRect(client, Canvas, client);
  TWatchPainter dial(*this, FBKGCache.Canvas());
  dial.Background();
  dial.Marks();
  dial.Numbers();
  dial.AMPM();
  Canvas.CopyRect(client, FBKGCache.Canvas(), client);
  if (FSettings->Auto()) {
    int h, m, s, ms;
    DecodeTime(GetDisplayTime(), h, m, s, ms);
    FInternalSet = true;
    SetAM(h < 12);
    FInternalSet = false;
  }
  TWatchPainter(*this, Canvas).Hands(GetDisplayTime());
}

void TExtWatch::RepaintHands() {
  const TRect client = ClientRect();
  if (client.IsEmpty()) return;
  if (FBKGCache.Width() != client.Width() || FBKGCache.Height() != client.Height()) {
    Invalidate();
    return;
  }
  const TDateTime shown = GetDisplayTime();
  if (FSettings->Auto()) {
    int h, m, s, ms;
    DecodeTime(shown, h, m, s, ms);
    FInternalSet = true;
    SetAM(h < 12);
    FInternalSet = false;
  }
  TBitmap frame(client.Width(), client.Height());
  frame.Canvas().CopyRect(client, FBKGCache.Canvas(), client);
  TWatchPainter(*this, frame.Canvas()).Hands(shown);
  Canvas().CopyRect(client, frame.Canvas(), client);
}

void TExtWatch::RollAMPM(bool ToPM) {
  const TRect client = ClientRect();
  const TRect box = GetAMPMRect();
  const TRect inner = Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1);
  if (client.IsEmpty() || inner.IsEmpty() || FBKGCache.Width() != client.Width() ||
      FBKGCache.Height() != client.Height())
    return;
  const int ih = inner.Height(), iw = inner.Width();
  // "AM" above "PM"; the box shows a window of the strip one box high.
  TBitmap strip(iw, 2 * ih);
  TCanvas& sc = strip.Canvas();
  Fill(sc, Rect(0, 0, iw, 2 * ih), FAppearance->AMPMColor());
  sc.SetFont(FAppearance->AMPMFont());
  sc.SetBkMode(bkTransparent);
  sc.Brush().Style = bsClear;
  TRect top = Rect(0, 0, iw, ih), bottom = Rect(0, ih, iw, 2 * ih);
  sc.DrawText("AM", top, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  sc.DrawText("PM", bottom, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  TBitmap frame(client.Width(), client.Height());
  for (int step = 1; step <= ih; ++step) {
    const int offset = ToPM ? step : ih - step;
    TCanvas& fc = frame.Canvas();
    fc.CopyRect(client, FBKGCache.Canvas(), client);
    fc.CopyRect(inner, sc, Rect(0, offset, iw, offset + ih));
    TWatchPainter p(*this, fc);
    SetPen(fc, FAppearance->AMPMBorderColor(), 1);
    SetBrush(fc, clNone);
    p.AMPMFrame(box);
    p.Hands(GetDisplayTime());
    Canvas().CopyRect(client, fc, client);
    ShowNow();
    // Through the layer's clock, so a test's virtual clock takes the pause without waiting.
    hd::Clock().Sleep(10);
  }
}

}  // namespace hd
