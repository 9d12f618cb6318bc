#include <algorithm>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd {
namespace {

// One displayed character (a UTF-8 code point) and whether a prefix underlines it.
struct Unit {
  std::string text;
  bool underline = false;
  bool IsBlank() const { return text == " " || text == "\t"; }
  bool IsTab() const { return text == "\t"; }
};
using Line = std::vector<Unit>;

size_t CodePointLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Paragraphs of units: line breaks split them unless single-line, where they are dropped;
// "&x" underlines x and "&&" shows "&" unless DT_NOPREFIX.
std::vector<Line> Parse(const std::string& text, unsigned flags) {
  std::vector<Line> paragraphs(1);
  bool prefix = !(flags & DT_NOPREFIX);
  bool pendingUnderline = false;
  for (size_t i = 0; i < text.size();) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      if (!(flags & DT_SINGLELINE)) paragraphs.emplace_back();
      continue;
    }
    if (prefix && c == '&' && !pendingUnderline) {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        paragraphs.back().push_back({"&", false});
        i += 2;
      } else {
        pendingUnderline = true;
        ++i;
      }
      continue;
    }
    size_t n = std::min(CodePointLength(static_cast<unsigned char>(c)), text.size() - i);
    paragraphs.back().push_back({text.substr(i, n), pendingUnderline && !(flags & DT_HIDEPREFIX)});
    pendingUnderline = false;
    i += n;
  }
  if (paragraphs.size() > 1 && paragraphs.back().empty()) paragraphs.pop_back();
  return paragraphs;
}

class Layout {
 public:
  Layout(TCanvas& canvas, unsigned flags) : canvas_(canvas), flags_(flags) {
    TTextMetric tm = canvas.TextMetrics();
    tab_ = std::max(1, 8 * tm.AveCharWidth);
    ascent_ = tm.Ascent;
    line_height_ = tm.Height + ((flags & DT_EXTERNALLEADING) ? tm.ExternalLeading : 0);
  }

  int LineHeight() const { return line_height_; }
  int Ascent() const { return ascent_; }
  bool ExpandTabs() const { return (flags_ & DT_EXPANDTABS) != 0; }

  // Width of units [a, b), tabs stopping every 8 average characters when expanded.
  int Width(const Line& line, size_t a, size_t b) const {
    int x = 0;
    std::string run;
    for (size_t i = a; i < b; ++i) {
      if (line[i].IsTab() && ExpandTabs()) {
        x += canvas_.TextWidth(run);
        run.clear();
        x = (x / tab_ + 1) * tab_;
      } else {
        run += line[i].text;
      }
    }
    return x + canvas_.TextWidth(run);
  }
  int Width(const Line& line) const { return Width(line, 0, line.size()); }

  // The end of the longest run from pos on that fits the width. Runs are measured whole (as
  // they are drawn), but doubling and then halving the run keeps a line's cost near its own
  // length times a logarithm, where measuring every prefix cost its square.
  size_t FitEnd(const Line& para, size_t pos, int width) const {
    const size_t n = para.size();
    size_t fits = pos, step = 1;
    while (fits < n && Width(para, pos, std::min(n, fits + step)) <= width) {
      fits = std::min(n, fits + step);
      step *= 2;
    }
    size_t over = std::min(n, fits + step);  // fits < over; the run to over does not fit
    if (fits == n) return n;
    while (over - fits > 1) {
      size_t mid = fits + (over - fits) / 2;
      if (Width(para, pos, mid) <= width)
        fits = mid;
      else
        over = mid;
    }
    return fits;
  }

  // The lines a paragraph breaks into within the width.
  std::vector<Line> Break(const Line& para, int width) const {
    std::vector<Line> lines;
    size_t n = para.size(), pos = 0;
    if (n == 0) return {Line{}};
    while (pos < n) {
      size_t end = FitEnd(para, pos, width);
      size_t lineEnd, next;
      if (end == n) {
        lineEnd = next = n;
      } else if (para[end].IsBlank()) {
        lineEnd = end;
        next = end;
      } else {
        size_t blank = end;
        while (blank > pos && !para[blank - 1].IsBlank()) --blank;
        if (blank > pos) {
          lineEnd = next = blank;
        } else if (flags_ & DT_EDITCONTROL) {
          lineEnd = next = std::max(end, pos + 1);  // a long word breaks between characters
        } else {
          lineEnd = end;
          while (lineEnd < n && !para[lineEnd].IsBlank()) ++lineEnd;  // a long word stays whole
          next = lineEnd;
        }
      }
      while (lineEnd > pos && para[lineEnd - 1].IsBlank()) --lineEnd;
      while (next < n && para[next].IsBlank()) ++next;
      lines.emplace_back(para.begin() + static_cast<std::ptrdiff_t>(pos), para.begin() + static_cast<std::ptrdiff_t>(lineEnd));
      pos = next;
    }
    return lines;
  }

  // The line cut so that it and "..." fit the width.
  Line Ellipsize(const Line& line, int width) const {
    if (Width(line) <= width) return line;
    Line dots(3, Unit{".", false});
    int dotsWidth = Width(dots);
    size_t keep = FitEnd(line, 0, width - dotsWidth);
    Line out(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(keep));
    out.insert(out.end(), dots.begin(), dots.end());
    return out;
  }

  // Draws the line's runs between tab stops and its prefix underlines.
  void DrawLine(const Line& line, int x, int y) const {
    unsigned options = (flags_ & DT_RTLREADING) ? ETO_RTLREADING : 0;
    std::string run;
    size_t runStart = 0;
    auto flush = [&](size_t end) {
      if (!run.empty()) canvas_.ExtTextOut(x + Width(line, 0, runStart), y, options, nullptr, run);
      run.clear();
      runStart = end;
    };
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i].IsTab() && ExpandTabs()) {
        flush(i + 1);
      } else {
        run += line[i].text;
      }
    }
    flush(line.size());
    TColor ink = canvas_.Font().Color;
    int uy = y + std::min(ascent_ + 1, line_height_ - 1);
    for (size_t i = 0; i < line.size(); ++i) {
      if (!line[i].underline) continue;
      int x0 = x + Width(line, 0, i), x1 = x + Width(line, 0, i + 1);
      TBrush saved = canvas_.Brush();
      canvas_.Brush() = {ink, bsSolid};
      canvas_.FillRect({x0, uy, x1, uy + 1});
      canvas_.Brush() = saved;
    }
  }

 private:
  TCanvas& canvas_;
  unsigned flags_;
  int tab_ = 8;
  int ascent_ = 0;
  int line_height_ = 0;
};

}  // namespace

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
  Layout layout(*this, flags);
  int width = r.Width();
  bool single = (flags & DT_SINGLELINE) != 0;
  std::vector<Line> lines;
  for (const Line& para : Parse(text, flags)) {
    if ((flags & DT_WORDBREAK) && !single) {
      for (Line& l : layout.Break(para, width)) lines.push_back(std::move(l));
    } else {
      lines.push_back(para);
    }
  }
  if (flags & DT_END_ELLIPSIS)
    for (Line& l : lines) l = layout.Ellipsize(l, width);

  int lh = layout.LineHeight();
  int total = lh * static_cast<int>(lines.size());
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const Line& l : lines) widest = std::max(widest, layout.Width(l));
    r.Right = r.Left + widest;
    r.Bottom = r.Top + total;
    return total;
  }

  int y = r.Top;
  if (single && (flags & DT_VCENTER)) y = r.Top + (r.Height() - lh) / 2;
  else if (single && (flags & DT_BOTTOM)) y = r.Bottom - lh;
  int top = y;

  bool clip = !(flags & DT_NOCLIP);
  if (clip) {
    SaveState();
    IntersectClipRect(r);
  }
  for (size_t i = 0; i < lines.size(); ++i, y += lh) {
    // An edit control shows no partly visible last line.
    if ((flags & DT_EDITCONTROL) && i > 0 && y + lh > r.Bottom) break;
    // Lines below a clipped rectangle would draw nothing.
    if (clip && y >= r.Bottom) break;
    int lw = layout.Width(lines[i]);
    int x = r.Left;
    if (flags & DT_CENTER) x = r.Left + (width - lw) / 2;
    else if (flags & DT_RIGHT) x = r.Right - lw;
    layout.DrawLine(lines[i], x, y);
  }
  if (clip) RestoreState();
  return (single && (flags & (DT_VCENTER | DT_BOTTOM))) ? top - r.Top + total : total;
}

}  // namespace hd
