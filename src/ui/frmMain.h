#pragma once

#include "DateText.h"
#include "FieldMapping.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardVersion.h"
#include "WizardState.h"
#include "WorkbookSource.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class DialogService;
class PathBox;
class PreviewGrid;
class PreviewModel;
class QAction;
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

// The three-step wizard window. It shows what the workbook scan and the mapping and
// conversion models hold and forwards the user's actions to them; the rules live there.
class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(DialogService& dialogs, QWidget* parent = nullptr);
    ~frmMain() override;

    const WizardState& state() const { return m_state; }
    // The version of the checked option button, "2.1", "3.0" or "4.0".
    QString vCardVersion() const;
    // The order chosen under "Date order:".
    DateOrder dateOrder() const;
    // The address book chosen under "Import into:".
    ImportTarget importTarget() const;
    // The phone form and region chosen; Off when "Format phone numbers" is not checked.
    PhoneFormatOptions phoneFormat() const;
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
    // Choose a version as a click on its option button would.
    void Opt2_Click();
    void Opt3_Click();
    void Opt4_Click();
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
    class WindowHost;
    class PreviewHost;

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
    // The contacts of the workbook just read, for the row selector.
    void loadContactRows();
    // Shows the card of the selected contact with the mapping and options as they are now.
    void updateCardPreview();
    // A row picked in step 1's grid selects its contact.
    void selectGridContact(int gridRow);

    // Which handler each control's signal runs.
    void connectHandlers();

    // Reads worksheet number sheet of the workbook named in txtExcelPath; false when it
    // could not be read.
    bool extractExcelData(qint32 sheet = 0);
    // Browse's work once it has a path: read it, or keep the workbook the window had.
    void openSpreadsheet(const QString& path);
    // Another worksheet chosen in cmbSheet: its rows are read as a new workbook's would be.
    void cmbSheet_Change(int index);
    // cmbSheet lists the workbook's worksheets; shown only when there are two or more.
    void showSheets(const QStringList& names, qint32 current);
    // A drag or drop the window takes (anywhere in it); false leaves it to the control.
    bool takeDrag(QDropEvent* event);
    // Step 3's Convert: runs the conversion, then tells how it ended.
    void runConversion();
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
    VCardVersion checkedVersion() const;
    // Offers the version buttons and the single-file box the chosen target takes.
    void cmbImportTarget_Change();
    // A version or single-file choice the user made, kept while a target overrides it.
    void rememberOwnChoices();
    void updatePhoneControls();
    void updateOpenExcelAction();
    void message(const QString& text);

    DialogService& m_dialogs;
    WizardState m_state;
    MappingModel m_mapping{m_state};
    // One source for step 1 and the conversion: an unchanged file is not read twice.
    std::unique_ptr<WorkbookSource> m_source = makeFileWorkbookSource();
    // What the file dialog last reported: a cancelled dialog keeps the previous name.
    QString m_fileName;
    std::function<QDateTime()> m_clock;
    Work m_work = Work::Idle;
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

    // Step 3's settings live in their controls only: the run reads each one from its control
    // when it uses it (WindowHost), so no copy can disagree with what the window shows.
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
