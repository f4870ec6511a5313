// The drawing unit and the sizes of the chart, in logical units of 0.1 mm.
#pragma once

namespace brelvan::views {

// Logical units (tenths of a millimetre) per inch.
inline constexpr double kTenthsMmPerInch = 254.0;

// The plot area: on screen, on screen with the magnifier, on a portrait and on a landscape page.
inline constexpr int kScreenWidth = 1300, kScreenHeight = 750;
inline constexpr int kMagnifiedWidth = 1950, kMagnifiedHeight = 1125;
inline constexpr int kPortraitWidth = 1300, kPortraitHeight = 2100;
inline constexpr int kLandscapeWidth = 2200, kLandscapeHeight = 1300;
// Room around the plot on screen for the axes, their labels and the legend.
inline constexpr int kScreenMarginWidth = 800, kScreenMarginHeight = 600;
// The scrollable area of the chart view.
inline constexpr int kChartViewWidth = 2500, kChartViewHeight = 2200;
// An A4 page, portrait.
inline constexpr int kPageWidth = 2100, kPageHeight = 2970;

} // namespace brelvan::views
