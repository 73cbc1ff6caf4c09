// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module, loaded on the first print: found where the program
// looks for it, and a module that cannot be loaded costs the user the printer
// (the page can still be saved as PDF), never the program.

#include "PrintModule.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "ReportWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {
namespace {

TEST(PrintModule, LoadsTheBuiltModuleAndRefusesAnythingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString empty = dir.filePath("velmora-print.so");
    QFile(empty).open(QIODevice::WriteOnly); // a file of no bytes under the module's name
    struct Case {
        const char* what;
        QString path;
        bool loads;
    };
    const Case cases[] = {
        {"the module built beside the program", QStringLiteral(VELMORA_PRINT_MODULE), true},
        {"no file there", dir.filePath("none.so"), false},
        {"an empty file", empty, false},
        {"a text file", QStringLiteral(VELMORA_NOT_A_MODULE), false},
        {"a folder", dir.path(), false},
    };
    for (const Case& c : cases) {
        QString why;
        const DefaultPrinterEntry entry = loadPrintModule(c.path, &why);
        EXPECT_EQ(entry != nullptr, c.loads) << c.what;
        EXPECT_EQ(why.isEmpty(), c.loads) << c.what << ": " << why.toStdString();
    }
}

TEST(PrintModule, IsFoundBesideTheProgramOrInItsLibraryFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = dir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    // Installed: in the library folder the build was configured with.
    const QString installed = printModulePath(bin);
    EXPECT_TRUE(installed.startsWith(dir.path() + '/')) << installed.toStdString();
    EXPECT_TRUE(installed.endsWith(QStringLiteral("/velmora/velmora-print.so"))) << installed.toStdString();
    EXPECT_FALSE(installed.contains(QStringLiteral("/../"))) << installed.toStdString();
    // Built: beside the program, which wins.
    QFile(bin + "/velmora-print.so").open(QIODevice::WriteOnly);
    EXPECT_EQ(printModulePath(bin), bin + "/velmora-print.so");
}

// The real system but for the questions, and a module that is not there.
class NoModulePlatform : public QtPlatform {
public:
    QStringList asked;
    int printed = 0;
    int screenHeight() override { return 1080; }
    QString decimalSeparator() override { return QStringLiteral("."); }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        asked << text;
        return false; // no PDF either
    }
    void tell(QWidget*, const QString&, const QString& text) override { asked << text; }
    void pagePrinted() override { ++printed; }
    QString printModule() override { return QStringLiteral("/nonexistent/velmora-print.so"); }
};

TEST(PrintModule, WithoutItTheReportOffersAPdfInstead)
{
    NoModulePlatform platform;
    MainWindow window(Layout::Tall, platform);
    window.show();
    window.showReport();
    ReportWindow* report = window.reportWindow();
    ASSERT_NE(report, nullptr);
    report->Command1_Click();
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.asked.size(), 1);
    EXPECT_EQ(platform.asked.front(), QStringLiteral("Принтер недоступен. Сохранить страницу в файл PDF?"));
    delete report;
}

} // namespace
} // namespace velmora::testing
