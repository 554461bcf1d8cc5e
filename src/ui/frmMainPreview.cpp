// The card preview beside the wizard's steps: the card one contact gets with the mapping and
// options as they stand, redrawn whenever one of them changes.

#include "frmMain.h"

#include "CardPreview.h"
#include "ConversionRun.h"
#include "PathBox.h"
#include "PreviewGrid.h"
#include "UiGeometry.h"
#include "WindowAccessibility.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

// The panel's places, in twips like the rest of the window: a heading row with the contact
// selector, the card below it down to the wizard buttons' lower edge.
constexpr int kPanelWidth = 5385;
constexpr int kHeadingTop = 1440;
constexpr int kCardTop = 1860;
constexpr int kPanelBottom = 6975;

} // namespace

void frmMain::buildCardPreview(QWidget* central, int left) {
    lblCardPreview = new QLabel(tr("Card &Preview"), central);
    lblCardPreview->setObjectName(u"lblCardPreview"_s);
    QFont bold = lblCardPreview->font();
    bold.setBold(true);
    lblCardPreview->setFont(bold);
    lblCardPreview->setGeometry(twips(left, kHeadingTop + 45, 1815, 255));

    lblPreviewContact = new QLabel(tr("Con&tact:"), central);
    lblPreviewContact->setObjectName(u"lblPreviewContact"_s);
    lblPreviewContact->setGeometry(twips(left + 1905, kHeadingTop + 45, 735, 255));

    spnPreviewContact = new QSpinBox(central);
    spnPreviewContact->setObjectName(u"spnPreviewContact"_s);
    spnPreviewContact->setAccessibleName(tr("Contact"));
    spnPreviewContact->setAccessibleDescription(
        tr("Which contact the card preview shows, counted over the rows that are converted"));
    // A number typed is taken once it is complete, not digit by digit.
    spnPreviewContact->setKeyboardTracking(false);
    spnPreviewContact->setRange(0, 0);
    spnPreviewContact->setEnabled(false);
    spnPreviewContact->setGeometry(twips(left + 2685, kHeadingTop, 1620, 315));
    lblPreviewContact->setBuddy(spnPreviewContact);

    lblPreviewRow = new QLabel(central);
    lblPreviewRow->setObjectName(u"lblPreviewRow"_s);
    lblPreviewRow->setTextFormat(Qt::PlainText);
    lblPreviewRow->setGeometry(twips(left + 4395, kHeadingTop + 45, kPanelWidth - 4395, 255));

    txtCardPreview = new QPlainTextEdit(central);
    txtCardPreview->setObjectName(u"txtCardPreview"_s);
    txtCardPreview->setAccessibleName(tr("Card preview"));
    txtCardPreview->setReadOnly(true);
    // Read-only text still takes the focus, so that the keyboard can scroll and select it.
    txtCardPreview->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                            Qt::TextSelectableByMouse);
    txtCardPreview->setTabChangesFocus(true);
    // The column is narrower than a card's longest lines: they wrap, where they must inside a
    // word (a shortened photo line has no spaces).
    txtCardPreview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtCardPreview->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(8.25);
    txtCardPreview->setFont(fixed);
    txtCardPreview->setPlaceholderText(tr("Select an Excel file to see a contact's card here."));
    txtCardPreview->setGeometry(twips(left, kCardTop, kPanelWidth, kPanelBottom - kCardTop));
    lblCardPreview->setBuddy(txtCardPreview);

    lblNotWritten = new QLabel(central);
    lblNotWritten->setObjectName(u"lblNotWritten"_s);
    lblNotWritten->setTextFormat(Qt::PlainText);
    lblNotWritten->setWordWrap(true);
    lblNotWritten->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = lblNotWritten->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblNotWritten->setPalette(red);
    lblNotWritten->setVisible(false);
}

void frmMain::connectCardPreview() {
    connect(spnPreviewContact, &QSpinBox::valueChanged, this, &frmMain::updateCardPreview);
    connect(m_versions, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            updateCardPreview();
        }
    });
    // Every control conversionOptions() reads redraws the card.
    for (QComboBox* box : {cmbDateOrder, cmbImportTarget, cmbPhoneRegion, cmbPhoneStyle}) {
        connect(box, &QComboBox::currentIndexChanged, this, &frmMain::updateCardPreview);
    }
    for (QCheckBox* box : {chkNotNull, ChkSinglevCard, chkPhoneFormat}) {
        connect(box, &QCheckBox::toggled, this, &frmMain::updateCardPreview);
    }
    connect(sourceExcelData->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    selectGridContact(current.row());
                }
            });
}

qint32 frmMain::previewRow() const {
    const int index = spnPreviewContact->value() - 1;
    return index >= 0 && index < m_contactRows.size() ? m_contactRows[index] : 0;
}

void frmMain::loadContactRows() {
    const int count = int(m_contactRows.size());
    const QSignalBlocker quiet(spnPreviewContact);
    spnPreviewContact->setRange(count > 0 ? 1 : 0, count);
    spnPreviewContact->setValue(count > 0 ? 1 : 0);
    spnPreviewContact->setSuffix(tr(" of %1").arg(count));
    spnPreviewContact->setEnabled(count > 0);
}

void frmMain::selectGridContact(int gridRow) {
    // The grid shows the counted rows packed, in order: its n-th row is the n-th contact.
    if (gridRow >= 0 && gridRow < m_contactRows.size()) {
        spnPreviewContact->setValue(gridRow + 1);
    }
}

void frmMain::updateCardPreview() {
    // A read or run has the workbook open; the preview catches up once it is done.
    if (busy() || !txtCardPreview) {
        return;
    }
    const qint32 row = previewRow();
    lblPreviewRow->setText(row > 0 ? tr("(row %1)").arg(row) : QString());
    QStringList notWritten;
    if (row == 0) {
        txtCardPreview->clear();
    } else {
        const CardPreview preview =
            previewCard(m_state, txtExcelPath->text(), *m_source, row, conversionOptions());
        QString shown =
            preview.card.isEmpty() ? preview.message : shortenEmbeddedData(preview.card);
        shown.replace(u"\r\n"_s, u"\n"_s);
        if (shown.endsWith(u'\n')) {
            shown.chop(1);
        }
        txtCardPreview->setPlainText(shown);
        notWritten = preview.notWritten;
    }
    // The values left off take the room they need under the card; the card the rest.
    const QRect card = txtCardPreview->geometry();
    const int bottom = twips(0, 0, 0, kPanelBottom).height();
    int cardHeight = bottom - card.y();
    lblNotWritten->setText(notWritten.join(u'\n'));
    lblNotWritten->setVisible(!notWritten.isEmpty());
    if (!notWritten.isEmpty()) {
        const int textHeight = lblNotWritten->heightForWidth(card.width());
        cardHeight -= textHeight + 4;
        lblNotWritten->setGeometry(card.x(), card.y() + cardHeight + 4, card.width(), textHeight);
    }
    txtCardPreview->setGeometry(card.x(), card.y(), card.width(), cardHeight);
}
