// The edit session is freed here, where its class is complete, for the grid that owns it.
#include "grid/editing/edit_session.h"

#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

void TEditingFree::operator()(TGridEditSession* Session) const noexcept { delete Session; }

}  // namespace hd
