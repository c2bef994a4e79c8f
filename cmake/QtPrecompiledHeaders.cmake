# The Qt headers the window program, the view and their tests include again and again, compiled
# once (in the view library) and reused by every other target that uses Qt's widgets: parsing
# them is most of the time each of those files takes to compile. The targets share the same
# compile options, so one precompiled header serves them all.
target_precompile_headers(quorvel_htmlview PRIVATE
    <QApplication>
    <QByteArray>
    <QComboBox>
    <QDir>
    <QFile>
    <QLabel>
    <QListWidget>
    <QObject>
    <QPlainTextEdit>
    <QPushButton>
    <QString>
    <QStringList>
    <QTabWidget>
    <QTimer>
    <QToolButton>
    <QUrl>
    <QVariant>
    <QWebEnginePage>
    <QWebEngineProfile>
    <QWebEngineSettings>
    <QWebEngineView>
    <QWidget>)

foreach(target
        quorvel_app quorvel htmlview_demo
        quorvel_gui_test_support app_tests fault_tests
        tst_htmlview_data tst_embedded_wb tst_embedded_wb_input
        quorvel_asset_test_support tst_chart_scripts tst_like_page_and_icons
        quorvel-bench-app quorvel-bench-floor)
    if(TARGET ${target})
        target_precompile_headers(${target} REUSE_FROM quorvel_htmlview)
    endif()
endforeach()
