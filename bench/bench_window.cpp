// How responsive the window stays on a large sheet, and what the window costs over a run
// without one. Under the offscreen platform the window reads the benchmarks' generated
// contact sheet (.xlsx, 100,000 rows by 20 columns unless told otherwise), maps every
// column that reaches a card and converts; a
// 5 ms timer measures the longest gap between its ticks during the read and during the
// conversion. The same read and conversion then run without a window, as the command line
// runs them, and the two times are compared.
//
// Usage: bench_window [--rows N] [--sheet FILE] [--separate]
// --sheet reads FILE instead of the generated sheet (its header row must be the generated
// one's, e.g. another format written by "bench_readers --keep FOLDER"); --separate writes
// one file per contact instead of one file for all.
//
// Between the mapping and the conversion the card preview is timed: changes that redraw it
// (removing and adding a mapping, choosing a version, a date order, another contact), each
// timed from the action to the redrawn preview.

#include "BenchSheets.h"
#include "ConversionRun.h"
#include "DialogService.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"
#include "frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The generated sheet's headers, and the field each is mapped to (none: left unmapped).
const char* const kColumns[][2] = {
    {"First Name", "FirstName"},
    {"Last Name", "LastName"},
    {"E-mail", "EmailAddress"},
    {"Mobile", "MobileNumber"},
    {"Business Phone", "BusinessTelephoneNumber"},
    {"Company", "Company"},
    {"Job Title", "JobTitle"},
    {"Department", "Department"},
    {"Street", "BusinessAddressStreet"},
    {"City", "BusinessAddressCity"},
    {"State", "BusinessAddressState"},
    {"ZIP", "BusinessAddressPostalCode"},
    {"Country", "BusinessAddressCountry"},
    {"Home Phone", "HomeTelephoneNumber"},
    {"Web Page", "BusinessHomePage"},
    {"Birthday", nullptr},
    {"Score", nullptr},
    {"Middle Name", "MiddleName"},
    {"Title", "Title"},
    {"Notes", "Notes"},
};

class BenchDialogs final : public DialogService {
public:
    QString sheet;
    QString saveLocation;
    QString lastMessage;

    void showMessage(QWidget*, const QString&, const QString& text, Icon) override {
        lastMessage = text;
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    QString openFileName(QWidget*, const QString&) override { return sheet; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString pickFolder(QWidget*, const QString&) override { return QString(); }
    QString specialFolder() override { return saveLocation; }
    void openWithShell(const QString&) override {}
    bool editServer(QWidget*, ServerChoice&, const QList<HeaderChoice>&) override { return false; }
    std::optional<QString> storedPassword(const ServerChoice&) override { return std::nullopt; }
};

// The longest time between two ticks of a fast timer while some work runs.
class GapMeter {
public:
    explicit GapMeter(QObject* parent) : m_timer(parent) {
        m_timer.setInterval(5);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = qMax(m_longest, m_clock.restart()); });
    }
    void start() {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    void stop() {
        m_longest = qMax(m_longest, m_clock.elapsed());
        m_timer.stop();
    }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

class PlainHost final : public ConversionHost {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress&) override {}
    bool stopRequested() override { return false; }
};

template <class T> T* control(QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "bench_window: no control %s\n", qPrintable(name));
        std::exit(1);
    }
    return found;
}

// The window reads and converts on a worker thread: its own thread handles events (the gap
// meter's ticks among them) until the work has ended and its result is shown.
void waitIdle(const frmMain& window) {
    while (window.busy()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Times of the changes that redraw the card preview.
struct ChangeTimes {
    qint64 totalNs = 0;
    qint64 longestNs = 0;
    int changes = 0;

    void time(const std::function<void()>& change) {
        QElapsedTimer clock;
        clock.start();
        change();
        const qint64 ns = clock.nsecsElapsed();
        totalNs += ns;
        longestNs = qMax(longestNs, ns);
        ++changes;
    }
};

// Step 2: removes the last mapping and adds it again, ten times.
void timeMappingChanges(QWidget& window, ChangeTimes& mapping) {
    auto* list = control<QListWidget>(window, u"mappedList"_s);
    auto* headers = control<QComboBox>(window, u"cmbHeader"_s);
    auto* fields = control<QComboBox>(window, u"cmbOutlook"_s);
    const int mappings = int(list->count());
    for (int i = 0; i < 10; ++i) {
        mapping.time([&] {
            list->setCurrentRow(list->count() - 1);
            control<QPushButton>(window, u"cmdRemove"_s)->click();
        });
        if (list->count() != mappings - 1) {
            std::fprintf(stderr, "bench_window: Remove did not remove a mapping\n");
            std::exit(1);
        }
        mapping.time([&] {
            headers->setCurrentIndex(headers->count() - 1);
            fields->setCurrentIndex(fields->count() - 1);
            control<QPushButton>(window, u"cmdAddMapping"_s)->click();
        });
    }
    if (list->count() != mappings) {
        std::fprintf(stderr, "bench_window: Add did not map the column again\n");
        std::exit(1);
    }
}

// Step 3: the versions, the date order and other contacts, ten times each.
void timeOptionChanges(QWidget& window, ChangeTimes& options, ChangeTimes& contacts) {
    auto* card = control<QPlainTextEdit>(window, u"txtCardPreview"_s);
    auto* contact = control<QSpinBox>(window, u"spnPreviewContact"_s);
    auto* order = control<QComboBox>(window, u"cmbDateOrder"_s);
    const QString before = card->toPlainText();
    for (int i = 0; i < 10; ++i) {
        for (const char* version : {"Opt4", "Opt2", "Opt3"}) {
            options.time(
                [&] { control<QRadioButton>(window, QString::fromUtf8(version))->click(); });
        }
        options.time([&] { order->setCurrentIndex((order->currentIndex() + 1) % order->count()); });
        contacts.time([&] { contact->stepBy(i < 5 ? 1000 : -100); });
    }
    if (card->toPlainText() == before || !card->toPlainText().startsWith(u"BEGIN:VCARD"_s)) {
        std::fprintf(stderr, "bench_window: the card preview did not change\n%s\n",
                     qPrintable(card->toPlainText()));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int rows = 100000;
    QString sheet;
    bool single = true;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--rows"_s && i + 1 < args.size()) {
            rows = args[++i].toInt();
        } else if (args[i] == u"--sheet"_s && i + 1 < args.size()) {
            sheet = args[++i];
        } else if (args[i] == u"--separate"_s) {
            single = false;
        } else {
            std::fprintf(stderr, "usage: bench_window [--rows N] [--sheet FILE] [--separate]\n");
            return 2;
        }
    }
    QTemporaryDir work;
    if (sheet.isEmpty()) {
        sheet = work.filePath(u"contacts.xlsx"_s);
        if (!benchsheets::writeXlsx(benchsheets::ContactSheet(rows), sheet)) {
            std::fprintf(stderr, "bench_window: cannot write %s\n", qPrintable(sheet));
            return 1;
        }
    }
    // Window and no-window runs alternate, and the best of each counts, so that neither side
    // gains from a warm disk cache or loses to a busy machine.
    constexpr int kRepeats = 3;
    struct Best {
        qint64 readMs = std::numeric_limits<qint64>::max();
        qint64 convertMs = std::numeric_limits<qint64>::max();
        qint64 readGap = 0;
        qint64 convertGap = 0;
    };
    Best windowed;
    Best plain;
    ChangeTimes previewMapping;
    ChangeTimes previewOptions;
    ChangeTimes previewContacts;
    qint32 dataRows = 0;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const QString windowOut = work.filePath(u"window%1"_s.arg(repeat));
        const QString plainOut = work.filePath(u"plain%1"_s.arg(repeat));
        QDir().mkpath(windowOut);
        QDir().mkpath(plainOut);

        BenchDialogs dialogs;
        dialogs.sheet = sheet;
        dialogs.saveLocation = windowOut;
        frmMain window(dialogs);
        window.show();
        QCoreApplication::processEvents();
        GapMeter gaps(&window);

        QElapsedTimer clock;
        clock.start();
        gaps.start();
        control<QPushButton>(window, u"cmdBrowse"_s)->click();
        waitIdle(window);
        gaps.stop();
        windowed.readMs = qMin(windowed.readMs, clock.elapsed());
        windowed.readGap = qMax(windowed.readGap, gaps.longest());
        if (!dialogs.lastMessage.isEmpty()) {
            std::fprintf(stderr, "bench_window: %s\n", qPrintable(dialogs.lastMessage));
            return 1;
        }

        control<QPushButton>(window, u"cmdNext"_s)->click();
        auto* headers = control<QComboBox>(window, u"cmbHeader"_s);
        auto* fields = control<QComboBox>(window, u"cmbOutlook"_s);
        for (const auto& column : kColumns) {
            if (column[1]) {
                headers->setCurrentIndex(headers->findText(QString::fromUtf8(column[0])));
                fields->setCurrentIndex(fields->findText(QString::fromUtf8(column[1])));
                control<QPushButton>(window, u"cmdAddMapping"_s)->click();
            }
        }
        timeMappingChanges(window, previewMapping);
        control<QPushButton>(window, u"cmdNext"_s)->click();
        timeOptionChanges(window, previewOptions, previewContacts);
        control<QCheckBox>(window, u"ChkSinglevCard"_s)->setChecked(single);
        control<QRadioButton>(window, u"Opt3"_s)->click();

        clock.restart();
        gaps.start();
        control<QPushButton>(window, u"cmdNext"_s)->click();
        waitIdle(window);
        gaps.stop();
        windowed.convertMs = qMin(windowed.convertMs, clock.elapsed());
        windowed.convertGap = qMax(windowed.convertGap, gaps.longest());

        // The same work without a window, as the command line does it.
        WizardState state = window.state();
        FileWorkbookSource source;
        Yielder quiet;
        clock.restart();
        const WorkbookScanResult scan = scanWorkbook(source, sheet, quiet);
        applyScan(state, scan);
        plain.readMs = qMin(plain.readMs, clock.elapsed());
        // Reading empties the mapping list; the run without a window maps the same columns.
        state.mappedHeaders = window.state().mappedHeaders;
        state.mappedFields = window.state().mappedFields;
        state.mappedColumns = window.state().mappedColumns;
        state.mappingCount = window.state().mappingCount;
        ConversionOptions options;
        options.vCardVersion = VCardVersion::V30;
        options.singleFile = single;
        options.saveLocation = plainOut;
        PlainHost host;
        clock.restart();
        const ConversionReport report = convertContacts(state, sheet, source, options, host);
        plain.convertMs = qMin(plain.convertMs, clock.elapsed());
        if (!scan.status || !report.allWritten()) {
            std::fprintf(stderr, "bench_window: the run without a window failed: %s\n",
                         qPrintable(scan.status ? report.message : scan.status.message()));
            return 1;
        }
        dataRows = state.itemCount - 1;
        QDir(windowOut).removeRecursively();
        QDir(plainOut).removeRecursively();
    }

    std::printf("sheet: %s, %d data rows, %s; best of %d\n",
                qPrintable(QFileInfo(sheet).fileName()), dataRows,
                single ? "one file" : "one file per contact", kRepeats);
    std::printf("%-10s %12s %16s %16s\n", "phase", "window ms", "longest gap ms", "no window ms");
    std::printf("%-10s %12lld %16lld %16lld\n", "read", windowed.readMs, windowed.readGap,
                plain.readMs);
    std::printf("%-10s %12lld %16lld %16lld\n", "convert", windowed.convertMs, windowed.convertGap,
                plain.convertMs);
    std::printf("conversion, window / no window: %.2f\n",
                double(windowed.convertMs) / double(qMax<qint64>(1, plain.convertMs)));
    std::printf("read + conversion, window / no window: %.2f\n",
                double(windowed.readMs + windowed.convertMs) /
                    double(qMax<qint64>(1, plain.readMs + plain.convertMs)));
    std::printf("%-26s %8s %11s %8s\n", "card preview change", "mean ms", "longest ms", "changes");
    for (const auto& [name, times] :
         {std::pair<const char*, const ChangeTimes&>{"mapping remove/add", previewMapping},
          {"version / date order", previewOptions},
          {"another contact", previewContacts}}) {
        std::printf("%-26s %8.2f %11.2f %8d\n", name,
                    double(times.totalNs) / 1e6 / qMax(1, times.changes),
                    double(times.longestNs) / 1e6, times.changes);
    }
    return 0;
}
