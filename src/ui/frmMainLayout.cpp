// The main window's controls: what each one is, where it sits, how it grows to fit the
// platform's fonts, and the tab order. Positions are the designed ones, in twips.

#include "frmMain.h"

#include "PathBox.h"
#include "PreviewGrid.h"
#include "PreviewModel.h"
#include "ProductInfo.h"
#include "UiFonts.h"
#include "UiGeometry.h"
#include "WindowAccessibility.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Sets a control's designed place. On a tab page the design counts from the tab control's
// corner, so the page's row of tab headers (tabHeader) is taken off.
void place(QWidget* widget, int left, int top, int width, int height, int tabHeader = 0) {
    QRect r = twips(left, top, width, height);
    r.translate(0, -tabHeader);
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

// A button named for tests and spoken by its caption without the mnemonic.
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(spokenName(caption));
    return button;
}

// A list to choose from, not to type into, named for tests.
QComboBox* makeChoiceBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    return box;
}

// A path shown but not typed into, spoken and reached through the label beside it. It is
// read-only rather than disabled, so that the keyboard and screen readers reach it; it keeps
// the greyed look of a box the user cannot type into.
PathBox* makePathBox(const QString& name, QLabel* label, QWidget* parent) {
    auto* box = new PathBox(parent);
    box->setObjectName(name);
    QPalette p = box->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
        const QColor greyed = p.color(QPalette::Disabled, role);
        p.setColor(QPalette::Active, role, greyed);
        p.setColor(QPalette::Inactive, role, greyed);
    }
    box->setPalette(p);
    box->setAccessibleName(spokenName(label->text()));
    label->setBuddy(box);
    return box;
}

// The banner with the line under its title, which is in the user's language; a longer line
// than the banner has room for is set smaller rather than cut.
QPixmap bannerWithTagline() {
    QPixmap banner(u":/excel2vcard/banner.png"_s);
    const QString tagline =
        frmMain::tr("%1  \u00b7  your contact list, ready for every address book")
            .arg(vendorName());
    const QRectF room(198, 48, 440, 22);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(13);
    while (font.pixelSize() > 9 && QFontMetricsF(font).horizontalAdvance(tagline) > room.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    p.setPen(QColor(220, 236, 240));
    p.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, tagline);
    return banner;
}

} // namespace

void frmMain::buildWindow() {
    setObjectName(u"frmMain"_s);
    setWindowTitle(applicationTitle() + u" "_s + displayVersion());
    setWindowIcon(QIcon(u":/excel2vcard/excel2vcard.png"_s));
    setFont(designFont(u"Tahoma"_s));

    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    central->setObjectName(u"clientArea"_s);
    setCentralWidget(central);

    Picture1 = new QLabel(central);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setPixmap(bannerWithTagline());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(applicationTitle());
    place(Picture1, 0, 0, 9615, 1335);

    ExportTab = new QTabWidget(central);
    ExportTab->setObjectName(u"ExportTab"_s);
    ExportTab->setAccessibleName(tr("Wizard steps"));
    auto* pageSelect = new QWidget;
    pageSelect->setObjectName(u"tabSelect"_s);
    auto* pageMapping = new QWidget;
    pageMapping->setObjectName(u"tabMapping"_s);
    auto* pageExport = new QWidget;
    pageExport->setObjectName(u"tabExport"_s);
    ExportTab->addTab(pageSelect, tr("1. Select"));
    ExportTab->addTab(pageMapping, tr("2. Map Columns"));
    ExportTab->addTab(pageExport, tr("3. Export"));
    place(ExportTab, 120, 1440, 9375, 4815);
    // Positions on a tab count from the tab control's corner, its row of headers included.
    const int header = ExportTab->tabBar()->sizeHint().height() + 2;
    buildSelectTab(pageSelect, header);
    buildMappingTab(pageMapping, header);
    buildExportTab(pageExport, header);

    cmdPrevious = makeButton(u"cmdPrevious"_s, tr("<  Pre&vious"), central);
    cmdPrevious->setAccessibleName(tr("Previous"));
    cmdPrevious->setEnabled(false);
    place(cmdPrevious, 5400, 6480, 1935, 495);

    cmdNext = makeButton(u"cmdNext"_s, QString(), central);
    setNextCaption(tr("&Next >"));
    place(cmdNext, 7560, 6480, 1935, 495);

    // The card preview takes a column of its own right of the steps, so that every control of
    // the steps keeps its place.
    buildCardPreview(central, 9615);
    central->setFixedSize(15120 / 15, 7095 / 15);
    buildStatusBar();

    fitToCaptions(central);
    setTabOrders();
    for (QComboBox* combo : central->findChildren<QComboBox*>()) {
        // The text part of an editable combo box is spoken as the box.
        if (combo->lineEdit()) {
            combo->lineEdit()->setAccessibleName(combo->accessibleName());
        }
        chooseByListSelection(combo);
    }

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

// Controls side by side on one line: each starts at least gap pixels after the one before it,
// so that a longer caption pushes the rest along instead of covering them.
void followInRow(std::initializer_list<QWidget*> row, int gap) {
    const QWidget* previous = nullptr;
    for (QWidget* widget : row) {
        if (previous) {
            widget->move(qMax(widget->x(), previous->geometry().right() + 1 + gap), widget->y());
        }
        previous = widget;
    }
}

// Makes room under a control that now reaches down to bottom: the rows of the page's controls
// that start below the line at top move down as far as they must to stay gap pixels apart,
// using the room between rows before moving the rows after them.
void pushRowsDown(QWidget* page, int top, int bottom, int gap) {
    QList<QWidget*> below;
    for (QObject* child : page->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->y() > top) {
            below.append(widget);
        }
    }
    std::stable_sort(below.begin(), below.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    int previousBottom = bottom;
    for (qsizetype first = 0; first < below.size();) {
        // A row: the controls whose heights overlap, as they were designed.
        qsizetype end = first + 1;
        int rowBottom = below[first]->geometry().bottom();
        while (end < below.size() && below[end]->y() <= rowBottom) {
            rowBottom = qMax(rowBottom, below[end]->geometry().bottom());
            ++end;
        }
        const int shift = qMax(0, previousBottom + 1 + gap - below[first]->y());
        for (qsizetype i = first; i < end; ++i) {
            below[i]->move(below[i]->x(), below[i]->y() + shift);
        }
        previousBottom = rowBottom + shift;
        first = end;
    }
}

// How far the controls of a page reach beyond its right edge, keeping margin pixels clear.
int overflowOf(const QWidget* page, int margin) {
    int overflow = 0;
    for (const QObject* child : page->children()) {
        if (const auto* widget = qobject_cast<const QWidget*>(child)) {
            overflow = qMax(overflow, widget->geometry().right() + 1 + margin - page->width());
        }
    }
    return overflow;
}

} // namespace

void frmMain::fitToCaptions(QWidget* central) {
    // A tab control sizes its pages only once it is shown; what fits on a page is asked now.
    const auto layOutSteps = [this] {
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(ExportTab);
        frame.rect = ExportTab->rect();
        frame.shape = ExportTab->tabBar()->shape();
        frame.tabBarSize = ExportTab->tabBar()->sizeHint();
        frame.lineWidth =
            ExportTab->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, ExportTab);
        const QRect contents =
            ExportTab->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, ExportTab);
        for (int i = 0; i < ExportTab->count(); ++i) {
            ExportTab->widget(i)->resize(contents.size());
        }
    };
    layOutSteps();
    for (QWidget* widget : central->findChildren<QWidget*>()) {
        if (widget != Picture1 &&
            (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
             qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget))) {
            fitText(widget);
        }
    }
    // Wider or taller captions than designed push their neighbours aside instead of covering
    // them: a text box starts after its label (and stays wide enough for its own text), a label
    // sits above its list.
    for (auto [label, box] : {std::pair<QWidget*, QWidget*>{Label1, txtExcelPath},
                              std::pair<QWidget*, QWidget*>{lblSheet, cmbSheet},
                              std::pair<QWidget*, QWidget*>{Label7, txtvCardSavePath},
                              std::pair<QWidget*, QWidget*>{lblDateOrder, cmbDateOrder},
                              std::pair<QWidget*, QWidget*>{lblImportTarget, cmbImportTarget},
                              std::pair<QWidget*, QWidget*>{lblSendTo, cmbSendTo},
                              std::pair<QWidget*, QWidget*>{chkPhoneFormat, cmbPhoneRegion},
                              std::pair<QWidget*, QWidget*>{cmbPhoneRegion, cmbPhoneStyle}}) {
        const int left = label->geometry().right() + 5;
        if (box->x() < left) {
            const int width = qMax(box->geometry().right() - left + 1,
                                   qMin(box->width(), box->sizeHint().width()));
            box->setGeometry(left, box->y(), width, box->height());
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
    // The mapping buttons in a row; Remove stays under Add.
    followInRow({cmdAutoMap, cmdSaveMapping, cmdLoadMapping, cmdAddMapping}, 8);
    cmdRemove->move(cmdAddMapping->x(), cmdRemove->y());
    // The note on the single-file box follows its caption; where the line has no room for it,
    // it goes under the caption and the rows below make way.
    QWidget* exportPage = Label11->parentWidget();
    if (auto* note = exportPage->findChild<QLabel*>(u"Label12"_s)) {
        followInRow({Label11, note}, 8);
        if (note->geometry().right() + 8 >= exportPage->width()) {
            const int rowBottom =
                qMax(Label11->geometry().bottom(), ChkSinglevCard->geometry().bottom());
            Label11->resize(Label11->width(), Label11->sizeHint().height());
            note->setGeometry(Label11->x(), Label11->geometry().bottom() + 1,
                              note->sizeHint().width(), note->sizeHint().height());
            pushRowsDown(exportPage, rowBottom, note->geometry().bottom(), 4);
        }
    }
    // The count numbers follow their captions, however wide the platform's font makes them.
    const int countLeft =
        qMax(lblNotNullLabel->geometry().right(), contactCountLabel->geometry().right()) + 8;
    for (QLabel* count : {lblNotNullCount, lblContactCount}) {
        count->move(qMax(count->x(), countLeft), count->y());
        // ...and end before the row that says where the cards go.
        count->resize(qMin(count->width(), lblSendTo->x() - 8 - count->x()), count->height());
    }
    // Where the cards go and the server's button end where the import target above ends, as
    // far as the caption beside the box lets them.
    const int right = cmbImportTarget->geometry().right();
    const int sendToLeft =
        std::max(right + 1 - cmbSendTo->width(), lblSendTo->geometry().right() + 5);
    cmbSendTo->move(std::min(cmbSendTo->x(), sendToLeft), cmbSendTo->y());
    cmdServer->move(cmbSendTo->geometry().right() + 1 - cmdServer->width(), cmdServer->y());
    // The preview's heading line: a longer "Contact:" takes room from the gap after the
    // heading before it pushes the number box and the row along.
    const int crowding = lblPreviewContact->geometry().right() + 4 - spnPreviewContact->x();
    if (crowding > 0) {
        const int room = lblPreviewContact->x() - (lblCardPreview->geometry().right() + 1 + 12);
        lblPreviewContact->move(lblPreviewContact->x() - qBound(0, room, crowding),
                                lblPreviewContact->y());
    }
    const int rowRight = lblPreviewRow->geometry().right();
    followInRow({lblCardPreview, lblPreviewContact, spnPreviewContact, lblPreviewRow}, 4);
    lblPreviewRow->setFixedWidth(
        qMax(lblPreviewRow->sizeHint().width(), rowRight - lblPreviewRow->x() + 1));

    // What still does not fit in a step widens the steps, and the window with them; the card
    // preview's column moves right. The designed window keeps its size where all fits.
    int overflow = 0;
    for (int i = 0; i < ExportTab->count(); ++i) {
        overflow = qMax(overflow, overflowOf(ExportTab->widget(i), 4));
    }
    const int previewOverflow = lblPreviewRow->geometry().right() + 1 - central->width();
    if (overflow > 0 || previewOverflow > 0) {
        const int stepsRight = ExportTab->geometry().right();
        overflow = qMax(overflow, 0);
        ExportTab->resize(ExportTab->width() + overflow, ExportTab->height());
        layOutSteps();
        for (QObject* child : central->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget != Picture1 && widget->x() > stepsRight - 2 * 120 / 15) {
                widget->move(widget->x() + overflow, widget->y());
            }
        }
        for (QPushButton* button : {cmdPrevious, cmdNext}) {
            button->move(button->x() + overflow, button->y());
        }
        central->setFixedWidth(central->width() + overflow + qMax(previewOverflow, 0));
    }
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(u"mnuFile"_s);
    m_exit = file->addAction(tr("&Exit"));
    m_exit->setObjectName(u"Exit"_s);

    QMenu* about = menuBar()->addMenu(tr("&About"));
    about->setObjectName(u"mnuAbout"_s);
    m_aboutUs = about->addAction(tr("About &Us"));
    m_aboutUs->setObjectName(u"AboutUs"_s);
    m_help = about->addAction(tr("&Help"));
    m_help->setObjectName(u"Help"_s);
    m_help->setShortcut(QKeySequence::HelpContents);
}

void frmMain::buildToolBar() {
    QToolBar* mainToolBar = addToolBar(tr("Toolbar"));
    mainToolBar->setObjectName(u"mainToolBar"_s);
    mainToolBar->setMovable(false);
    mainToolBar->setFloatable(false);
    mainToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    mainToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_openExcel = mainToolBar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                                         tr("Open Excel"));
    m_openExcel->setObjectName(u"OpenExcel"_s);
    m_openExcel->setShortcut(QKeySequence::Open);
    m_openExcel->setToolTip(
        tr("Open Excel (%1)")
            .arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
}

void frmMain::buildSelectTab(QWidget* page, int top) {
    Label1 = makeLabel(u"Label1"_s, tr("Select Excel File :"), page);
    place(Label1, 240, 670, 1335, 255, top);

    txtExcelPath = makePathBox(u"txtExcelPath"_s, Label1, page);
    place(txtExcelPath, 1560, 600, 6255, 375, top);

    cmdBrowse = makeButton(u"cmdBrowse"_s, tr("&Browse..."), page);
    place(cmdBrowse, 7920, 600, 1215, 375, top);

    // The worksheet to read, in the free row above the preview's line, right-aligned with the
    // grid; shown only for a workbook of several worksheets.
    lblSheet = makeLabel(u"lblSheet"_s, tr("Sheet:"), page);
    place(lblSheet, 5280, 1050, 615, 255, top);
    cmbSheet = makeChoiceBox(u"cmbSheet"_s, page);
    cmbSheet->setAccessibleName(spokenName(lblSheet->text()));
    cmbSheet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Flat: the row between Browse and the preview's line is lower than a framed box.
    cmbSheet->setFrame(false);
    lblSheet->setBuddy(cmbSheet);
    place(cmbSheet, 5940, 1000, 3195, 315, top);
    lblSheet->setVisible(false);
    cmbSheet->setVisible(false);

    Label6 = makeLabel(u"Label6"_s, tr("Excel File Preview"), page);
    place(Label6, 240, 1080, 1695, 255, top);

    Line1 = makeLine(u"Line1"_s, page);
    place(Line1, 240, 1320, 9120 - 240, 15, top);

    m_preview = new PreviewModel(this);
    sourceExcelData = new PreviewGrid(page);
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
    Label2 = makeLabel(u"Label2"_s, tr("Excel Fields"), page);
    makeBold(Label2);
    place(Label2, 120, 600, 1695, 255, top);

    cmbHeader = makeChoiceBox(u"cmbHeader"_s, page);
    cmbHeader->setAccessibleName(Label2->text());
    Label2->setBuddy(cmbHeader);
    place(cmbHeader, 120, 840, 2415, 315, top);

    Label5 = makeLabel(u"Label5"_s, tr("vCard Fields"), page);
    makeBold(Label5);
    place(Label5, 6480, 600, 1815, 255, top);

    cmbOutlook = new QComboBox(page);
    cmbOutlook->setObjectName(u"cmbOutlook"_s);
    cmbOutlook->setEditable(true);
    cmbOutlook->setInsertPolicy(QComboBox::NoInsert);
    cmbOutlook->setAccessibleName(Label5->text());
    Label5->setBuddy(cmbOutlook);
    place(cmbOutlook, 6480, 840, 2775, 315, top);

    cmdAddMapping = makeButton(u"cmdAddMapping"_s, tr("A&dd"), page);
    place(cmdAddMapping, 7800, 1320, 1455, 375, top);

    cmdRemove = makeButton(u"cmdRemove"_s, tr("&Remove"), page);
    place(cmdRemove, 7800, 1800, 1455, 375, top);

    // In the free row left of Add, so that every earlier control keeps its place.
    cmdAutoMap = makeButton(u"cmdAutoMap"_s, tr("Auto &Map"), page);
    place(cmdAutoMap, 120, 1320, 1455, 375, top);
    cmdSaveMapping = makeButton(u"cmdSaveMapping"_s, tr("&Save Mapping..."), page);
    place(cmdSaveMapping, 1695, 1320, 1815, 375, top);
    cmdSaveMapping->setEnabled(false); // until the list holds a pair
    cmdLoadMapping = makeButton(u"cmdLoadMapping"_s, tr("&Load Mapping..."), page);
    place(cmdLoadMapping, 3630, 1320, 1815, 375, top);

    Label9 = makeLabel(u"Label9"_s, tr("Selected Fileds ( Excel --> vCard )"), page);
    makeBold(Label9);
    place(Label9, 120, 2040, 4935, 255, top);

    Line2 = makeLine(u"Line2"_s, page);
    place(Line2, 120, 2280, 9240 - 120, 15, top);

    mappedList = new QListWidget(page);
    mappedList->setObjectName(u"mappedList"_s);
    mappedList->setSortingEnabled(false);
    mappedList->setAccessibleName(tr("Selected Fields (Excel to vCard)"));
    Label9->setBuddy(mappedList);
    place(mappedList, 120, 2400, 9135, 1980, top);
}

void frmMain::buildExportTab(QWidget* page, int top) {
    const QColor blue(0, 0, 255);
    const QColor darkRed(192, 0, 0);

    chkNotNull = new QCheckBox(page);
    chkNotNull->setObjectName(u"chkNotNull"_s);
    place(chkNotNull, 360, 720, 200, 375, top);
    Label10 = makeLabel(u"Label10"_s, tr("Allow Empty Email Addresses to be Imported"), page);
    setTextColour(Label10, blue);
    place(Label10, 670, 795, 4695, 375, top);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkNotNull->setAccessibleName(Label10->text());
    Label10->setBuddy(chkNotNull);

    ChkSinglevCard = new QCheckBox(page);
    ChkSinglevCard->setObjectName(u"ChkSinglevCard"_s);
    place(ChkSinglevCard, 360, 1200, 200, 375, top);
    Label11 = makeLabel(u"Label11"_s, tr("Single vCard File for All Contacts"), page);
    setTextColour(Label11, blue);
    place(Label11, 670, 1275, 2895, 375, top);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* Label12 = makeLabel(
        u"Label12"_s, tr("(by default Separate vCards are saved for every Contact )"), page);
    setTextColour(Label12, darkRed);
    place(Label12, 3960, 1275, 4575, 375, top);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChkSinglevCard->setAccessibleName(Label11->text());
    ChkSinglevCard->setAccessibleDescription(Label12->text());
    Label11->setBuddy(ChkSinglevCard);

    m_versions = new QButtonGroup(this);
    m_versions->setExclusive(true);
    Opt2 = new QRadioButton(tr(" vCard 2.1 Version"), page);
    Opt2->setObjectName(u"Opt2"_s);
    place(Opt2, 360, 1680, 2175, 375, top);
    Opt3 = new QRadioButton(tr(" vCard 3.0 Version"), page);
    Opt3->setObjectName(u"Opt3"_s);
    place(Opt3, 2760, 1680, 2175, 375, top);
    Opt4 = new QRadioButton(tr(" vCard 4.0 Version"), page);
    Opt4->setObjectName(u"Opt4"_s);
    place(Opt4, 5040, 1680, 2175, 375, top);
    const std::pair<QRadioButton*, VCardVersion> options[] = {
        {Opt2, VCardVersion::V21}, {Opt3, VCardVersion::V30}, {Opt4, VCardVersion::V40}};
    for (auto [option, version] : options) {
        option->setAccessibleName(spokenName(option->text()));
        m_versions->addButton(option, static_cast<int>(version));
    }
    Opt2->setChecked(true);

    // Below the versions, in the room above the counts, so nothing else moves.
    lblDateOrder = makeLabel(u"lblDateOrder"_s, tr("Date order:"), page);
    place(lblDateOrder, 360, 2250, 1095, 255, top);
    cmbDateOrder = makeChoiceBox(u"cmbDateOrder"_s, page);
    for (DateOrder order : {DateOrder::DMY, DateOrder::MDY, DateOrder::YMD}) {
        cmbDateOrder->addItem(dateOrderDisplayText(order), static_cast<int>(order));
    }
    cmbDateOrder->setCurrentIndex(cmbDateOrder->findData(static_cast<int>(systemDateOrder())));
    cmbDateOrder->setAccessibleName(spokenName(lblDateOrder->text()));
    cmbDateOrder->setAccessibleDescription(
        tr("How birthdays and anniversaries written as numbers are read"));
    lblDateOrder->setBuddy(cmbDateOrder);
    place(cmbDateOrder, 1560, 2205, 1215, 315, top);

    // The address book the cards are for, right of the first check box: it decides what the
    // version buttons and the single-file box below it offer.
    lblImportTarget = makeLabel(u"lblImportTarget"_s, tr("&Import into:"), page);
    place(lblImportTarget, 5640, 765, 975, 255, top);
    cmbImportTarget = makeChoiceBox(u"cmbImportTarget"_s, page);
    for (ImportTarget target : {ImportTarget::Generic, ImportTarget::Outlook, ImportTarget::Apple,
                                ImportTarget::Google, ImportTarget::Android}) {
        const QString title = target == ImportTarget::Generic
                                  ? tr("Any address book")
                                  : QString::fromUtf16(importTargetRules(target).title);
        cmbImportTarget->addItem(title, static_cast<int>(target));
    }
    cmbImportTarget->setAccessibleName(spokenName(lblImportTarget->text()));
    cmbImportTarget->setAccessibleDescription(
        tr("The address book the cards are written for: it decides the versions offered"));
    lblImportTarget->setBuddy(cmbImportTarget);
    place(cmbImportTarget, 6720, 705, 2295, 315, top);

    // Phone numbers, in the rest of the date order's row.
    chkPhoneFormat = new QCheckBox(tr("Format p&hone numbers"), page);
    chkPhoneFormat->setObjectName(u"chkPhoneFormat"_s);
    chkPhoneFormat->setAccessibleName(spokenName(chkPhoneFormat->text()));
    place(chkPhoneFormat, 3000, 2205, 2055, 315, top);
    cmbPhoneRegion = makeChoiceBox(u"cmbPhoneRegion"_s, page);
    for (const PhoneRegion& region : phoneRegions()) {
        cmbPhoneRegion->addItem(region.name, region.code);
    }
    cmbPhoneRegion->setCurrentIndex(cmbPhoneRegion->findData(systemPhoneRegion()));
    cmbPhoneRegion->setAccessibleName(tr("Phone region"));
    cmbPhoneRegion->setAccessibleDescription(
        tr("The country of the numbers written without a country code"));
    cmbPhoneRegion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    place(cmbPhoneRegion, 5160, 2205, 2160, 315, top);
    cmbPhoneStyle = makeChoiceBox(u"cmbPhoneStyle"_s, page);
    cmbPhoneStyle->addItem(tr("International"), static_cast<int>(PhoneStyle::International));
    cmbPhoneStyle->addItem(tr("E.164"), static_cast<int>(PhoneStyle::E164));
    cmbPhoneStyle->setAccessibleName(tr("Phone number form"));
    place(cmbPhoneStyle, 7440, 2205, 1575, 315, top);

    lblNotNullLabel =
        makeLabel(u"lblNotNullLabel"_s, tr("Number of Empty Email Contact(s)       :"), page);
    place(lblNotNullLabel, 360, 2760, 2895, 255, top);
    lblNotNullCount = makeLabel(u"lblNotNullCount"_s, QString(), page);
    setTextColour(lblNotNullCount, blue);
    setCountText(lblNotNullCount, u"0"_s);
    place(lblNotNullCount, 3480, 2760, 2055, 255, top);
    contactCountLabel =
        makeLabel(u"contactCountLabel"_s, tr("Number of Contacts Added                  :"), page);
    place(contactCountLabel, 360, 3120, 3015, 255, top);
    lblContactCount = makeLabel(u"lblContactCount"_s, QString(), page);
    setTextColour(lblContactCount, blue);
    setCountText(lblContactCount, u"0"_s);
    place(lblContactCount, 3480, 3120, 1935, 255, top);
    setCountLabelsVisible(false);

    statusBar = new QProgressBar(page);
    statusBar->setObjectName(u"statusBar"_s);
    statusBar->setRange(0, 100);
    statusBar->setValue(0);
    statusBar->setAccessibleName(tr("Conversion progress"));
    statusBar->setVisible(false);
    place(statusBar, 360, 3600, 8655, 375, top);

    Label7 = makeLabel(u"Label7"_s, tr("Saving Location :"), page);
    place(Label7, 360, 4155, 1335, 255, top);
    txtvCardSavePath = makePathBox(u"txtvCardSavePath"_s, Label7, page);
    place(txtvCardSavePath, 1680, 4080, 6015, 375, top);

    CmdChangevCardPath = makeButton(u"CmdChangevCardPath"_s, tr("&Change..."), page);
    place(CmdChangevCardPath, 7800, 4080, 1215, 375, top);

    // Where the cards go, in the free room right of the counts, under the import target it
    // goes with; the server's button below the box, over the save location's button.
    lblSendTo = makeLabel(u"lblSendTo"_s, tr("&Send to:"), page);
    place(lblSendTo, 5640, 2790, 735, 255, top);
    cmbSendTo = makeChoiceBox(u"cmbSendTo"_s, page);
    cmbSendTo->addItem(tr("Folder"));
    cmbSendTo->addItem(tr("Address book on a server"));
    cmbSendTo->setAccessibleName(spokenName(lblSendTo->text()));
    cmbSendTo->setAccessibleDescription(
        tr("Files in a folder, or the contacts sent to an address book on a server"));
    lblSendTo->setBuddy(cmbSendTo);
    place(cmbSendTo, 6480, 2745, 2535, 315, top);
    cmdServer = makeButton(u"cmdServer"_s, tr("Se&rver..."), page);
    cmdServer->setAccessibleDescription(tr("The server, the sign-in and the address book"));
    place(cmdServer, 7800, 3150, 1215, 375, top);
}

void frmMain::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(u"statusIndicator"_s);
    bar->setSizeGripEnabled(false);
    const QString texts[3] = {shortApplicationTitle(), QString(), vendorWebSite()};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = makeLabel(u"statusIndicatorPanel%1"_s.arg(i + 1), texts[i], bar);
        statusPanels[i]->setFrameShape(QFrame::StyledPanel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
    }
    // The count panel is spoken as it reads, "Items Found:  12": it has no name of its own.
    bar->addWidget(statusPanels[0], 2);
    bar->addWidget(statusPanels[1], 2);
    bar->addPermanentWidget(statusPanels[2], 1);
    setStatusBar(bar);
}

void frmMain::setTabOrders() {
    const QList<QWidget*> chain = {txtExcelPath,
                                   cmdBrowse,
                                   cmbSheet,
                                   sourceExcelData,
                                   cmbHeader,
                                   cmbOutlook,
                                   cmdAddMapping,
                                   cmdRemove,
                                   mappedList,
                                   chkNotNull,
                                   cmbImportTarget,
                                   ChkSinglevCard,
                                   Opt2,
                                   Opt3,
                                   Opt4,
                                   cmbDateOrder,
                                   chkPhoneFormat,
                                   cmbPhoneRegion,
                                   cmbPhoneStyle,
                                   cmbSendTo,
                                   cmdServer,
                                   txtvCardSavePath,
                                   CmdChangevCardPath,
                                   spnPreviewContact,
                                   txtCardPreview,
                                   cmdPrevious,
                                   cmdNext};
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    // The row of mapping buttons, left of Add, comes between the field box and Add.
    const QList<QWidget*> mappingRow = {cmbOutlook, cmdAutoMap, cmdSaveMapping, cmdLoadMapping,
                                        cmdAddMapping};
    for (qsizetype i = 1; i < mappingRow.size(); ++i) {
        setTabOrder(mappingRow[i - 1], mappingRow[i]);
    }
}
