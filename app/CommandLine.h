// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace velmora {

// What the command line asks the program to do. Each mode has its own function
// in main.cpp; a new mode adds an entry here, its options in
// defineOptions() and a case in readCommandLine().
enum class Mode {
    Window,  // open the main window (the default), with the plan named, if any
    Export,  // write the plan's report page (PDF) or channel table (CSV) and end
    Help,    // print the options and end
    Version, // print the version and end
    Measure, // measure a camera's stream with velmora-measure, no window
    Audit,   // measure every camera of a list and write their plan, no window
    Check,   // measure every camera of a list and check it against a plan, no window
    Error,   // a wrong command line: print `error` in one line and end with 2
};

struct CommandLine {
    Mode mode = Mode::Window;
    QString error;               // one line, for Mode::Error
    bool platformChosen = false; // -platform names where the window opens
    QString measureSource;       // for Mode::Measure: the address or file
    QString measureSeconds;      // and the seconds given, empty for the default
    QString auditList;    // for Mode::Audit and Mode::Check: the list of sources, "-" for standard input
    int auditSeconds = 0; // and the seconds and processes at once, checked
    int auditJobs = 0;
    QString plan;         // the plan file to open, export or check, or that --audit writes
    double tolerance = 0; // for Mode::Check: how far a rate may grow, in percent
    bool json = false;    // and whether it prints JSON instead of the table
    QString pdfOut;       // --export-pdf: where the report page goes
    QString csvOut;       // --export-csv: where the channel table goes, "-" for standard output
    QString decimal;      // --decimal: the decimal separator of the export, empty for the system's
};

// Exit status of an export that failed (the reason on standard error).
inline constexpr int kExportFailed = 1;

// Exit status of a wrong command line, and of a list of sources that cannot be read.
inline constexpr int kUsageError = 2;

// The program's own options and the options Qt takes for itself (hidden from
// the help, so that -platform and -style reach QApplication untouched).
void defineOptions(QCommandLineParser& parser);

// Reads the arguments (the program's name first). Needs no application
// object and no display.
CommandLine readCommandLine(const QStringList& arguments);

// The arguments as the program received them, for readCommandLine().
QStringList argumentList(int argc, char* argv[]);

// The text --help prints and the line --version prints.
QString helpText();
QString versionText();

} // namespace velmora
