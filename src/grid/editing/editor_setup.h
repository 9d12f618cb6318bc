// What the set-up of each editor family shares: the cell the editor goes over, the making of
// an editor the grid owns, and the typed character that opened it.
#pragma once

#include <string>

#include "grid/editing/edit_session.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

class TGridEditorHost;

// The cell a special editor is set up over.
struct TExtStringGrid::TEditorPlace {
  TRect Cell;
  int RealCol = 0;
  int Row = 0;
  // The cell less its grid lines.
  int Width = 0;
  int Height = 0;
  // The cell's colour, the grid's where the cell has none.
  TColor Color = clNone;
  std::string Text;
};

// An editor owned and parented by the grid, hidden and disabled until it is set up.
template <class T>
T* MakeEditor(TExtStringGrid* Grid, TGridEditorHost& Host) {
  T* editor = New<T>(Grid, Host);
  editor->SetParent(Grid);
  editor->SetVisible(false);
  editor->SetEnabled(false);
  return editor;
}

// The character that started the edit goes on to the editor that opened.
inline void PostStartChar(const TGridEditSession& Session, TWinControl& Editor) {
  if (Session.StartEditChar != 0) PostMessage(Editor.Handle(), WM_CHAR, Session.StartEditChar, 0);
}

}  // namespace hd
