#pragma once

#include <QLocale>
#include <QPageLayout>

struct PrintOptions;

// The margins of a printed report when the view's print options give none: 0.75 inch.
inline constexpr double kReportMarginMm = 19.05;

// The page a report is printed on or saved as PDF: Letter where the locale measures in inches
// (the United States), A4 elsewhere; the view's print margins (millimetres) on each side, or
// kReportMarginMm on every side when they are all zero; the view's orientation.
QPageLayout reportPageLayout(const PrintOptions& options, const QLocale& locale = QLocale());
