// The marking decoders on any six-character codes, the capacitor code on any
// text and letter, and the chart model on any record: pictures and layouts in
// the ranges the page has pieces for, display items inside the display's
// interior, chart modes that fit the family and cell states in 1..28.
#include "FuzzSupport.h"

#include "calculators/ColorMark/ColorMarkGeometry.h"
#include "calculators/ColorMark/MarkingDecoder.h"

#include <cstdint>
#include <string>

using namespace marking;

namespace {

namespace geo = marking::geometry;

// The display interior on the page (x 280..450, y 42..120), and the sizes of
// the pieces drawn into it.
constexpr TRect Interior = fnRectAt(geo::InteriorPlace, fnWidth(geo::InteriorPiece), fnHeight(geo::InteriorPiece));
constexpr int GlyphWidth = geo::Glyphs.width;
constexpr int GlyphHeight = geo::Glyphs.height;
constexpr int PointWidth = fnWidth(geo::PointPiece);
constexpr int PointHeight = fnHeight(geo::PointPiece);

// A code of six characters, mostly band characters: printable bytes map onto
// the thirteen, bytes above 0x7F stay as they are (no band).
std::string fnCode(FuzzedDataProvider& provider)
{
    std::string code = provider.ConsumeBytesAsString(MarkBands);
    code.resize(MarkBands, NoBand);
    for (char& c : code) {
        const auto byte = static_cast<unsigned char>(c);
        if (BandChars.find(c) == std::string_view::npos && byte < 0x80)
            c = BandChars[byte % BandChars.size()];
    }
    return code;
}

void prCheckDisplay(const TMarkDisplay& d, int firstUnit, int lastUnit)
{
    for (int digit : d.digits)
        QF_CHECK(digit >= 0 && digit <= 10, "a digit glyph out of range");
    QF_CHECK(d.layout >= 0 && d.layout <= 7, "a layout out of range");
    QF_CHECK(d.unit == 0 || (d.unit >= firstUnit && d.unit <= lastUnit), "a unit picture outside the family's");
    QF_CHECK(d.tolerance >= 0 && d.tolerance <= 24, "a tolerance picture out of range");
    QF_CHECK(d.extraBand >= 0 && d.extraBand <= 10, "an extra-band picture out of range");

    const std::vector<TDisplayItem> items = fnDisplayItems(d);
    QF_CHECK(items.size() <= 4, "more display items than a layout has");
    QF_CHECK(d.layout != 0 || items.empty(), "display items without a layout");
    for (const TDisplayItem& item : items) {
        const int width = item.point ? PointWidth : GlyphWidth;
        const int height = item.point ? PointHeight : GlyphHeight;
        QF_CHECK(item.x >= Interior.Left && item.x + width <= Interior.Right,
                 "a display item outside the interior (x)");
        QF_CHECK(item.y >= Interior.Top && item.y + height <= Interior.Bottom,
                 "a display item outside the interior (y)");
        QF_CHECK(item.glyph >= 0 && item.glyph <= 10, "a display item with a glyph out of range");
    }
}

// Every cell: its row (selectable), 14 (locked) or 15 + row (chosen).
void prCheckCells(const TColorMarkData& data, int mode, std::string_view code)
{
    for (int row = 1; row <= MarkRows; ++row) {
        for (int band = 1; band <= MarkBands; ++band) {
            const std::int32_t state = data.CellState[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)];
            QF_CHECK(state >= 1 && state <= CellChosenBase + MarkRows, "a cell state outside 1..28");
            QF_CHECK(state == row || state == CellLocked || state == CellChosenBase + row,
                     "a cell state that belongs to another row");
            const bool allowed = fnCellAllowed(mode, band, fnBandChar(row));
            QF_CHECK(allowed == (state != CellLocked), "a cell locked against its chart mode");
            if (state == CellChosenBase + row)
                QF_CHECK(static_cast<int>(code.size()) >= band
                             && code[static_cast<std::size_t>(band - 1)] == fnBandChar(row),
                         "a chosen cell the code does not hold");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);

    TColorMarkData record;
    record.CodeRes = fnCode(provider);
    record.CodeCap = fnCode(provider);
    record.CodeDross = fnCode(provider);

    // Decoders on any codes; the inductor on a code its chart allows keeps to
    // its two units (uH, mH).
    prCheckDisplay(prDecodeRes(record.CodeRes), 1, 4);
    prCheckDisplay(prDecodeCap(record.CodeCap), 5, 8);
    prCheckDisplay(prDecodeDross(record.CodeDross), 9, 12);
    if (std::string_view("AB01234F").find(record.CodeDross[2]) != std::string_view::npos)
        prCheckDisplay(prDecodeDross(record.CodeDross), 9, 10);
    QF_CHECK(prDecodeRes(record.CodeRes) == prDecodeRes(record.CodeRes), "prDecodeRes is not deterministic");

    // The capacitor's numeric code with a letter from its list or any byte.
    const std::string capText = provider.ConsumeRandomLengthString(8);
    const std::uint8_t pick = provider.ConsumeIntegral<std::uint8_t>();
    const char letter = pick < TolLetterCount ? fnTolLetter(pick) : static_cast<char>(pick);
    const TCapCode cap = prDecodeCapCode(capText, letter);
    QF_CHECK(cap.code.size() == static_cast<std::size_t>(MarkBands), "the capacitor code is not six bands long");
    QF_CHECK(cap.code.compare(0, 3, capText.size() == 3 ? capText : std::string("FFF")) == 0,
             "the capacitor code's digits are not the text typed");
    QF_CHECK(cap.code[3] == letter && cap.code.compare(4, 2, "FF") == 0, "the capacitor code's letter bands");
    prCheckDisplay(cap.display, 5, 8);
    QF_CHECK(cap.display.tolerance >= 1, "a tolerance letter without a picture");

    // The chart model on the record: a mode that fits the family, a clean-up
    // that a second call leaves alone, cell states that follow mode and code.
    const auto family = static_cast<TMarkFamily>(provider.ConsumeIntegral<std::uint8_t>() % 4);
    const std::int32_t stale = provider.ConsumeIntegral<std::int32_t>();
    for (auto& row : record.CellState)
        row.fill(stale);
    const int mode = fnGetMarkMode(family, record);
    switch (family) {
    case TMarkFamily::None: QF_CHECK(mode == 0, "no family gave a chart mode"); break;
    case TMarkFamily::Res: QF_CHECK(mode == 1 || mode == 2, "a resistor chart mode out of range"); break;
    case TMarkFamily::Cap: QF_CHECK(mode == 3 || mode == 4, "a capacitor chart mode out of range"); break;
    case TMarkFamily::Dross: QF_CHECK(mode == 5, "an inductor chart mode out of range"); break;
    }
    const TColorMarkData cleaned = record;
    QF_CHECK(fnGetMarkMode(family, record) == mode && record.CodeRes == cleaned.CodeRes
                 && record.CodeCap == cleaned.CodeCap && record.CodeDross == cleaned.CodeDross,
             "the chart clean-up changed its own result");
    const std::string& active = family == TMarkFamily::Cap     ? record.CodeCap
                                : family == TMarkFamily::Dross ? record.CodeDross
                                                               : record.CodeRes;
    prSetCellStates(mode, active, record);
    prCheckCells(record, mode, active);

    // Cell states for any mode and any code text.
    const int anyMode = provider.ConsumeIntegral<int>();
    const std::string anyCode = provider.ConsumeRandomLengthString(8);
    prSetCellStates(anyMode, anyCode, record);
    prCheckCells(record, anyMode, anyCode);
    return 0;
}
