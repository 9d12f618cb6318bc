// Message handling of the standard controls; their native sides are in qt/, a file per family.
#include "platform/std_ctrls.h"

#include "platform/forms.h"
#include "platform/tooltips.h"

namespace hd {
namespace {

char32_t FoldCase(char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

// The first code point of UTF-8 text at `i`, advancing `i`.
char32_t NextCodePoint(const std::string& s, size_t& i) {
  auto b = static_cast<unsigned char>(s[i++]);
  if (b < 0x80) return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
  char32_t c = b & (0x3F >> extra);
  for (int k = 0; k < extra && i < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return c;
}

}  // namespace

void NotifyParent(TWinControl* control, unsigned code) {
  WPARAM wp = MAKEWPARAM(0, code);
  auto lp = static_cast<LPARAM>(control->Handle());
  if (TWinControl* parent = control->Parent())
    SendMessage(parent->Handle(), WM_COMMAND, wp, lp);
  else
    SendMessage(control->Handle(), CN_COMMAND, wp, lp);
}

bool IsAccel(TKeyChar ch, const std::string& caption) {
  for (size_t i = 0; i < caption.size();) {
    if (caption[i] != '&') {
      NextCodePoint(caption, i);
      continue;
    }
    ++i;
    if (i >= caption.size()) return false;
    if (caption[i] == '&') {
      ++i;
      continue;
    }
    return FoldCase(NextCodePoint(caption, i)) == FoldCase(ch);
  }
  return false;
}

std::string StripAccel(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += caption[i];
  }
  return out;
}

void TCustomLabel::Dispatch(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    if (focus_control_ && Enabled() && show_accel_char_ && IsAccel(static_cast<TKeyChar>(m.WParam), Caption()) &&
        focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      m.Result = 1;
    }
    return;
  }
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) AdjustBounds();
  TControl::Dispatch(m);
}

void TCustomLabel::Notification(TComponent* c, TOperation op) {
  TControl::Notification(c, op);
  if (op == opRemove && c == focus_control_) focus_control_ = nullptr;
}

void TCustomLabel::SetFocusControl(TWinControl* c) {
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = c;
  if (c) FreeNotification(c);
}

void TStaticText::Dispatch(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    if (focus_control_ && Enabled() && IsAccel(static_cast<TKeyChar>(m.WParam), Caption()) &&
        focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      m.Result = 1;
    }
    return;
  }
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) AdjustBounds();
  TWinControl::Dispatch(m);
}

void TStaticText::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c == focus_control_) focus_control_ = nullptr;
}

void TStaticText::SetFocusControl(TWinControl* c) {
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = c;
  if (c) FreeNotification(c);
}

void TCustomEdit::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case EM_SHOWBALLOONTIP:
      m.Result = m.LParam ? ShowEditBalloon(this, *reinterpret_cast<const EDITBALLOONTIP*>(m.LParam)) : 0;
      break;
    case EM_HIDEBALLOONTIP:
      m.Result = HideEditBalloon(this);
      break;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE) Change();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A click places the caret; it does not select all.
      mouse_down_ = true;
      TWinControl::Dispatch(m);
      mouse_down_ = false;
      break;
    default:
      TWinControl::Dispatch(m);
  }
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter() {
  if (auto_select_ && !mouse_down_) SelectAll();
  TWinControl::DoEnter();
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csSetCaption, csDoubleClicks};
  SetTabStop(true);
}

void TButton::Dispatch(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TButtonControl::Dispatch(m);
}

void TCustomCheckBox::SetState(TCheckBoxState s) {
  if (s == state_) return;
  state_ = s;
  PushState();
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allow_grayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) Toggle();
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<TKeyChar>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Toggle();
        m.Result = 1;
      }
      break;
    case BM_GETCHECK:
      m.Result = state_;
      break;
    case BM_SETCHECK:
      ++clicks_disabled_;
      SetState(static_cast<TCheckBoxState>(m.WParam));
      --clicks_disabled_;
      break;
    case BM_CLICK:
      Toggle();
      break;
    default:
      TButtonControl::Dispatch(m);
  }
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  SetTabStop(v);
  PushState();
  if (!v) return;
  if (TWinControl* p = Parent()) {
    for (int i = 0; i < p->ControlCount(); ++i)
      if (auto* r = dynamic_cast<TRadioButton*>(p->Controls(i)); r && r != this) r->SetChecked(false);
  }
  if (!ClicksDisabled()) Click();
}

void TRadioButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) {
        if (checked_)
          PushState();  // the native button may have unchecked itself
        else
          SetChecked(true);
      } else if (HIWORD(m.WParam) == BN_DBLCLK) {
        DblClick();
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<TKeyChar>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) SetChecked(true);
        m.Result = 1;
      }
      break;
    case BM_GETCHECK:
      m.Result = checked_ ? 1 : 0;
      break;
    case BM_SETCHECK:
      ++clicks_disabled_;
      SetChecked(m.WParam != 0);
      --clicks_disabled_;
      break;
    case BM_CLICK:
      SetChecked(true);
      break;
    default:
      TButtonControl::Dispatch(m);
  }
}

void TCustomGroupBox::Dispatch(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<TKeyChar>(m.WParam), Caption()) && CanFocus()) {
    SelectFirst();
    m.Result = 1;
    return;
  }
  TWinControl::Dispatch(m);
}

TControlItems::TControlItems(std::function<void()> changed) {
  OnChange = [changed](TStringList&) { changed(); };
}

void TCustomListBox::Dispatch(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    switch (HIWORD(m.WParam)) {
      case LBN_SELCHANGE: Click(); break;
      case LBN_DBLCLK: DblClick(); break;
      default: break;
    }
    return;
  }
  TWinControl::Dispatch(m);
}

void TCustomComboBox::Dispatch(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    HWND self = Handle();
    switch (HIWORD(m.WParam)) {
      case CBN_SELCHANGE:
        Click();
        if (IsWindow(self)) Select();
        break;
      case CBN_EDITCHANGE: Change(); break;
      case CBN_DROPDOWN: DropDown(); break;
      case CBN_CLOSEUP: CloseUp(); break;
      case CBN_DBLCLK: DblClick(); break;
      default: break;
    }
    return;
  }
  if (m.Msg == CN_DRAWITEM) {
    if (auto* item = reinterpret_cast<TDrawItemStruct*>(m.LParam)) CNDrawItem(*item);
    m.Result = 1;
    return;
  }
  if (m.Msg == CN_MEASUREITEM) {
    if (auto* item = reinterpret_cast<TMeasureItemStruct*>(m.LParam)) CNMeasureItem(*item);
    m.Result = 1;
    return;
  }
  HWND self = Handle();
  TWinControl::Dispatch(m);
  // A press that dropped the list ends in the list: the face must not keep the mouse, or the
  // next click anywhere would come back to it and open the list again.
  if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && IsWindow(self) && DroppedDown() && MouseCapture())
    ReleaseCapture();
}

void TCustomComboBox::CNDrawItem(TDrawItemStruct& item) {
  if (!item.Canvas) return;
  TOwnerDrawState state;
  if (item.itemState & ODS_SELECTED) state.Include(odSelected);
  if (item.itemState & ODS_GRAYED) state.Include(odGrayed);
  if (item.itemState & ODS_DISABLED) state.Include(odDisabled);
  if (item.itemState & ODS_CHECKED) state.Include(odChecked);
  if (item.itemState & ODS_FOCUS) state.Include(odFocused);
  if (item.itemState & ODS_DEFAULT) state.Include(odDefault);
  if (item.itemState & ODS_COMBOBOXEDIT) state.Include(odComboBoxEdit);
  TCanvas& canvas = *item.Canvas;
  canvas.SetFont(Font());
  canvas.Brush().Color = Color();
  canvas.Brush().Style = bsSolid;
  if (item.itemID >= 0 && state.Contains(odSelected)) {
    canvas.Brush().Color = clHighlight;
    canvas.Font().Color = clHighlightText;
  }
  TCanvas* outer = canvas_;
  canvas_ = &canvas;
  struct Restore {
    TCanvas*& slot;
    TCanvas* value;
    ~Restore() { slot = value; }
  } restore{canvas_, outer};
  if (item.itemID >= 0)
    DrawItem(item.itemID, item.rcItem, state);
  else
    canvas.FillRect(item.rcItem);
  if (state.Contains(odFocused)) canvas.DrawFocusRect(item.rcItem);
}

void TCustomComboBox::CNMeasureItem(TMeasureItemStruct& item) {
  item.itemHeight = ItemHeight();
  if (style_ == csOwnerDrawVariable && item.itemID >= 0) MeasureItem(item.itemID, item.itemHeight);
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  Canvas().FillRect(rect);
  if (index < items_->Count()) Canvas().TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

TCanvas& TCustomComboBox::Canvas() {
  if (canvas_) return *canvas_;
  if (!measure_) measure_ = std::make_unique<TBitmap>(1, 1);
  measure_->Canvas().SetFont(Font());
  return measure_->Canvas();
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

}  // namespace hd
