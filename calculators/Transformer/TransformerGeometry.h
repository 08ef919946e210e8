// Core layer. Where the transformer page's pictures and fields meet: the size
// of the core drawings and of the input panel's picture, the field boxes the
// drawings leave for the page's edit fields (dimension lines run up to them,
// captions stand beside them) and the labels on the input panel. The page and
// the picture generator both build from these tables, so a field moved here
// moves on the page and in its drawing alike.
#pragma once

#include "calculators/Transformer/TransformerFields.h"
#include "common/core/Rect.h"

namespace transformer::geometry {

// One core drawing per kind (ImageTr01-05), the whole of the core panel.
inline constexpr int CoreSheetWidth = 560;
inline constexpr int CoreSheetHeight = 220;
// The picture behind the electrical inputs (ImageTr06), the whole of the input panel.
inline constexpr int InputSheetWidth = 180;
inline constexpr int InputSheetHeight = 220;

// Field boxes: a core dimension takes three characters, the results and the
// electrical inputs are wider.
inline constexpr int FieldHeight = 14;
inline constexpr int DimensionFieldWidth = 20;
inline constexpr int WideFieldWidth = 30;

constexpr bool fnIsDimensionField(TTransField field)
{
    return static_cast<int>(field) <= static_cast<int>(TTransField::Dmin);
}
constexpr int fnFieldWidth(TTransField field)
{
    return fnIsDimensionField(field) ? DimensionFieldWidth : WideFieldWidth;
}
constexpr TRect fnFieldRect(TTransField field, TPoint at) { return fnRectAt(at, fnFieldWidth(field), FieldHeight); }

// The fields over a core drawing, by drawing family: E-I cores (laminated or
// tape), U-I cores, and the ring. A field the family has no use for is hidden.
inline constexpr TPoint Hidden{-1, -1};
struct TCoreFieldPlace {
    TTransField field;
    TPoint ei;
    TPoint ui;
    TPoint toroid;
};
inline constexpr TCoreFieldPlace CoreFieldPlaces[] = {
    {TTransField::A, {189, 200}, {223, 200}, Hidden},        {TTransField::H, {293, 188}, {289, 191}, {310, 125}},
    {TTransField::B, {38, 104}, {67, 97}, Hidden},           {TTransField::C, {130, 200}, {164, 200}, Hidden},
    {TTransField::Dmax, Hidden, Hidden, {160, 42}},          {TTransField::Dmin, Hidden, Hidden, {59, 155}},
    {TTransField::Sc, {467, 20}, {467, 20}, {476, 20}},      {TTransField::Sw, {467, 56}, {467, 56}, {476, 56}},
    {TTransField::Pmax, {427, 145}, {427, 145}, {427, 145}}, {TTransField::Ptr, {427, 181}, {427, 181}, {427, 181}},
};

constexpr TPoint fnCoreFieldPlace(const TCoreFieldPlace& place, TTransCoreKind kind)
{
    switch (kind) {
    case TTransCoreKind::LamEI:
    case TTransCoreKind::LentEI: return place.ei;
    case TTransCoreKind::LamUI:
    case TTransCoreKind::LentUI: return place.ui;
    case TTransCoreKind::Toroid: return place.toroid;
    }
    return Hidden;
}

// The box of a field on a core drawing; an empty rectangle where the kind hides it.
constexpr TRect fnCoreFieldRect(TTransCoreKind kind, TTransField field)
{
    for (const TCoreFieldPlace& place : CoreFieldPlaces)
        if (place.field == field && fnCoreFieldPlace(place, kind) != Hidden)
            return fnFieldRect(field, fnCoreFieldPlace(place, kind));
    return {};
}

// The electrical inputs, one under the other in a column on the input picture.
inline constexpr int InputFieldLeft = 49;
struct TInputFieldPlace {
    TTransField field;
    int top;
};
inline constexpr TInputFieldPlace InputFieldPlaces[] = {
    {TTransField::Vp, 23}, {TTransField::F, 45},   {TTransField::KPD, 66}, {TTransField::Bi, 87},
    {TTransField::J, 108}, {TTransField::Kc, 129}, {TTransField::Kw, 150},
};
constexpr TRect fnInputFieldRect(const TInputFieldPlace& place)
{
    return fnFieldRect(place.field, {InputFieldLeft, place.top});
}

// Right of the input column: a unit label beside its field (V, Hz, T, A/mm2),
// and on the rows without one the picture's word of explanation, a pixel in.
inline constexpr int InputLabelLeft = InputFieldLeft + WideFieldWidth + 4;
// The title over the column, centred on the picture, and the thickness list
// under it with its label.
inline constexpr int InputTitleTop = 4;
inline constexpr TPoint ThicknessLabel{8, 176};
inline constexpr int ThicknessListWidth = 60;

} // namespace transformer::geometry
