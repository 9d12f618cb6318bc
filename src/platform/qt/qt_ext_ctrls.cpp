// The native sides of the link label and the page control.
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "platform/ext_ctrls.h"
#include "platform/page_control.h"
#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

void SendNotify(TWinControl* control, NMHDR& hdr) {
  auto lp = reinterpret_cast<LPARAM>(&hdr);
  if (TWinControl* parent = control->Parent())
    SendMessage(parent->Handle(), WM_NOTIFY, hdr.idFrom, lp);
  else
    SendMessage(control->Handle(), CN_NOTIFY, hdr.idFrom, lp);
}

LRESULT SendNotifyResult(TWinControl* control, NMHDR& hdr) {
  auto lp = reinterpret_cast<LPARAM>(&hdr);
  if (TWinControl* parent = control->Parent()) return SendMessage(parent->Handle(), WM_NOTIFY, hdr.idFrom, lp);
  return SendMessage(control->Handle(), CN_NOTIFY, hdr.idFrom, lp);
}

QString LinkHtml(const std::string& caption) {
  QString html;
  for (const auto& seg : ParseLinkCaption(caption)) {
    QString text = ToQString(seg.Text).toHtmlEscaped();
    if (seg.IsLink)
      html += "<a href=\"" + ToQString(seg.Href).toHtmlEscaped() + "\">" + text + "</a>";
    else
      html += text;
  }
  return html;
}

// The page control's widget: the tab row on top, a frame around the pages.
class QtPageWidget : public QWidget {
 public:
  QtPageWidget() : tabs(new QTabBar(this)) {
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    // The tab row draws the focus mark, so the control's focus is the tab row's.
    setFocusProxy(tabs);
  }
  QTabBar* tabs;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    int th = tabs->isVisible() ? tabs->height() : 0;
    option.rect = QRect(0, th, width(), height() - th);
    option.tabBarSize = tabs->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &p, this);
  }
};

}  // namespace

TLinkLabel::TLinkLabel(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  auto* label = new QLabel;
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  label->setOpenExternalLinks(false);
  label->setMargin(0);
  label->setIndent(0);
  AttachNative(MakeNative(this, label));
  SetBounds(0, 0, 53, 17);
  QObject::connect(label, &QLabel::linkActivated, [this](const QString& link) {
    NMLINK nm;
    nm.hdr.hwndFrom = Handle();
    nm.hdr.code = NM_CLICK;
    nm.Link = FromQString(link);
    SendNotify(this, nm.hdr);
  });
}

void TLinkLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TLinkLabel::NativeSetText(const std::string& text) {
  if (auto* label = WidgetOf<QLabel>(this)) label->setText(LinkHtml(text));
}

void TLinkLabel::AdjustBounds() {
  if (!auto_size_) return;
  QFontMetrics fm(QtControlFont(Font()));
  QString text = ToQString(DisplayText());
  SetBounds(Left(), Top(), fm.horizontalAdvance(text), fm.height());
}

TRect TLinkLabel::LinkRect(int n) const {
  QFontMetrics fm(QtControlFont(Font()));
  std::string before;
  int index = 0;
  for (const auto& seg : ParseLinkCaption(Caption())) {
    if (seg.IsLink && index++ == n) {
      int x = fm.horizontalAdvance(ToQString(before));
      return Bounds(x, 0, fm.horizontalAdvance(ToQString(seg.Text)), fm.height());
    }
    before += seg.Text;
  }
  return {};
}

void TLinkLabel::DefaultHandler(TMessage& m) {
  if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) {
    ForwardMouse(Native(), m);
    return;
  }
  TWinControl::DefaultHandler(m);
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetVisibleFlag(false);
  AttachNative(MakeNative(this, new QWidget));
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pc) {
  if (pc == page_control_) return;
  if (page_control_) page_control_->RemovePage(this);
  SetParent(pc);
  if (pc && page_control_ != pc) pc->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool v) {
  if (v == tab_visible_) return;
  tab_visible_ = v;
  if (page_control_) page_control_->UpdateTabs();
}

int TTabSheet::PageIndex() const {
  if (!page_control_) return -1;
  auto& p = page_control_->pages_;
  return static_cast<int>(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (!page_control_) return;
  auto& p = page_control_->pages_;
  p.erase(std::find(p.begin(), p.end(), this));
  index = std::clamp(index, 0, static_cast<int>(p.size()));
  p.insert(p.begin() + index, this);
  page_control_->UpdateTabs();
}

int TTabSheet::TabIndex() const {
  if (!page_control_ || !tab_visible_) return -1;
  int i = 0;
  for (TTabSheet* s : page_control_->pages_) {
    if (s == this) return i;
    if (s->tab_visible_) ++i;
  }
  return -1;
}

void TTabSheet::NativeSetText(const std::string&) {
  if (page_control_) page_control_->UpdateTabs();
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  auto* w = new QtPageWidget;
  TNativeWindow* n = MakeNative(this, w);
  FilterSubWidget(n, w->tabs);
  AttachNative(n);
  SetBounds(0, 0, 289, 193);
  QObject::connect(w->tabs, &QTabBar::currentChanged, [this, n](int tab) {
    if (n->updating != 0) return;
    TTabSheet* page = nullptr;
    for (TTabSheet* s : pages_)
      if (s->TabIndex() == tab) page = s;
    if (page && page != active_page_ && !UserSelects(page)) UpdateTabs();
  });
}

TPageControl::~TPageControl() {
  for (TTabSheet* s : pages_) s->page_control_ = nullptr;
  pages_.clear();
  active_page_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->page_control_ = this;
  if (std::find(pages_.begin(), pages_.end(), page) == pages_.end()) pages_.push_back(page);
  UpdateTabs();
  LayoutPages();
  if (!active_page_) ChangeActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  page->page_control_ = nullptr;
  if (active_page_ == page) {
    active_page_ = nullptr;
    if (!Destroying()) ChangeActivePage(FindNextPage(nullptr, true, true));
  }
  if (!Destroying()) UpdateTabs();
}

void TPageControl::ControlsChanged(TControl* control, bool inserted) {
  auto* sheet = dynamic_cast<TTabSheet*>(control);
  if (!sheet) return;
  if (inserted && sheet->page_control_ != this) InsertPage(sheet);
  if (!inserted && sheet->page_control_ == this) RemovePage(sheet);
}

int TPageControl::ActivePageIndex() const { return active_page_ ? active_page_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->page_control_ != this) return;
  ChangeActivePage(page);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
  if (page == active_page_) return;
  TTabSheet* old = active_page_;
  HWND focus = GetFocus();
  auto* focused = dynamic_cast<TControl*>(FindWindowTarget(focus));
  bool focusOnOld = old && focused && old->ContainsControl(focused);
  active_page_ = page;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
    if (page->OnShow) page->OnShow(page);
  }
  if (old && old->page_control_ == this) {
    old->SetVisible(false);
    if (old->OnHide) old->OnHide(old);
  }
  // The focus that was on the old page goes to the new one, or to the page control.
  if (focusOnOld && active_page_ == page) {
    if (TWinControl* first = page ? page->FindNextControl(nullptr, true, true, false) : nullptr)
      first->SetFocus();
    else if (CanFocus())
      SetFocus();
  }
  UpdateTabs();
}

bool TPageControl::UserSelects(TTabSheet* page) {
  NMHDR changing{Handle(), 0, TCN_SELCHANGING};
  if (SendNotifyResult(this, changing) != 0) return false;
  ChangeActivePage(page);
  NMHDR change{Handle(), 0, TCN_SELCHANGE};
  SendNotify(this, change);
  return true;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
  if (pages_.empty()) return nullptr;
  int count = PageCount();
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TTabSheet* p = pages_[static_cast<size_t>(i)];
    if (!checkTabVisible || p->TabVisible()) return p;
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
  TTabSheet* page = FindNextPage(active_page_, goForward, checkTabVisible);
  if (page && page != active_page_) UserSelects(page);
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

int TPageControl::TabHeight() const {
  auto* w = WidgetOf<QtPageWidget>(this);
  return w && w->tabs->count() > 0 ? w->tabs->sizeHint().height() : 0;
}

TRect TPageControl::DisplayRect() const {
  TRect r = ClientRect();
  r.Top += TabHeight();
  InflateRect(r, -4, -4);
  return r;
}

TRect TPageControl::TabRect(int tabIndex) const {
  auto* w = WidgetOf<QtPageWidget>(this);
  if (!w || tabIndex < 0 || tabIndex >= w->tabs->count()) return {};
  QRect r = w->tabs->tabRect(tabIndex).translated(w->tabs->pos());
  return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TPageControl::UpdateTabs() {
  auto* w = WidgetOf<QtPageWidget>(this);
  if (!w) return;
  TNativeUpdate guard(Native());
  QTabBar* bar = w->tabs;
  while (bar->count() > 0) bar->removeTab(0);
  for (TTabSheet* s : pages_)
    if (s->TabVisible()) bar->addTab(ToQString(s->Caption()));
  if (active_page_ && active_page_->TabIndex() >= 0) bar->setCurrentIndex(active_page_->TabIndex());
  bar->setGeometry(0, 0, std::max(0, Width()), bar->sizeHint().height());
  bar->setVisible(bar->count() > 0);
  LayoutPages();
}

void TPageControl::LayoutPages() {
  TRect r = DisplayRect();
  for (TTabSheet* s : pages_) s->SetBoundsRect(r);
}

void TPageControl::BoundsChanged(int oldCw, int oldCh) {
  if (auto* w = WidgetOf<QtPageWidget>(this)) w->tabs->setGeometry(0, 0, Width(), w->tabs->sizeHint().height());
  LayoutPages();
  TWinControl::BoundsChanged(oldCw, oldCh);
}

void TPageControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
      if (hdr && hdr->code == TCN_SELCHANGING) m.Result = CanChange() ? 0 : 1;
      if (hdr && hdr->code == TCN_SELCHANGE) Change();
      return;
    }
    case CM_DIALOGKEY:
      // Ctrl+Tab turns the pages of the control that holds the focus.
      if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        auto* focused = dynamic_cast<TControl*>(FindWindowTarget(GetFocus()));
        if (focused && ContainsControl(focused)) {
          SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
          m.Result = 1;
          return;
        }
      }
      break;
    default:
      break;
  }
  TWinControl::Dispatch(m);
}

void TPageControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      if (m.WParam == VK_LEFT || m.WParam == VK_UP) SelectNextPage(false);
      if (m.WParam == VK_RIGHT || m.WParam == VK_DOWN) SelectNextPage(true);
      return;
    case WM_LBUTTONDOWN:
      if (!Focused() && CanFocus()) SetFocus();
      ForwardMouse(Native(), m);
      return;
    default:
      if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) ForwardMouse(Native(), m);
  }
}

}  // namespace hd
