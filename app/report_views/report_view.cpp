#include "app/report_views/report_view.h"

#include "app/startup/program_language.h"
#include "htmlview/html_view.h"
#include "reports/chart_words.h"

HtmlView* makeReportView(const char* objectName, QWidget* parent) {
    auto* view = new HtmlView(parent);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setUserInterfaceOptions(
        {UserInterfaceOption::DisableTextSelect, UserInterfaceOption::DisableHelpMenu,
         UserInterfaceOption::DontUse3DBorders, UserInterfaceOption::ForceFlatScrollBars,
         UserInterfaceOption::EnablesFormsAutoComplete, UserInterfaceOption::EnableThemes});
    view->setDisableCtrlShortcuts(QStringLiteral("N"));
    // The charts' words in the program's language, in every page before its scripts.
    view->setDocumentStartScript(chartWordsScript(programLanguage()));
    PrintOptions& print = view->printOptions();
    print.Margins = {19.05, 19.05, 19.05, 19.05};
    print.Header = "&w&bP\xE1gina &p de &P";  // Windows-1252
    print.Footer = "&u&b&d";
    print.Orientation = PrintOrientation::Portrait;
    return view;
}
