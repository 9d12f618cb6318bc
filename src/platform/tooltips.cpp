#include "platform/tooltips.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/hint_window.h"
#include "platform/timers.h"

namespace hd {
namespace {

constexpr std::uintptr_t kRestTimer = 1, kAutoPopTimer = 2;
// The balloon's stem: its tip stands this far from the balloon's left edge (unless the screen's
// edge moves the balloon), and the body starts this far below it.
constexpr int kStemX = 16, kStemHeight = 12, kStemWidth = 16;
constexpr int kMargin = 6, kIconSize = 16, kTitleGap = 4;
// The tip stands below the pointer, clear of the arrow.
constexpr int kBelowPointer = 16;

TColor IconColor(int icon) {
  switch (icon) {
    case TTI_INFO: return TColor(0xD77800);
    case TTI_WARNING: return TColor(0x00B9FF);
    default: return TColor(0x2311E8);
  }
}

const char* IconMark(int icon) { return icon == TTI_INFO ? "i" : icon == TTI_WARNING ? "!" : "x"; }

std::map<HWND, std::unique_ptr<TToolTipWindow>>& ToolTips() {
  static std::map<HWND, std::unique_ptr<TToolTipWindow>> tips;
  return tips;
}

struct TEditBalloonEntry {
  HWND tooltip = 0;
  TEventLink hook;
};

std::map<HWND, TEditBalloonEntry>& EditBalloons() {
  static std::map<HWND, TEditBalloonEntry> balloons;
  return balloons;
}

// Owned windows go with their owner, as on the platform.
void WatchWindowsGoing() {
  static TEventLink link = ChainEvent(MessageHooks().WindowDestroyed, [](HWND gone) {
    EditBalloons().erase(gone);
    auto& tips = ToolTips();
    for (auto it = tips.begin(); it != tips.end();) {
      if (it->second->Owner() != gone) {
        ++it;
        continue;
      }
      auto owned = std::move(it->second);
      it = tips.erase(it);
    }
  });
}

}  // namespace

// The tip's own window: a plain box or a balloon with a stem, a title with its icon and the text.
class TToolTipWindow::TipWindow : public THintWindow {
 public:
  bool balloon = false;
  bool noPrefix = false;
  int maxWidth = -1;
  std::string title;
  int icon = 0;
  TColor textColor = clInfoText;

  TRect CalcHintRect(int, const std::string& Hint, void*) override {
    Measure(Hint);
    int w = std::max(text_.Width(), TitleWidth()) + 2 * kMargin;
    int h = text_.Height() + TitleHeight() + 2 * kMargin;
    if (balloon) h += kStemHeight;
    return Rect(0, 0, std::max(w, balloon ? kStemX + kStemWidth + 8 : 0), h);
  }

  // The tip goes below the point; one that would leave the screen at the bottom goes above
  // it (a balloon's stem then points down), and one too wide moves left.
  void ShowAt(TPoint stem, const std::string& text) {
    TRect r = CalcHintRect(0, text, nullptr);
    int left = balloon ? stem.X - kStemX : stem.X;
    stemBelow_ = stem.Y + r.Height() > Screen().Height() && stem.Y - 2 * kBelowPointer - r.Height() >= 0;
    int top = stemBelow_ ? stem.Y - 2 * kBelowPointer - r.Height() : stem.Y;
    left = std::max(0, std::min(left, Screen().Width() - r.Width()));
    stemX_ = balloon ? std::clamp(stem.X - left, 4, std::max(4, r.Width() - kStemWidth - 4)) : 0;
    OffsetRect(r, left, top);
    if (balloon)
      SetShape(TRegion::RoundRect(Body(r.Width(), r.Height()), 10, 10) | TRegion::Polygon(Stem(r.Height())));
    else
      SetShape(std::nullopt);
    ActivateHint(r, text);
  }

 protected:
  void Paint() override {
    TCanvas& c = Canvas();
    TRect client = ClientRect();
    TRect body = balloon ? Body(client.Width(), client.Height()) : client;
    c.Brush().Color = Color();
    c.Brush().Style = bsSolid;
    c.FillRect(client);
    c.Pen().Color = textColor;
    if (balloon) {
      c.RoundRect(body, 10, 10);
      // The stem covers the body's edge where it joins it, then gets its two outer edges.
      std::vector<TPoint> stem = Stem(client.Height());
      c.Pen().Color = clNone;
      c.Polygon(stem);
      c.Pen().Color = textColor;
      c.MoveTo(stem[1].X, stem[1].Y);
      c.LineTo(stem[0].X, stem[0].Y);
      c.LineTo(stem[2].X, stem[2].Y);
    } else {
      c.Rectangle(body);
    }
    int x = body.Left + kMargin, y = body.Top + kMargin;
    if (!title.empty() || IconShown()) {
      if (IconShown()) PaintIcon(c, x, y);
      c.Font() = TitleFont();
      c.Font().Color = textColor;
      c.Brush().Style = bsClear;
      c.TextOut(x + (IconShown() ? kIconSize + kTitleGap : 0), y, title);
      y += TitleHeight();
    }
    c.Font() = Font();
    c.Font().Color = textColor;
    c.Brush().Style = bsClear;
    TRect text = Rect(x, y, x + text_.Width(), y + text_.Height());
    c.DrawText(Caption(), text, TextFlags());
  }

 private:
  bool IconShown() const { return icon >= static_cast<int>(TTI_INFO) && icon <= static_cast<int>(TTI_ERROR); }
  unsigned TextFlags() const { return (noPrefix ? DT_NOPREFIX : 0u) | (maxWidth > 0 ? DT_WORDBREAK : 0u); }
  TFont TitleFont() const {
    TFont f = Font();
    f.Style += TFontStyles{fsBold};
    return f;
  }
  void Measure(const std::string& text) {
    TCanvas& c = Canvas();
    c.Font() = Font();
    text_ = Rect(0, 0, maxWidth > 0 ? std::max(maxWidth - 2 * kMargin, 16) : 100000, 0);
    c.DrawText(text, text_, TextFlags() | DT_CALCRECT);
  }
  int TitleWidth() {
    if (title.empty() && !IconShown()) return 0;
    Canvas().Font() = TitleFont();
    return Canvas().TextWidth(title) + (IconShown() ? kIconSize + kTitleGap : 0);
  }
  int TitleHeight() {
    if (title.empty() && !IconShown()) return 0;
    Canvas().Font() = TitleFont();
    return std::max(Canvas().TextHeight("Wg"), kIconSize) + kTitleGap;
  }
  void PaintIcon(TCanvas& c, int x, int y) {
    c.Pen().Color = IconColor(icon);
    c.Brush().Color = IconColor(icon);
    c.Brush().Style = bsSolid;
    c.Ellipse(Rect(x, y, x + kIconSize, y + kIconSize));
    c.Font() = TitleFont();
    c.Font().Color = clWhite;
    c.Brush().Style = bsClear;
    TRect mark = Rect(x, y, x + kIconSize, y + kIconSize);
    c.DrawText(IconMark(icon), mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  TRect Body(int w, int h) const {
    TRect body = Rect(0, 0, w, h);
    if (stemBelow_)
      body.Bottom -= kStemHeight;
    else
      body.Top += kStemHeight;
    return body;
  }
  // The tip first, then the two corners on the body's edge.
  std::vector<TPoint> Stem(int h) const {
    if (stemBelow_) return {{stemX_, h - 1}, {stemX_, h - kStemHeight - 2}, {stemX_ + kStemWidth, h - kStemHeight - 2}};
    return {{stemX_, 0}, {stemX_, kStemHeight + 1}, {stemX_ + kStemWidth, kStemHeight + 1}};
  }

  TRect text_;
  bool stemBelow_ = false;
  int stemX_ = kStemX;
};

TToolTipWindow::TToolTipWindow(unsigned style, HWND owner)
    : style_(style), owner_(owner), tip_(std::make_unique<TipWindow>()) {}

TToolTipWindow::~TToolTipWindow() = default;

bool TToolTipWindow::Showing() const { return tip_->Showing(); }
TRect TToolTipWindow::BoundsRect() const { return tip_->BoundsRect(); }
const TBitmap* TToolTipWindow::PaintedImage() const { return tip_->PaintedImage(); }

int TToolTipWindow::DelayTime(WPARAM which) const {
  int initial = initial_ >= 0 ? initial_ : static_cast<int>(GetDoubleClickTime());
  switch (which) {
    case TTDT_RESHOW: return reshow_delay_ >= 0 ? reshow_delay_ : initial / 5;
    case TTDT_AUTOPOP: return autopop_ >= 0 ? autopop_ : initial * 10;
    default: return initial;
  }
}

void TToolTipWindow::SetDelay(WPARAM which, int ms) {
  switch (which) {
    case TTDT_AUTOMATIC:
      // The others follow the initial delay again.
      initial_ = ms;
      reshow_delay_ = autopop_ = -1;
      break;
    case TTDT_RESHOW: reshow_delay_ = ms; break;
    case TTDT_AUTOPOP: autopop_ = ms; break;
    case TTDT_INITIAL: initial_ = ms; break;
    default: break;
  }
}

void TToolTipWindow::MainWndProc(TMessage& m) {
  switch (m.Msg) {
    case TTM_ADDTOOLW:
      m.Result = m.LParam ? AddTool(*reinterpret_cast<const TToolInfo*>(m.LParam)) : 0;
      break;
    case TTM_DELTOOLW:
      m.Result = m.LParam ? DeleteTool(*reinterpret_cast<const TToolInfo*>(m.LParam)) : 0;
      break;
    case TTM_ACTIVATE:
      active_ = m.WParam != 0;
      if (!active_) ToolLeft();
      break;
    case TTM_SETDELAYTIME:
      // A negative time in the low word restores the default.
      SetDelay(m.WParam, static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(m.LParam))));
      break;
    case TTM_GETDELAYTIME: m.Result = DelayTime(m.WParam); break;
    case TTM_SETTIPBKCOLOR: back_color_ = static_cast<TColor>(m.WParam); break;
    case TTM_SETTIPTEXTCOLOR: text_color_ = static_cast<TColor>(m.WParam); break;
    case TTM_GETTIPBKCOLOR: m.Result = static_cast<LRESULT>(back_color_); break;
    case TTM_GETTIPTEXTCOLOR: m.Result = static_cast<LRESULT>(text_color_); break;
    case TTM_SETMAXTIPWIDTH:
      m.Result = max_width_;
      max_width_ = static_cast<int>(m.LParam);
      break;
    case TTM_GETMAXTIPWIDTH: m.Result = max_width_; break;
    case TTM_SETTITLEW:
      icon_ = m.WParam <= TTI_ERROR ? static_cast<int>(m.WParam) : 0;
      title_ = m.LParam ? *reinterpret_cast<const std::string*>(m.LParam) : std::string();
      m.Result = 1;
      break;
    case TTM_POP:
      KillTimer(Handle(), kRestTimer);
      if (Showing()) {
        PopAndNotify();
        // Still over the tool: the next move shows the tip again after the reshow delay.
        shown_for_current_ = false;
      }
      break;
    case WM_TIMER:
      if (m.WParam == kRestTimer) RestEnded();
      if (m.WParam == kAutoPopTimer) {
        KillTimer(Handle(), kAutoPopTimer);
        PopAndNotify();
      }
      break;
    default: break;
  }
}

LRESULT TToolTipWindow::AddTool(const TToolInfo& info) {
  HWND watched = (info.uFlags & TTF_IDISHWND) ? static_cast<HWND>(info.uId) : info.hwnd;
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(watched));
  if (!control || FindTool(info.hwnd, info.uId)) return 0;
  auto tool = std::make_unique<Tool>();
  tool->info = info;
  if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW) tool->text = info.lpszText;
  if (info.uFlags & TTF_SUBCLASS) {
    Tool* t = tool.get();
    tool->hook = HookEvent(control->WindowProc, [this, t](const std::function<void(TMessage&)>& next, TMessage& m) {
      WatchToolMessage(*t, m);
      next(m);
    });
  }
  tools_.push_back(std::move(tool));
  return 1;
}

LRESULT TToolTipWindow::DeleteTool(const TToolInfo& info) {
  Tool* tool = FindTool(info.hwnd, info.uId);
  if (!tool) return 0;
  if (tool->info.uId == current_ && tool->info.hwnd == current_window_) ToolLeft();
  std::erase_if(tools_, [tool](const auto& t) { return t.get() == tool; });
  return 1;
}

TToolTipWindow::Tool* TToolTipWindow::FindTool(HWND toolWindow, std::uintptr_t id) {
  for (auto& t : tools_)
    if (t->info.hwnd == toolWindow && t->info.uId == id) return t.get();
  return nullptr;
}

void TToolTipWindow::WatchToolMessage(Tool& tool, const TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      auto* control = dynamic_cast<TControl*>(FindWindowTarget(
          (tool.info.uFlags & TTF_IDISHWND) ? static_cast<HWND>(tool.info.uId) : tool.info.hwnd));
      TRect area = (tool.info.uFlags & TTF_IDISHWND) && control ? control->ClientRect() : tool.info.rect;
      if (area.Contains(p))
        MouseOverTool(tool, p);
      else if (tool.info.uId == current_ && tool.info.hwnd == current_window_)
        ToolLeft();
      break;
    }
    case CM_MOUSELEAVE:
    case WM_MOUSELEAVE:
      if (tool.info.uId == current_ && tool.info.hwnd == current_window_) ToolLeft();
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONUP:
    case WM_MBUTTONUP: case WM_MOUSEWHEEL: case WM_KEYDOWN:
      // A click or a key puts the tip away until the mouse comes back.
      KillTimer(Handle(), kRestTimer);
      PopAndNotify();
      break;
    default: break;
  }
}

void TToolTipWindow::MouseOverTool(Tool& tool, TPoint) {
  if (!active_) return;
  if (tool.info.uId != current_ || tool.info.hwnd != current_window_) {
    if (Showing()) PopAndNotify();
    current_ = tool.info.uId;
    current_window_ = tool.info.hwnd;
    shown_for_current_ = false;
  }
  if (Showing() || shown_for_current_) return;
  // The tip waits for the mouse to rest: each move starts the wait again.
  SetTimer(Handle(), kRestTimer, static_cast<unsigned>(DelayTime(reshow_ ? TTDT_RESHOW : TTDT_INITIAL)));
}

void TToolTipWindow::ToolLeft() {
  KillTimer(Handle(), kRestTimer);
  PopAndNotify();
  current_ = 0;
  current_window_ = 0;
  shown_for_current_ = false;
  reshow_ = false;
}

void TToolTipWindow::RestEnded() {
  KillTimer(Handle(), kRestTimer);
  Tool* tool = FindTool(current_window_, current_);
  if (!tool) return;
  HWND watched = (tool->info.uFlags & TTF_IDISHWND) ? static_cast<HWND>(tool->info.uId) : tool->info.hwnd;
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(watched));
  if (!control || !control->Showing()) return;
  // Without TTS_ALWAYSTIP only the active form's tools show tips.
  if (!(style_ & TTS_ALWAYSTIP) && Screen().ActiveForm() != GetParentForm(control)) return;
  std::string text = tool->text;
  if (tool->info.lpszText == LPSTR_TEXTCALLBACKW) {
    NMTTDISPINFOW info;
    Notify(*tool, TTN_GETDISPINFOW, &info.hdr);
    text = info.lpszText;
    // The answer may have removed the tool.
    tool = FindTool(current_window_, current_);
    if (!tool) return;
  }
  if (text.empty()) return;
  NMHDR show;
  Notify(*tool, TTN_SHOW, &show);
  TPoint cursor = GetCursorPos();
  if (!ShowTip({cursor.X, cursor.Y + kBelowPointer}, text)) return;
  shown_for_current_ = true;
  reshow_ = true;
}

bool TToolTipWindow::ShowTip(TPoint stem, const std::string& text) {
  text_ = text;
  tip_->balloon = (style_ & TTS_BALLOON) != 0;
  tip_->noPrefix = (style_ & TTS_NOPREFIX) != 0;
  tip_->maxWidth = max_width_;
  tip_->title = title_;
  tip_->icon = icon_;
  tip_->textColor = text_color_;
  tip_->SetColor(back_color_);
  tip_->ShowAt(stem, text);
  SetTimer(Handle(), kAutoPopTimer, static_cast<unsigned>(std::max(DelayTime(TTDT_AUTOPOP), 1)));
  return tip_->Showing();
}

std::uint8_t TToolTipWindow::Alpha() const { return tip_->Alpha(); }
void TToolTipWindow::SetAlpha(std::uint8_t alpha) { tip_->SetAlpha(alpha); }

bool SetToolTipAlpha(HWND tooltip, std::uint8_t alpha) {
  TToolTipWindow* tip = FindToolTipWindow(tooltip);
  if (!tip) return false;
  tip->SetAlpha(alpha);
  return true;
}

std::uint8_t ToolTipAlpha(HWND tooltip) {
  TToolTipWindow* tip = FindToolTipWindow(tooltip);
  return tip ? tip->Alpha() : 255;
}

void TToolTipWindow::TrackBalloon(TPoint stem, const std::string& title, const std::string& text, int icon) {
  title_ = title;
  icon_ = icon >= 0 && icon <= static_cast<int>(TTI_ERROR) ? icon : 0;
  ShowTip(stem, text);
}

void TToolTipWindow::Pop() {
  KillTimer(Handle(), kAutoPopTimer);
  tip_->ReleaseHandle();
}

void TToolTipWindow::PopAndNotify() {
  if (!Showing()) return;
  Pop();
  if (Tool* tool = FindTool(current_window_, current_)) {
    NMHDR pop;
    Notify(*tool, TTN_POP, &pop);
  }
}

void TToolTipWindow::Notify(const Tool& tool, int code, NMHDR* header) {
  header->hwndFrom = Handle();
  header->idFrom = tool.info.uId;
  header->code = code;
  SendMessage(tool.info.hwnd, WM_NOTIFY, tool.info.uId, reinterpret_cast<LPARAM>(header));
}

HWND CreateToolTipWindow(unsigned style, HWND owner) {
  WatchWindowsGoing();
  auto tip = std::make_unique<TToolTipWindow>(style, owner);
  HWND h = tip->Handle();
  ToolTips()[h] = std::move(tip);
  return h;
}

bool DestroyToolTipWindow(HWND tooltip) {
  auto& tips = ToolTips();
  auto it = tips.find(tooltip);
  if (it == tips.end()) return false;
  // Taken out first: its destruction tells the hooks that it goes.
  auto gone = std::move(it->second);
  tips.erase(it);
  return true;
}

TToolTipWindow* FindToolTipWindow(HWND tooltip) {
  auto it = ToolTips().find(tooltip);
  return it == ToolTips().end() ? nullptr : it->second.get();
}

LRESULT ShowEditBalloon(TWinControl* edit, const EDITBALLOONTIP& tip) {
  if (!edit) return 0;
  TEditBalloonEntry& entry = EditBalloons()[edit->Handle()];
  if (!FindToolTipWindow(entry.tooltip)) {
    entry.tooltip = CreateToolTipWindow(TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, edit->Handle());
    HWND tooltip = entry.tooltip;
    entry.hook = HookEvent(edit->WindowProc, [tooltip](const std::function<void(TMessage&)>& next, TMessage& m) {
      if (m.Msg == WM_CHAR || m.Msg == WM_KILLFOCUS || m.Msg == WM_LBUTTONDOWN)
        if (TToolTipWindow* t = FindToolTipWindow(tooltip)) t->Pop();
      next(m);
    });
  }
  // The stem points at the caret's foot.
  auto sel = static_cast<std::uintptr_t>(edit->Perform(EM_GETSEL));
  LRESULT pos = edit->Perform(EM_POSFROMCHAR, LOWORD(sel));
  int x = pos == -1 ? 0 : GET_X_LPARAM(pos);
  TPoint stem = edit->ClientToScreen({x, edit->ClientHeight()});
  FindToolTipWindow(entry.tooltip)->TrackBalloon(stem, tip.pszTitle, tip.pszText, tip.ttiIcon);
  return FindToolTipWindow(entry.tooltip)->Showing() ? 1 : 0;
}

LRESULT HideEditBalloon(TWinControl* edit) {
  TToolTipWindow* t = EditBalloon(edit);
  if (!t || !t->Showing()) return 0;
  t->Pop();
  return 1;
}

TToolTipWindow* EditBalloon(const TWinControl* edit) {
  if (!edit) return nullptr;
  auto it = EditBalloons().find(edit->Handle());
  return it == EditBalloons().end() ? nullptr : FindToolTipWindow(it->second.tooltip);
}

}  // namespace hd
