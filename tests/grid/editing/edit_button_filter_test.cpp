// The characters the numeric and float edit-button kinds take, drop silently or refuse with a
// beep, by text, caret, selection and locale.
#include <gtest/gtest.h>

#include "grid/editing/inplace_edit_button.h"
#include "grid/foundation/grid_types.h"
#include "platform/regional.h"

namespace hd {
namespace {

enum TOutcome { Taken, Dropped, Beeped };

struct FilterCase {
  const char* name;
  TEditBtnFilter filter;
  const char* text;
  int selStart;
  int selLength;
  bool ctrl;
  TKeyChar ch;
  TOutcome outcome;
  char decimal = '.';
};

TEST(EditButtonFilterTest, NumericAndFloatKindsTakeDropOrRefuseTypedCharacters) {
  const FilterCase cases[] = {
      {"digit", TEditBtnFilter::Numeric, "12", 2, 0, false, '5', Taken},
      {"minus at the start", TEditBtnFilter::Numeric, "12", 0, 0, false, '-', Taken},
      {"minus after a digit", TEditBtnFilter::Numeric, "12", 1, 0, false, '-', Beeped},
      {"second minus", TEditBtnFilter::Numeric, "-12", 0, 0, false, '-', Beeped},
      {"letter", TEditBtnFilter::Numeric, "12", 2, 0, false, 'a', Beeped},
      {"backspace", TEditBtnFilter::Numeric, "12", 2, 0, false, 8, Taken},
      {"Ctrl+V", TEditBtnFilter::Numeric, "12", 2, 0, true, 22, Taken},
      // A code point above 255 is itself, not the 8-bit character its low byte names ('1').
      {"dotless i is no digit", TEditBtnFilter::Numeric, "12", 2, 0, false, 0x131, Beeped},
      {"first decimal separator", TEditBtnFilter::Float, "12", 2, 0, false, '.', Taken},
      {"second decimal separator", TEditBtnFilter::Float, "1.2", 3, 0, false, '.', Dropped},
      {"decimal separator over the selected one", TEditBtnFilter::Float, "1.2", 1, 1, false, '.', Taken},
      {"thousand separator", TEditBtnFilter::Float, "12", 2, 0, false, ',', Dropped},
      {"minus at the start", TEditBtnFilter::Float, "12", 0, 0, false, '-', Taken},
      {"minus after a digit", TEditBtnFilter::Float, "12", 1, 0, false, '-', Beeped},
      {"minus over a selection holding the minus", TEditBtnFilter::Float, "-12", 0, 2, false, '-', Taken},
      {"letter", TEditBtnFilter::Float, "12", 2, 0, false, 'a', Dropped},
      {"letter with Ctrl", TEditBtnFilter::Float, "12", 2, 0, true, 'a', Taken},
      {"dotless i", TEditBtnFilter::Float, "12", 2, 0, false, 0x131, Dropped},
      {"comma locale: the point is the thousand separator", TEditBtnFilter::Float, "1,5", 3, 0, false, '.', Dropped,
       ','},
      {"comma locale: a first comma", TEditBtnFilter::Float, "15", 1, 0, false, ',', Taken, ','},
      {"plain kind takes anything", TEditBtnFilter::Plain, "x", 1, 0, false, 0x131, Taken},
      {"a kind that is no button edit takes nothing", TEditBtnFilter::None, "x", 1, 0, false, 'a', Dropped},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetFormatSettingsProvider([&c] {
      TFormatSettings fs = InvariantFormatSettings();
      fs.DecimalSeparator = c.decimal;
      fs.ThousandSeparator = c.decimal == '.' ? ',' : '.';
      return fs;
    });
    TKeyChar ch = c.ch;
    bool beep = false;
    bool taken = EditBtnCharTaken(c.filter, ch, c.text, c.selStart, c.selLength, c.ctrl, beep);
    EXPECT_EQ(taken ? Taken : beep ? Beeped : Dropped, c.outcome);
  }
  SetFormatSettingsProvider({});
  EXPECT_EQ(EditBtnFilterOf(edNumericUnitEditBtn), TEditBtnFilter::Numeric);
  EXPECT_EQ(EditBtnFilterOf(edFloatEditBtn), TEditBtnFilter::Float);
  EXPECT_EQ(EditBtnFilterOf(edMaskEditBtn), TEditBtnFilter::Plain);
}

}  // namespace
}  // namespace hd
