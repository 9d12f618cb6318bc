// The rich edit: a memo whose characters carry formats (font, size, styles, colour and a
// vertical offset), loaded and saved as rich text, that reports the size its text needs and
// draws its text into a rectangle of any canvas.
#pragma once

#include <vector>

#include "platform/memo.h"
#include "platform/rtf.h"

namespace hd {

class TStream;

// Character formats of the selection, or of the whole text (wParam of the two messages).
constexpr UINT EM_FORMATRANGE = WM_USER + 57, EM_GETCHARFORMAT = WM_USER + 58, EM_REQUESTRESIZE = WM_USER + 65,
               EM_SETCHARFORMAT = WM_USER + 68, EM_SETEVENTMASK = WM_USER + 69, EM_GETEVENTMASK = WM_USER + 59;
constexpr WPARAM SCF_DEFAULT = 0, SCF_SELECTION = 1, SCF_ALL = 4;
// Which fields of a character format are meant.
constexpr unsigned CFM_BOLD = 0x1, CFM_ITALIC = 0x2, CFM_UNDERLINE = 0x4, CFM_STRIKEOUT = 0x8,
                   CFM_OFFSET = 0x10000000, CFM_FACE = 0x20000000, CFM_COLOR = 0x40000000, CFM_SIZE = 0x80000000;
constexpr unsigned CFM_ALL = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_OFFSET | CFM_FACE | CFM_COLOR | CFM_SIZE;
// lParam of EM_GETCHARFORMAT and EM_SETCHARFORMAT. Reading a selection whose characters
// differ clears the mask bits of the fields that differ.
struct CHARFORMAT2 {
  unsigned dwMask = 0;
  TRichFormat Format;
};
// The event mask bit that asks for EN_REQUESTRESIZE, sent to the parent as WM_NOTIFY.
constexpr unsigned ENM_REQUESTRESIZE = 0x00040000;
constexpr int EN_REQUESTRESIZE = 0x0701;
struct REQRESIZE {
  NMHDR nmhdr;
  TRect rc;  // the control's width, and the height its text needs
};
// lParam of EM_FORMATRANGE: the text drawn into Rect of Canvas (pixels of that canvas).
struct FORMATRANGE {
  TCanvas* Canvas = nullptr;
  TRect Rect;
};

// One laid-out piece of a rich text: a run's text on one line.
struct TRichFragment {
  int X = 0;
  int Line = 0;
  std::string Text;
  TFont Font;
  int Raise = 0;  // pixels above the baseline
};

// The text laid out with a base font within Width (word wrap when Wrap); Lines' heights
// and baselines follow the tallest font on each line.
struct TRichLayout {
  std::vector<TRichFragment> Fragments;
  std::vector<int> LineTop, LineAscent, LineHeight;
  int Width = 0, Height = 0;
};
TRichLayout LayoutRichText(TCanvas& Canvas, const TRichText& Text, const TFont& Base, int Width, bool Wrap);
// Draws a laid-out text at the rectangle's top left, clipped to it; SelectionColor other than
// clNone draws every character in it.
void DrawRichLayout(TCanvas& Canvas, const TRichLayout& Layout, const TRect& R, TColor SelectionColor = clNone);
// The font of a format over a base font.
TFont RichFont(const TFont& Base, const TRichFormat& Format);

class TRichEdit : public TCustomMemo {
 public:
  explicit TRichEdit(TComponent* owner);
  ~TRichEdit() override;
  const char* ClassName() const override { return "TRichEdit"; }

  // The formatted text; plain text set through Text or Lines has the control's own format.
  TRichText RichText() const;
  void SetRichText(const TRichText& Text);
  // The lines as rich text through streams: a stream not starting with rich text is read as
  // plain text.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  // The format of the selection (of the caret's place when nothing is selected): fields the
  // selected characters differ in are left out of Mask.
  TRichFormat SelFormat(unsigned* Mask = nullptr);
  void SetSelFormat(const TRichFormat& Format, unsigned Mask);
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool v) { hide_selection_ = v; }
  // Which notifications the control sends its parent (ENM_REQUESTRESIZE).
  unsigned EventMask() const { return event_mask_; }
  void SetEventMask(unsigned Mask) { event_mask_ = Mask; }
  // The size the text needs at the control's width (a bottomless edit).
  TSize RequiredSize();
  // The text drawn into a rectangle of a canvas (as EM_FORMATRANGE does).
  void DrawTo(TCanvas& Canvas, const TRect& R, TColor SelectionColor = clNone);
  TNotifyEvent OnSelectionChange;

  void DefaultHandler(TMessage& m) override;

 protected:
  TNativeWindow* CreateNativeWindow() override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void NativeSetText(const std::string& text) override;
  // Sends EN_REQUESTRESIZE when asked for.
  void RequestResize();

 private:
  // The native side: the document's runs read and written, the selection's format.
  TRichText NativeRichText() const;
  void NativeSetRichText(const TRichText& Text);
  TRichFormat NativeSelFormat(unsigned& Mask) const;
  void NativeSetSelFormat(const TRichFormat& Format, unsigned Mask);
  int NativeTextHeight() const;

  TRichText rich_;  // kept while there is no window
  bool hide_selection_ = true;
  unsigned event_mask_ = 0;
  bool setting_rich_ = false;
};

}  // namespace hd
