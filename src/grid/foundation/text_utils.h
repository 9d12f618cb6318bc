// Text routines shared by the whole grid: what kind of content a cell text holds, the packed
// form of wide text, the ways line breaks are folded into one line, the clipboard's HTML
// wrapper, numbers and amounts, capitalisation, cell references, URLs and small searches.
//
// Texts are UTF-8. Positions are 1-based byte positions (0: not found), so they go with the
// platform's Pos and Copy; character parameters are ASCII. CR is 13, LF 10, VT 11.
#pragma once

#include <string>

#include "platform/string_list.h"
#include "platform/types.h"
#include "platform/unicode.h"

namespace hd {

// Kinds of cell text.
inline constexpr int ttPlain = 0;
inline constexpr int ttMarkup = 1;
inline constexpr int ttRichText = 2;
inline constexpr int ttFormula = 3;
inline constexpr int ttPackedWide = 5;

// Rich text starts with "{\", a formula with "=" (or is packed wide text whose first unit is
// "="), packed wide text with "|\"; markup is recognised only when asked for, by "</", "<B",
// "<I" or "<C".
int GetTextKind(const std::string& Text, bool MarkupEnabled);

// "|\" and then two characters per UTF-16 unit, high byte first, each the character of that
// code (0-255, so U+0000-U+00FF in the UTF-8 text).
std::string EncodePackedUnicode(const WideString& WideText);
// The reverse for a text starting with "|\" (an odd last character is dropped); any other text
// is returned as it stands.
WideString DecodePackedUnicode(const std::string& Text);

// Wraps a fragment into the clipboard's HTML document with its header of offsets. The offsets
// count the fragment's bytes as given, so they hold for the encoding the caller put it in.
void MakeClipboardHTML(std::string& Fragment);

// Turns the first URL starting with Prefix (an upper-case text such as "HTTP://") into an
// anchor after escaping "<" and ">"; false when the text holds no Prefix.
bool HyperlinkText(const std::string& Text, const std::string& Prefix, std::string& Result);
bool HasURLProtocol(const std::string& Text);
void StripURLProtocol(std::string& Text);
// "R12C3" (any case) gives Cell = (3, 12): X the column, Y the row.
bool ParseRCReference(const std::string& Text, TPoint& Cell);

inline constexpr int ncInteger = 0;
inline constexpr int ncDecimal = 1;
inline constexpr int ncNotANumber = 2;
inline constexpr int ncExponent = 5;
// With the regional separators. A number needs at least one digit; signs stand first or right
// after the exponent letter.
int ClassifyNumber(const std::string& Text);
// The same with separators taken once by a caller that classifies many texts.
int ClassifyNumber(const std::string& Text, char DecimalSeparator, char ThousandSeparator);
// "(1.234,50 €)" gives "-1234.50": currency and blanks dropped, thousands separators removed,
// the decimal separator written as ".", brackets or a leading "-" for negative amounts.
std::string FinancialToNumberText(const std::string& Text);
// Every word capitalised, the rest lower case; "Mc" names and the Roman numerals I, II and III
// at the end are kept capitalised.
std::string MixedCaseText(const std::string& Text);
std::string DoubleQuoteChars(const std::string& Text);
// Each doubled Ch written once.
std::string UndoubleChar(char Ch, const std::string& Text);
// The last character of the first run of Ch of odd length that another character follows, or
// the text's length when it ends in Ch; 0 when none. Also stored in Pos.
int FindUndoubledChar(char Ch, const std::string& Text, int& Pos);
int CountUndoubledChar(char Ch, const std::string& Text);
// To and from the OEM code page, as raw bytes of that code page.
void ToOEMText(std::string& Text);
void FromOEMText(std::string& Text);
// Every character replaced by Ch, as many as the text has characters.
void FillWithChar(std::string& Text, char Ch);

// One-line storage of multi-line text: CR, LF and NUL become 9, 8 and 1, only for a text with a
// CR; unpacking works only on a text holding an 8 (the forms stored in files since long).
std::string PackLineBreaks(const std::string& Text);
std::string UnpackLineBreaks(const std::string& Text, bool MultiLine);
// CR as the two characters "\n", LF dropped, and back.
std::string EscapeLineBreaks(const std::string& Text);
std::string UnescapeLineBreaks(const std::string& Text);
// A CSV field: CR LF as VT, enclosed in double quotes; and VT back to CR LF.
std::string QuoteMultiLineField(const std::string& Text);
std::string VTToLineBreaks(const std::string& Text);
// CR as "~", LF dropped; and "~" back to CR LF, with "^" standing for the empty text.
std::string LineBreaksToTilde(const std::string& Text);
std::string TildeToLineBreaks(const std::string& Text);
std::string LineBreaksToBR(const std::string& Text);
std::string CRLFToLF(const std::string& Text);
std::string StripCR(const std::string& Text);
std::string CRToLF(const std::string& Text);
// Line: the text before the first CR (an LF right after it is skipped); S keeps the rest only
// with KeepRest. Without a CR the whole text is the line and S becomes empty.
void CutFirstLine(std::string& S, bool KeepRest, std::string& Line);
int CountLines(const std::string& Text, bool MultiLine);

int FindPos(const std::string& SubStr, const std::string& Text, int& Pos);
// Position in the text upper-cased (ASCII letters, so positions stay those of Text).
int UpperPos(const std::string& SubStr, const std::string& Text);
int CharPos(char Ch, const std::string& Text);
int FindCharPos(char Ch, const std::string& Text, int& Pos);
// Position in UTF-16 units.
int WidePos(const WideString& SubStr, const WideString& WideText);
int CharCount(char Ch, const std::string& Text);
// The text before the first Delimiter, cut from S with the delimiter; empty and S unchanged
// when there is none.
std::string CutToken(std::string& S, const std::string& Delimiter);
std::string ConcatStrings(const TStringList& List);
// A cell range given as Left/Top/Right/Bottom columns and rows, all inclusive.
bool GridRectContains(const TRect& Rect, int Col, int Row);
int MaxOf(int A, int B);
int MinOf(int A, int B);
// A bound of 0 or less is no bound; equal bounds leave the value alone.
int LimitToRange(int Value, int Min, int Max);

bool IsDigitChar(char32_t Ch);
bool IsDigitOrMinus(char32_t Ch);
// Number characters, the regional separators and "e"/"E".
bool IsFloatChar(char32_t Ch);
bool IsSignedFloatChar(char32_t Ch);
bool IsAmountChar(char32_t Ch);
bool IsWordBreakChar(char32_t Ch);

}  // namespace hd
