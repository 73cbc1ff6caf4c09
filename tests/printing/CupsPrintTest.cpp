// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the report on a real spooler: the test starts a cupsd of its own
// (configuration, spool and socket in a temporary folder, reached through
// CUPS_SERVER), adds a queue with the cups-pdf driver as the default printer,
// prints through the program's own QPrinter road, and reads the job's spool
// file. Where no spooler can be started the test says why and is skipped.

#include "MainWindow.h"
#include "QtPlatform.h"
#include "ReportWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <memory>

namespace velmora::testing {
namespace {

// The real system but for the questions, which are recorded and answered No.
class PrintingPlatform : public QtPlatform {
public:
    int height = 1080;
    int printed = 0;
    QStringList said;

    int screenHeight() override { return height; }
    QString decimalSeparator() override { return QStringLiteral("."); }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        said << text;
        return false;
    }
    void tell(QWidget*, const QString&, const QString& text) override { said << text; }
    void pagePrinted() override { ++printed; }
    QString printModule() override { return QStringLiteral(VELMORA_PRINT_MODULE); }
};

QString run(const QString& program, const QStringList& arguments, int* status = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (status) *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

class CupsPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"cupsd", "lpadmin", "pdfinfo", "pdffonts", "pdftotext"}) {
            const QString path = QStandardPaths::findExecutable(
                QString::fromLatin1(tool), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                            QStringLiteral("/sbin"), QStringLiteral("/bin")});
            if (path.isEmpty())
                GTEST_SKIP() << tool << " is not installed (scripts/setup.sh --tests installs it)";
            tools_[QString::fromLatin1(tool)] = path;
        }
        ppd_ = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        if (!QFile::exists(ppd_))
            GTEST_SKIP() << "the cups-pdf driver is not installed (printer-driver-cups-pdf)";
        ASSERT_TRUE(dir_.isValid());
        const QString root = dir_.path();
        for (const char* sub : {"conf", "spool", "tmp", "cache", "state", "log", "out", "home"})
            ASSERT_TRUE(QDir(root).mkpath(QString::fromLatin1(sub)));
        QFile::setPermissions(root + "/spool", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::ExeGroup);
        socket_ = root + "/cups.sock";
        const QByteArray r = root.toUtf8();
        ASSERT_TRUE(writeFile(root + "/conf/cupsd.conf", "Listen " + socket_.toUtf8() +
                                                             "\n"
                                                             "LogLevel warn\n"
                                                             "Browsing No\n"
                                                             "WebInterface No\n"
                                                             "PreserveJobFiles Yes\n"
                                                             "PreserveJobHistory Yes\n"
                                                             "DefaultAuthType None\n"
                                                             "<Location />\n  Order allow,deny\n  Allow all\n"
                                                             "</Location>\n"
                                                             "<Policy default>\n  <Limit All>\n    Order "
                                                             "deny,allow\n  </Limit>\n</Policy>\n"));
        ASSERT_TRUE(writeFile(root + "/conf/cups-files.conf",
                              "ServerRoot " + r + "/conf\nRequestRoot " + r + "/spool\nTempDir " + r +
                                  "/tmp\nCacheDir " + r + "/cache\nStateDir " + r + "/state\nAccessLog " + r +
                                  "/log/access_log\nErrorLog " + r + "/log/error_log\nPageLog " + r +
                                  "/log/page_log\nFileDevice Yes\nSandboxing Relaxed\n"));

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(tools_["cupsd"], {QStringLiteral("-f"), QStringLiteral("-c"), root + "/conf/cupsd.conf",
                                       QStringLiteral("-s"), root + "/conf/cups-files.conf"});
        if (!cupsd_.waitForStarted(10000)) GTEST_SKIP() << "cupsd could not be started";
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket_) && cupsd_.state() == QProcess::Running && waited.elapsed() < 20000)
            QThread::msleep(50);
        if (!QFile::exists(socket_)) {
            const QString log = QString::fromUtf8(cupsd_.readAll());
            GTEST_SKIP() << "cupsd did not open its socket: " << log.toStdString();
        }

        // Everything of CUPS from here on talks to this spooler only.
        qputenv("CUPS_SERVER", socket_.toUtf8());
        qputenv("HOME", (root + "/home").toUtf8());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        int status = 0;
        const QString added =
            run(tools_["lpadmin"],
                {QStringLiteral("-p"), QStringLiteral("velmora-test"), QStringLiteral("-E"),
                 QStringLiteral("-v"), "file://" + root + "/out/printed", QStringLiteral("-P"), ppd_},
                &status);
        if (status != 0) GTEST_SKIP() << "the spooler refused the queue: " << added.toStdString();
        run(tools_["lpadmin"], {QStringLiteral("-d"), QStringLiteral("velmora-test")}, &status);
        ASSERT_EQ(status, 0);
    }

    void TearDown() override
    {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000)) {
                cupsd_.kill();
                cupsd_.waitForFinished(5000);
            }
        }
    }

    // The document file of the first job, kept by the spooler after printing.
    QString spoolFile() const
    {
        const QString path = dir_.path() + "/spool/d00001-001";
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(path) && waited.elapsed() < 20000) QThread::msleep(50);
        return path;
    }

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString socket_;
    QString ppd_;
    QHash<QString, QString> tools_;
};

// One page of vector text in the spool file, under the job's name, without
// the memory jump a raster page costs.
TEST_F(CupsPrintTest, TheReportReachesTheSpoolerAsTextOnOnePage)
{
    PrintingPlatform platform;
    MainWindow window(Layout::Tall, platform);
    window.show();
    window.showReport();
    ReportWindow* report = window.reportWindow();
    ASSERT_NE(report, nullptr);
    report->Command1_Click();
    EXPECT_EQ(platform.printed, 1);
    EXPECT_TRUE(platform.said.isEmpty()) << platform.said.join('\n').toStdString();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory while printing: %ld KiB\n", usage.ru_maxrss);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "peak resident memory in KiB";

    const QString job = spoolFile();
    ASSERT_TRUE(QFile::exists(job)) << "no spool file; cupsd said: " << cupsd_.readAll().toStdString();
    const QString info = run(tools_["pdfinfo"], {job});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const QStringList fonts = run(tools_["pdffonts"], {job}).split('\n', Qt::SkipEmptyParts);
    EXPECT_GE(fonts.size(), 3) << "no font in the job: " << fonts.join('\n').toStdString();
    const QString text = run(tools_["pdftotext"], {job, QStringLiteral("-")});
    for (const char* words : {"Рассчёт требуемого для системы объёма памяти:", "Общий объём за день:",
                              "Суммарный битрейт:", "16.64", "Гбайт"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words << " not in:\n" << text.toStdString();

    // The job carries its name (in the job's control file, once the spooler has written it).
    QFile control(dir_.path() + "/spool/c00001");
    QElapsedTimer waited;
    waited.start();
    while (!control.open(QIODevice::ReadOnly) && waited.elapsed() < 20000) QThread::msleep(50);
    ASSERT_TRUE(control.isOpen());
    EXPECT_TRUE(control.readAll().contains(QByteArray("Velmora: отчёт")));
    delete report;
}

} // namespace
} // namespace velmora::testing
