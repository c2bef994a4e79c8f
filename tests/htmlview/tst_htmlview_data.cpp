// The view's parts that need no web engine: the code-page conversion, the settings' flag word
// and the page-code list.
#include <QSignalSpy>
#include <QTest>

#include "htmlview/html_code.h"
#include "htmlview/view_settings.h"
#include "htmlview/win1252.h"

using O = UserInterfaceOption;

class TestHtmlViewData : public QObject {
    Q_OBJECT
  private slots:
    void windows1252ToUtf16();
    void hostUIFlags();
    void htmlCodeSignalsEveryChange();
};

void TestHtmlViewData::windows1252ToUtf16() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = fromWindows1252(all);
    QCOMPARE(text.size(), 256);
    // ASCII and the Latin-1 half are the same code points.
    for (int b : {0x00, 0x0D, 0x0A, 0x41, 0x7F, 0xA0, 0xB5, 0xE9, 0xFF})
        QCOMPARE(text.at(b).unicode(), char16_t(b));
    // The code page's own characters in 0x80-0x9F.
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x8A), QChar(0x0160));
    QCOMPARE(text.at(0x92), QChar(0x2019));
    QCOMPARE(text.at(0x96), QChar(0x2013));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    // The five bytes the code page leaves undefined keep their value.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QCOMPARE(text.at(b).unicode(), char16_t(b));
    QCOMPARE(fromWindows1252("91.41\xB5g \x80"), QString::fromUtf8("91.41µg €"));
    QCOMPARE(fromWindows1252(std::string("a\0b", 3)).size(), 3);
    QVERIFY(fromWindows1252("").isEmpty());
}

void TestHtmlViewData::hostUIFlags() {
    QCOMPARE(hostUiFlagsOf(kDefaultUserInterfaceOptions), 0x44000u);
    QCOMPARE(hostUiFlagsOf({O::DisableTextSelect, O::DisableHelpMenu, O::DontUse3DBorders,
                            O::ForceFlatScrollBars, O::EnablesFormsAutoComplete, O::EnableThemes}),
             0x44087u);
    QCOMPARE(hostUiFlagsOf({O::DisableTextSelect, O::DisableHelpMenu, O::DontUse3DBorders,
                            O::DontUseScrollBars, O::EnableThemes}),
             0x4000Fu);
    QCOMPARE(hostUiFlagsOf({}), 0u);
    // Options 0..14 are 2^i, 15..28 are 2^(i+1): 0x8000 stands for none.
    QCOMPARE(hostUiFlagsOf({O::EnablesFormsAutoComplete}), 0x4000u);
    QCOMPARE(hostUiFlagsOf({O::ForceSameWindowNavigation}), 0x10000u);
    QCOMPARE(hostUiFlagsOf({O::ForceUserActivationOnActiveXJava}), 0x20000000u);
    UserInterfaceOptions all;
    for (int i = 0; i < kUserInterfaceOptionCount; ++i)
        all.include(static_cast<O>(i));
    QCOMPARE(hostUiFlagsOf(all), 0x3FFF7FFFu);

    UserInterfaceOptions set{O::DontUseScrollBars};
    set.exclude(O::DontUseScrollBars);
    QVERIFY(set == UserInterfaceOptions{});
    QCOMPARE(kDefaultDownloadOptions, 0x70u);
    const PrintOptions print;
    QVERIFY(!print.Enabled);
    QCOMPARE(print.HTMLHeader, std::vector<std::string>{"<HTML></HTML>"});
    QVERIFY(print.Orientation == PrintOrientation::Portrait);
}

void TestHtmlViewData::htmlCodeSignalsEveryChange() {
    HtmlCode code;
    QSignalSpy changed(&code, &HtmlCode::changed);
    code.add("<html>");
    code.add("</html>");
    QCOMPARE(code.count(), 2);
    code.setText({"one"});
    QCOMPARE(code.Lines(), std::vector<std::string>{"one"});
    code.clear();
    QCOMPARE(code.count(), 0);
    QCOMPARE(changed.count(), 4);
}

QTEST_GUILESS_MAIN(TestHtmlViewData)
#include "tst_htmlview_data.moc"
