#include "grid/editors/dropdown/item_selector.h"

#include <algorithm>

#include "grid/editors/dropdown_drawing.h"
#include "grid/foundation/draw_utils.h"
#include "grid/foundation/markup/markup_utils.h"
#include "platform/sysutils.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/image_list.h"
#include "platform/scroll_bars.h"

namespace hd {

// Items.

void TSelectorItem::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TSelectorItem*>(Source)) {
    AssignPicture(*s);
    SetColor(s->FColor);
    FHint = s->FHint;
    return;
  }
  TCollectionItem::Assign(Source);
}

// Appearance.

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner) {
  FFont.Name = "Tahoma";
  SetColorStyle(scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
  if (Value == FColorStyle) return;
  FColorStyle = Value;
  struct Preset {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Sel, SelTo, MirrorSel, MirrorSelTo;
  };
  static constexpr Preset office{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
  static constexpr Preset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
  static constexpr Preset seven{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
  const Preset* p = Value == scOffice2007 ? &office : Value == scWindowsVista ? &vista : Value == scWindows7 ? &seven : nullptr;
  if (!p) return;
  FColorHot = p->Hot;
  FColorHotTo = p->HotTo;
  FColorMirrorHot = p->MirrorHot;
  FColorMirrorHotTo = p->MirrorHotTo;
  FBorderColorTop = p->Top;
  FBorderColorBottom = p->Bottom;
  FBorderColor = p->Border;
  FEdgeColor = p->Edge;
  FColorSelected = p->Sel;
  FColorSelectedTo = p->SelTo;
  FColorMirrorSelected = p->MirrorSel;
  FColorMirrorSelectedTo = p->MirrorSelTo;
}

void TItemAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TItemAppearance*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FColorMirrorHotTo = s->FColorMirrorHotTo;
  FBorderColor = s->FBorderColor;
  FColorMirrorHot = s->FColorMirrorHot;
  FColorSelectedTo = s->FColorSelectedTo;
  FColorSelected = s->FColorSelected;
  FEdgeColor = s->FEdgeColor;
  FColorHotTo = s->FColorHotTo;
  FBorderColorBottom = s->FBorderColorBottom;
  FColorHot = s->FColorHot;
  FBorderColorTop = s->FBorderColorTop;
  FColorMirrorSelectedTo = s->FColorMirrorSelectedTo;
  FColorMirrorSelected = s->FColorMirrorSelected;
  FFont = s->FFont;
  SetColorStyle(s->FColorStyle);
  FColorSelectedText = s->FColorSelectedText;
  FBorderColorHot = s->FBorderColorHot;
  FBorderColorSelected = s->FBorderColorSelected;
}

void SetItemAppearanceStyle(TItemAppearance* A, TDAZStyle AStyle) {
  if (!A || AStyle == tsCustom) return;
  A->SetBorderColorHot(clNone);
  A->SetBorderColorSelected(clNone);
  A->SetColorSelectedText(0x000000);
  A->SetColorHotText(0x000000);
  struct Look {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, Sel, SelTo, MirrorSel, MirrorSelTo, Border, Top, Bottom, Edge, SelText;
  };
  constexpr TColor N = clNone;
  static constexpr Look o2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                              0x7AE1FE, 0x42AEFE, N,        N,        N,        0x000000};
  static constexpr Look o2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                              0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0x000000};
  static constexpr Look classic{0xD2BDB6, 0xD2BDB6, N, N, 0xB59285, 0xB59285, N, N, 0x808080, N, N, N, 0x000000};
  static constexpr Look xp{0xEFD3C6, 0xEFD3C6, N, N, clHighlight, N, N, N, clHighlight, N, N, N, clHighlightText};
  static constexpr Look vista{0xFFFDF9, 0xFFFAF0, N,        N,        0xFEF9F0, 0xFDF0D7, N,
                              N,        0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, 0x000000};
  static constexpr Look seven{0xFDFBFA, 0xFDF3EB, N,        N,        0xFCEBDC, 0xFCDBC1, N,
                              N,        0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, 0x000000};
  static constexpr Look terminal{0xC0C0C0, 0xC0C0C0, N, N, clHighlight, N, N, N, 0x808080, N, N, N, clHighlightText};
  static constexpr Look o2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                              0x7BEEFF, 0x308AC2, N,        N,        N,        0x000000};
  const Look* l = nullptr;
  switch (AStyle) {
    case tsOffice2003Blue: case tsOffice2003Silver: case tsOffice2003Olive: case tsWhidbey: l = &o2003; break;
    case tsOffice2007Luna: case tsOffice2007Obsidian: case tsOffice2007Silver: l = &o2007; break;
    case tsOffice2003Classic: l = &classic; break;
    case tsWindowsXP: l = &xp; break;
    case tsWindowsVista: l = &vista; break;
    case tsWindows7: l = &seven; break;
    case tsTerminal: l = &terminal; break;
    case tsOffice2010Blue: case tsOffice2010Silver: case tsOffice2010Black: l = &o2010; break;
    default: return;
  }
  A->SetColorHot(l->Hot);
  A->SetColorHotTo(l->HotTo);
  A->SetColorMirrorHot(l->MirrorHot);
  A->SetColorMirrorHotTo(l->MirrorHotTo);
  A->SetColorSelected(l->Sel);
  A->SetColorSelectedTo(l->SelTo);
  A->SetColorMirrorSelected(l->MirrorSel);
  A->SetColorMirrorSelectedTo(l->MirrorSelTo);
  A->SetBorderColor(l->Border);
  A->SetBorderColorTop(l->Top);
  A->SetBorderColorBottom(l->Bottom);
  A->SetEdgeColor(l->Edge);
  A->SetColorSelectedText(l->SelText);
}

// Panel.

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner) {
  FExtItemSelector = dynamic_cast<TExtCustomItemSelector*>(AOwner);
  if (!FExtItemSelector) throw Exception("Invalid parent");
  SetParentColor(true);
}

TItemAppearance& TCustomItemSelector::Appearance() const { return FExtItemSelector->ItemAppearance(); }
int TCustomItemSelector::Columns() const { return FExtItemSelector->Columns(); }
TSelectorItems& TCustomItemSelector::Items() const { return FExtItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FExtItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FExtItemSelector->ItemLayout(); }
TImageList* TCustomItemSelector::Images() const { return FExtItemSelector->Images(); }
int TCustomItemSelector::ColorBoxHeight() const { return FExtItemSelector->ColorBoxHeight(); }
int TCustomItemSelector::ColorBoxWidth() const { return FExtItemSelector->ColorBoxWidth(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const { return Appearance().ColorStyle(); }
TColor TCustomItemSelector::ItemColorHot() const { return Appearance().ColorHot(); }
TColor TCustomItemSelector::ItemColorHotTo() const { return Appearance().ColorHotTo(); }
TColor TCustomItemSelector::ItemColorSelected() const { return Appearance().ColorSelected(); }
TColor TCustomItemSelector::ItemColorSelectedTo() const { return Appearance().ColorSelectedTo(); }

bool TCustomItemSelector::ItemEnabled(int Index) const {
  return Index >= 0 && Index < Items().Count() && Items().Items(Index)->Enabled();
}

void TCustomItemSelector::SetItemIndex(int Value) {
  if (Value >= 0 && Value < Items().Count() && !ItemEnabled(Value)) return;
  if (FItemIndex >= 0 && Value != FItemIndex) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = Value;
  if (Value >= 0) {
    InvalidateItem(Value);
    if (OnItemSelect) OnItemSelect(this);
  }
}

void TCustomItemSelector::SetItemHot(int Index) {
  if (Index == FItemHot) return;
  if (Index >= 0 && Index < Items().Count() && !ItemEnabled(Index)) return;
  const int old = FItemHot;
  FItemHot = -1;
  InvalidateItem(old);
  FItemHot = Index;
  if (Index >= 0) InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst() {
  if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  const int n = Items().Count();
  if (n == 0) return;
  if (FItemIndex < 0) {
    SetItemIndex(0);
  } else if (FItemIndex + 1 < n) {
    SetItemIndex(FItemIndex + 1);  // a disabled neighbour refuses: the move stops there
  }
}

void TCustomItemSelector::SelectPrevious() {
  if (Items().Count() == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex > 0)
    SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext() {
  const int n = Items().Count();
  if (n == 0) return;
  if (FItemHot < 0)
    SetItemHot(0);
  else if (FItemHot + 1 < n)
    SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious() {
  if (Items().Count() == 0) return;
  if (FItemHot < 0)
    SetItemHot(0);
  else if (FItemHot > 0)
    SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const std::string& s) {
  for (int i = 0; i < Items().Count(); ++i) {
    const std::string text = MatchCaseText(Trim(MarkupToText(Items().Items(i)->Caption())), false);
    if (text.compare(0, s.size(), s) == 0) {
      SetItemIndex(i);
      return true;
    }
  }
  return false;
}

TRect TCustomItemSelector::GetItemRect(int Index) const {
  if (Index < 0 || Index >= Items().Count()) return {-1, -1, -1, -1};
  return Items().Items(Index)->FRect;
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
  for (int i = 0; i < Items().Count(); ++i)
    if (Items().Items(i)->FRect.Contains({X, Y})) return i;
  return -1;
}

void TCustomItemSelector::InvalidateItem(int Index) {
  if (Index < 0 || Index >= Items().Count()) return;
  const TRect r = Items().Items(Index)->FRect;
  InvalidateRect(Handle(), &r, true);
}

void TCustomItemSelector::GetItemsRect(TRect& R) const {
  R = TRect{FOffSetX, FOffSetY, ClientWidth() - FOffSetX, ClientHeight() - FOffSetY};
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
  if (FExtItemSelector->OnItemSize) {
    FExtItemSelector->OnItemSize(this, ASize);
    return;
  }
  TCanvas& c = Canvas();
  c.SetFont(Appearance().Font());
  int a = 0, b = 0, cw = 0, d = 0;
  TImageList* images = Images();
  for (int i = 0; i < Items().Count(); ++i) {
    const TSelectorItem* it = Items().Items(i);
    if (SelectorType() == stImage) {
      if (!it->Image().Empty()) {
        a = std::max(a, it->Image().Width());
        b = std::max(b, it->Image().Height());
      } else if (it->ImageIndex() >= 0 && images) {
        a = std::max(a, images->Width());
        b = std::max(b, images->Height());
      }
    }
    const TSize t = DrawMarkupText(c, it->Caption(), TRect{0, 0, 1000, 500}, HWND{}, false, images);
    cw = std::max(cw, t.cx);
    d = std::max(d, t.cy);
  }
  if (SelectorType() == stColor) {
    a = ColorBoxWidth();
    b = ColorBoxHeight();
  }
  if (cw > 0) cw += 4;
  if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
    ASize.cx = 2 * FItemOffSetX + (a > 0 ? a : 0) + (a > 0 && cw > 0 ? FCaptionGap : 0) + cw;
    ASize.cy = std::max(d, b) + 2 * FItemOffSetY;
  } else {
    ASize.cx = std::max(cw, a) + 2 * FItemOffSetX;
    ASize.cy = 2 * FItemOffSetY + (b > 0 ? b : 0) + (b > 0 && d >= 1 ? FCaptionGap : 0) + d;
  }
}

void TCustomItemSelector::UpdateItemRects() {
  const int n = Items().Count();
  if (n == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  FItemHot = -1;
  TSize size;
  GetItemSize(size);
  TRect area;
  GetItemsRect(area);
  const int x0 = area.Left, y0 = area.Top;
  int x = x0, y = y0, inRow = 0, maxX = x0;
  for (int i = 0; i < n; ++i) {
    Items().Items(i)->FRect = TRect{x, y, x + size.cx, y + size.cy};
    maxX = std::max(maxX, x);
    if (i == n - 1) break;
    if (++inRow < Columns()) {
      x += size.cx;
    } else {
      inRow = 0;
      x = x0;
      y += size.cy;
    }
  }
  SetBounds(Left(), Top(), maxX + size.cx + x0, y + size.cy + y0);
  if (FExtItemSelector) FExtItemSelector->UpdateScrollBars();
  Invalidate();
}

void TCustomItemSelector::Paint() {
  FPaintedItems = 0;
  TCanvas& c = Canvas();
  FillRectColor(c, TRect{0, 0, ClientWidth(), ClientHeight()}, Color());
  // Only the cells the paint covers: a page of scrolling draws a page of cells.
  const TRect clip = PaintRect();
  for (int i = 0; i < Items().Count(); ++i) {
    const TRect r = Items().Items(i)->FRect;
    if (r.Bottom <= clip.Top || r.Top >= clip.Bottom || r.Right <= clip.Left || r.Left >= clip.Right) continue;
    DrawItem(i, &c);
    ++FPaintedItems;
  }
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* Canvas) {
  if (Index < 0 || Index >= Items().Count() || !Canvas) return;
  TSelectorItem* item = Items().Items(Index);
  TRect R = item->FRect;
  if (R.Left < 0 && R.Right < 0) return;
  TCanvas& c = *Canvas;
  const TItemAppearance& ap = Appearance();
  TColor border = ap.BorderColor(), top = ap.BorderColorTop(), bottom = ap.BorderColorBottom(), edge = ap.EdgeColor();
  TColor fill = clNone, fillTo = clNone, mirror = clNone, mirrorTo = clNone;
  const bool selected = Index == FItemIndex, hot = Index == FItemHot;
  if (selected) {
    fill = ap.ColorSelected();
    fillTo = ap.ColorSelectedTo();
    mirror = ap.ColorMirrorSelected();
    mirrorTo = ap.ColorMirrorSelectedTo();
    if (ap.BorderColorSelected() != clNone) {
      border = ap.BorderColorSelected();
      top = bottom = edge = clNone;
    }
  } else if (hot) {
    fill = ap.ColorHot();
    fillTo = ap.ColorHotTo();
    mirror = ap.ColorMirrorHot();
    mirrorTo = ap.ColorMirrorHotTo();
    if (ap.BorderColorHot() != clNone) {
      border = ap.BorderColorHot();
      top = bottom = edge = clNone;
    }
  }
  if (!selected && !hot) {
    FillRectColor(c, R, Color());
  } else if (top == clNone) {
    DrawButtonBackground(&c, R, fill, fillTo, border, 1, true);
  } else {
    DrawStyledSelection(c, fill, fillTo, mirror, mirrorTo, top, bottom, border, edge, Color(), R, sspAlone);
  }
  if (FExtItemSelector->OnDrawItem) {
    FExtItemSelector->OnDrawItem(this, c, R, Index);
    return;
  }
  TImageList* images = Images();
  const bool colorBox = SelectorType() == stColor;
  const bool picture = !colorBox && !item->Image().Empty();
  const bool listImage = !colorBox && !picture && images && item->ImageIndex() >= 0;
  int w = 0, h = 0;
  if (colorBox) {
    w = ColorBoxWidth();
    h = ColorBoxHeight();
  } else if (picture) {
    w = item->Image().Width();
    h = item->Image().Height();
  } else if (listImage) {
    w = images->Width();
    h = images->Height();
  }
  TRect C{R.Left + FItemOffSetX, R.Top + FItemOffSetY, R.Right - FItemOffSetX, R.Bottom - FItemOffSetY};
  TRect I = C;
  TFont font = ap.Font();
  if (hot) font.Color = ap.ColorHotText();
  if (selected) font.Color = ap.ColorSelectedText();
  c.SetFont(font);
  c.Brush().Style = bsClear;
  auto drawContent = [&](int x, int y) {
    if (colorBox) {
      c.Pen() = TPen{clBlack, 1, psSolid, pmCopy};
      c.Brush() = TBrush{item->Color(), item->Color() == clNone ? bsClear : bsSolid};
      c.Rectangle(x, y, x + w, y + h);
      c.Brush().Style = bsClear;
    } else if (picture) {
      c.Draw(x, y, item->Image().Bitmap());
    } else if (listImage) {
      images->Draw(c, x, y, item->ImageIndex(), item->Enabled());
    }
  };
  HWND wnd = Handle();
  const std::string& caption = item->Caption();
  switch (ItemLayout()) {
    case ilCaptionLeft: {
      int textWidth = 0;
      if (!caption.empty()) {
        C.Right -= w;
        TSize t = DrawMarkupText(c, caption, C, wnd, false, images);
        TRect T = C;
        if (t.cy < T.Height()) T.Top += (T.Height() - t.cy) / 2;
        DrawMarkupText(c, caption, T, wnd, true, images);
        textWidth = t.cx;
      }
      I.Left = C.Left + textWidth + FCaptionGap;
      drawContent(I.Left, colorBox ? I.Top : I.Top + (I.Height() - h) / 2);
      break;
    }
    case ilCaptionRight: {
      drawContent(I.Left, colorBox ? I.Top : I.Top + (I.Height() - h) / 2);
      if (w > 0) C.Left = I.Left + w + FCaptionGap;
      TSize t = DrawMarkupText(c, caption, C, wnd, false, images);
      if (t.cy < C.Height()) C.Top += (C.Height() - t.cy) / 2;
      DrawMarkupText(c, caption, C, wnd, true, images);
      break;
    }
    case ilCaptionTop: {
      if (!caption.empty()) {
        C.Bottom -= h;
        TSize t = DrawMarkupText(c, caption, C, wnd, true, images);
        I.Top = C.Top + t.cy + FCaptionGap;
      } else {
        I.Top += (I.Height() - h) / 2;
      }
      I.Left += (I.Width() - w) / 2;
      drawContent(I.Left, I.Top);
      break;
    }
    case ilCaptionBottom: {
      if (caption.empty()) I.Top += (I.Height() - h) / 2;
      I.Left += (I.Width() - w) / 2;
      drawContent(I.Left, I.Top);
      C.Top = I.Top + h + FCaptionGap;
      DrawMarkupText(c, caption, C, wnd, true, images);
      break;
    }
  }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (ItemEnabled(i)) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (i < 0) {
    SetItemHot(-1);
    return;
  }
  if (!ItemEnabled(i)) {
    SetItemHot(-1);
    return;
  }
  if (i != FItemHot) {
    SetItemHot(i);
    SetHint(Items().Items(i)->Hint());
    Application().CancelHint();
  }
}

void TCustomItemSelector::Dispatch(TMessage& m) {
  if (m.Msg == CM_MOUSELEAVE) SetItemHot(-1);
  TCustomControl::Dispatch(m);
}

// Container.

TExtCustomItemSelector::TExtCustomItemSelector(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  FItems.OnChange = [this](TObject*) { UpdateSelectorPanel(); };
  SetAutoScroll(true);
  FItemSelectorPanel = new TCustomItemSelector(this);
  FItemSelectorPanel->SetParent(this);
  FItemSelectorPanel->OnItemSelect = [this](TObject*) {
    if (OnItemSelect) OnItemSelect(this);
  };
  UpdateSelectorPanel();
}

TExtCustomItemSelector::~TExtCustomItemSelector() { FItems.OnChange = nullptr; }

void TExtCustomItemSelector::UpdateSelectorPanel() {
  if (FItemSelectorPanel) FItemSelectorPanel->UpdateItemRects();
}

void TExtCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (Value == FSelectorType) return;
  FSelectorType = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColumns(int Value) {
  if (Value < 1 || Value == FColumns) return;
  FColumns = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int Value) {
  if (Value == FColorBoxWidth) return;
  FColorBoxWidth = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int Value) {
  if (Value == FColorBoxHeight) return;
  FColorBoxHeight = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  UpdateSelectorPanel();
}

void TExtCustomItemSelector::GetPanelSize(int& Width, int& Height) const {
  Width = FItemSelectorPanel ? FItemSelectorPanel->Width() : 100;
  Height = FItemSelectorPanel ? FItemSelectorPanel->Height() : 50;
}

void TExtCustomItemSelector::SetItemIndex(int Value) {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SetItemIndex(Value);
  ScrollItemInView(ItemIndex());
}

#define HD_PANEL_MOVE(Name, Which)                   \
  void TExtCustomItemSelector::Name() {              \
    if (!FItemSelectorPanel) return;                 \
    FItemSelectorPanel->Name();                      \
    ScrollItemInView(Which());                       \
  }
HD_PANEL_MOVE(SelectFirst, ItemIndex)
HD_PANEL_MOVE(SelectLast, ItemIndex)
HD_PANEL_MOVE(SelectNext, ItemIndex)
HD_PANEL_MOVE(SelectPrevious, ItemIndex)
HD_PANEL_MOVE(HotNext, ItemHot)
HD_PANEL_MOVE(HotPrevious, ItemHot)
#undef HD_PANEL_MOVE

bool TExtCustomItemSelector::LookupItem(const std::string& s) {
  return FItemSelectorPanel && FItemSelectorPanel->LookupItem(s);
}

void TExtCustomItemSelector::ScrollItemInView(int Index) {
  if (!FItemSelectorPanel || Index < 0 || Index >= FItems.Count() || !VertScrollBar().IsScrollBarVisible()) return;
  TRect r = FItemSelectorPanel->GetItemRect(Index);
  const int margin = VertScrollBar().Margin();
  const int top = r.Top - margin + FItemSelectorPanel->Top();
  const int bottom = r.Bottom + margin + FItemSelectorPanel->Top();
  const int client = ClientHeight();
  TControlScrollBar& bar = VertScrollBar();
  if (top < 0)
    bar.SetPosition(bar.Position() + top);
  else if (bottom > client)
    bar.SetPosition(bar.Position() + (bottom - top > client ? top : bottom - client));
}

int TExtCustomItemSelector::GetVisibleItemCount() const {
  if (!FItemSelectorPanel || FItems.Count() == 0) return 0;
  const int cell = FItemSelectorPanel->GetItemRect(0).Height();
  if (cell <= 0) return 0;
  const int h = Height() - (HorzScrollBar().IsScrollBarVisible() ? 20 : 0);
  return h / cell * FColumns;
}

void TExtCustomItemSelector::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; return;
    case WM_VSCROLL:
      // The thumb moves the list while it is dragged.
      if (LOWORD(m.WParam) == SB_THUMBTRACK) {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, info);
        VertScrollBar().SetPosition(info.nTrackPos);
        return;
      }
      break;
    default: break;
  }
  TScrollingWinControl::Dispatch(m);
}

}  // namespace hd
