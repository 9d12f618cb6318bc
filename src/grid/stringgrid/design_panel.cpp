// The small panel a designed grid shows in its bottom-right corner: switches for editing and
// the column numbers, the look, and a close cross. A running program never designs, so the
// panel never shows there.
#include <array>
#include <memory>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/look_objects.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/menus.h"

namespace hd {

namespace {

constexpr int kPanelWidth = 150;
constexpr int kBoxSize = 16;
constexpr TColor kPanelFrame = 0x808080;
constexpr TColor kPanelText = 0x800000;
constexpr const char* kAllowEdit = "Allow edit";
constexpr const char* kColumnNumbers = "Column numbers";

enum TDesignEntry { deNone = -1, deAllowEdit = 1, deColumnNumbers = 2, deSetLook = 3, deClose = 4 };

// The looks of the panel's menu, in its order and with its captions.
struct TLookChoice {
  const char* Caption;
  TGridLook Look;
};
constexpr std::array<TLookChoice, 9> kLookChoices{{{"Standard", glStandard},
                                                   {"Soft", glSoft},
                                                   {"Classic", glClassic},
                                                   {"DAZ", glDAZ},
                                                   {"ListView", glListView},
                                                   {"Office 2007", glOffice2007},
                                                   {"Windows XP", glXP},
                                                   {"Windows Vista", glVista},
                                                   {"Windows 7", glWin7}}};

// The panel's font on a canvas for as long as it lives; the canvas gets its font back after.
class TPanelFont {
 public:
  explicit TPanelFont(TCanvas& C) : FCanvas(C), FSaved(C.Font()) {
    TFont& f = C.Font();
    f.Name = "Tahoma";
    f.Size = 8;
    f.Style = {};
    f.Color = kPanelText;
  }
  ~TPanelFont() { FCanvas.Font() = FSaved; }
  TPanelFont(const TPanelFont&) = delete;
  TPanelFont& operator=(const TPanelFont&) = delete;
  int LineHeight() { return FCanvas.TextHeight("gh"); }

 private:
  TCanvas& FCanvas;
  TFont FSaved;
};

std::string LookText(TGridLook Look) { return "Set look: " + TExtStringGrid::GridLookCaption(Look); }

}  // namespace

void TExtStringGrid::PaintDesignHelper(TCanvas& ACanvas) {
  if (!IsDesigning() || !FP->Colors.FShowDesignHelper) return;
  TPanelFont font(ACanvas);
  const int h = font.LineHeight();
  const TRect client = ClientRect();
  const TRect panel = Rect(client.Right - kPanelWidth, client.Bottom - (4 * h + 18), client.Right, client.Bottom);
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Brush().Color = clInfoBk;
  ACanvas.FillRect(panel);
  ACanvas.Brush().Color = kPanelFrame;
  ACanvas.FrameRect(panel);
  ACanvas.Brush().Style = bsClear;
  auto text = [&](int x, int y, const std::string& s, bool underlined) {
    ACanvas.Font().Style = underlined ? TFontStyles{fsUnderline} : TFontStyles{};
    ACanvas.TextOut(x, y, s);
  };
  const int hot = FP->DesignHotEntry;
  text(panel.Left + 4, panel.Top + 4, "Quick config [v" + Version() + "]", true);
  TBitmap cross;
  cross.LoadFromResourceName("ESGCLOSE");
  cross.SetTransparent(true);
  ACanvas.Draw(panel.Right - 16, panel.Top + 2, cross);
  const int firstBox = panel.Top + h + 4, secondBox = panel.Top + 2 * h + 6;
  auto box = [&](int top, bool checked) {
    DrawCheckBox(ACanvas, Rect(panel.Left + 4, top, panel.Left + 4 + kBoxSize, top + kBoxSize), checked, cbUnchecked,
                 false, csWinXP, false, true);
  };
  box(firstBox, Options().Contains(goEditing));
  text(panel.Left + 22, firstBox + 2, kAllowEdit, hot == deAllowEdit);
  box(secondBox, FP->ShowColumnNumbers);
  text(panel.Left + 22, secondBox + 2, kColumnNumbers, hot == deColumnNumbers);
  text(panel.Left + 4, panel.Top + 3 * h + 10, LookText(Look()), hot == deSetLook);
  ACanvas.Font().Style = {};
  ACanvas.Brush().Style = bsSolid;
}

int TExtStringGrid::DesignHelperHitTest(int X, int Y) {
  TCanvas& canvas = Canvas();
  TPanelFont font(canvas);
  const int h = font.LineHeight();
  const int P = 4 * h + 18, R = ClientRect().Right, B = ClientRect().Bottom;
  const int top = B - P;
  auto onLine = [&](int line) { return top + line * (h + 2) + 4 < Y && Y < top + (line + 1) * (h + 2) + 4; };
  int entry = deNone;
  if (X > R - 16 && top < Y && Y < top + 16) entry = deClose;
  if (R - kPanelWidth < X && X < R - 132 + canvas.TextWidth(kAllowEdit) && onLine(1)) entry = deAllowEdit;
  if (R - kPanelWidth < X && X < R - 132 + canvas.TextWidth(kColumnNumbers) && onLine(2)) entry = deColumnNumbers;
  if (R - kPanelWidth < X && X < R - kPanelWidth + canvas.TextWidth(LookText(Look())) && onLine(3)) entry = deSetLook;
  return entry;
}

void TExtStringGrid::CMDesignHitTest(TMessage& Message) {
  const int X = static_cast<std::int16_t>(Message.LParam & 0xFFFF);
  const int Y = static_cast<std::int16_t>((Message.LParam >> 16) & 0xFFFF);
  const bool shown = IsDesigning() && FP->Colors.FShowDesignHelper;
  const int entry = shown ? DesignHelperHitTest(X, Y) : deNone;
  if (entry != FP->DesignHotEntry) {
    FP->DesignHotEntry = entry;
    if (shown) {
      TRect client = ClientRect();
      TRect panel = Rect(client.Right - kPanelWidth, 0, client.Right, client.Bottom);
      hd::InvalidateRect(Handle(), &panel, false);
    }
  }
  Message.Result = entry >= deAllowEdit && entry <= deClose ? 1 : 0;
}

void TExtStringGrid::DesignHelperClick(int X, int Y) {
  if (!IsDesigning() || !FP->Colors.FShowDesignHelper) return;
  const int entry = DesignHelperHitTest(X, Y);
  switch (entry) {
    case deAllowEdit: {
      TGridOptions options = Options();
      if (options.Contains(goEditing))
        options.Exclude(goEditing);
      else
        options.Include(goEditing);
      SetOptions(options);
      break;
    }
    case deColumnNumbers:
      FP->ShowColumnNumbers = !FP->ShowColumnNumbers;
      Invalidate();
      break;
    case deSetLook: {
      auto menu = std::make_unique<TMenuItem>(nullptr);
      for (const TLookChoice& choice : kLookChoices) {
        TMenuItem* item = NewItem(nullptr, choice.Caption);
        item->SetChecked(choice.Look == Look());
        menu->Add(item);
      }
      TPoint at = ClientToScreen(TPoint{X, Y});
      const int command = TrackPopupMenu(*menu, TPM_RETURNCMD, at.X, at.Y, Handle());
      for (int i = 0; i < menu->Count(); ++i)
        if (command != 0 && menu->Items(i)->Command() == command) SetLook(kLookChoices[static_cast<size_t>(i)].Look);
      break;
    }
    case deClose: SetShowDesignHelper(false); return;
    default: return;
  }
  // A change of the form's size marks the design as modified.
  if (TCustomForm* form = GetParentForm(this)) {
    const int width = form->Width();
    form->SetWidth(width + 1);
    form->SetWidth(width);
  }
}

}  // namespace hd
