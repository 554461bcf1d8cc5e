#pragma once

#include "ContactField.h"

#include <QList>
#include <QString>
#include <QStringList>

class WorkbookSource;
struct AppliedMapping;
struct SavedPair;
struct WizardState;

// The three answers of the mapping step that the user must see.
enum class MappingMessage { None, SelectOutlookField, SelectExcelField, SelectAddedItem };

// The message box text of a mapping message, in the current language; empty for None.
QString mappingMessageText(MappingMessage message);

// The list entry of one mapping: header, TAB, "->", TAB, field name.
QString mappingDisplayText(const QString& header, const QString& field);

// One entry of the header choice list: the header text and the column it stands in.
struct HeaderChoice {
    QString text;
    qint32 column = 0;
    friend bool operator==(const HeaderChoice&, const HeaderChoice&) = default;
};

// A header choice and the field it feeds.
struct FieldPair {
    HeaderChoice header;
    QString field;
    friend bool operator==(const FieldPair&, const FieldPair&) = default;
};

// The non-empty headers of the state's header row, in column order.
QList<HeaderChoice> headerChoicesOf(const WizardState& state);
// Those of them no mapping of the state's list is made from.
QList<HeaderChoice> unmappedHeaderChoices(const WizardState& state);
// The headers the state's mappings are made from, in list order.
QList<HeaderChoice> mappedHeaderChoices(const WizardState& state);
// The catalogue's fields that no mapping of the state's list feeds, in catalogue order.
QStringList unmappedFields(const WizardState& state);

// Step 2's choices and mapping list over the wizard state: the window shows what this holds
// and forwards the user's picks; every rule lives here.
class MappingModel {
public:
    explicit MappingModel(WizardState& state) : m_state(state) {}

    // Fills the header choices from the header row and the field choices with the catalogue;
    // empties the mapping list.
    void fillMappingChoices();
    // A workbook was loaded: the mapping list is emptied and, once the choices have been
    // filled, they are filled again from the new header row so display and mappings agree.
    void workbookLoaded();

    const QList<HeaderChoice>& headerChoices() const { return m_headers; }
    const QStringList& fieldChoices() const { return m_fields; }
    // The list entries, one per mapping in mapping order.
    QStringList mappedListTexts() const;
    // Whether the two combo boxes and Add are enabled (false once every header is mapped).
    bool addEnabled() const { return m_addEnabled; }

    // Add with the header choice at headerIndex (-1: none chosen) and the text of the field
    // box (typed or picked). A text that is not a remaining catalogue name is refused like
    // an empty one.
    MappingMessage add(int headerIndex, const QString& fieldText);
    // Removes the mapping at listIndex (-1: none selected); its header and field go back to
    // the end of their choice lists.
    MappingMessage remove(int listIndex);
    // Adds, as Add would, the pairs the automatic mapping suggests for the headers and fields
    // still on offer (AutoMapping.h); returns how many were added.
    int autoMap();
    // Replaces the mapping list with a saved mapping's pairs that fit the sheet
    // (MappingFile.h) and tells which did not.
    AppliedMapping applySaved(const QList<SavedPair>& pairs);

private:
    WizardState& m_state;
    QList<HeaderChoice> m_headers;
    QStringList m_fields;
    bool m_addEnabled = true;
};

// Which field the column at headerIndex feeds: reads its header cell (row 1) afresh from the
// open workbook and looks for a mapping made from that column with that exact header text.
// On a match, field receives the field name and true is returned; otherwise field is left as
// it was.
bool findMappedField(const WizardState& state, qint32 headerIndex, const WorkbookSource& sheet,
                     QString& field);
