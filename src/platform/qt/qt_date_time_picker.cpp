// The native side of the date-time picker: its face in the style's look, and the month
// calendar it drops down as a popup window.
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "platform/date_time_picker.h"
#include "platform/qt/qt_bitmap.h"

namespace hd {
namespace {

QColor ToQColor(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

QDate ToQDate(TDateTime d) {
  int y = 0, m = 0, day = 0;
  DecodeDate(d, y, m, day);
  return QDate(y, m, day);
}

TDateTime FromQDate(const QDate& d) {
  TDateTime out = 0;
  TryEncodeDate(d.year(), d.month(), d.day(), out);
  return out;
}

// A popup holding the calendar, and below it the "Today" line when it is shown. A click on a
// day or Return picks; closing it any other way cancels.
class QtMonthCalendarPopup : public QWidget {
 public:
  explicit QtMonthCalendarPopup(TMonthCalendar& owner) : QWidget(nullptr, Qt::Popup), owner_(owner) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    calendar_ = new QCalendarWidget(this);
    calendar_->setGridVisible(false);
    today_ = new QLabel(this);
    layout->addWidget(calendar_);
    layout->addWidget(today_);
    QObject::connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate d) { Picked(d); });
    QObject::connect(calendar_, &QCalendarWidget::activated, this, [this](QDate d) { Picked(d); });
    QObject::connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] {
      if (!syncing_) owner_.SetDate(FromQDate(calendar_->selectedDate()));
    });
  }
  void Close() {
    closing_ = true;
    hide();
  }
  void Sync() {
    syncing_ = true;
    calendar_->setSelectedDate(ToQDate(owner_.Date()));
    calendar_->setVerticalHeaderFormat(owner_.WeekNumbers() ? QCalendarWidget::ISOWeekNumbers
                                                            : QCalendarWidget::NoVerticalHeader);
    QPalette pal = calendar_->palette();
    pal.setColor(QPalette::Base, ToQColor(owner_.CalColors().MonthBackColor));
    pal.setColor(QPalette::Window, ToQColor(owner_.CalColors().BackColor));
    pal.setColor(QPalette::Text, ToQColor(owner_.CalColors().TextColor));
    calendar_->setPalette(pal);
    QTextCharFormat todayFormat;
    if (owner_.ShowTodayCircle()) {
      todayFormat.setFontWeight(QFont::Bold);
      todayFormat.setFontUnderline(true);
    }
    calendar_->setDateTextFormat(QDate::currentDate(), todayFormat);
    today_->setVisible(owner_.ShowToday());
    today_->setText(QStringLiteral("Today: ") + QString::fromStdString(DateToStr(hd::Date())));
    syncing_ = false;
  }

 protected:
  void hideEvent(QHideEvent* e) override {
    QWidget::hideEvent(e);
    if (!closing_ && !picked_) {
      closing_ = true;
      if (owner_.OnCancel) owner_.OnCancel();
    }
  }

 private:
  void Picked(QDate d) {
    if (closing_ || picked_) return;
    picked_ = true;
    owner_.Pick(FromQDate(d));
  }
  TMonthCalendar& owner_;
  QCalendarWidget* calendar_ = nullptr;
  QLabel* today_ = nullptr;
  bool closing_ = false;
  bool picked_ = false;
  bool syncing_ = false;
};

class QtMonthCalendarView : public TMonthCalendarView {
 public:
  explicit QtMonthCalendarView(TMonthCalendar& owner) : popup_(new QtMonthCalendarPopup(owner)) {}
  ~QtMonthCalendarView() override {
    if (popup_) {
      popup_->Close();
      popup_->deleteLater();
    }
  }
  void Sync() override {
    if (popup_) popup_->Sync();
  }
  void Show(TPoint at) {
    if (!popup_) return;
    popup_->adjustSize();
    popup_->move(at.X, at.Y);
    popup_->show();
  }

 private:
  QPointer<QtMonthCalendarPopup> popup_;
};

}  // namespace

std::unique_ptr<TMonthCalendarView> CreateMonthCalendarView(TMonthCalendar& calendar) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  return std::make_unique<QtMonthCalendarView>(calendar);
}

void TMonthCalendar::ShowAt(TPoint screen) {
  if (!view_) view_ = CreateMonthCalendarView(*this);
  if (!view_) return;
  view_->Sync();
  static_cast<QtMonthCalendarView*>(view_.get())->Show(screen);
}

void TDateTimePicker::PaintFace(TCanvas& canvas) {
  const int w = ClientWidth(), h = ClientHeight();
  if (w <= 0 || h <= 0) return;
  QStyle* style = QApplication::style();
  TBitmap face(w, h);
  QImage& image = BitmapImage(face);
  image.fill(ToQColor(Color()));
  const bool upDown = Kind() == dtkTime || DateMode() == dmUpDown;
  const bool enabled = Enabled();
  {
    QPainter painter(&image);
    const QRect all(0, 0, w, h);
    if (upDown) {
      QStyleOptionSpinBox opt;
      opt.rect = all;
      opt.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
      if (Focused()) opt.state |= QStyle::State_HasFocus;
      opt.frame = true;
      opt.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
      opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
      style->drawComplexControl(QStyle::CC_SpinBox, &opt, &painter);
    } else {
      QStyleOptionComboBox opt;
      opt.rect = all;
      opt.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
      if (Focused()) opt.state |= QStyle::State_HasFocus;
      if (DroppedDown()) opt.state |= QStyle::State_On | QStyle::State_Sunken;
      opt.editable = true;
      opt.frame = true;
      opt.subControls = QStyle::SC_ComboBoxFrame | QStyle::SC_ComboBoxArrow | QStyle::SC_ComboBoxEditField;
      style->drawComplexControl(QStyle::CC_ComboBox, &opt, &painter);
    }
    if (ShowCheckbox()) {
      const TRect r = CheckboxRect();
      QStyleOptionButton box;
      box.rect = QRect(r.Left, r.Top, r.Width(), r.Height());
      box.state = (enabled ? QStyle::State_Enabled : QStyle::State_None) | (Checked() ? QStyle::State_On : QStyle::State_Off);
      style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter);
    }
  }
  canvas.Draw(0, 0, face);
  // The fields, in the control's font; the current one marked while focused.
  canvas.Font() = Font();
  canvas.Brush().Style = bsClear;
  const bool grey = !enabled || (ShowCheckbox() && !Checked());
  const auto& fields = Fields();
  for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
    const TRect r = FieldRect(i);
    const std::string shown = FieldText(i);
    const int top = (h - canvas.TextHeight("0")) / 2;
    if (i == CurrentField() && Focused() && !grey && !DroppedDown()) {
      canvas.Brush().Style = bsSolid;
      canvas.Brush().Color = clHighlight;
      canvas.FillRect(Rect(r.Left, top, r.Right, top + canvas.TextHeight("0")));
      canvas.Font().Color = clHighlightText;
    } else {
      canvas.Font().Color = grey ? clGrayText : clWindowText;
    }
    canvas.Brush().Style = bsClear;
    canvas.TextOut(r.Left, top, shown);
  }
}

}  // namespace hd
