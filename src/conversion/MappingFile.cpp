#include "MappingFile.h"

#include "CellAddress.h"
#include "WizardState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A pair's own text value; false when it is there but not a text, or missing where required.
bool textMember(const QJsonObject& object, const QString& name, bool required, QString& value) {
    const QJsonValue v = object.value(name);
    if (v.isUndefined() || v.isNull()) {
        return !required;
    }
    if (!v.isString()) {
        return false;
    }
    value = v.toString();
    return true;
}

} // namespace

QList<SavedPair> savedPairs(const WizardState& state) {
    QList<SavedPair> pairs;
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        const size_t s = size_t(k);
        pairs.append(
            {state.mappedHeaders[s], columnLetters(state.mappedColumns[s]), state.mappedFields[s]});
    }
    return pairs;
}

QByteArray mappingFileJson(const QList<SavedPair>& pairs) {
    // One pair a line, its members in the order a person reads them; QJsonObject would sort
    // them by name.
    auto quoted = [](const QString& text) {
        const QByteArray list = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        return list.mid(1, list.size() - 2);
    };
    QByteArray json =
        "{\n    \"format\": " + QByteArray::number(kMappingFileFormat) + ",\n    \"pairs\": [";
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const SavedPair& p = pairs.at(i);
        json += (i == 0 ? "\n" : ",\n");
        json += "        {\"header\": " + quoted(p.header) + ", \"column\": " + quoted(p.column) +
                ", \"field\": " + quoted(p.field) + "}";
    }
    json += pairs.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return json;
}

MappingFileRead parseMappingFile(const QByteArray& json) {
    MappingFileRead read;
    auto fail = [&read](const QString& message) {
        read.status = Status::failure(message);
        read.pairs.clear();
        return read;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return fail(
            u"it is not JSON (%1 at character %2)"_s.arg(error.errorString()).arg(error.offset));
    }
    if (!document.isObject()) {
        return fail(u"it holds no JSON object"_s);
    }
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(u"format"_s);
    if (!format.isDouble()) {
        return fail(u"it has no \u201Cformat\u201D number"_s);
    }
    if (format.toDouble() != kMappingFileFormat) {
        return fail(
            u"it is written in format %1; this version reads format %2"_s.arg(format.toDouble())
                .arg(kMappingFileFormat));
    }
    const QJsonValue pairs = root.value(u"pairs"_s);
    if (!pairs.isArray()) {
        return fail(u"it has no \u201Cpairs\u201D list"_s);
    }
    const QJsonArray list = pairs.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = u"pair %1"_s.arg(i + 1);
        if (!list.at(i).isObject()) {
            return fail(where + u" is not a JSON object"_s);
        }
        const QJsonObject object = list.at(i).toObject();
        SavedPair pair;
        if (!textMember(object, u"header"_s, true, pair.header) || pair.header.isEmpty()) {
            return fail(where + u" has no \u201Cheader\u201D text"_s);
        }
        if (!textMember(object, u"field"_s, true, pair.field) || pair.field.isEmpty()) {
            return fail(where + u" has no \u201Cfield\u201D name"_s);
        }
        if (!textMember(object, u"column"_s, false, pair.column) ||
            (!pair.column.isEmpty() && !columnIndex(pair.column))) {
            return fail(where + u" has a \u201Ccolumn\u201D that is not column letters"_s);
        }
        pair.column = pair.column.toUpper();
        read.pairs.append(pair);
    }
    return read;
}

MappingFileRead readMappingFile(const QString& path) {
    QFile file(path);
    MappingFileRead read;
    if (!file.open(QIODevice::ReadOnly)) {
        read.status = Status::failure(
            u"The mapping file \u201C%1\u201D cannot be read: %2."_s.arg(path, file.errorString()));
        return read;
    }
    read = parseMappingFile(file.readAll());
    if (!read.status) {
        read.status =
            Status::failure(u"\u201C%1\u201D is not a mapping this program can load: %2."_s.arg(
                path, read.status.message()));
    }
    return read;
}

Status writeMappingFile(const QString& path, const QList<SavedPair>& pairs) {
    // Written aside and renamed: a failed save leaves an earlier file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(mappingFileJson(pairs)) < 0 ||
        !file.commit()) {
        return Status::failure(u"The mapping file \u201C%1\u201D cannot be written: %2."_s.arg(
            path, file.errorString()));
    }
    return Status::success();
}

AppliedMapping matchSavedPairs(const QList<SavedPair>& pairs,
                               const QList<HeaderChoice>& sheetHeaders,
                               QList<HeaderChoice> freeHeaders, QStringList freeFields) {
    AppliedMapping result;
    for (const SavedPair& pair : pairs) {
        using Reason = AppliedMapping::Reason;
        const bool inSheet =
            std::any_of(sheetHeaders.begin(), sheetHeaders.end(),
                        [&](const HeaderChoice& h) { return h.text == pair.header; });
        if (!inSheet) {
            result.notApplied.append({pair, Reason::HeaderNotInSheet});
            continue;
        }
        if (!isCatalogueField(pair.field)) {
            result.notApplied.append({pair, Reason::UnknownField});
            continue;
        }
        qsizetype chosen = -1;
        for (qsizetype i = 0; i < freeHeaders.size(); ++i) {
            const HeaderChoice& h = freeHeaders.at(i);
            if (h.text != pair.header) {
                continue;
            }
            if (chosen < 0) {
                chosen = i;
            }
            if (columnLetters(h.column) == pair.column) {
                chosen = i;
                break;
            }
        }
        const qsizetype field = freeFields.indexOf(pair.field);
        if (chosen < 0 || field < 0) {
            result.notApplied.append({pair, Reason::AlreadyMapped});
            continue;
        }
        result.applied.append({freeHeaders.takeAt(chosen), pair.field});
        freeFields.removeAt(field);
    }
    return result;
}

QString notAppliedText(const AppliedMapping& result) {
    QStringList lines;
    for (const AppliedMapping::Left& left : result.notApplied) {
        QString why;
        switch (left.reason) {
        case AppliedMapping::Reason::HeaderNotInSheet:
            why = u"the header is not in this sheet"_s;
            break;
        case AppliedMapping::Reason::UnknownField:
            why = u"the field is not one of this program's"_s;
            break;
        case AppliedMapping::Reason::AlreadyMapped:
            why = u"the column or the field is mapped already"_s;
            break;
        }
        const QString column =
            left.pair.column.isEmpty() ? QString() : u" (column %1)"_s.arg(left.pair.column);
        lines.append(u"\u201C%1\u201D%2 \u2192 %3: %4"_s.arg(left.pair.header, column,
                                                             left.pair.field, why));
    }
    return lines.join(u'\n');
}
