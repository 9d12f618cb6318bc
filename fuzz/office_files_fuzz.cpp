// Workbook and document files of the office stand-in: any bytes as a workbook (by signature,
// .xlsx or .xls) and as a document; each either reads or raises EOleError, and a workbook read
// gives its used block's values and writes back.
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/office.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = hd::fuzz::WriteScratchFile("in.bin", data, size);
  try {
    auto book = hd::TWorkBook::Open(path);
    for (int i = 1; i <= book->SheetCount(); ++i) {
      hd::TWorkSheet& sheet = book->Sheets(i);
      const hd::TOleArray values = sheet.UsedRange().Value();
      for (int r = 1; r <= values.Rows(); ++r)
        for (int c = 1; c <= values.Cols(); ++c) (void)values.At(r, c).AsText();
    }
    book->SaveAs(hd::fuzz::ScratchFolder() + "/out.xlsx");
  } catch (const hd::Exception&) {
  }
  try {
    auto doc = hd::TWordDocument::Open(path);
    doc->TypeText("t");
    doc->TypeParagraph();
    if (doc->BookmarksExists("b")) doc->Goto(-1, "b");
    hd::TWordTable table = doc->TablesAdd(doc->Range(doc->BlockCount(), doc->BlockCount()), 1, 1);
    table.Cell(1, 1).InsertAfter("x");
    doc->SaveAs(hd::fuzz::ScratchFolder() + "/out.docx");
  } catch (const hd::Exception&) {
  }
  return 0;
}
