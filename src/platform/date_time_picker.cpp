// The date-time picker's fields, keys, check box and notifications, and the month calendar's
// state. What is drawn and the calendar's window are the native side's.
#include "platform/date_time_picker.h"

#include <algorithm>
#include <cmath>

#include "platform/regional.h"
#include "platform/scroll_bars.h"
#include "platform/types.h"

namespace hd {
namespace {

bool IsPickerLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't';
}

std::string Pad(int v, int width) {
  std::string s = std::to_string(v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

TDateTime DayPart(TDateTime v) { return std::floor(v); }
TDateTime TimePart(TDateTime v) { return v - std::floor(v); }

// The most digits a field takes, and whether a first digit already completes it.
int MaxDigits(const TPickerField& f) { return f.Kind == TPickerField::Year && f.Width > 2 ? 4 : 2; }
int FieldMax(TPickerField::TKind k) {
  switch (k) {
    case TPickerField::Day: return 31;
    case TPickerField::Month: return 12;
    case TPickerField::Hour12: return 12;
    case TPickerField::Hour24: return 23;
    case TPickerField::Minute:
    case TPickerField::Second: return 59;
    default: return 9999;
  }
}

}  // namespace

std::vector<TPickerField> ParsePickerFormat(const std::string& format) {
  std::vector<TPickerField> out;
  auto literal = [&](const std::string& text) {
    if (text.empty()) return;
    if (!out.empty() && out.back().Kind == TPickerField::Literal)
      out.back().Text += text;
    else
      out.push_back({TPickerField::Literal, 0, text});
  };
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '\'') {
      size_t j = i + 1;
      std::string text;
      while (j < format.size()) {
        if (format[j] == '\'') {
          if (j + 1 < format.size() && format[j + 1] == '\'') {
            text += '\'';
            j += 2;
            continue;
          }
          break;
        }
        text += format[j++];
      }
      literal(text);
      i = j + 1;
      continue;
    }
    if (!IsPickerLetter(c)) {
      literal(std::string(1, c));
      ++i;
      continue;
    }
    size_t j = i;
    while (j < format.size() && format[j] == c) ++j;
    int n = static_cast<int>(j - i);
    TPickerField f;
    f.Width = n;
    switch (c) {
      case 'd': f.Kind = n >= 3 ? TPickerField::DayName : TPickerField::Day; break;
      case 'M': f.Kind = TPickerField::Month; break;
      case 'y': f.Kind = TPickerField::Year; break;
      case 'h': f.Kind = TPickerField::Hour12; break;
      case 'H': f.Kind = TPickerField::Hour24; break;
      case 'm': f.Kind = TPickerField::Minute; break;
      case 's': f.Kind = TPickerField::Second; break;
      default: f.Kind = TPickerField::AmPm; break;
    }
    out.push_back(f);
    i = j;
  }
  return out;
}

std::string PickerFormatOfRegional(const std::string& regional) {
  const TFormatSettings fs = FormatSettings();
  std::string out;
  // Without an am/pm part the regional hour counts to 24.
  std::string lower;
  for (char c : regional) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const bool twelve = lower.find("am/pm") != std::string::npos || lower.find("ampm") != std::string::npos ||
                      lower.find("a/p") != std::string::npos;
  bool afterHour = false;
  for (size_t i = 0; i < regional.size();) {
    char c = regional[i];
    size_t j = i;
    while (j < regional.size() && regional[j] == c) ++j;
    std::string run = regional.substr(i, j - i);
    if (c == '"' || c == '\'') {
      size_t end = regional.find(c, i + 1);
      if (end == std::string::npos) end = regional.size();
      out += "'" + regional.substr(i + 1, end - i - 1) + "'";
      i = end + 1;
      continue;
    }
    if (regional.compare(i, 5, "am/pm") == 0 || regional.compare(i, 5, "AM/PM") == 0 ||
        regional.compare(i, 4, "ampm") == 0) {
      out += "tt";
      i += regional.compare(i, 4, "ampm") == 0 ? 4 : 5;
      continue;
    }
    switch (c) {
      case 'd': out += run; break;
      case 'm': out += afterHour ? run : std::string(run.size(), 'M'); break;
      case 'n': out += std::string(run.size(), 'm'); break;
      case 'y': out += run.size() <= 2 ? "yy" : "yyyy"; break;
      case 'h': out += twelve ? run : std::string(run.size(), 'H'); break;
      case 's': out += run; break;
      case '/': out += std::string(run.size(), fs.DateSeparator); break;
      case ':': out += std::string(run.size(), fs.TimeSeparator); break;
      default:
        if (IsPickerLetter(c) || std::isalpha(static_cast<unsigned char>(c)))
          out += "'" + run + "'";
        else
          out += run;
    }
    if (c != ' ' && c != ':' && c != '.') afterHour = c == 'h';
    i = j;
  }
  return out;
}

// --- TMonthCalendar ---

TMonthCalendar::TMonthCalendar() : date_(hd::Date()) {}
TMonthCalendar::~TMonthCalendar() = default;

void TMonthCalendar::Changed() {
  if (view_) view_->Sync();
}
void TMonthCalendar::SetDate(TDateTime d) {
  date_ = DayPart(d);
  Changed();
}
void TMonthCalendar::SetWeekNumbers(bool v) {
  week_numbers_ = v;
  Changed();
}
void TMonthCalendar::SetShowToday(bool v) {
  show_today_ = v;
  Changed();
}
void TMonthCalendar::SetShowTodayCircle(bool v) {
  show_today_circle_ = v;
  Changed();
}
void TMonthCalendar::SetCalColors(const TMonthCalColors& c) {
  colors_ = c;
  Changed();
}

void TMonthCalendar::Pick(TDateTime d) {
  date_ = DayPart(d);
  if (OnPick) OnPick(date_);
}

bool TMonthCalendar::HandleKey(int vk) {
  switch (vk) {
    case VK_LEFT: SetDate(date_ - 1); return true;
    case VK_RIGHT: SetDate(date_ + 1); return true;
    case VK_UP: SetDate(date_ - 7); return true;
    case VK_DOWN: SetDate(date_ + 7); return true;
    case VK_PRIOR: SetDate(IncMonth(date_, -1)); return true;
    case VK_NEXT: SetDate(IncMonth(date_, 1)); return true;
    case VK_RETURN: Pick(date_); return true;
    case VK_ESCAPE:
      if (OnCancel) OnCancel();
      return true;
    default: return false;
  }
}

// --- TDateTimePicker ---

TDateTimePicker::TDateTimePicker(TComponent* owner) : TCustomControl(owner) {
  value_ = Now();
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(Left(), Top(), 186, 23);
  Reparse();
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::CreateWnd() {
  TCustomControl::CreateWnd();
  // A new window starts in the first field, with nothing half typed.
  pending_.clear();
  field_ = -1;
  MoveField(1);
}

void TDateTimePicker::Reparse() {
  const TFormatSettings fs = FormatSettings();
  std::string f = format_;
  if (f.empty()) f = PickerFormatOfRegional(kind_ == dtkTime ? fs.LongTimeFormat : fs.ShortDateFormat);
  fields_ = ParsePickerFormat(f);
  pending_.clear();
  field_ = -1;
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].Editable()) {
      field_ = static_cast<int>(i);
      break;
    }
  Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind k) {
  if (k == kind_) return;
  if (DroppedDown()) SetDroppedDown(false);
  kind_ = k;
  Reparse();
}

void TDateTimePicker::SetDateMode(TDTDateMode m) {
  date_mode_ = m;
  Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& f) {
  format_ = f;
  Reparse();
}

TDateTime TDateTimePicker::Date() const { return DayPart(value_); }
TDateTime TDateTimePicker::Time() const { return TimePart(value_); }
void TDateTimePicker::SetDate(TDateTime d) { SetDateTime(DayPart(d) + TimePart(value_)); }
void TDateTimePicker::SetTime(TDateTime t) { SetDateTime(DayPart(value_) + TimePart(t)); }

void TDateTimePicker::SetDateTime(TDateTime dt) {
  Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&dt));
}

void TDateTimePicker::SetShowCheckbox(bool v) {
  show_checkbox_ = v;
  if (!v) checked_ = true;
  Invalidate();
}

void TDateTimePicker::SetChecked(bool v) {
  if (v)
    Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
  else
    Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

TDateTime TDateTimePicker::Clamp(TDateTime v) const {
  if (min_date_ != 0 && v < min_date_) v = min_date_;
  if (max_date_ != 0 && v > max_date_) v = max_date_;
  return v;
}

void TDateTimePicker::SetValue(TDateTime v, bool notify) {
  v = Clamp(v);
  if (v == value_) return;
  value_ = v;
  Invalidate();
  if (notify) NotifyChange();
}

void TDateTimePicker::Notify(int code) {
  NMHDR hdr;
  hdr.hwndFrom = Handle();
  hdr.code = code;
  auto lp = reinterpret_cast<LPARAM>(&hdr);
  if (TWinControl* parent = Parent())
    SendMessage(parent->Handle(), WM_NOTIFY, 0, lp);
  else
    Perform(CN_NOTIFY, 0, lp);
}

void TDateTimePicker::NotifyChange() {
  NMDATETIMECHANGE change;
  change.hdr.hwndFrom = Handle();
  change.hdr.code = DTN_DATETIMECHANGE;
  if (show_checkbox_ && !checked_) {
    change.dwFlags = GDT_NONE;
  } else {
    DecodeDate(value_, change.wYear, change.wMonth, change.wDay);
    DecodeTime(value_, change.wHour, change.wMinute, change.wSecond, change.wMilliseconds);
  }
  auto lp = reinterpret_cast<LPARAM>(&change);
  if (TWinControl* parent = Parent())
    SendMessage(parent->Handle(), WM_NOTIFY, 0, lp);
  else
    Perform(CN_NOTIFY, 0, lp);
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}
void TDateTimePicker::DropDown() {
  if (OnDropDown) OnDropDown(this);
}
void TDateTimePicker::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TDateTimePicker::SetDroppedDown(bool v) {
  if (v == DroppedDown()) return;
  if (v) {
    if (kind_ == dtkTime || date_mode_ == dmUpDown) return;
    CommitPending(true);
    calendar_ = std::make_unique<TMonthCalendar>();
    calendar_->SetCalColors(cal_colors_);
    calendar_->SetDate(value_);
    calendar_->OnPick = [this](TDateTime d) {
      if (show_checkbox_ && !checked_) checked_ = true;
      SetValue(DayPart(d) + TimePart(value_), true);
      PostMessage(Handle(), DTM_CLOSEMONTHCAL, 0, 0);
    };
    calendar_->OnCancel = [this] { PostMessage(Handle(), DTM_CLOSEMONTHCAL, 0, 0); };
    // The drop-down notification lets the owner set the calendar up before it shows.
    Notify(DTN_DROPDOWN);
    if (calendar_) calendar_->ShowAt(ClientToScreen(TPoint{0, Height()}));
  } else {
    calendar_.reset();
    Notify(DTN_CLOSEUP);
  }
  Invalidate();
}

std::string TDateTimePicker::FieldDisplay(const TPickerField& f) const {
  const TFormatSettings fs = FormatSettings();
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDate(value_, y, mo, d);
  DecodeTime(value_, h, mi, s, ms);
  const bool typing = !pending_.empty() && field_ >= 0 && &fields_[static_cast<size_t>(field_)] == &f;
  if (typing) return pending_;
  switch (f.Kind) {
    case TPickerField::Literal: return f.Text;
    case TPickerField::Day: return Pad(d, f.Width);
    case TPickerField::DayName: {
      int wd = DayOfWeek(value_) - 1;
      return f.Width == 3 ? fs.ShortDayNames[wd] : fs.LongDayNames[wd];
    }
    case TPickerField::Month:
      if (f.Width == 3) return fs.ShortMonthNames[mo - 1];
      if (f.Width >= 4) return fs.LongMonthNames[mo - 1];
      return Pad(mo, f.Width);
    case TPickerField::Year:
      if (f.Width == 1) return std::to_string(y % 10);
      if (f.Width == 2) return Pad(y % 100, 2);
      return Pad(y, 4);
    case TPickerField::Hour12: return Pad(h % 12 == 0 ? 12 : h % 12, f.Width);
    case TPickerField::Hour24: return Pad(h, f.Width);
    case TPickerField::Minute: return Pad(mi, f.Width);
    case TPickerField::Second: return Pad(s, f.Width);
    case TPickerField::AmPm: {
      const std::string& t = h < 12 ? fs.TimeAMString : fs.TimePMString;
      return f.Width == 1 ? t.substr(0, 1) : t;
    }
  }
  return {};
}

std::string TDateTimePicker::FieldText(int index) const {
  if (index < 0 || index >= static_cast<int>(fields_.size())) return {};
  return FieldDisplay(fields_[static_cast<size_t>(index)]);
}

std::string TDateTimePicker::Text() const {
  std::string out;
  for (const TPickerField& f : fields_) out += FieldDisplay(f);
  return out;
}

bool TDateTimePicker::CommitPending(bool notify) {
  if (pending_.empty() || field_ < 0) return false;
  const int n = std::stoi(pending_);
  const size_t typed = pending_.size();
  pending_.clear();
  Invalidate();
  const TPickerField& f = fields_[static_cast<size_t>(field_)];
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDate(value_, y, mo, d);
  DecodeTime(value_, h, mi, s, ms);
  switch (f.Kind) {
    case TPickerField::Day:
      if (n < 1) return false;
      d = std::min(n, DaysInAMonth(y, mo));
      break;
    case TPickerField::Month:
      if (n < 1 || n > 12) return false;
      mo = n;
      break;
    case TPickerField::Year:
      if (typed <= 2)
        y = 2000 + n;
      else if (n < 1)
        return false;
      else
        y = n;
      break;
    case TPickerField::Hour12:
      if (n < 1 || n > 12) return false;
      h = (h >= 12 ? 12 : 0) + n % 12;
      break;
    case TPickerField::Hour24:
      if (n > 23) return false;
      h = n;
      break;
    case TPickerField::Minute:
      if (n > 59) return false;
      mi = n;
      break;
    case TPickerField::Second:
      if (n > 59) return false;
      s = n;
      break;
    default: return false;
  }
  d = std::min(d, DaysInAMonth(y, mo));
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(y, mo, d, date) || !TryEncodeTime(h, mi, s, ms, time)) return false;
  const TDateTime before = value_;
  SetValue(date + time, notify);
  return value_ != before;
}

void TDateTimePicker::TypeDigit(int digit) {
  if (field_ < 0) return;
  const TPickerField& f = fields_[static_cast<size_t>(field_)];
  if (f.Kind == TPickerField::AmPm || !f.Editable()) return;
  pending_ += static_cast<char>('0' + digit);
  Invalidate();
  const bool full = static_cast<int>(pending_.size()) >= MaxDigits(f);
  const bool nothingFollows = pending_.size() == 1 && f.Kind != TPickerField::Year && digit * 10 > FieldMax(f.Kind);
  if (full || nothingFollows) CommitPending(true);
}

void TDateTimePicker::StepField(int delta) {
  if (field_ < 0) return;
  const TPickerField& f = fields_[static_cast<size_t>(field_)];
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDate(value_, y, mo, d);
  DecodeTime(value_, h, mi, s, ms);
  auto wrap = [](int v, int lo, int hi) { return lo + ((v - lo) % (hi - lo + 1) + (hi - lo + 1)) % (hi - lo + 1); };
  switch (f.Kind) {
    case TPickerField::Day: d = wrap(d + delta, 1, DaysInAMonth(y, mo)); break;
    case TPickerField::DayName: d = wrap(d + delta, 1, DaysInAMonth(y, mo)); break;
    case TPickerField::Month: mo = wrap(mo + delta, 1, 12); break;
    case TPickerField::Year: y = std::clamp(y + delta, 1, 9999); break;
    case TPickerField::Hour12:
    case TPickerField::Hour24: h = wrap(h + delta, 0, 23); break;
    case TPickerField::Minute: mi = wrap(mi + delta, 0, 59); break;
    case TPickerField::Second: s = wrap(s + delta, 0, 59); break;
    case TPickerField::AmPm: h = (h + 12) % 24; break;
    default: return;
  }
  d = std::min(d, DaysInAMonth(y, mo));
  TDateTime date = 0, time = 0;
  if (TryEncodeDate(y, mo, d, date) && TryEncodeTime(h, mi, s, ms, time)) SetValue(date + time, true);
}

void TDateTimePicker::MoveField(int delta) {
  for (int i = field_ + delta; i >= 0 && i < static_cast<int>(fields_.size()); i += delta)
    if (fields_[static_cast<size_t>(i)].Editable()) {
      field_ = i;
      break;
    }
  Invalidate();
}

int TDateTimePicker::ButtonWidth() const { return GetSystemMetrics(SM_CXVSCROLL) + 2; }

TRect TDateTimePicker::CheckboxRect() const {
  if (!show_checkbox_) return {};
  const int top = (ClientHeight() - 13) / 2;
  return Rect(4, top, 17, top + 13);
}

TRect TDateTimePicker::ButtonRect() const {
  return Rect(ClientWidth() - ButtonWidth(), 0, ClientWidth(), ClientHeight());
}

TRect TDateTimePicker::FieldRect(int index) const {
  auto& canvas = const_cast<TDateTimePicker*>(this)->Canvas();
  int x = show_checkbox_ ? 21 : 4;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
    const int w = canvas.TextWidth(FieldDisplay(fields_[static_cast<size_t>(i)]));
    if (i == index) return Rect(x, 2, x + w, ClientHeight() - 2);
    x += w;
  }
  return {};
}

void TDateTimePicker::Paint() { PaintFace(Canvas()); }

void TDateTimePicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TPoint at{x, y};
  if (show_checkbox_ && CheckboxRect().Contains(at)) {
    checked_ = !checked_;
    Invalidate();
    NotifyChange();
    return;
  }
  if (ButtonRect().Contains(at)) {
    CommitPending(true);
    if (kind_ == dtkTime || date_mode_ == dmUpDown)
      StepField(y < ClientHeight() / 2 ? 1 : -1);
    else
      SetDroppedDown(!DroppedDown());
    return;
  }
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
    if (fields_[static_cast<size_t>(i)].Editable() && FieldRect(i).Contains(at)) {
      CommitPending(true);
      field_ = i;
      Invalidate();
      return;
    }
}

void TDateTimePicker::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m.Msg == WM_KILLFOCUS) {
        CommitPending(true);
        if (DroppedDown()) SetDroppedDown(false);
      }
      Invalidate();
      break;
    case DTM_SETSYSTEMTIME:
    case DTM_GETSYSTEMTIME:
    case DTM_CLOSEMONTHCAL: DefaultHandler(m); return;
    case CN_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
      if (hdr && hdr->code == DTN_DATETIMECHANGE) {
        const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(hdr);
        if (show_checkbox_) checked_ = change->dwFlags != GDT_NONE;
        Change();
      } else if (hdr && hdr->code == DTN_DROPDOWN) {
        DropDown();
      } else if (hdr && hdr->code == DTN_CLOSEUP) {
        CloseUp();
      }
      m.Result = 0;
      return;
    }
    default: break;
  }
  TCustomControl::Dispatch(m);
}

void TDateTimePicker::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case DTM_SETSYSTEMTIME:
      pending_.clear();
      if (m.WParam == GDT_NONE) {
        if (show_checkbox_) checked_ = false;
      } else {
        checked_ = true;
        if (m.LParam) value_ = Clamp(*reinterpret_cast<const TDateTime*>(m.LParam));
      }
      Invalidate();
      m.Result = 1;
      return;
    case DTM_GETSYSTEMTIME:
      if (m.LParam) *reinterpret_cast<TDateTime*>(m.LParam) = value_;
      m.Result = show_checkbox_ && !checked_ ? GDT_NONE : GDT_VALID;
      return;
    case DTM_CLOSEMONTHCAL:
      SetDroppedDown(false);
      return;
    case WM_KEYDOWN: {
      const int vk = static_cast<int>(m.WParam);
      const bool alt = KeyboardStateToShiftState().Contains(ssAlt);
      if (DroppedDown()) {
        if (vk == VK_F4 || (alt && vk == VK_UP))
          SetDroppedDown(false);
        else
          calendar_->HandleKey(vk);
        return;
      }
      switch (vk) {
        case VK_RIGHT: CommitPending(true); MoveField(1); return;
        case VK_LEFT: CommitPending(true); MoveField(-1); return;
        case VK_UP:
        case VK_DOWN:
          if (alt && vk == VK_DOWN) {
            SetDroppedDown(true);
            return;
          }
          CommitPending(true);
          StepField(vk == VK_UP ? 1 : -1);
          return;
        case VK_F4: SetDroppedDown(true); return;
        case VK_HOME: CommitPending(true); field_ = -1; MoveField(1); return;
        case VK_END: CommitPending(true); field_ = static_cast<int>(fields_.size()); MoveField(-1); return;
        case VK_SPACE:
          if (show_checkbox_) {
            checked_ = !checked_;
            Invalidate();
            NotifyChange();
          }
          return;
        default: break;
      }
      break;
    }
    case WM_CHAR: {
      const auto ch = static_cast<TKeyChar>(m.WParam);
      if (show_checkbox_ && !checked_) return;
      if (ch >= '0' && ch <= '9') {
        TypeDigit(static_cast<int>(ch - '0'));
        return;
      }
      if (field_ >= 0 && fields_[static_cast<size_t>(field_)].Kind == TPickerField::AmPm) {
        int h = 0, mi = 0, s = 0, ms = 0;
        DecodeTime(value_, h, mi, s, ms);
        const char lower = static_cast<char>(std::tolower(static_cast<int>(ch & 0x7F)));
        if ((lower == 'a' && h >= 12) || (lower == 'p' && h < 12)) StepField(1);
      }
      return;
    }
    default: break;
  }
  TCustomControl::DefaultHandler(m);
}

}  // namespace hd
