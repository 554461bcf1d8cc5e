#include "FieldMapping.h"

#include "AutoMapping.h"
#include "MappingFile.h"
#include "Sentence.h"
#include "WizardState.h"
#include "WorkbookSource.h"

QString mappingMessageText(MappingMessage message) {
    switch (message) {
    case MappingMessage::None:
        return QString();
    case MappingMessage::SelectOutlookField:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "Please Select the Outlook Field."))
            .toString();
    case MappingMessage::SelectExcelField:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "Please Select the Excel Field."))
            .toString();
    case MappingMessage::SelectAddedItem:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "Select the item from the added fields."))
            .toString();
    }
    return QString();
}

QString mappingDisplayText(const QString& header, const QString& field) {
    return header + QStringLiteral("\t->\t") + field;
}

QList<HeaderChoice> headerChoicesOf(const WizardState& state) {
    QList<HeaderChoice> headers;
    for (qint32 n = 0; n < state.headerCount && n < kStateSlots; ++n) {
        const QString& text = state.headerNames[size_t(n)];
        if (!text.isEmpty()) {
            headers.append({text, n});
        }
    }
    return headers;
}

QList<HeaderChoice> unmappedHeaderChoices(const WizardState& state) {
    QList<HeaderChoice> headers = headerChoicesOf(state);
    headers.removeIf([&state](const HeaderChoice& h) {
        for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
            if (state.mappedColumns[size_t(k)] == h.column) {
                return true;
            }
        }
        return false;
    });
    return headers;
}

QList<HeaderChoice> mappedHeaderChoices(const WizardState& state) {
    QList<HeaderChoice> headers;
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        headers.append({state.mappedHeaders[size_t(k)], state.mappedColumns[size_t(k)]});
    }
    return headers;
}

QStringList unmappedFields(const WizardState& state) {
    QStringList fields = contactFieldCatalogue();
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        fields.removeOne(state.mappedFields[size_t(k)]);
    }
    return fields;
}

void MappingModel::fillMappingChoices() {
    m_headers = headerChoicesOf(m_state);
    m_fields = contactFieldCatalogue();
    m_state.mappingCount = 0;
    m_state.choicesFilled = true;
    m_addEnabled = !m_headers.isEmpty();
}

void MappingModel::workbookLoaded() {
    m_state.mappingCount = 0;
    if (m_state.choicesFilled) {
        fillMappingChoices();
    }
}

QStringList MappingModel::mappedListTexts() const {
    QStringList texts;
    for (qint32 k = 0; k < m_state.mappingCount; ++k) {
        texts.append(
            mappingDisplayText(m_state.mappedHeaders[size_t(k)], m_state.mappedFields[size_t(k)]));
    }
    return texts;
}

MappingMessage MappingModel::add(int headerIndex, const QString& fieldText) {
    // The field box can be typed into; only a name still on offer makes a mapping, so no
    // field is mapped twice and no unknown name reaches the run.
    const qsizetype fieldIndex = m_fields.indexOf(fieldText);
    if (fieldText.isEmpty() || fieldIndex < 0) {
        return MappingMessage::SelectOutlookField;
    }
    if (headerIndex < 0 || headerIndex >= m_headers.size()) {
        return MappingMessage::SelectExcelField;
    }
    // Stored before the choices change: fieldText may be one of them.
    const HeaderChoice& header = m_headers.at(headerIndex);
    if (!appendMapping(m_state, header.text, fieldText, header.column)) {
        return MappingMessage::SelectOutlookField;
    }
    m_headers.removeAt(headerIndex);
    m_fields.removeAt(fieldIndex);
    if (m_headers.isEmpty()) {
        m_addEnabled = false;
    }
    return MappingMessage::None;
}

MappingMessage MappingModel::remove(int listIndex) {
    if (listIndex < 0 || listIndex >= m_state.mappingCount) {
        return MappingMessage::SelectAddedItem;
    }
    const size_t i = size_t(listIndex);
    // The exact texts go back, not the list entry trimmed: a header with spaces around it
    // still matches its cell when mapped again.
    m_headers.append({m_state.mappedHeaders[i], m_state.mappedColumns[i]});
    m_fields.append(m_state.mappedFields[i]);
    for (size_t k = i; k + 1 < size_t(m_state.mappingCount); ++k) {
        m_state.mappedHeaders[k] = m_state.mappedHeaders[k + 1];
        m_state.mappedFields[k] = m_state.mappedFields[k + 1];
        m_state.mappedColumns[k] = m_state.mappedColumns[k + 1];
    }
    --m_state.mappingCount;
    if (!m_headers.isEmpty()) {
        m_addEnabled = true;
    }
    return MappingMessage::None;
}

int MappingModel::autoMap() {
    int added = 0;
    for (const FieldPair& pair : suggestPairs(m_headers, m_fields, mappedHeaderChoices(m_state))) {
        if (add(int(m_headers.indexOf(pair.header)), pair.field) == MappingMessage::None) {
            ++added;
        }
    }
    return added;
}

AppliedMapping MappingModel::applySaved(const QList<SavedPair>& pairs) {
    fillMappingChoices();
    AppliedMapping result = matchSavedPairs(pairs, m_headers, m_headers, m_fields);
    for (const FieldPair& pair : std::as_const(result.applied)) {
        add(int(m_headers.indexOf(pair.header)), pair.field);
    }
    return result;
}

bool findMappedField(const WizardState& state, qint32 headerIndex, const WorkbookSource& sheet,
                     QString& field) {
    if (headerIndex < 0 || headerIndex >= kStateSlots) {
        return false;
    }
    const QString address = state.columnNames[size_t(headerIndex)].trimmed() + QLatin1Char('1');
    const QString header = sheet.readCell(address).textForm();
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        const size_t s = size_t(k);
        if (state.mappedColumns[s] == headerIndex && state.mappedHeaders[s] == header) {
            field = state.mappedFields[s];
            return true;
        }
    }
    return false;
}
