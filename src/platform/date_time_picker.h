// The platform's date-time picker and the month calendar it drops down. The picker shows its
// value as fields made from its format; the field cursor moves with Left and Right, Up and Down
// step the field, typed digits fill it. A field takes its typed value once it is complete (all
// its digits, or a first digit no second one can follow) or when the cursor leaves it; the
// platform itself never moves on to the next field. Its notifications go to the parent as
// WM_NOTIFY and come back reflected as CN_NOTIFY.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dateutils.h"
#include "platform/messages.h"

namespace hd {

// The picker's notifications (WM_NOTIFY codes).
constexpr int DTN_DROPDOWN = -754, DTN_CLOSEUP = -753;
// The picker's messages: LParam points at a TDateTime; WParam GDT_VALID or GDT_NONE (no date).
constexpr UINT DTM_GETSYSTEMTIME = 0x1001, DTM_SETSYSTEMTIME = 0x1002, DTM_CLOSEMONTHCAL = 0x106D;
constexpr unsigned GDT_VALID = 0, GDT_NONE = 1;

// A month calendar: the date it shows and picks, and its look. While it is dropped down from a
// picker its keys come from the picker: arrows move the day, Page Up and Page Down the month,
// Return picks, Escape closes.
class TMonthCalendar;
class TMonthCalendarView {
 public:
  virtual ~TMonthCalendarView() = default;
  virtual void Sync() = 0;
};

struct TMonthCalColors {
  TColor BackColor = clWindow;
  TColor TextColor = clWindowText;
  TColor TitleBackColor = clActiveCaption;
  TColor TitleTextColor = clWhite;
  TColor MonthBackColor = clWhite;
  TColor TrailingTextColor = clInactiveCaptionText;
};

class TMonthCalendar {
 public:
  TMonthCalendar();
  ~TMonthCalendar();
  TDateTime Date() const { return date_; }
  void SetDate(TDateTime d);
  bool WeekNumbers() const { return week_numbers_; }
  void SetWeekNumbers(bool v);
  bool ShowToday() const { return show_today_; }
  void SetShowToday(bool v);
  bool ShowTodayCircle() const { return show_today_circle_; }
  void SetShowTodayCircle(bool v);
  TMonthCalColors& CalColors() { return colors_; }
  void SetCalColors(const TMonthCalColors& c);
  // A date picked (clicked, or Return): fires OnPick with it.
  void Pick(TDateTime d);
  // A key while dropped down; true when the calendar took it.
  bool HandleKey(int vk);
  std::function<void(TDateTime)> OnPick;
  std::function<void()> OnCancel;
  // Internal to the layer: the native window that shows the calendar, and the screen spot
  // (top-left) it is shown at.
  void ShowAt(TPoint screen);
  TMonthCalendarView* View() const { return view_.get(); }

 private:
  void Changed();
  TDateTime date_ = 0;
  bool week_numbers_ = false;
  bool show_today_ = true;
  bool show_today_circle_ = true;
  TMonthCalColors colors_;
  std::unique_ptr<TMonthCalendarView> view_;
};
// Made by the platform's native side.
std::unique_ptr<TMonthCalendarView> CreateMonthCalendarView(TMonthCalendar& calendar);

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// One field of a picker's format.
struct TPickerField {
  enum TKind { Literal, Day, DayName, Month, Year, Hour12, Hour24, Minute, Second, AmPm };
  TKind Kind = Literal;
  int Width = 0;  // letters in the format: d/dd, M/MM/MMM/MMMM, yy/yyyy ...
  std::string Text;  // a literal's text
  bool Editable() const { return Kind != Literal && Kind != DayName; }
};
// The fields of a format in the picker's letters (d M y h H m s t, 'quoted'), in order.
std::vector<TPickerField> ParsePickerFormat(const std::string& format);
// The picker format of a regional format (m month, n minutes): the format a picker shows
// without one of its own.
std::string PickerFormatOfRegional(const std::string& regional);

class TDateTimePicker : public TCustomControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  ~TDateTimePicker() override;
  const char* ClassName() const override { return "TDateTimePicker"; }

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind k);
  TDTDateMode DateMode() const { return date_mode_; }
  void SetDateMode(TDTDateMode m);
  // Empty: the regional short date (date kind) or long time (time kind).
  std::string Format() const { return format_; }
  void SetFormat(const std::string& f);
  // Date keeps the time of day; Time keeps the date.
  TDateTime Date() const;
  void SetDate(TDateTime d);
  TDateTime Time() const;
  void SetTime(TDateTime t);
  TDateTime DateTime() const { return value_; }
  void SetDateTime(TDateTime dt);
  // 0 is no limit.
  TDateTime MinDate() const { return min_date_; }
  void SetMinDate(TDateTime d) { min_date_ = d; }
  TDateTime MaxDate() const { return max_date_; }
  void SetMaxDate(TDateTime d) { max_date_ = d; }
  bool ShowCheckbox() const { return show_checkbox_; }
  void SetShowCheckbox(bool v);
  // Unchecked is "no date": the fields show greyed and notifications carry a zero date.
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool DroppedDown() const { return calendar_ != nullptr; }
  void SetDroppedDown(bool v);
  TMonthCalColors& CalColors() { return cal_colors_; }
  // The dropped-down calendar, null while closed.
  TMonthCalendar* Calendar() const { return calendar_.get(); }
  // The shown text and the field the cursor is in (its index in the format's fields).
  std::string Text() const override;
  int CurrentField() const { return field_; }
  std::string FieldText(int index) const;
  const std::vector<TPickerField>& Fields() const { return fields_; }

  // Geometry of the face: the check box, the drop-down button (or up-down) and a field.
  int ButtonWidth() const;
  TRect CheckboxRect() const;
  TRect ButtonRect() const;
  TRect FieldRect(int index) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  void Paint() override;
  void CreateWnd() override;
  // The native face: frame, check box, fields with the current one marked, button or up-down.
  void PaintFace(TCanvas& canvas);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void Reparse();
  std::string FieldDisplay(const TPickerField& f) const;
  // Commits the digits typed into the current field; true when the value changed.
  bool CommitPending(bool notify);
  void TypeDigit(int digit);
  void StepField(int delta);
  void MoveField(int delta);
  void SetValue(TDateTime v, bool notify);
  void Notify(int code);
  void NotifyChange();
  TDateTime Clamp(TDateTime v) const;

  TDateTimeKind kind_ = dtkDate;
  TDTDateMode date_mode_ = dmComboBox;
  std::string format_;
  std::vector<TPickerField> fields_;
  TDateTime value_ = 0;
  TDateTime min_date_ = 0, max_date_ = 0;
  bool show_checkbox_ = false;
  bool checked_ = true;
  int field_ = -1;
  std::string pending_;
  TMonthCalColors cal_colors_;
  std::unique_ptr<TMonthCalendar> calendar_;
};

}  // namespace hd
