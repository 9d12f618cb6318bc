// Panels, shapes, images, paint boxes, link labels and the timer component.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/controls.h"
#include "platform/picture.h"

namespace hd {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a frame of `width` lines: top and left in topColor, bottom and right in bottomColor;
// r shrinks by the frame.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

// A container with bevels and a caption centred in it.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);
  const char* ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut b) { bevel_outer_ = b; Invalidate(); }
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut b) { bevel_inner_ = b; Invalidate(); }
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int w) { bevel_width_ = w; Invalidate(); }
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int w) { border_width_ = w; Invalidate(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }

 protected:
  void Paint() override;

 private:
  TBevelCut bevel_outer_ = bvRaised;
  TBevelCut bevel_inner_ = bvNone;
  int bevel_width_ = 1;
  int border_width_ = 0;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  const char* ClassName() const override { return "TShape"; }

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType s) { shape_ = s; Invalidate(); }
  const TPen& Pen() const { return pen_; }
  void SetPen(const TPen& p) { pen_ = p; Invalidate(); }
  const TBrush& Brush() const { return brush_; }
  void SetBrush(const TBrush& b) { brush_ = b; Invalidate(); }

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = stRectangle;
  TPen pen_;
  TBrush brush_;
};

// A picture that tells its image when it changes.
class TImagePicture : public TPicture {
 public:
  void LoadFromFile(const std::string& path, std::int64_t maxPixels = kMaxPicturePixels) {
    Changing([&] { TPicture::LoadFromFile(path, maxPixels); });
  }
  void LoadFromMemory(const std::string& bytes, std::int64_t maxPixels = kMaxPicturePixels) {
    Changing([&] { TPicture::LoadFromMemory(bytes, maxPixels); });
  }
  void Assign(const TBitmap& bmp) { Changing([&] { TPicture::Assign(bmp); }); }
  void Clear() { Changing([&] { TPicture::Clear(); }); }
  std::function<void()> OnChange;

 private:
  // The image repaints even when loading fails half-way (the picture is then empty).
  template <class F>
  void Changing(F&& f) {
    struct Notify {
      TImagePicture& p;
      ~Notify() { if (p.OnChange) p.OnChange(); }
    } notify{*this};
    f();
  }
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }

  TImagePicture& Picture() { return picture_; }
  const TImagePicture& Picture() const { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; Invalidate(); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; Invalidate(); }
  bool Proportional() const { return proportional_; }
  void SetProportional(bool v) { proportional_ = v; Invalidate(); }
  // Sizes the image to its picture whenever the picture changes.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  // Where the picture is drawn in the client area.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  TImagePicture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool auto_size_ = false;
};

// A graphic control whose painting is its OnPaint event.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* owner);
  const char* ClassName() const override { return "TPaintBox"; }
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

// A label whose caption holds links as <a href="...">text</a>; a click on one passes its link.
class TLinkLabel : public TWinControl {
 public:
  explicit TLinkLabel(TComponent* owner);
  const char* ClassName() const override { return "TLinkLabel"; }

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  // The caption as the user sees it, without the tags.
  std::string DisplayText() const;
  // The client rectangle of the n-th link's text (counted from 0); empty when there is none.
  TRect LinkRect(int n) const;

  TSysLinkEvent OnLinkClick;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  void NativeSetText(const std::string& text) override;
  void AdjustBounds();

 private:
  bool auto_size_ = true;
};

// Parses a link label's caption into plain text pieces and links.
struct TLinkSegment {
  std::string Text;
  std::string Href;  // the href, or the id of <a id="...">; empty for plain text
  bool IsLink = false;
  bool ById = false;
};
std::vector<TLinkSegment> ParseLinkCaption(const std::string& caption);

// A component that calls OnTimer every Interval milliseconds while Enabled.
// Setting Enabled to the value it has changes nothing (a running timer keeps its count);
// switching it off and on, or changing Interval, starts the count again.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned value);
  // True while the underlying window timer runs.
  bool Running() const;

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  class Window;
  void UpdateTimer();

  std::unique_ptr<Window> window_;
  bool enabled_ = true;
  unsigned interval_ = 1000;
};

}  // namespace hd
