#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd {
namespace {

size_t CodePointLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A paragraph as shown, prefixes resolved, with the byte offsets of the characters a prefix
// underlines. Lines are byte ranges of it, so a long text is held once, not per character.
struct Para {
  std::string text;
  std::vector<size_t> underlined;
  // The start of the code point at or after i.
  size_t Snap(size_t i) const {
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    return std::min(i, text.size());
  }
  size_t Next(size_t i) const {
    return std::min(text.size(), i + CodePointLength(static_cast<unsigned char>(text[i])));
  }
};

// Bytes [a, b) of a paragraph, followed by "..." when cut to fit.
struct Line {
  const Para* para = nullptr;
  size_t a = 0, b = 0;
  bool dots = false;
};

// Paragraphs: line breaks split them unless single-line, where they are dropped; "&x"
// underlines x and "&&" shows "&" unless DT_NOPREFIX.
std::vector<Para> Parse(const std::string& text, unsigned flags) {
  std::vector<Para> paragraphs(1);
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
        paragraphs.back().text += '&';
        i += 2;
      } else {
        pendingUnderline = true;
        ++i;
      }
      continue;
    }
    size_t n = std::min(CodePointLength(static_cast<unsigned char>(c)), text.size() - i);
    Para& p = paragraphs.back();
    if (pendingUnderline && !(flags & DT_HIDEPREFIX)) p.underlined.push_back(p.text.size());
    p.text.append(text, i, n);
    pendingUnderline = false;
    i += n;
  }
  if (paragraphs.size() > 1 && paragraphs.back().text.empty()) paragraphs.pop_back();
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

  // Width of bytes [a, b), then "..." when dots, tabs stopping every 8 average characters
  // when expanded.
  int Width(const Para& p, size_t a, size_t b, bool dots = false) const {
    int x = 0;
    size_t runStart = a;
    if (ExpandTabs()) {
      for (size_t i = a; i < b; ++i) {
        if (p.text[i] != '\t') continue;
        x += canvas_.TextWidth(p.text.substr(runStart, i - runStart));
        x = (x / tab_ + 1) * tab_;
        runStart = i + 1;
      }
    }
    std::string run = p.text.substr(runStart, b - runStart);
    if (dots) run += "...";
    return x + canvas_.TextWidth(run);
  }
  int Width(const Line& l) const { return Width(*l.para, l.a, l.b, l.dots); }

  // The end of the longest run from pos to at most limit that fits the width. Runs are
  // measured whole (as they are drawn), but doubling and then halving the run keeps a line's
  // cost near its own length times a logarithm, where measuring every prefix cost its square.
  // A hint (the length of the line before, as lines of a paragraph are alike) is tried first.
  size_t FitEnd(const Para& p, size_t pos, size_t limit, int width, size_t hint = 0) const {
    size_t fits = pos, over = limit;
    bool overKnown = false;
    if (hint > 0 && pos + hint < limit) {
      size_t guess = std::min(limit, p.Snap(pos + hint));
      if (Width(p, pos, guess) <= width) {
        fits = guess;
      } else {
        over = guess;
        overKnown = true;
      }
    }
    for (size_t step = 1; !overKnown && fits < limit; step *= 2) {
      size_t next = std::min(limit, p.Snap(fits + step));
      if (Width(p, pos, next) > width) {
        over = next;
        overKnown = true;
      } else {
        fits = next;
      }
    }
    if (!overKnown) return limit;
    while (over - fits > 1) {
      size_t mid = p.Snap(fits + (over - fits) / 2);
      if (mid >= over) break;
      if (Width(p, pos, mid) <= width)
        fits = mid;
      else
        over = mid;
    }
    return fits;
  }

  // The lines a paragraph breaks into within the width, at most most of them.
  void Break(const Para& p, int width, size_t most, std::vector<Line>& lines) const {
    const std::string& s = p.text;
    size_t n = s.size(), pos = 0;
    if (n == 0) {
      lines.push_back({&p, 0, 0});
      return;
    }
    size_t hint = 0;
    for (size_t made = 0; pos < n && made < most; ++made) {
      size_t end = FitEnd(p, pos, n, width, hint);
      hint = end - pos;
      size_t lineEnd, next;
      if (end == n) {
        lineEnd = next = n;
      } else if (IsBlank(s[end])) {
        lineEnd = end;
        next = end;
      } else {
        size_t blank = end;
        while (blank > pos && !IsBlank(s[blank - 1])) --blank;
        if (blank > pos) {
          lineEnd = next = blank;
        } else if (flags_ & DT_EDITCONTROL) {
          lineEnd = next = std::max(end, p.Next(pos));  // a long word breaks between characters
        } else {
          lineEnd = end;
          while (lineEnd < n && !IsBlank(s[lineEnd])) ++lineEnd;  // a long word stays whole
          next = lineEnd;
        }
      }
      while (lineEnd > pos && IsBlank(s[lineEnd - 1])) --lineEnd;
      while (next < n && IsBlank(s[next])) ++next;
      lines.push_back({&p, pos, lineEnd});
      pos = next;
    }
  }

  // The line cut so that it and "..." fit the width.
  Line Ellipsize(const Line& line, int width) const {
    if (Width(line) <= width) return line;
    int dotsWidth = canvas_.TextWidth("...");
    size_t keep = FitEnd(*line.para, line.a, line.b, width - dotsWidth);
    return {line.para, line.a, keep, true};
  }

  // Draws the line's runs between tab stops and its prefix underlines.
  void DrawLine(const Line& line, int x, int y) const {
    const Para& p = *line.para;
    unsigned options = (flags_ & DT_RTLREADING) ? ETO_RTLREADING : 0;
    size_t runStart = line.a;
    auto flush = [&](size_t end, bool last) {
      std::string run = p.text.substr(runStart, end - runStart);
      if (last && line.dots) run += "...";
      if (!run.empty()) canvas_.ExtTextOut(x + Width(p, line.a, runStart), y, options, nullptr, run);
    };
    if (ExpandTabs()) {
      for (size_t i = line.a; i < line.b; ++i) {
        if (p.text[i] != '\t') continue;
        flush(i, false);
        runStart = i + 1;
      }
    }
    flush(line.b, true);
    TColor ink = canvas_.Font().Color;
    int uy = y + std::min(ascent_ + 1, line_height_ - 1);
    for (auto it = std::lower_bound(p.underlined.begin(), p.underlined.end(), line.a);
         it != p.underlined.end() && *it < line.b; ++it) {
      int x0 = x + Width(p, line.a, *it), x1 = x + Width(p, line.a, p.Next(*it));
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
  bool clip = !(flags & DT_NOCLIP);
  int lh = layout.LineHeight();
  // Drawn clipped from the top, lines below the rectangle are neither laid out nor drawn, so
  // a long text costs what the rectangle shows.
  size_t most = SIZE_MAX;
  if (!(flags & DT_CALCRECT) && clip && !single && lh > 0)
    most = static_cast<size_t>(std::max(0, r.Height()) / lh) + 2;
  const std::vector<Para> paragraphs = Parse(text, flags);
  std::vector<Line> lines;
  for (const Para& para : paragraphs) {
    if (lines.size() >= most) break;
    if ((flags & DT_WORDBREAK) && !single)
      layout.Break(para, width, most - lines.size(), lines);
    else
      lines.push_back({&para, 0, para.text.size()});
  }
  if (flags & DT_END_ELLIPSIS)
    for (Line& l : lines) l = layout.Ellipsize(l, width);

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
