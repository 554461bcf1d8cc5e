#include "frmMain.h"

#include "CardPreview.h"
#include "ConversionRun.h"
#include "DialogService.h"
#include "MappingFile.h"
#include "OutputPaths.h"
#include "PathBox.h"
#include "PreviewGrid.h"
#include "PreviewModel.h"
#include "ProductInfo.h"
#include "ServerSink.h"
#include "ShellServices.h"
#include "WindowAccessibility.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "WorkerThread.h"
#include "Yielder.h"
#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// How often a run's counts reach the window at most.
constexpr qint64 kProgressMs = 20;

} // namespace

// The run's driver, on the worker thread: the clock, its counts posted to the window at most
// every 20 ms, and the stop the window asks for when it goes away.
class frmMain::RunHost final : public ConversionHost {
public:
    RunHost(frmMain* window, std::shared_ptr<std::atomic_bool> stop)
        : m_stop(std::move(stop)),
          m_progress(
              window, [window](const ConversionProgress& p) { window->showProgress(p); },
              kProgressMs) {}

    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress& progress) override { m_progress.post(progress); }
    bool stopRequested() override { return m_stop->load(std::memory_order_relaxed); }

private:
    std::shared_ptr<std::atomic_bool> m_stop;
    Throttle<ConversionProgress> m_progress;
};

frmMain::frmMain(DialogService& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    installWindowAccessibility();
    buildWindow();
    {
        QSettings settings;
        m_server = loadServerChoice(settings);
    }

    progressBar = new QTimer(this);
    progressBar->setObjectName(u"progressBar"_s);
    progressBar->setInterval(400);
    connectHandlers();
    connectCardPreview();
    updateOpenExcelAction();
    Form_Load();

    // A spreadsheet dropped anywhere opens; the controls that take dropped text of their own
    // (the line edits) leave such a drop to the window.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->acceptDrops()) {
            child->installEventFilter(this);
        }
    }
}

frmMain::~frmMain() {
    if (m_worker) {
        // A run stops at its next row; a read runs to its end. Nothing of theirs reaches a
        // window that is gone.
        m_stopWork->store(true);
        m_worker->wait();
        delete m_worker.data();
    }
}

void frmMain::connectHandlers() {
    connect(m_exit, &QAction::triggered, this, &frmMain::Exit_Click);
    connect(m_aboutUs, &QAction::triggered, this, &frmMain::AboutUs_Click);
    connect(m_help, &QAction::triggered, this, &frmMain::Help_Click);
    connect(m_openExcel, &QAction::triggered, this, &frmMain::cmdBrowse_Click);
    // First: the handlers after it see the step the guard lets through.
    connect(ExportTab, &QTabWidget::currentChanged, this, &frmMain::ExportTab_CurrentChanged);
    connect(ExportTab, &QTabWidget::currentChanged, this, &frmMain::updateOpenExcelAction);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
    connect(cmbSheet, &QComboBox::currentIndexChanged, this, &frmMain::cmbSheet_Change);
    connect(cmdAddMapping, &QPushButton::clicked, this, &frmMain::cmdAddMapping_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmMain::cmdRemove_Click);
    connect(cmdAutoMap, &QPushButton::clicked, this, &frmMain::cmdAutoMap_Click);
    connect(cmdSaveMapping, &QPushButton::clicked, this, &frmMain::cmdSaveMapping_Click);
    connect(cmdLoadMapping, &QPushButton::clicked, this, &frmMain::cmdLoadMapping_Click);
    connect(CmdChangevCardPath, &QPushButton::clicked, this, &frmMain::CmdChangevCardPath_Click);
    connect(cmbImportTarget, &QComboBox::currentIndexChanged, this,
            &frmMain::cmbImportTarget_Change);
    connect(cmbSendTo, &QComboBox::currentIndexChanged, this, &frmMain::cmbSendTo_Change);
    connect(cmdServer, &QPushButton::clicked, this, &frmMain::cmdServer_Click);
    connect(m_versions, &QButtonGroup::buttonToggled, this, &frmMain::rememberOwnChoices);
    connect(ChkSinglevCard, &QCheckBox::toggled, this, &frmMain::rememberOwnChoices);
    connect(chkPhoneFormat, &QCheckBox::toggled, this, &frmMain::updatePhoneControls);
    updatePhoneControls();
    // The captions beside the check boxes tick them (eventFilter).
    Label10->installEventFilter(this);
    Label11->installEventFilter(this);

    connect(cmdPrevious, &QPushButton::clicked, this, &frmMain::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(progressBar, &QTimer::timeout, this, &frmMain::progressBar_Timer);
}

void frmMain::Form_Load() {
    cmdNext->setEnabled(false);
    ExportTab->setCurrentIndex(0);
    // The grid's heading column is not shown.
    sourceExcelData->verticalHeader()->hide();
    ExportTab->setTabEnabled(1, false);
    ExportTab->setTabEnabled(2, false);
}

void frmMain::showTab(int index) {
    // The step is enabled and shown before the others are disabled, so that the shown tab is
    // never a disabled one on the way.
    ExportTab->setTabEnabled(index, true);
    notifyTabEnabledChanged(ExportTab->tabBar(), index);
    ExportTab->setCurrentIndex(index);
    for (int i = 0; i < ExportTab->count(); ++i) {
        if (i != index && ExportTab->isTabEnabled(i)) {
            ExportTab->setTabEnabled(i, false);
            notifyTabEnabledChanged(ExportTab->tabBar(), i);
        }
    }
}

void frmMain::ExportTab_CurrentChanged(int index) {
    // Clicks and Ctrl+Tab skip disabled tabs by themselves; QTabWidget::setCurrentIndex does
    // not, and an accessibility client may call it.
    if (index >= 0 && !ExportTab->isTabEnabled(index)) {
        ExportTab->setCurrentIndex(m_shownTab);
        return;
    }
    m_shownTab = index;
}

void frmMain::setNextCaption(const QString& caption) {
    cmdNext->setText(caption);
    cmdNext->setAccessibleName(spokenName(caption));
}

void frmMain::setCountText(QLabel* count, const QString& text) {
    const QLabel* caption = count == lblContactCount ? contactCountLabel : lblNotNullLabel;
    count->setText(text);
    count->setAccessibleName(spokenName(caption->text()) + u": "_s + text.trimmed());
}

void frmMain::message(const QString& text) {
    m_dialogs.showMessage(this, applicationTitle(), text, DialogService::Icon::None);
}

void frmMain::cmdNext_Click() {
    if (busy()) {
        return;
    }
    switch (m_state.currentStep) {
    case 1:
        if (!m_state.choicesFilled) {
            m_mapping.fillMappingChoices();
            refreshMappingControls(false);
        }
        m_state.currentStep = 2;
        cmdPrevious->setEnabled(true);
        showTab(1);
        break;
    case 2:
        if (m_state.mappingCount == 0) {
            message(tr("Please Map Excel Column to Outlook Attribute."));
            return;
        }
        if (txtvCardSavePath->text().isEmpty()) {
            txtvCardSavePath->setPath(m_dialogs.specialFolder());
        }
        setNextCaption(tr("Convert"));
        m_state.currentStep = 3;
        showTab(2);
        break;
    case 3:
        setCountLabelsVisible(true);
        cmdPrevious->setEnabled(false);
        cmdNext->setEnabled(false);
        runConversion();
        break;
    default:
        break;
    }
}

void frmMain::cmdPrevious_Click() {
    if (busy()) {
        return;
    }
    switch (m_state.currentStep) {
    case 2:
        m_state.currentStep = 1;
        cmdPrevious->setEnabled(false);
        showTab(0);
        break;
    case 3:
        m_state.currentStep = 2;
        showTab(1);
        setNextCaption(tr("Next"));
        break;
    default:
        break;
    }
}

void frmMain::cmdBrowse_Click() {
    if (busy()) {
        return;
    }
    const QString chosen = m_dialogs.openFileName(this, spreadsheetFileFilter());
    // Like a file dialog component, a cancelled dialog reports the name chosen last.
    openSpreadsheet(chosen.isEmpty() ? m_fileName : chosen);
}

void frmMain::openFile(const QString& path) {
    if (busy()) {
        return;
    }
    if (ExportTab->currentIndex() != 0) {
        // Back to step 1, as Previous would go, before the file is read there.
        if (m_state.currentStep == 3) {
            setNextCaption(tr("Next"));
        }
        m_state.currentStep = 1;
        cmdPrevious->setEnabled(false);
        showTab(0);
    }
    openSpreadsheet(path);
}

void frmMain::openSpreadsheet(const QString& path) {
    m_fileName = path;
    const QString loadedPath = txtExcelPath->text();
    txtExcelPath->setPath(m_fileName);
    extractExcelData(0, [this, loadedPath](bool read) {
        if (m_closeRequested) {
            close();
            return;
        }
        if (!read) {
            // The window keeps the workbook it had, and the path the conversion will read.
            txtExcelPath->setPath(loadedPath);
            m_fileName = loadedPath;
            updateCardPreview();
            return;
        }
        cmdNext->setEnabled(true);
        m_state.currentStep = 1;
    });
}

void frmMain::extractExcelData(qint32 sheet, std::function<void(bool read)> done) {
    // The worker reads with the window's source (and its kept cells) and gives it back.
    struct ReadJob {
        std::unique_ptr<WorkbookSource> source;
        QString path;
        qint32 sheet = 0;
        WorkbookScanResult result;
        QList<qint32> contactRows;
    };
    auto job = std::make_shared<ReadJob>();
    job->source = std::move(m_source);
    job->path = txtExcelPath->text();
    job->sheet = sheet;
    setWork(Work::Reading);
    m_worker = startWorkerThread(
        this,
        [job] {
            Yielder unused;
            job->result = scanWorkbook(*job->source, job->path, job->sheet, unused);
            if (job->result.status && job->result.read) {
                // The card preview's contacts, counted here rather than on the window's thread.
                WizardState read;
                applyScan(read, job->result);
                job->contactRows = contactRows(read, job->path, *job->source);
            }
        },
        [this, job, done = std::move(done)] {
            m_source = std::move(job->source);
            setWork(Work::Idle);
            done(showWorkbook(job->result, job->contactRows));
        });
}

bool frmMain::showWorkbook(const WorkbookScanResult& result, const QList<qint32>& rows) {
    applyScan(m_state, result);
    if (!result.status) {
        message(result.status.message());
        return false;
    }
    if (!result.read) {
        return true; // a blank path: nothing was read and nothing changes
    }
    showSheets(result.sheetNames, result.sheetIndex);
    m_preview->setTable(result.preview);
    statusPanels[1]->setText(result.itemsFound);
    m_contactRows = rows;
    loadContactRows();
    // The column that matched contacts was one of the previous sheet's.
    m_server.uidColumn = -1;
    // A new header row: the mapping list starts again so that display and mappings agree.
    m_mapping.workbookLoaded();
    refreshMappingControls(false);
    return true;
}

void frmMain::showSheets(const QStringList& names, qint32 current) {
    m_fillingSheets = true;
    QStringList listed;
    for (int i = 0; i < cmbSheet->count(); ++i) {
        listed.append(cmbSheet->itemText(i));
    }
    if (listed != names) {
        cmbSheet->clear();
        cmbSheet->addItems(names);
    }
    cmbSheet->setCurrentIndex(current < cmbSheet->count() ? current : -1);
    m_fillingSheets = false;
    const bool several = names.size() > 1;
    lblSheet->setVisible(several);
    cmbSheet->setVisible(several);
}

void frmMain::cmbSheet_Change(int index) {
    if (m_fillingSheets || index < 0 || busy() || index == m_state.sheetIndex) {
        return;
    }
    const qint32 shown = m_state.sheetIndex;
    extractExcelData(index, [this, shown](bool read) {
        if (!read) {
            // The window keeps the sheet it had.
            m_fillingSheets = true;
            cmbSheet->setCurrentIndex(shown);
            m_fillingSheets = false;
        }
        if (m_closeRequested) {
            close();
        }
    });
}

bool frmMain::isSpreadsheetDrop(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) {
        return false;
    }
    const QString suffix = QFileInfo(urls.first().toLocalFile()).suffix().toLower();
    return suffix == u"xlsx"_s || suffix == u"xls"_s || suffix == u"ods"_s || suffix == u"csv"_s;
}

QString frmMain::fileArgument(const QStringList& arguments) {
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (options && argument == u"--"_s) {
            options = false;
        } else if ((options && argument.startsWith(u'-')) || argument.isEmpty()) {
            continue;
        } else {
            const QString path = argument.startsWith(u"file:"_s, Qt::CaseInsensitive)
                                     ? QUrl(argument).toLocalFile()
                                     : argument;
            return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
        }
    }
    return QString();
}

bool frmMain::takeDrag(QDropEvent* event) {
    if (busy() || !isSpreadsheetDrop(event->mimeData())) {
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!takeDrag(event)) {
        event->ignore();
    }
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!takeDrag(event)) {
        event->ignore();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    if (!takeDrag(event)) {
        event->ignore();
        return;
    }
    const QString path = event->mimeData()->urls().first().toLocalFile();
    // Read once the drop has returned: the program the file came from waits for its answer,
    // and a message about the file must not hold it.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void frmMain::refreshMappingControls(bool keepChoices) {
    const int headerIndex = keepChoices ? cmbHeader->currentIndex() : -1;
    const QString fieldText = keepChoices ? cmbOutlook->currentText() : QString();

    cmbHeader->clear();
    for (const HeaderChoice& choice : m_mapping.headerChoices()) {
        cmbHeader->addItem(choice.text);
    }
    cmbHeader->setCurrentIndex(headerIndex < cmbHeader->count() ? headerIndex : -1);
    cmbOutlook->clear();
    cmbOutlook->addItems(m_mapping.fieldChoices());
    cmbOutlook->setCurrentIndex(-1);
    cmbOutlook->setEditText(fieldText);

    mappedList->clear();
    mappedList->addItems(m_mapping.mappedListTexts());
    // Shown with tabs and an arrow, spoken as "First Name to FirstName".
    for (int k = 0; k < mappedList->count(); ++k) {
        mappedList->item(k)->setData(
            Qt::AccessibleTextRole,
            tr("%1 to %2").arg(m_state.mappedHeaders[size_t(k)], m_state.mappedFields[size_t(k)]));
    }
    mappedList->setCurrentRow(-1);

    const bool enabled = m_mapping.addEnabled() && !busy();
    cmbHeader->setEnabled(enabled);
    cmbOutlook->setEnabled(enabled);
    cmdAddMapping->setEnabled(enabled);
    cmdAutoMap->setEnabled(enabled);
    cmdSaveMapping->setEnabled(!busy() && m_state.mappingCount > 0);
    updateCardPreview();
}

void frmMain::cmdAddMapping_Click() {
    if (busy()) {
        return;
    }
    const MappingMessage answer =
        m_mapping.add(cmbHeader->currentIndex(), cmbOutlook->currentText());
    if (answer != MappingMessage::None) {
        message(mappingMessageText(answer));
        return;
    }
    refreshMappingControls(false);
}

void frmMain::cmdRemove_Click() {
    if (busy()) {
        return;
    }
    const QList<QListWidgetItem*> selected = mappedList->selectedItems();
    const int row = selected.isEmpty() ? -1 : mappedList->row(selected.first());
    const MappingMessage answer = m_mapping.remove(row);
    if (answer != MappingMessage::None) {
        message(mappingMessageText(answer));
        return;
    }
    refreshMappingControls(true);
}

void frmMain::cmdAutoMap_Click() {
    if (busy()) {
        return;
    }
    if (m_mapping.autoMap() == 0) {
        message(tr("Auto Map recognised no further column header."));
        return;
    }
    refreshMappingControls(false);
}

void frmMain::cmdSaveMapping_Click() {
    if (busy() || m_state.mappingCount == 0) {
        return;
    }
    const QString path = m_dialogs.saveFileName(this, mappingFileFilter(), u"json"_s);
    if (path.isEmpty()) {
        return;
    }
    if (const Status written = writeMappingFile(path, savedPairs(m_state)); !written) {
        m_dialogs.showMessage(this, applicationTitle(), written.message(),
                              DialogService::Icon::Warning);
    }
}

void frmMain::cmdLoadMapping_Click() {
    if (busy()) {
        return;
    }
    const QString path = m_dialogs.openFileName(this, mappingFileFilter());
    if (path.isEmpty()) {
        return;
    }
    // Read whole before anything changes: a file that cannot be used leaves the list as it was.
    const MappingFileRead read = readMappingFile(path);
    if (!read.status) {
        m_dialogs.showMessage(this, applicationTitle(), read.status.message(),
                              DialogService::Icon::Warning);
        return;
    }
    const AppliedMapping result = m_mapping.applySaved(read.pairs);
    refreshMappingControls(false);
    if (!result.notApplied.isEmpty()) {
        m_dialogs.showMessage(this, applicationTitle(),
                              tr("%1 of the %2 pairs of the mapping were left out:\n%3")
                                  .arg(result.notApplied.size())
                                  .arg(read.pairs.size())
                                  .arg(notAppliedText(result)),
                              DialogService::Icon::Information);
    }
}

void frmMain::setCountLabelsVisible(bool visible) {
    for (QLabel* label : {lblNotNullLabel, lblNotNullCount, contactCountLabel, lblContactCount}) {
        label->setVisible(visible);
    }
}

void frmMain::CmdChangevCardPath_Click() {
    if (busy()) {
        return;
    }
    const QString chosen = m_dialogs.pickFolder(this, tr("Select Folder"));
    m_state.outputFolder = chosen;
    if (chosen.isEmpty()) {
        cmdNext->setEnabled(true);
        setCountLabelsVisible(false);
        return;
    }
    cmdNext->setEnabled(false);
    setCountLabelsVisible(true);
    txtvCardSavePath->setPath(chosen);
    const FolderResult folder = createStampedFolder(chosen, m_clock());
    m_state.outputFolder = folder.path;
    if (!folder.status) {
        m_dialogs.showMessage(this, applicationTitle(), folder.status.message(),
                              DialogService::Icon::Warning);
    }
    cmdNext->setEnabled(true);
}

VCardVersion frmMain::checkedVersion() const {
    // The group is exclusive and starts with Opt2 checked, so one button is always checked.
    const int id = m_versions->checkedId();
    return id < 0 ? kDefaultVCardVersion : static_cast<VCardVersion>(id);
}

ConversionOptions frmMain::conversionOptions() const {
    ConversionOptions options;
    options.vCardVersion = checkedVersion();
    options.singleFile = ChkSinglevCard->isChecked();
    options.allowEmptyEmail = chkNotNull->isChecked();
    if (chkPhoneFormat->isChecked()) {
        const QVariant style = cmbPhoneStyle->currentData();
        options.phoneFormat = {style.isValid() ? static_cast<PhoneStyle>(style.toInt())
                                               : PhoneStyle::International,
                               cmbPhoneRegion->currentData().toString()};
    }
    const QVariant target = cmbImportTarget->currentData();
    options.importTarget =
        target.isValid() ? static_cast<ImportTarget>(target.toInt()) : ImportTarget::Generic;
    const QVariant order = cmbDateOrder->currentData();
    options.dateOrder = order.isValid() ? static_cast<DateOrder>(order.toInt()) : systemDateOrder();
    options.saveLocation = txtvCardSavePath->text();
    if (toServer()) {
        options.destination = CardDestination::Server;
        options.uidColumn = m_server.uidColumn;
        options.onlyNew = m_server.onlyNew;
    }
    return options;
}

void frmMain::rememberOwnChoices() {
    if (m_applyingTarget) {
        return;
    }
    // Only a button the user could choose is their own choice: a target's fixed version is not.
    if (m_versions->checkedButton() && m_versions->checkedButton()->isEnabled()) {
        m_ownVersion = checkedVersion();
    }
    if (ChkSinglevCard->isEnabled()) {
        m_ownSingleFile = ChkSinglevCard->isChecked();
    }
}

void frmMain::cmbImportTarget_Change() {
    const ImportTarget target = conversionOptions().importTarget;
    const ImportTargetRules& rules = importTargetRules(target);
    m_applyingTarget = true;
    updateExportControls();
    // The user's own version where the target takes it, else the nearest one it does.
    const VCardVersion version = versionShown(target, toServer(), m_ownVersion);
    m_versions->button(static_cast<int>(version))->setChecked(true);

    const QString oneFilePerContact =
        toServer() ? tr("A server takes each contact as a card of its own.")
        : rules.singleFileAllowed
            ? QString()
            : tr("%1 imports only the first card of a file: one file per contact.")
                  .arg(QString::fromUtf16(rules.title));
    ChkSinglevCard->setChecked(rules.singleFileAllowed && !toServer() && m_ownSingleFile);
    ChkSinglevCard->setToolTip(oneFilePerContact);
    Label11->setToolTip(oneFilePerContact);
    m_applyingTarget = false;
}

bool frmMain::toServer() const {
    return cmbSendTo->currentIndex() == 1;
}

void frmMain::cmbSendTo_Change() {
    const bool server = toServer();
    // A server is offered only the targets whose cards it takes.
    auto* targets = qobject_cast<QStandardItemModel*>(cmbImportTarget->model());
    for (int i = 0; i < cmbImportTarget->count(); ++i) {
        const auto target = static_cast<ImportTarget>(cmbImportTarget->itemData(i).toInt());
        const bool offered = !server || targetSendsToServer(target);
        if (QStandardItem* item = targets ? targets->item(i) : nullptr) {
            item->setEnabled(offered);
            item->setToolTip(offered
                                 ? QString()
                                 : tr("%1 imports files only.")
                                       .arg(QString::fromUtf16(importTargetRules(target).title)));
        }
    }
    if (server && !targetSendsToServer(conversionOptions().importTarget)) {
        // Changing the target runs cmbImportTarget_Change.
        cmbImportTarget->setCurrentIndex(0);
    } else {
        cmbImportTarget_Change();
    }
    updateCardPreview();
}

void frmMain::cmdServer_Click() {
    if (busy()) {
        return;
    }
    ServerChoice chosen = m_server;
    if (!m_dialogs.editServer(this, chosen, headerChoicesOf(m_state))) {
        return;
    }
    m_server = chosen;
    QSettings settings;
    saveServerChoice(settings, m_server);
}

void frmMain::updateExportControls() {
    const bool idle = !busy();
    const bool server = toServer();
    const ImportTarget target = conversionOptions().importTarget;
    const bool singleFileAllowed = importTargetRules(target).singleFileAllowed && !server;
    for (QAbstractButton* button : m_versions->buttons()) {
        button->setEnabled(
            idle &&
            versionOffered(target, server, static_cast<VCardVersion>(m_versions->id(button))));
    }
    ChkSinglevCard->setEnabled(idle && singleFileAllowed);
    Label11->setEnabled(idle && singleFileAllowed);
    chkNotNull->setEnabled(idle);
    Label10->setEnabled(idle);
    cmbDateOrder->setEnabled(idle);
    cmbImportTarget->setEnabled(idle);
    chkPhoneFormat->setEnabled(idle);
    updatePhoneControls();
    cmbSendTo->setEnabled(idle);
    cmdServer->setEnabled(idle && server);
    // A server needs no save location.
    Label7->setEnabled(!server);
    txtvCardSavePath->setEnabled(!server);
    CmdChangevCardPath->setEnabled(idle && !server);
}

void frmMain::updatePhoneControls() {
    const bool on = !busy() && chkPhoneFormat->isChecked();
    cmbPhoneRegion->setEnabled(on);
    cmbPhoneStyle->setEnabled(on);
}

void frmMain::progressBar_Timer() {
    // Converted rows against data rows: the header row is not work to be done.
    statusBar->setValue(progressPercent(m_state.progressDone, m_state.itemCount - 1));
}

void frmMain::runConversion() {
    // Taken once: a control changed while the run works changes nothing in it.
    const ConversionOptions options = conversionOptions();
    const bool server = options.destination == CardDestination::Server;
    if (server && m_server.address.trimmed().isEmpty()) {
        readyForAnotherRun();
        m_dialogs.showMessage(this, applicationTitle(),
                              tr("Please choose the server with \"Server...\"."),
                              DialogService::Icon::Information);
        return;
    }
    if (server && !serverAddressProblem(m_server.address).ok()) {
        readyForAnotherRun();
        m_dialogs.showMessage(this, applicationTitle(),
                              problemText(serverAddressProblem(m_server.address)),
                              DialogService::Icon::Warning);
        return;
    }
    if (!server && options.saveLocation.trimmed().isEmpty()) {
        m_dialogs.showMessage(this, applicationTitle(), tr("Please Choose Saving Location"),
                              DialogService::Icon::Information);
        return;
    }
    // The worker converts a copy of the state with the window's source, and gives it back.
    struct RunJob {
        WizardState state;
        std::unique_ptr<WorkbookSource> source;
        QString path;
        ConversionOptions options;
        std::unique_ptr<RunHost> host;
        std::optional<SyncSettings> sync;
        ConversionReport report;
    };
    auto job = std::make_shared<RunJob>();
    job->state = m_state;
    job->source = std::move(m_source);
    job->path = txtExcelPath->text();
    job->options = options;
    if (server) {
        // The one typed in the dialog this session, else the keyring's, given to the server only
        // when it asks. The keyring is read here: its library works on the window's thread only.
        const std::optional<QString> password = m_server.password.isEmpty()
                                                    ? m_dialogs.storedPassword(m_server)
                                                    : std::optional<QString>(m_server.password);
        job->sync = syncSettings(m_server, [password] { return password; });
    }
    m_stopWork->store(false);
    job->host = std::make_unique<RunHost>(this, m_stopWork);
    statusBar->setValue(0);
    m_state.progressDone = 0;
    setWork(Work::Converting);
    progressBar->start();
    m_worker = startWorkerThread(
        this,
        [job] {
            if (job->sync) {
                // Made here: the sink's network objects belong to the thread that uses them.
                ServerSink sink(*job->sync);
                job->report = convertContacts(job->state, job->path, *job->source, job->options,
                                              sink, *job->host);
                return;
            }
            job->report =
                convertContacts(job->state, job->path, *job->source, job->options, *job->host);
        },
        [this, job] {
            m_source = std::move(job->source);
            m_state.outputFolder = job->state.outputFolder;
            m_state.progressDone = job->state.progressDone;
            conversionFinished(job->report);
        });
}

void frmMain::showProgress(const ConversionProgress& progress) {
    if (m_work != Work::Converting) {
        return; // a late post of a run that has ended
    }
    // The bar appears once rows are being converted.
    statusBar->setVisible(true);
    m_state.progressDone = progress.progressDone;
    if (progress.contactsAdded > 0) {
        setCountText(lblContactCount, countText(progress.contactsAdded, progress.dataRows));
    }
    if (progress.emptyEmailCount > 0) {
        setCountText(lblNotNullCount, countText(progress.emptyEmailCount, progress.dataRows));
    }
}

void frmMain::conversionFinished(const ConversionReport& report) {
    progressBar->stop();
    if (report.finished()) {
        // The last counts, whatever the worker's last post said.
        showProgress(
            {report.progressDone, report.contactsAdded, report.emptyEmailCount, report.dataRows});
    }
    setWork(Work::Idle);
    if (m_closeRequested) {
        close();
        return;
    }
    switch (report.outcome) {
    case ConversionReport::Outcome::NoSaveLocation:
        m_dialogs.showMessage(this, applicationTitle(), tr("Please Choose Saving Location"),
                              DialogService::Icon::Information);
        return;
    case ConversionReport::Outcome::FolderFailed:
    case ConversionReport::Outcome::WorkbookFailed:
        m_dialogs.showMessage(this, applicationTitle(), report.message,
                              DialogService::Icon::Warning);
        return;
    case ConversionReport::Outcome::ServerFailed:
        readyForAnotherRun();
        m_dialogs.showMessage(this, applicationTitle(), serverEndText(report),
                              DialogService::Icon::Error);
        return;
    case ConversionReport::Outcome::Finished:
        break;
    }
    statusBar->setVisible(true);
    statusBar->setValue(100);
    if (report.server.used) {
        // No folder to open: the program stays open for the next run.
        readyForAnotherRun();
        m_dialogs.showMessage(this, applicationTitle(), serverEndText(report),
                              report.server.notSent > 0 ? DialogService::Icon::Warning
                                                        : DialogService::Icon::Information);
        return;
    }
    if (m_dialogs.askYesNo(this, tr("Open Destination Folder"), endDialogText(report))) {
        m_dialogs.openWithShell(report.outputFolder);
    } else {
        close();
    }
}

QString frmMain::endDialogText(const ConversionReport& report) const {
    // The success text only when every card was written, otherwise how many could not be
    // and why; then the target when it is not the generic one; then a line per kind of value
    // that could not be used; last the open-folder question.
    QString text = report.allWritten()
                       ? tr("The contacts have been exported successfully to vCard files.")
                       : tr("%1 of %2 contacts could not be written to vCard files. The first "
                            "reason: %3")
                             .arg(report.cardsFailed)
                             .arg(report.contactsAdded)
                             .arg(report.firstFailure);
    text += u"\r\n"_s;
    if (const QString made = report.targetText(); !made.isEmpty()) {
        text += made + u"\r\n"_s;
    }
    for (const ValueProblem& p : report.valueProblems) {
        text += valueProblemText(p) + u"\r\n"_s;
    }
    return text +
           tr("Would you like to open folder containing excel file. Click Yes else click No.");
}

void frmMain::readyForAnotherRun() {
    cmdNext->setEnabled(true);
    cmdPrevious->setEnabled(true);
}

QString frmMain::serverEndText(const ConversionReport& report) const {
    const ConversionReport::ServerSummary& s = report.server;
    const QString newline = u"\r\n"_s;
    if (report.outcome == ConversionReport::Outcome::ServerFailed) {
        QString text = tr("No contact was sent.") + newline + report.message;
        if (!s.addressBooks.isEmpty() && !report.message.contains(s.addressBooks.first())) {
            text +=
                newline + tr("The account's address books: %1.").arg(s.addressBooks.join(u", "_s));
        }
        return text;
    }
    QString text = s.notSent == 0
                       ? tr("The contacts were sent to the address book \"%1\".").arg(s.addressBook)
                       : tr("%1 of %2 contacts could not be sent to the address book \"%3\".")
                             .arg(s.notSent)
                             .arg(report.contactsAdded)
                             .arg(s.addressBook);
    text += newline + tr("%n contact(s) added, %1 updated, %2 left unchanged.", nullptr, s.added)
                          .arg(s.updated)
                          .arg(s.unchanged);
    if (s.leftAlone > 0) {
        text += newline + tr("%n contact(s) already in the address book were left as they were.",
                             nullptr, s.leftAlone);
    }
    // A box the screen can hold: the first contacts not sent, then how many more.
    constexpr qsizetype kListed = 15;
    for (qsizetype i = 0; i < s.notSentContacts.size() && i < kListed; ++i) {
        const ConversionReport::ServerSummary::NotSent& n = s.notSentContacts[i];
        text += newline + tr("Not sent: row %1, %2: %3").arg(n.row).arg(n.name, n.reason);
    }
    if (s.notSentContacts.size() > kListed) {
        text += newline + tr("... and %n more.", nullptr,
                             static_cast<int>(s.notSentContacts.size() - kListed));
    }
    for (const QString& note : s.notes) {
        text += newline + note;
    }
    for (const ValueProblem& p : report.valueProblems) {
        text += newline + valueProblemText(p);
    }
    return text;
}

void frmMain::setWork(Work work) {
    const bool starting = m_work == Work::Idle && work != Work::Idle;
    const bool ending = m_work != Work::Idle && work == Work::Idle;
    if (starting) {
        m_nextWasEnabled = cmdNext->isEnabled();
        m_previousWasEnabled = cmdPrevious->isEnabled();
    }
    m_work = work;
    const bool idle = work == Work::Idle;
    if (starting || ending) {
        cmdNext->setEnabled(idle && m_nextWasEnabled);
        cmdPrevious->setEnabled(idle && m_previousWasEnabled);
    }
    cmdBrowse->setEnabled(idle);
    cmbSheet->setEnabled(idle);
    updateExportControls();
    const bool mapping = idle && m_mapping.addEnabled();
    cmbHeader->setEnabled(mapping);
    cmbOutlook->setEnabled(mapping);
    cmdAddMapping->setEnabled(mapping);
    cmdAutoMap->setEnabled(mapping);
    cmdSaveMapping->setEnabled(idle && m_state.mappingCount > 0);
    cmdLoadMapping->setEnabled(idle);
    cmdRemove->setEnabled(idle);
    mappedList->setEnabled(idle);
    if (idle) {
        QApplication::restoreOverrideCursor();
    } else if (starting) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    updateOpenExcelAction();
    if (ending) {
        updateCardPreview();
    }
}

void frmMain::updateOpenExcelAction() {
    // The toolbar's button is Browse: usable only where Browse is.
    m_openExcel->setEnabled(!busy() && cmdBrowse->isEnabled() && ExportTab->currentIndex() == 0);
}

void frmMain::Exit_Click() {
    close();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (takeDrag(static_cast<QDropEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::Drop:
        if (takeDrag(static_cast<QDropEvent*>(event))) {
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    // The check boxes carry no text: a click on the caption beside one ticks it.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label10 && chkNotNull->isEnabled()) {
            chkNotNull->toggle();
            return true;
        }
        if (watched == Label11 && ChkSinglevCard->isEnabled()) {
            ChkSinglevCard->toggle();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (busy()) {
        // The read or run is on the stack below this event: close once it has returned.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    if (m_about) {
        m_about->close();
    }
    event->accept();
}

void frmMain::AboutUs_Click() {
    if (!m_about) {
        m_about = new frmAbout(this);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmMain::Help_Click() {
    m_dialogs.openWithShell(userGuidePath());
}
