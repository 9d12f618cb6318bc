// The grid as an HTML table: one style class per distinct cell look, merged cells as spans,
// links made from cell texts, and cell pictures saved as JPEG files beside the document.
#pragma once

#include <string>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TGridHtml {
 public:
  explicit TGridHtml(TGridDataHost& Host) : host_(Host) {}

  // The document; pictures go to Dir + "images" (Dir ends with its separator, or is empty)
  // and the img tags name them there.
  std::string Document(const std::string& Dir);
  // The document between the header and footer files; Append keeps the existing file's lines
  // first. Show (or AutoPreview) opens the file with the desktop's handler afterwards.
  void Save(const std::string& FileName, bool Show, bool Unicode, bool Append);

 private:
  TGridDataHost& host_;
};

// Characters outside US-ASCII as numeric references, so an ASCII page loses no text.
std::string HtmlAsciiText(const std::string& Utf8);

}  // namespace hd
