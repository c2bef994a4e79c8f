#include "app/report_page_layout.h"

#include <QMarginsF>
#include <QPageSize>

#include "htmlview/view_settings.h"

QPageLayout reportPageLayout(const PrintOptions& options, const QLocale& locale) {
    const PrintMargins& m = options.Margins;
    const bool none = m.Left == 0 && m.Top == 0 && m.Right == 0 && m.Bottom == 0;
    const QMarginsF margins =
        none ? QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm)
             : QMarginsF(m.Left, m.Top, m.Right, m.Bottom);
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    const auto orientation = options.Orientation == PrintOrientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait;
    return QPageLayout(size, orientation, margins, QPageLayout::Millimeter);
}
