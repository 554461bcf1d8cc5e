#include "frmMain.h"

#include "ConversionRun.h"
#include "DialogService.h"
#include "OutputPaths.h"
#include "PreviewModel.h"
#include "ShellServices.h"
#include "UiFonts.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"
#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString kApplicationTitle = u"Brinmark Excel to vCard Converter"_s;
const QString kNextCaption = u"&Next >"_s;
constexpr int kYieldMs = 20;

// Positions are designed in twips, 15 to the pixel.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void place(QWidget* widget, int left, int top, int width, int height, int tabHeader = 0) {
    QRect r = twips(left, top, width, height);
    r.translate(0, -tabHeader);
    widget->setGeometry(r);
}

// Grows a control until its caption fits the font the platform gave it: wider to the
// right, taller around its middle.
void fitText(QWidget* widget) {
    const QSize hint = widget->sizeHint();
    QRect r = widget->geometry();
    if (hint.width() > r.width()) {
        r.setWidth(hint.width());
    }
    if (hint.height() > r.height()) {
        const int grow = hint.height() - r.height();
        r.setTop(r.top() - grow / 2);
        r.setHeight(hint.height());
    }
    widget->setGeometry(r);
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

void makeBold(QWidget* widget) {
    QFont f = widget->font();
    f.setBold(true);
    widget->setFont(f);
}

QFrame* makeLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, QColor(128, 128, 128));
    line->setPalette(p);
    return line;
}

// A control's caption without its mnemonic marker and the blanks around it, for screen
// readers.
QString spokenName(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// A button named for tests and spoken by its caption without the mnemonic.
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(spokenName(caption));
    return button;
}

// A path shown but not typed into, spoken and reached through the label beside it.
QLineEdit* makePathBox(const QString& name, QLabel* label, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEnabled(false);
    box->setAccessibleName(spokenName(label->text()));
    label->setBuddy(box);
    return box;
}

} // namespace

// What the conversion run asks of the window: the step-3 controls, read when used, and the
// two running counts. The counts change with every row; the labels show them when the window
// gets to repaint, at each yield and at the end, not a hundred thousand times.
class frmMain::WindowHost final : public ConversionHost {
public:
    explicit WindowHost(frmMain& window) : m_window(window) {}

    QString saveLocation() override { return m_window.txtvCardSavePath->text(); }
    VCardVersion vCardVersion() override {
        return parseVCardVersion(m_window.m_vCardVersion).value_or(kDefaultVCardVersion);
    }
    bool singleFile() override { return m_window.ChkSinglevCard->isChecked(); }
    bool allowEmptyEmail() override { return m_window.chkNotNull->isChecked(); }
    void yield() override {
        // The bar appears once rows are being converted.
        m_window.statusBar->setVisible(true);
        showCounts();
        QCoreApplication::processEvents();
    }
    void contactCountChanged(qint32 contactsAdded, qint32 dataRows) override {
        m_contacts = {contactsAdded, dataRows, true};
    }
    void emptyEmailCountChanged(qint32 emptyEmailCount, qint32 dataRows) override {
        m_emptyEmails = {emptyEmailCount, dataRows, true};
    }
    void showCounts() {
        show(m_contacts, m_window.lblContactCount);
        show(m_emptyEmails, m_window.lblNotNullCount);
    }

private:
    struct Count {
        qint32 count = 0;
        qint32 dataRows = 0;
        bool changed = false;
    };
    static void show(Count& count, QLabel* label) {
        if (count.changed) {
            label->setText(countText(count.count, count.dataRows));
            count.changed = false;
        }
    }

    frmMain& m_window;
    Count m_contacts;
    Count m_emptyEmails;
};

frmMain::frmMain(DialogService& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    Form_Initialize();
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"Brinmark Excel to vCard Converter v3.5"_s);
    setWindowIcon(QIcon(u":/excel2vcard/excel2vcard.png"_s));
    setFont(designFont(u"Tahoma"_s));

    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    central->setObjectName(u"clientArea"_s);
    setCentralWidget(central);

    Picture1 = new QLabel(central);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setPixmap(QPixmap(u":/excel2vcard/banner.png"_s));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(kApplicationTitle);
    place(Picture1, 0, 0, 9615, 1335);

    ExportTab = new QTabWidget(central);
    ExportTab->setObjectName(u"ExportTab"_s);
    ExportTab->setAccessibleName(u"Wizard steps"_s);
    auto* pageSelect = new QWidget;
    pageSelect->setObjectName(u"tabSelect"_s);
    auto* pageMapping = new QWidget;
    pageMapping->setObjectName(u"tabMapping"_s);
    auto* pageExport = new QWidget;
    pageExport->setObjectName(u"tabExport"_s);
    ExportTab->addTab(pageSelect, u"1. Select"_s);
    ExportTab->addTab(pageMapping, u"2. Map Columns"_s);
    ExportTab->addTab(pageExport, u"3. Export"_s);
    place(ExportTab, 120, 1440, 9375, 4815);
    // Positions on a tab count from the tab control's corner, its row of headers included.
    const int header = ExportTab->tabBar()->sizeHint().height() + 2;
    buildSelectTab(pageSelect, header);
    buildMappingTab(pageMapping, header);
    buildExportTab(pageExport, header);

    cmdPrevious = makeButton(u"cmdPrevious"_s, u"<  Pre&vious"_s, central);
    cmdPrevious->setAccessibleName(u"Previous"_s);
    cmdPrevious->setEnabled(false);
    place(cmdPrevious, 5400, 6480, 1935, 495);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmMain::cmdPrevious_Click);

    cmdNext = new QPushButton(kNextCaption, central); // spoken as its changing caption
    cmdNext->setObjectName(u"cmdNext"_s);
    place(cmdNext, 7560, 6480, 1935, 495);
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

    central->setFixedSize(640, 7095 / 15);
    buildStatusBar();

    progressBar = new QTimer(this);
    progressBar->setObjectName(u"progressBar"_s);
    progressBar->setInterval(400);
    connect(progressBar, &QTimer::timeout, this, &frmMain::progressBar_Timer);

    for (QWidget* widget : central->findChildren<QWidget*>()) {
        if (widget != Picture1 &&
            (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
             qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget))) {
            fitText(widget);
        }
    }
    // Wider or taller captions than designed push their neighbours aside instead of covering
    // them: a text box starts after its label, a label sits above its list.
    for (auto [label, box] : {std::pair<QLabel*, QWidget*>{Label1, txtExcelPath},
                              std::pair<QLabel*, QWidget*>{Label7, txtvCardSavePath}}) {
        const int left = label->geometry().right() + 5;
        if (box->x() < left) {
            box->setGeometry(left, box->y(), box->geometry().right() - left + 1, box->height());
        }
    }
    for (auto [label, box] : {std::pair<QLabel*, QWidget*>{Label2, cmbHeader},
                              std::pair<QLabel*, QWidget*>{Label5, cmbOutlook},
                              std::pair<QLabel*, QWidget*>{Label6, Line1},
                              std::pair<QLabel*, QWidget*>{Label9, Line2}}) {
        if (label->geometry().bottom() >= box->y()) {
            label->move(label->x(), box->y() - label->height());
        }
    }
    // The count numbers follow their captions, however wide the platform's font makes them.
    const int countLeft =
        qMax(lblNotNullLabel->geometry().right(), contactCountLabel->geometry().right()) + 8;
    for (QLabel* count : {lblNotNullCount, lblContactCount}) {
        count->move(qMax(count->x(), countLeft), count->y());
    }
    Label10->installEventFilter(this);
    Label11->installEventFilter(this);
    setTabOrders();
    updateOpenExcelAction();
    connect(ExportTab, &QTabWidget::currentChanged, this, &frmMain::updateOpenExcelAction);

    Form_Load();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::Form_Initialize() {
    m_vCardVersion = u"2.1"_s;
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"mnuFile"_s);
    QAction* exit = file->addAction(u"&Exit"_s);
    exit->setObjectName(u"Exit"_s);
    connect(exit, &QAction::triggered, this, &frmMain::Exit_Click);

    QMenu* about = menuBar()->addMenu(u"&About"_s);
    about->setObjectName(u"mnuAbout"_s);
    QAction* aboutUs = about->addAction(u"About &Us"_s);
    aboutUs->setObjectName(u"AboutUs"_s);
    connect(aboutUs, &QAction::triggered, this, &frmMain::AboutUs_Click);
    QAction* help = about->addAction(u"&Help"_s);
    help->setObjectName(u"Help"_s);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &frmMain::Help_Click);
}

void frmMain::buildToolBar() {
    mainToolBar = addToolBar(u"Toolbar"_s);
    mainToolBar->setObjectName(u"mainToolBar"_s);
    mainToolBar->setMovable(false);
    mainToolBar->setFloatable(false);
    mainToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    mainToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_openExcel =
        mainToolBar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), u"Open Excel"_s);
    m_openExcel->setObjectName(u"OpenExcel"_s);
    m_openExcel->setShortcut(QKeySequence::Open);
    m_openExcel->setToolTip(u"Open Excel (%1)"_s.arg(
        QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
    connect(m_openExcel, &QAction::triggered, this, &frmMain::cmdBrowse_Click);
}

void frmMain::buildSelectTab(QWidget* page, int top) {
    Label1 = makeLabel(u"Label1"_s, u"Select Excel File :"_s, page);
    place(Label1, 240, 670, 1335, 255, top);

    txtExcelPath = makePathBox(u"txtExcelPath"_s, Label1, page);
    place(txtExcelPath, 1560, 600, 6255, 375, top);

    cmdBrowse = makeButton(u"cmdBrowse"_s, u"&Browse..."_s, page);
    place(cmdBrowse, 7920, 600, 1215, 375, top);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);

    Label6 = makeLabel(u"Label6"_s, u"Excel File Preview"_s, page);
    place(Label6, 240, 1080, 1695, 255, top);

    Line1 = makeLine(u"Line1"_s, page);
    place(Line1, 240, 1320, 9120 - 240, 15, top);

    m_preview = new PreviewModel(this);
    sourceExcelData = new QTableView(page);
    sourceExcelData->setObjectName(u"sourceExcelData"_s);
    sourceExcelData->setModel(m_preview);
    sourceExcelData->setFont(designFont(u"Verdana"_s));
    sourceExcelData->setAccessibleName(spokenName(Label6->text()));
    sourceExcelData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sourceExcelData->setTabKeyNavigation(false);
    sourceExcelData->horizontalHeader()->setDefaultSectionSize(80);
    sourceExcelData->verticalHeader()->setDefaultSectionSize(
        sourceExcelData->fontMetrics().height() + 6);
    Label6->setBuddy(sourceExcelData);
    place(sourceExcelData, 240, 1440, 8895, 3135, top);
}

void frmMain::buildMappingTab(QWidget* page, int top) {
    Label2 = makeLabel(u"Label2"_s, u"Excel Fields"_s, page);
    makeBold(Label2);
    place(Label2, 120, 600, 1695, 255, top);

    cmbHeader = new QComboBox(page);
    cmbHeader->setObjectName(u"cmbHeader"_s);
    cmbHeader->setEditable(false);
    cmbHeader->setAccessibleName(Label2->text());
    Label2->setBuddy(cmbHeader);
    place(cmbHeader, 120, 840, 2415, 315, top);

    Label5 = makeLabel(u"Label5"_s, u"vCard Fields"_s, page);
    makeBold(Label5);
    place(Label5, 6480, 600, 1815, 255, top);

    cmbOutlook = new QComboBox(page);
    cmbOutlook->setObjectName(u"cmbOutlook"_s);
    cmbOutlook->setEditable(true);
    cmbOutlook->setInsertPolicy(QComboBox::NoInsert);
    cmbOutlook->setAccessibleName(Label5->text());
    Label5->setBuddy(cmbOutlook);
    place(cmbOutlook, 6480, 840, 2775, 315, top);

    cmdAddMapping = makeButton(u"cmdAddMapping"_s, u"A&dd"_s, page);
    place(cmdAddMapping, 7800, 1320, 1455, 375, top);
    connect(cmdAddMapping, &QPushButton::clicked, this, &frmMain::cmdAddMapping_Click);

    cmdRemove = makeButton(u"cmdRemove"_s, u"&Remove"_s, page);
    place(cmdRemove, 7800, 1800, 1455, 375, top);
    connect(cmdRemove, &QPushButton::clicked, this, &frmMain::cmdRemove_Click);

    Label9 = makeLabel(u"Label9"_s, u"Selected Fileds ( Excel --> vCard )"_s, page);
    makeBold(Label9);
    place(Label9, 120, 2040, 4935, 255, top);

    Line2 = makeLine(u"Line2"_s, page);
    place(Line2, 120, 2280, 9240 - 120, 15, top);

    mappedList = new QListWidget(page);
    mappedList->setObjectName(u"mappedList"_s);
    mappedList->setSortingEnabled(false);
    mappedList->setAccessibleName(u"Selected Fields (Excel to vCard)"_s);
    Label9->setBuddy(mappedList);
    place(mappedList, 120, 2400, 9135, 1980, top);
}

void frmMain::buildExportTab(QWidget* page, int top) {
    const QColor blue(0, 0, 255);
    const QColor darkRed(192, 0, 0);

    chkNotNull = new QCheckBox(page);
    chkNotNull->setObjectName(u"chkNotNull"_s);
    place(chkNotNull, 360, 720, 200, 375, top);
    Label10 = makeLabel(u"Label10"_s, u"Allow Empty Email Addresses to be Imported"_s, page);
    setTextColour(Label10, blue);
    place(Label10, 670, 795, 4695, 375, top);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkNotNull->setAccessibleName(Label10->text());
    Label10->setBuddy(chkNotNull);

    ChkSinglevCard = new QCheckBox(page);
    ChkSinglevCard->setObjectName(u"ChkSinglevCard"_s);
    place(ChkSinglevCard, 360, 1200, 200, 375, top);
    Label11 = makeLabel(u"Label11"_s, u"Single vCard File for All Contacts"_s, page);
    setTextColour(Label11, blue);
    place(Label11, 670, 1275, 2895, 375, top);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label12 = makeLabel(u"Label12"_s,
                        u"(by default Separate vCards are saved for every Contact )"_s, page);
    setTextColour(Label12, darkRed);
    place(Label12, 3960, 1275, 4575, 375, top);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChkSinglevCard->setAccessibleName(Label11->text());
    ChkSinglevCard->setAccessibleDescription(Label12->text());
    Label11->setBuddy(ChkSinglevCard);

    m_versions = new QButtonGroup(this);
    m_versions->setExclusive(true);
    Opt2 = new QRadioButton(u" vCard 2.1 Version"_s, page);
    Opt2->setObjectName(u"Opt2"_s);
    place(Opt2, 360, 1680, 2175, 375, top);
    Opt3 = new QRadioButton(u" vCard 3.0 Version"_s, page);
    Opt3->setObjectName(u"Opt3"_s);
    place(Opt3, 2760, 1680, 2175, 375, top);
    Opt4 = new QRadioButton(u" vCard 4.0 Version"_s, page);
    Opt4->setObjectName(u"Opt4"_s);
    place(Opt4, 5040, 1680, 2175, 375, top);
    for (QRadioButton* option : {Opt2, Opt3, Opt4}) {
        option->setAccessibleName(spokenName(option->text()));
        m_versions->addButton(option);
    }
    Opt2->setChecked(true);
    connect(Opt2, &QRadioButton::clicked, this, &frmMain::Opt2_Click);
    connect(Opt3, &QRadioButton::clicked, this, &frmMain::Opt3_Click);
    connect(Opt4, &QRadioButton::clicked, this, &frmMain::Opt4_Click);

    lblNotNullLabel =
        makeLabel(u"lblNotNullLabel"_s, u"Number of Empty Email Contact(s)       :"_s, page);
    place(lblNotNullLabel, 360, 2760, 2895, 255, top);
    lblNotNullCount = makeLabel(u"lblNotNullCount"_s, u"0"_s, page);
    setTextColour(lblNotNullCount, blue);
    lblNotNullCount->setAccessibleName(spokenName(lblNotNullLabel->text()));
    place(lblNotNullCount, 3480, 2760, 2055, 255, top);
    contactCountLabel =
        makeLabel(u"contactCountLabel"_s, u"Number of Contacts Added                  :"_s, page);
    place(contactCountLabel, 360, 3120, 3015, 255, top);
    lblContactCount = makeLabel(u"lblContactCount"_s, u"0"_s, page);
    setTextColour(lblContactCount, blue);
    lblContactCount->setAccessibleName(spokenName(contactCountLabel->text()));
    place(lblContactCount, 3480, 3120, 1935, 255, top);
    setCountLabelsVisible(false);

    statusBar = new QProgressBar(page);
    statusBar->setObjectName(u"statusBar"_s);
    statusBar->setRange(0, 100);
    statusBar->setValue(0);
    statusBar->setAccessibleName(u"Conversion progress"_s);
    statusBar->setVisible(false);
    place(statusBar, 360, 3600, 8655, 375, top);

    Label7 = makeLabel(u"Label7"_s, u"Saving Location :"_s, page);
    place(Label7, 360, 4155, 1335, 255, top);
    txtvCardSavePath = makePathBox(u"txtvCardSavePath"_s, Label7, page);
    place(txtvCardSavePath, 1680, 4080, 6015, 375, top);

    CmdChangevCardPath = makeButton(u"CmdChangevCardPath"_s, u"&Change..."_s, page);
    place(CmdChangevCardPath, 7800, 4080, 1215, 375, top);
    connect(CmdChangevCardPath, &QPushButton::clicked, this, &frmMain::CmdChangevCardPath_Click);
}

void frmMain::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(u"statusIndicator"_s);
    bar->setSizeGripEnabled(false);
    const QString texts[3] = {u"Brinmark Excel to vCard"_s, QString(), u"www.brinmark.example"_s};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = makeLabel(u"statusIndicatorPanel%1"_s.arg(i + 1), texts[i], bar);
        statusPanels[i]->setFrameShape(QFrame::StyledPanel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
    }
    statusPanels[1]->setAccessibleName(u"Items found"_s);
    bar->addWidget(statusPanels[0], 2);
    bar->addWidget(statusPanels[1], 2);
    bar->addPermanentWidget(statusPanels[2], 1);
    setStatusBar(bar);
}

void frmMain::setTabOrders() {
    const QList<QWidget*> chain = {txtExcelPath,
                                   cmdBrowse,
                                   sourceExcelData,
                                   cmbHeader,
                                   cmbOutlook,
                                   cmdAddMapping,
                                   cmdRemove,
                                   mappedList,
                                   chkNotNull,
                                   ChkSinglevCard,
                                   Opt2,
                                   Opt3,
                                   Opt4,
                                   txtvCardSavePath,
                                   CmdChangevCardPath,
                                   cmdPrevious,
                                   cmdNext};
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
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
    for (int i = 0; i < ExportTab->count(); ++i) {
        ExportTab->setTabEnabled(i, i == index);
    }
    ExportTab->setCurrentIndex(index);
}

void frmMain::message(const QString& text) {
    m_dialogs.showMessage(this, kApplicationTitle, text, DialogService::Icon::None);
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
        if (mappedList->count() == 0) {
            message(u"Please Map Excel Column to Outlook Attribute."_s);
            return;
        }
        if (txtvCardSavePath->text().isEmpty()) {
            txtvCardSavePath->setText(m_dialogs.specialFolder());
        }
        cmdNext->setText(u"Convert"_s);
        m_state.currentStep = 3;
        showTab(2);
        break;
    case 3:
        setCountLabelsVisible(true);
        cmdPrevious->setEnabled(false);
        cmdNext->setEnabled(false);
        convertContacts();
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
        cmdNext->setText(u"Next"_s);
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
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
    }
    const QString loadedPath = txtExcelPath->text();
    txtExcelPath->setText(m_fileName);
    const bool read = extractExcelData();
    if (m_closeRequested) {
        close();
        return;
    }
    if (!read) {
        // The window keeps the workbook it had, and the path the conversion will read.
        txtExcelPath->setText(loadedPath);
        m_fileName = loadedPath;
        return;
    }
    cmdNext->setEnabled(true);
    m_state.currentStep = 1;
}

bool frmMain::extractExcelData() {
    Yielder yielder([] { QCoreApplication::processEvents(); }, kYieldMs);
    setWork(Work::Reading);
    const WorkbookScanResult result = scanWorkbook(*m_source, txtExcelPath->text(), yielder);
    applyScan(m_state, result);
    setWork(Work::Idle);
    if (!result.status) {
        message(result.status.message());
        return false;
    }
    if (!result.read) {
        return true; // a blank path: nothing was read and nothing changes
    }
    m_preview->setTable(result.preview);
    statusPanels[1]->setText(result.itemsFound);
    // A new header row: the mapping list starts again so that display and mappings agree.
    m_mapping.workbookLoaded();
    refreshMappingControls(false);
    return true;
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
    mappedList->setCurrentRow(-1);

    const bool enabled = m_mapping.addEnabled() && !busy();
    cmbHeader->setEnabled(enabled);
    cmbOutlook->setEnabled(enabled);
    cmdAddMapping->setEnabled(enabled);
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

void frmMain::setCountLabelsVisible(bool visible) {
    for (QLabel* label : {lblNotNullLabel, lblNotNullCount, contactCountLabel, lblContactCount}) {
        label->setVisible(visible);
    }
}

void frmMain::CmdChangevCardPath_Click() {
    if (busy()) {
        return;
    }
    const QString chosen = m_dialogs.pickFolder(this, u"Select Folder"_s);
    m_state.outputFolder = chosen;
    if (chosen.isEmpty()) {
        cmdNext->setEnabled(true);
        setCountLabelsVisible(false);
        return;
    }
    cmdNext->setEnabled(false);
    setCountLabelsVisible(true);
    txtvCardSavePath->setText(chosen);
    const FolderResult folder = createStampedFolder(chosen, m_clock());
    m_state.outputFolder = folder.path;
    if (!folder.status) {
        m_dialogs.showMessage(this, kApplicationTitle, folder.status.message(),
                              DialogService::Icon::Warning);
    }
    cmdNext->setEnabled(true);
}

void frmMain::Opt2_Click() {
    m_vCardVersion = u"2.1"_s;
}

void frmMain::Opt3_Click() {
    m_vCardVersion = u"3.0"_s;
}

void frmMain::Opt4_Click() {
    m_vCardVersion = u"4.0"_s;
}

void frmMain::progressBar_Timer() {
    // Converted rows against data rows: the header row is not work to be done.
    statusBar->setValue(progressPercent(m_state.progressDone, m_state.itemCount - 1));
}

void frmMain::convertContacts() {
    WindowHost host(*this);
    statusBar->setValue(0);
    setWork(Work::Converting);
    progressBar->start();
    const ConversionReport report =
        ::convertContacts(m_state, txtExcelPath->text(), *m_source, host);
    progressBar->stop();
    host.showCounts();
    setWork(Work::Idle);
    if (m_closeRequested) {
        close();
        return;
    }
    switch (report.outcome) {
    case ConversionReport::Outcome::NoSaveLocation:
        m_dialogs.showMessage(this, kApplicationTitle, report.message,
                              DialogService::Icon::Information);
        return;
    case ConversionReport::Outcome::FolderFailed:
    case ConversionReport::Outcome::WorkbookFailed:
        m_dialogs.showMessage(this, kApplicationTitle, report.message,
                              DialogService::Icon::Warning);
        return;
    case ConversionReport::Outcome::Finished:
        break;
    }
    statusBar->setVisible(true);
    statusBar->setValue(100);
    if (m_dialogs.askYesNo(this, QString::fromUtf16(kEndDialogCaption), report.endText())) {
        m_dialogs.openWithShell(report.outputFolder);
    } else {
        close();
    }
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
    CmdChangevCardPath->setEnabled(idle);
    const bool mapping = idle && m_mapping.addEnabled();
    cmbHeader->setEnabled(mapping);
    cmbOutlook->setEnabled(mapping);
    cmdAddMapping->setEnabled(mapping);
    cmdRemove->setEnabled(idle);
    mappedList->setEnabled(idle);
    if (idle) {
        QApplication::restoreOverrideCursor();
    } else if (starting) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    updateOpenExcelAction();
}

void frmMain::updateOpenExcelAction() {
    // The toolbar's button is Browse: usable only where Browse is.
    m_openExcel->setEnabled(!busy() && cmdBrowse->isEnabled() && ExportTab->currentIndex() == 0);
}

void frmMain::Exit_Click() {
    close();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // The check boxes carry no text: a click on the caption beside one ticks it.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label10) {
            chkNotNull->toggle();
            return true;
        }
        if (watched == Label11) {
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
