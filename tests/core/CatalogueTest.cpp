// The text catalogue as the pages read it: every id a page asks for holds a
// Russian text, unknown ids give "???", other modes give the stored form, and
// the unit labels read exactly as the formatters and unit selectors need them.
#include "text/Cp1251.h"
#include "text/MultiLanguage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The program's first texts, in id order: the texts the pages ask for and
// the few entries (unused menu items, spare filter kinds, 805, 1031) kept with
// them. Every later text has an id from 3000 up, a hundred per part of the
// program (3000 shell, 3100 transformer, ... 3600 ladder designer).
constexpr std::uint32_t kCatalogueIds[] = {
    // shell, help page and common buttons
    1,
    2,
    3,
    4,
    5,
    6,
    7,
    11,
    12,
    13,
    // main menu and the help page's status text
    20,
    21,
    22,
    23,
    24,
    25,
    26,
    27,
    40,
    41,
    42,
    43,
    44,
    45,
    46,
    47,
    48,
    49,
    60,
    61,
    70,
    71,
    72,
    73,
    90,
    // coil page: status with no coil kind selected
    100,
    // filter page
    400,
    401,
    402,
    403,
    404,
    405,
    406,
    407,
    408,
    409,
    410,
    411,
    412,
    413,
    414,
    415,
    430,
    // transformer page
    601,
    602,
    603,
    604,
    605,
    606,
    607,
    611,
    612,
    613,
    614,
    615,
    616,
    617,
    618,
    619,
    620,
    621,
    622,
    623,
    624,
    625,
    626,
    627,
    628,
    629,
    630,
    641,
    642,
    643,
    644,
    645,
    646,
    647,
    648,
    649,
    650,
    651,
    652,
    653,
    // coil page
    700,
    701,
    702,
    703,
    704,
    705,
    748,
    749,
    750,
    751,
    752,
    753,
    754,
    755,
    756,
    757,
    758,
    759,
    761,
    762,
    763,
    764,
    765,
    766,
    767,
    768,
    769,
    770,
    771,
    772,
    773,
    774,
    775,
    776,
    780,
    781,
    782,
    783,
    784,
    785,
    786,
    787,
    788,
    789,
    790,
    791,
    792,
    793,
    794,
    795,
    796,
    797,
    798,
    799,
    // marking page
    800,
    801,
    802,
    803,
    804,
    805,
    810,
    811,
    812,
    813,
    814,
    815,
    816,
    817,
    818,
    819,
    820,
    821,
    822,
    823,
    824,
    825,
    826,
    827,
    // formulas page
    900,
    901,
    902,
    903,
    904,
    905,
    906,
    907,
    908,
    909,
    911,
    912,
    913,
    914,
    916,
    917,
    918,
    919,
    920,
    921,
    922,
    923,
    924,
    925,
    926,
    927,
    928,
    929,
    930,
    931,
    932,
    933,
    // unit labels
    1001,
    1002,
    1003,
    1004,
    1005,
    1006,
    1007,
    1008,
    1009,
    1010,
    1011,
    1012,
    1013,
    1014,
    1015,
    1016,
    1017,
    1018,
    1019,
    1020,
    1021,
    1022,
    1023,
    1024,
    1025,
    1026,
    1027,
    1028,
    1029,
    1030,
    1031,
    1032,
    1033,
    1034,
    1035,
};

// The window caption, the two link addresses and the series' names may be
// (partly) Latin.
constexpr std::uint32_t kLatinByDesign[] = {1, 5, 6, 3002, 3003, 3004, 3005, 3006, 3207, 3210};
constexpr std::uint32_t kFirstLaterId = 3000;
constexpr std::uint32_t kLastLaterId = 3699;

// Every id the catalogue holds, in id order.
std::vector<std::uint32_t> fnAllIds()
{
    std::vector<std::uint32_t> ids;
    for (std::size_t k = 0; k < fnCatalogueSize(); ++k)
        ids.push_back(fnCatalogueId(k));
    return ids;
}

// Tab captions: the page index is appended directly, so they end with a blank.
constexpr std::uint32_t kTabCaptions[] = {611, 701, 800, 400, 900, 3600};

std::string fnCp1251(std::string_view utf8)
{
    const auto bytes = fnUtf8ToCp1251(utf8);
    EXPECT_TRUE(bytes.has_value()) << "not Windows-1251: " << utf8;
    return bytes.value_or(std::string());
}

bool fnHasCyrillic(const std::string& cp1251)
{
    return std::any_of(cp1251.begin(), cp1251.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0xC0 || b == 0xA8 || b == 0xB8; // А..я, Ё, ё
    });
}

template <typename Range>
bool fnContains(const Range& range, std::uint32_t id)
{
    return std::find(std::begin(range), std::end(range), id) != std::end(range);
}

TEST(Catalogue, HoldsExactlyTheTextsThePagesUse)
{
    ASSERT_EQ(std::size(kCatalogueIds), 238u);
    ASSERT_GE(fnCatalogueSize(), 238u);
    for (std::size_t k = 0; k < std::size(kCatalogueIds); ++k)
        EXPECT_EQ(fnCatalogueId(k), kCatalogueIds[k]) << "position " << k;
    for (std::size_t k = std::size(kCatalogueIds); k < fnCatalogueSize(); ++k) {
        EXPECT_GE(fnCatalogueId(k), kFirstLaterId) << "position " << k;
        EXPECT_LE(fnCatalogueId(k), kLastLaterId) << "position " << k;
    }
}

TEST(Catalogue, EveryTextIsRussianAndClean)
{
    for (const std::uint32_t id : fnAllIds()) {
        SCOPED_TRACE(id);
        const std::string text = fnGetText(id, 1);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text, "???");
        if (!fnContains(kLatinByDesign, id)) {
            EXPECT_TRUE(fnHasCyrillic(text)) << "no Russian letter";
        }
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            << "control character";
        EXPECT_NE(text.front(), ' ');
        if (!fnContains(kTabCaptions, id)) {
            EXPECT_NE(text.back(), ' ');
        }
    }
}

TEST(Catalogue, TabCaptionsLeaveOneBlankBeforeThePageIndex)
{
    for (const std::uint32_t id : kTabCaptions) {
        SCOPED_TRACE(id);
        const std::string text = fnGetText(id, 1);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.back(), ' ');
        EXPECT_NE(text[text.size() - 2], ' ');
    }
}

TEST(Catalogue, UnknownIdsGiveTheFallback)
{
    // 8-10 and 910, 915 sit inside used ranges but are not in the table.
    const std::uint32_t unknown[] = {0, 2000, 14, 1036, 8, 9, 10, 910, 915, 999, 0xFFFFFFFFu};
    for (const std::uint32_t id : unknown) {
        SCOPED_TRACE(id);
        EXPECT_EQ(fnGetText(id, 1), "???");
        EXPECT_EQ(fnGetText(id, 0), "???");
    }
}

TEST(Catalogue, OtherModesGiveTheStoredForm)
{
    for (const std::uint32_t id : kCatalogueIds) {
        SCOPED_TRACE(id);
        const std::string shown = fnGetText(id, 1);
        for (const int mode : {0, 2, -1, 100}) {
            const std::string stored = fnGetText(id, mode);
            EXPECT_EQ(stored, fnSwapNeighbours(shown)) << "mode " << mode;
            EXPECT_EQ(stored.size(), shown.size());
            if (shown.size() % 2 == 1) {
                EXPECT_EQ(stored.back(), shown.back()) << "odd last character moved";
            }
        }
    }
}

TEST(Catalogue, SwapNeighboursExchangesPairs)
{
    struct TCase {
        std::string_view in, out;
    };
    const TCase cases[] = {
        {"bacd", "abdc"}, {"bac", "abc"}, {"???", "???"}, {"", ""}, {"x", "x"}, {"ab", "ba"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fnSwapNeighbours(std::string(c.in)), c.out) << c.in;
        EXPECT_EQ(fnSwapNeighbours(fnSwapNeighbours(std::string(c.in))), c.in);
    }
}

TEST(Catalogue, UnitLabelsNameTheirScales)
{
    struct TCase {
        std::uint32_t id;
        std::string_view utf8;
    };
    const TCase cases[] = {
        // frequency: x1, x1e-3, x1e-6, x1e-9 of hertz
        {1001, "Гц"},
        {1002, "кГц"},
        {1003, "МГц"},
        {1004, "ГГц"},
        // capacitance: x1e12, x1e9, x1e6, x1 of farad
        {1005, "пФ"},
        {1006, "нФ"},
        {1007, "мкФ"},
        {1008, "Ф"},
        // inductance: x1e6, x1e3, x1 of henry
        {1009, "мкГн"},
        {1010, "мГн"},
        {1011, "Гн"},
        // resistance: x1, x1e-3, x1e-6 of ohm
        {1012, "Ом"},
        {1013, "кОм"},
        {1014, "МОм"},
        // speed: x1, x1e-3, x3.6 of metre per second
        {1015, "м/с"},
        {1016, "км/с"},
        {1017, "км/ч"},
        // length: x1e6, x1e3, x1e2, x1, x1e-3 of metre
        {1018, "мкм"},
        {1019, "мм"},
        {1020, "см"},
        {1021, "м"},
        {1022, "км"},
        // time: x1e6, x1e3, x1, /60, /3600 of second
        {1023, "мкс"},
        {1024, "мс"},
        {1025, "с"},
        {1026, "мин"},
        {1027, "ч"},
        // mass as the formatter shows it: v*1e3 g, v kg, v/1e3 t
        {1028, "г"},
        {1029, "кг"},
        {1030, "т"},
        // energy: x1e6, x1e3, x1, x1e-3 of joule
        {1032, "мкДж"},
        {1033, "мДж"},
        {1034, "Дж"},
        {1035, "кДж"},
        // transformer input panel
        {650, "В"},
        {651, "Гц"},
        {652, "Тл"},
        {653, "А/мм2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fnGetText(c.id, 1), fnCp1251(c.utf8)) << "id " << c.id;
}

TEST(Catalogue, LinksOpenWhatTheyShow)
{
    EXPECT_NE(fnGetText(1, 1).find("Quillfern"), std::string::npos);

    const std::string web = fnGetText(5, 1);
    EXPECT_EQ(web.rfind("https://", 0), 0u) << web;
    EXPECT_EQ(web.find(' '), std::string::npos);

    const std::string mail = fnGetText(6, 1);
    EXPECT_EQ(std::count(mail.begin(), mail.end(), '@'), 1) << mail;
    EXPECT_EQ(mail.find_first_of(" ?&"), std::string::npos) << mail;

    // The subject is appended to "mailto:...?subject=" unescaped.
    const std::string subject = fnGetText(4, 1);
    EXPECT_EQ(subject.find_first_of("?&#%"), std::string::npos) << "breaks the mailto address";
}

TEST(Catalogue, CaptionsFitTheirWidgets)
{
    struct TCase {
        std::uint32_t first, last;
        std::size_t maxChars;
        const char* where;
    };
    // Tahoma 11 px averages about six pixels a character.
    const TCase cases[] = {
        {2, 3, 40, "help page lines at left 450 of a 780-px window"},
        {614, 618, 26, "core-kind radio buttons, 160 px"},
        {620, 624, 8, "grid columns 1-5"},
        {625, 630, 14, "grid column 0"},
        {650, 653, 6, "unit labels beside 30-px fields"},
        {755, 756, 22, "solve-direction radio buttons, 150 px"},
        {810, 823, 13, "chart row labels, 80 px"},
        {917, 919, 38, "velocity choices, 240 px"},
        {1001, 1035, 5, "unit selectors, 52 px"},
    };
    for (const auto& c : cases)
        for (const std::uint32_t id : kCatalogueIds)
            if (id >= c.first && id <= c.last) {
                EXPECT_LE(fnGetText(id, 1).size(), c.maxChars) << "id " << id << ": " << c.where;
            }
}

TEST(Catalogue, StatusTextsOfAPageAreDistinctSentences)
{
    const std::vector<std::vector<std::uint32_t>> pages = {
        {90},
        {641, 642, 643, 644, 645, 646},
        {100, 748, 749, 750, 751, 752, 753, 754, 764, 765, 766, 767, 768, 769, 770, 771, 772, 773, 774, 775, 776, 780},
        {825, 826, 827},
        {430},
        {901},
    };
    for (const auto& ids : pages) {
        std::set<std::string> seen;
        for (const std::uint32_t id : ids) {
            const std::string text = fnGetText(id, 1);
            EXPECT_TRUE(seen.insert(text).second) << "id " << id << " repeats another status";
            ASSERT_FALSE(text.empty()) << "id " << id;
            EXPECT_EQ(text.back(), '.') << "id " << id << " is not a full sentence";
            // One line of the status bar, about 770 px.
            EXPECT_LE(text.size(), 110u) << "id " << id << " is cut off in the status bar";
        }
    }
}

} // namespace

namespace {

// The English catalogue holds every text of the Russian one, each free of
// Cyrillic letters, with the same blanks where the page relies on them.
TEST(Catalogue, EnglishHoldsEveryTextInEnglish)
{
    const std::vector<std::uint32_t> russianIds = fnAllIds();
    prSetLanguage(TLanguage::English);
    const std::vector<std::uint32_t> englishIds = fnAllIds();
    EXPECT_EQ(englishIds, russianIds);
    for (const std::uint32_t id : englishIds) {
        SCOPED_TRACE(id);
        const std::string text = fnGetText(id, 1);
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text, "???");
        EXPECT_FALSE(fnHasCyrillic(text));
        EXPECT_EQ(text.back() == ' ', fnContains(kTabCaptions, id));
    }
    for (std::uint32_t id = 1001; id <= 1035; ++id)
        EXPECT_LE(fnGetText(id, 1).size(), 5u) << id;
    prSetLanguage(TLanguage::Russian);
    EXPECT_EQ(fnGetText(11, 1), fnCp1251("Закрыть"));
}

} // namespace
