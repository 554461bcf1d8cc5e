#pragma once

#include "ConversionOptions.h"
#include "FieldMapping.h"
#include "ServerChoice.h"
#include "WizardState.h"
#include "WorkbookSource.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>

class DialogService;
class PathBox;
class PreviewGrid;
class PreviewModel;
class QAction;
class QThread;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMimeData;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class frmAbout;
struct ConversionProgress;
struct ConversionReport;
struct WorkbookScanResult;

// The three-step wizard window. It shows what the workbook scan and the mapping and
// conversion models hold and forwards the user's actions to them; the rules live there.
class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(DialogService& dialogs, QWidget* parent = nullptr);
    ~frmMain() override;

    const WizardState& state() const { return m_state; }
    // Every choice of step 3 as its controls hold it now: what Convert converts with and
    // what the card preview shows.
    ConversionOptions conversionOptions() const;
    // The clock that stamps the folders "Change..." makes (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // True while a workbook is read or a conversion runs.
    bool busy() const { return m_work != Work::Idle; }
    // Opens a spreadsheet as Browse does with the file chosen in its dialog: the program
    // started with a path, or a file dropped on the window. Shows step 1 first.
    void openFile(const QString& path);
    // Whether a drag carries something openFile takes: one local file with a spreadsheet's
    // extension (.xlsx, .xls, .ods, .csv).
    static bool isSpreadsheetDrop(const QMimeData* mime);
    // The file the program was started with: the first argument after the program's name
    // that is not an option ("--" ends the options), made absolute; empty when none.
    static QString fileArgument(const QStringList& arguments);
    // The sheet row of the contact the card preview shows (0 when none).
    qint32 previewRow() const;

public Q_SLOTS:
    void Form_Load();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdBrowse_Click();
    void cmdAddMapping_Click();
    void cmdRemove_Click();
    void cmdAutoMap_Click();
    void cmdSaveMapping_Click();
    void cmdLoadMapping_Click();
    void CmdChangevCardPath_Click();
    void cmdServer_Click();
    void progressBar_Timer();
    void Exit_Click();
    void AboutUs_Click();
    void Help_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Work { Idle, Reading, Converting };
    class RunHost;

    // frmMainLayout.cpp: the controls made, placed and fitted to their captions.
    void buildWindow();
    void buildMenus();
    void buildToolBar();
    void buildSelectTab(QWidget* page, int top);
    void buildMappingTab(QWidget* page, int top);
    void buildExportTab(QWidget* page, int top);
    void buildStatusBar();
    void fitToCaptions(QWidget* central);
    void setTabOrders();
    // frmMainPreview.cpp: the card preview beside the steps.
    void buildCardPreview(QWidget* central, int left);
    void connectCardPreview();
    // The contacts of the workbook just read (m_contactRows) offered by the row selector.
    void loadContactRows();
    // Shows the card of the selected contact with the mapping and options as they are now.
    void updateCardPreview();
    // A row picked in step 1's grid selects its contact.
    void selectGridContact(int gridRow);

    // Which handler each control's signal runs.
    void connectHandlers();

    // Reads worksheet number sheet of the workbook named in txtExcelPath on a worker thread;
    // then shows it, or tells why it could not be read, and calls done with whether it was.
    void extractExcelData(qint32 sheet, std::function<void(bool read)> done);
    // The read's result taken into the window; false when it could not be read.
    bool showWorkbook(const WorkbookScanResult& result, const QList<qint32>& contactRows);
    // Browse's work once it has a path: read it, or keep the workbook the window had.
    void openSpreadsheet(const QString& path);
    // Another worksheet chosen in cmbSheet: its rows are read as a new workbook's would be.
    void cmbSheet_Change(int index);
    // cmbSheet lists the workbook's worksheets; shown only when there are two or more.
    void showSheets(const QStringList& names, qint32 current);
    // A drag or drop the window takes (anywhere in it); false leaves it to the control.
    bool takeDrag(QDropEvent* event);
    // Step 3's Convert: starts the conversion on a worker thread.
    void runConversion();
    // The run's counts as the worker last posted them.
    void showProgress(const ConversionProgress& progress);
    // The end of a run: the counts, the bar, and how it ended.
    void conversionFinished(const ConversionReport& report);
    // The sentences of the end dialog.
    QString endDialogText(const ConversionReport& report) const;
    // The end message of a run to a server: the counts, the address book, the contacts not
    // sent; or why nothing was sent.
    QString serverEndText(const ConversionReport& report) const;
    // After a run to a server, or a Convert refused for want of one: Convert and Previous can
    // be pressed again (a run to a folder ends the program or opens the folder instead).
    void readyForAnotherRun();
    void showTab(int index);
    // Refuses a disabled step however it was asked for: code, an accessibility action.
    void ExportTab_CurrentChanged(int index);
    // cmdNext's caption, and its spoken name without the arrow.
    void setNextCaption(const QString& caption);
    // A step-3 count, spoken with its caption: "Number of Contacts Added: 6/6".
    void setCountText(QLabel* count, const QString& text);
    void setCountLabelsVisible(bool visible);
    void refreshMappingControls(bool keepChoices);
    void setWork(Work work);
    // Step 3's controls usable when no run goes on, each as far as the import target lets it.
    void updateExportControls();
    VCardVersion checkedVersion() const;
    // Offers the version buttons and the single-file box the chosen target takes, with the
    // user's own choices where the target takes them.
    void cmbImportTarget_Change();
    // A version or single-file choice the user made, kept while a target overrides it.
    void rememberOwnChoices();
    // Folder or server: what the other step-3 controls offer follows.
    void cmbSendTo_Change();
    bool toServer() const;
    void updatePhoneControls();
    void updateOpenExcelAction();
    void message(const QString& text);

    DialogService& m_dialogs;
    WizardState m_state;
    MappingModel m_mapping{m_state};
    // One source for step 1 and the conversion: an unchanged file is not read twice. While a
    // read or run goes on, its worker holds it (and this is empty).
    std::unique_ptr<WorkbookSource> m_source = makeFileWorkbookSource();
    // What the file dialog last reported: a cancelled dialog keeps the previous name.
    QString m_fileName;
    std::function<QDateTime()> m_clock;
    Work m_work = Work::Idle;
    // The read or run going on, on its worker thread.
    QPointer<QThread> m_worker;
    // Set when the window is destroyed during a run: the run stops at its next row.
    std::shared_ptr<std::atomic_bool> m_stopWork = std::make_shared<std::atomic_bool>(false);
    bool m_closeRequested = false;
    bool m_nextWasEnabled = false;
    bool m_previousWasEnabled = false;
    int m_shownTab = 0;
    QPointer<frmAbout> m_about;

    // The controls, made by buildWindow; the timer progressBar by the constructor.
    QAction* m_exit = nullptr;
    QAction* m_aboutUs = nullptr;
    QAction* m_help = nullptr;
    QAction* m_openExcel = nullptr;
    QLabel* Picture1 = nullptr;
    QTabWidget* ExportTab = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QLabel* statusPanels[3] = {};

    QLabel* Label1 = nullptr;
    PathBox* txtExcelPath = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QLabel* lblSheet = nullptr;
    QComboBox* cmbSheet = nullptr;
    // Set while cmbSheet is filled or put back, so that only a user's choice reads a sheet.
    bool m_fillingSheets = false;
    QLabel* Label6 = nullptr;
    QFrame* Line1 = nullptr;
    PreviewGrid* sourceExcelData = nullptr;
    PreviewModel* m_preview = nullptr;

    QLabel* Label2 = nullptr;
    QComboBox* cmbHeader = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cmbOutlook = nullptr;
    QPushButton* cmdAddMapping = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdAutoMap = nullptr;
    QPushButton* cmdSaveMapping = nullptr;
    QPushButton* cmdLoadMapping = nullptr;
    QLabel* Label9 = nullptr;
    QFrame* Line2 = nullptr;
    QListWidget* mappedList = nullptr;

    // Step 3's settings live in their controls only: conversionOptions() reads them all at
    // once, so no copy can disagree with what the window shows.
    QCheckBox* chkNotNull = nullptr;
    QLabel* Label10 = nullptr;
    QCheckBox* ChkSinglevCard = nullptr;
    QLabel* Label11 = nullptr;
    QRadioButton* Opt2 = nullptr;
    QRadioButton* Opt3 = nullptr;
    QRadioButton* Opt4 = nullptr;
    // The option buttons above, each with its VCardVersion as its id.
    QButtonGroup* m_versions = nullptr;
    QLabel* lblDateOrder = nullptr;
    // Each item carries its DateOrder as its data.
    QComboBox* cmbDateOrder = nullptr;
    QLabel* lblImportTarget = nullptr;
    // Each item carries its ImportTarget as its data; the first is Generic.
    QComboBox* cmbImportTarget = nullptr;
    // The user's own version and single-file choice, put back when a target lets them be.
    VCardVersion m_ownVersion = kDefaultVCardVersion;
    bool m_ownSingleFile = false;
    // Set while a target sets the buttons, so that only the user's choices are remembered.
    bool m_applyingTarget = false;
    QCheckBox* chkPhoneFormat = nullptr;
    // Each item carries its two-letter code as its data.
    QComboBox* cmbPhoneRegion = nullptr;
    // Each item carries its PhoneStyle as its data.
    QComboBox* cmbPhoneStyle = nullptr;
    QLabel* lblNotNullLabel = nullptr;
    QLabel* lblNotNullCount = nullptr;
    QLabel* contactCountLabel = nullptr;
    QLabel* lblContactCount = nullptr;
    QProgressBar* statusBar = nullptr;
    QLabel* Label7 = nullptr;
    PathBox* txtvCardSavePath = nullptr;
    QPushButton* CmdChangevCardPath = nullptr;
    QLabel* lblSendTo = nullptr;
    // Item 0 the folder, item 1 an address book on a server.
    QComboBox* cmbSendTo = nullptr;
    QPushButton* cmdServer = nullptr;
    // What the server dialog was last left with (the address, user and address book are also
    // kept in the settings for the next start; the password only in memory or the keyring).
    ServerChoice m_server;
    QTimer* progressBar = nullptr;

    // The card preview: the contact's number among the rows the run converts selects it.
    QList<qint32> m_contactRows;
    QLabel* lblCardPreview = nullptr;
    QLabel* lblPreviewContact = nullptr;
    QSpinBox* spnPreviewContact = nullptr;
    QLabel* lblPreviewRow = nullptr;
    QPlainTextEdit* txtCardPreview = nullptr;
    QLabel* lblNotWritten = nullptr;
};
