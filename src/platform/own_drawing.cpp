// The paint cycle of the controls that paint themselves.
#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/native_bridge_p.h"

namespace hd {
namespace {

TOwnDrawing* OwnDrawingOf(HWND h) { return dynamic_cast<TOwnDrawing*>(FindWindowTarget(h)); }

TRegion ClientRegion(const TControl& c) { return TRegion(Rect(0, 0, std::max(0, c.ClientWidth()), std::max(0, c.ClientHeight()))); }

}  // namespace

TOwnDrawing::TOwnDrawing(TControl* control) : control_(control) {}
TOwnDrawing::~TOwnDrawing() = default;

TBitmap& TOwnDrawing::Buffer() {
  int w = std::max(0, control_->ClientWidth()), h = std::max(0, control_->ClientHeight());
  if (!image_) {
    image_ = std::make_unique<TBitmap>();
    image_->Canvas().SetFont(control_->Font());
  }
  if (image_->Width() != w || image_->Height() != h) {
    image_->SetSize(w, h);
    // A new size shows nothing of the old picture that can be trusted.
    update_ = ClientRegion(*control_);
    erase_ = true;
  }
  return *image_;
}

TCanvas& TOwnDrawing::Canvas() {
  if (paint_canvas_) return *paint_canvas_;
  TCanvas& canvas = Buffer().Canvas();
  // What is drawn here outside painting goes onto the shown image.
  unshown_ = ClientRegion(*control_);
  NativeUpdateRect(control_, nullptr);
  return canvas;
}

void TOwnDrawing::ShowNow() { NativeFlushUpdates(control_); }

void TOwnDrawing::AddUpdate(const TRegion& region, bool erase) {
  TRegion r = region & ClientRegion(*control_);
  if (r.IsEmpty()) return;
  update_ = update_ | r;
  erase_ = erase_ || erase;
  if (redraw_) {
    TRect bounds = r.Bounds();
    unshown_ = unshown_ | TRegion(bounds);
    NativeUpdateRect(control_, &bounds);
  }
}

void TOwnDrawing::RunPaint(TCanvas& canvas, const TRegion& clip, bool erase) {
  canvas.SetFont(control_->Font());
  canvas.Brush().Color = control_->Color();
  canvas.Brush().Style = bsSolid;
  canvas.SetClipRegion(clip);
  if (erase) canvas.FillRect(clip.Bounds());
  TCanvas* savedCanvas = paint_canvas_;
  TRect savedRect = paint_rect_;
  paint_canvas_ = &canvas;
  paint_rect_ = clip.Bounds();
  struct Reset {
    TOwnDrawing& d;
    TCanvas& canvas;
    TCanvas* savedCanvas;
    TRect savedRect;
    ~Reset() {
      d.paint_canvas_ = savedCanvas;
      d.paint_rect_ = savedRect;
      canvas.ClearClip();
    }
  } reset{*this, canvas, savedCanvas, savedRect};
  Paint();
}

void TOwnDrawing::PaintPending() {
  TBitmap& buffer = Buffer();
  if (!redraw_ || update_.IsEmpty() || Painting()) return;
  TRegion clip = update_ & ClientRegion(*control_);
  bool erase = erase_;
  // Cleared first: what the paint itself invalidates waits for the next one.
  update_ = TRegion();
  erase_ = false;
  if (!clip.IsEmpty()) RunPaint(buffer.Canvas(), clip, erase);
}

void TOwnDrawing::PaintTo(TCanvas& canvas) { PaintTo(canvas, ClientRegion(*control_)); }

void TOwnDrawing::PaintTo(TCanvas& canvas, const TRect& clip) { PaintTo(canvas, TRegion(clip)); }

void TOwnDrawing::PaintTo(TCanvas& canvas, const TRegion& clip) {
  TRegion r = clip & ClientRegion(*control_);
  if (r.IsEmpty()) return;
  canvas.SaveState();
  struct Restore {
    TCanvas& c;
    ~Restore() { c.RestoreState(); }
  } restore{canvas};
  RunPaint(canvas, r, !control_->ControlStyle().Contains(csOpaque));
}

TBitmap& TOwnDrawing::WindowBuffer() {
  int w = std::max(0, control_->Width()), h = std::max(0, control_->Height());
  if (!nc_image_) nc_image_ = std::make_unique<TBitmap>();
  if (nc_image_->Width() != w || nc_image_->Height() != h) {
    nc_image_->SetSize(w, h);
    nc_dirty_ = true;
  }
  return *nc_image_;
}

TCanvas& TOwnDrawing::WindowCanvas() {
  TCanvas& canvas = WindowBuffer().Canvas();
  // Outside WM_NCPAINT what is drawn goes onto the shown window at once.
  if (!nc_painting_) NativeUpdateRect(control_, nullptr);
  return canvas;
}

const TBitmap* TOwnDrawing::NonClientImage() {
  TRect insets = control_->NonClientInsets();
  if (insets.Left == 0 && insets.Top == 0 && insets.Right == 0 && insets.Bottom == 0) return nullptr;
  WindowBuffer();
  if (nc_dirty_) {
    nc_dirty_ = false;
    nc_painting_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{nc_painting_};
    SendMessage(control_->Handle(), WM_NCPAINT, 1, 0);
  }
  return nc_image_.get();
}

bool TOwnDrawing::HandleOwnDrawnMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintPending();
      return true;
    case WM_NCPAINT:
      if (auto* win = dynamic_cast<TWinControl*>(control_)) win->PaintNonClient(WindowBuffer().Canvas());
      m.Result = 0;
      return true;
    case WM_SETREDRAW:
      redraw_ = m.WParam != 0;
      // Turned back on, the window shows what waits, as soon as it paints.
      if (redraw_ && !update_.IsEmpty()) {
        unshown_ = ClientRegion(*control_);
        NativeUpdateRect(control_, nullptr);
      }
      return true;
    case WM_SIZE:
      nc_dirty_ = true;
      return false;
    case CM_FONTCHANGED:
      if (image_) image_->Canvas().SetFont(control_->Font());
      control_->Invalidate();
      return false;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
      control_->Invalidate();
      return false;
    default:
      return false;
  }
}

void TControl::InvalidateRegion(const TRegion* region, bool erase) {
  if (auto* d = dynamic_cast<TOwnDrawing*>(this)) {
    d->AddUpdate(region ? *region : ClientRegion(*this), erase);
    return;
  }
  TRect bounds = region ? region->Bounds() : ClientRect();
  NativeUpdateRect(this, region ? &bounds : nullptr);
}

void TControl::Invalidate() { InvalidateRegion(nullptr, !control_style_.Contains(csOpaque)); }

void TControl::Update() {
  if (!NativeShowing(this)) return;
  if (dynamic_cast<TOwnDrawing*>(this))
    SendMessage(Handle(), WM_PAINT);
  else
    NativeFlushUpdates(this);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool InvalidateRect(HWND h, const TRect* r, bool erase) {
  auto* c = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!c) return false;
  if (r) {
    TRegion region(*r);
    c->InvalidateRegion(&region, erase);
  } else {
    c->InvalidateRegion(nullptr, erase);
  }
  return true;
}

bool InvalidateRgn(HWND h, const TRegion* region, bool erase) {
  auto* c = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!c) return false;
  c->InvalidateRegion(region, erase);
  return true;
}

bool ValidateRect(HWND h, const TRect* r) {
  TOwnDrawing* d = OwnDrawingOf(h);
  if (!d) return IsWindow(h);
  if (r)
    d->update_ = d->update_ - TRegion(*r);
  else
    d->update_ = TRegion();
  return true;
}

bool GetUpdateRect(HWND h, TRect* r, bool) {
  TOwnDrawing* d = OwnDrawingOf(h);
  bool pending = d && !d->UpdateRegion().IsEmpty();
  if (r) *r = pending ? d->UpdateRegion().Bounds() : TRect{};
  return pending;
}

bool UpdateWindow(HWND h) {
  auto* c = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!c) return false;
  c->Update();
  return true;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), TOwnDrawing(this) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csAcceptsControls};
}

TNativeWindow* TCustomControl::CreateNativeWindow() { return CreateOwnDrawnWindow(this, this); }

void TCustomControl::NonClientChanged() {
  NonClientDirty();
  TWinControl::NonClientChanged();
}

void TCustomControl::Dispatch(TMessage& m) {
  if (HandleOwnDrawnMessage(m)) return;
  TWinControl::Dispatch(m);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), TOwnDrawing(this) {
  AttachNative(CreateOwnDrawnWindow(this, this));
}

void TGraphicControl::Dispatch(TMessage& m) {
  if (HandleOwnDrawnMessage(m)) return;
  TControl::Dispatch(m);
}

}  // namespace hd
