// The cell stream reader on any input, into a grid of a few cells at a point the input names:
// it reads or fails with the read, list or conversion error, never writes outside the grid,
// and leaves the grid's size alone unless the stream is a full grid.
#include <memory>

#include "fuzz_support.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/exceptions.h"
#include "platform/gui_application.h"
#include "platform/property_stream.h"
#include "platform/streams.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  hd::EnsureGuiApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  const TPoint at{in.Byte() % 8, in.Byte() % 8};
  const std::string bytes = in.Rest();

  // Records one after another, as far as they go.
  {
    TMemoryStream s(bytes);
    try {
      for (int k = 0; k < 64 && s.Position() < s.Size(); ++k) TPropertyReader(s).ReadRecord();
    } catch (const EReadError&) {
    }
    if (s.Position() > s.Size()) fuzz::Broken("a record read ran past the end");
  }

  static TExtStringGrid* grid = [] {
    TExtStringGrid* g = New<TExtStringGrid>(nullptr);
    return g;
  }();
  grid->Clear();
  grid->SetColCount(6);
  grid->SetRowCount(6);
  TMemoryStream s(bytes);
  try {
    grid->LoadAtPointFromBinStream(at, s);
  } catch (const EReadError&) {
  } catch (const EListError&) {
  } catch (const EConvertError&) {
  }
  const bool full = bytes.find("FullGrid\x09") != std::string::npos;
  if (!full && (grid->ColCount() != 6 || grid->RowCount() != 6)) fuzz::Broken("a block changed the grid's size");
  return 0;
}
