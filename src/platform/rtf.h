// Formatted text as runs of characters sharing one format, read from and written to the
// subset of the rich text format the rich edit and the grid's rich cells use.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd {

// The look of a run of characters. Empty name, size 0 and clNone stand for the look of
// the control that shows the text.
struct TRichFormat {
  std::string FontName;
  int Size = 0;  // points
  TFontStyles Style;
  TColor Color = clNone;
  // Vertical offset in twips (1/1440 inch): above 0 raised (superscript), below 0 lowered.
  int Offset = 0;
  friend bool operator==(const TRichFormat&, const TRichFormat&) = default;
};

struct TRichRun {
  std::string Text;  // UTF-8; a line break is '\n'
  TRichFormat Format;
  friend bool operator==(const TRichRun&, const TRichRun&) = default;
};

// Runs in order; neighbouring runs of one format are kept merged by Append.
class TRichText {
 public:
  std::vector<TRichRun> Runs;

  void Append(const std::string& Text, const TRichFormat& Format);
  bool Empty() const;
  // The characters without their formats, line breaks as CR LF.
  std::string PlainText() const;
  friend bool operator==(const TRichText&, const TRichText&) = default;
};

// Reads rich text: groups, \rtf1, the font and colour tables, \b \i \ul \ulnone \strike \fs
// \f \cf \up \dn \plain \par \line \tab, \'xx bytes (Windows-1252), \uN with its fallback
// skipped (\ucN), and the escaped \\ \{ \}. Unknown words are skipped, and so are groups
// starting with \* and destinations that hold no text. A text not starting with "{\rtf" is
// taken as plain text.
TRichText RtfToRich(const std::string& Rtf);
// Writes plain ASCII rich text: characters beyond ASCII as \uN with "?" for readers without
// Unicode, line breaks as \par.
std::string RichToRtf(const TRichText& Text);
// Plain text (lines broken by CR LF, CR or LF) in the default format.
TRichText PlainRichText(const std::string& Plain);
// Whether the text starts as rich text ("{\rtf").
bool IsRtf(const std::string& Text);

}  // namespace hd
