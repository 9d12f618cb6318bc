// The grid's HTML export members, each handing over to the HTML writer.
#include "grid/dataops/files/html_export.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

std::string TExtStringGrid::SaveToHTMLString(const std::string& Dir) { return TGridHtml(DataHost()).Document(Dir); }
void TExtStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode) {
  TGridHtml(DataHost()).Save(FileName, Show, Unicode, false);
}
void TExtStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode) {
  TGridHtml(DataHost()).Save(FileName, Show, Unicode, true);
}

}  // namespace hd
