// A page control: tabs over a stack of tab sheets, one shown at a time.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls.h"

namespace hd {

class TPageControl;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const { return page_control_; }
  // Puts the sheet on a page control as its last page (and makes the control its parent).
  void SetPageControl(TPageControl* pc);
  // A hidden tab does not show in the tab row; its page can still be the active one.
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool v);
  int PageIndex() const;
  void SetPageIndex(int index);
  // Position among the visible tabs, -1 when the tab is hidden.
  int TabIndex() const;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void NativeSetText(const std::string& text) override;

 private:
  friend class TPageControl;
  TPageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  const char* ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return active_page_; }
  // Changing the page from code fires neither OnChanging nor OnChange.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  // As the user changes pages: OnChanging may refuse, OnChange follows.
  void SelectNextPage(bool goForward, bool checkTabVisible = true);
  // The client area the sheets fill.
  TRect DisplayRect() const;
  // The tab's rectangle in the control's client coordinates, empty for a hidden tab.
  TRect TabRect(int tabIndex) const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  virtual bool CanChange();
  virtual void Change();
  void BoundsChanged(int oldClientWidth, int oldClientHeight) override;
  void ControlsChanged(TControl* control, bool inserted) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void ChangeActivePage(TTabSheet* page);
  // The user picked the tab: ask, switch, report; false when refused.
  bool UserSelects(TTabSheet* page);
  void UpdateTabs();
  void LayoutPages();
  int TabHeight() const;

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_page_ = nullptr;
};

}  // namespace hd
