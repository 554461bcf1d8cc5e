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
    auto fail = [&read](Sentence message) {
        read.status = Status::failure(std::move(message));
        read.pairs.clear();
        return read;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "it is not JSON (%1 at character %2)"))
                .arg(error.errorString())
                .arg(error.offset));
    }
    if (!document.isObject()) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "it holds no JSON object")));
    }
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(u"format"_s);
    if (!format.isDouble()) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "it has no “format” number")));
    }
    if (format.toDouble() != kMappingFileFormat) {
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP(
                             "Mapping", "it is written in format %1; this version reads format %2"))
                .arg(QString::number(format.toDouble()))
                .arg(kMappingFileFormat));
    }
    const QJsonValue pairs = root.value(u"pairs"_s);
    if (!pairs.isArray()) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "it has no “pairs” list")));
    }
    const QJsonArray list = pairs.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const qsizetype number = i + 1;
        if (!list.at(i).isObject()) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "pair %1 is not a JSON object"))
                            .arg(number));
        }
        const QJsonObject object = list.at(i).toObject();
        SavedPair pair;
        if (!textMember(object, u"header"_s, true, pair.header) || pair.header.isEmpty()) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "pair %1 has no “header” text"))
                            .arg(number));
        }
        if (!textMember(object, u"field"_s, true, pair.field) || pair.field.isEmpty()) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "pair %1 has no “field” name"))
                            .arg(number));
        }
        if (!textMember(object, u"column"_s, false, pair.column) ||
            (!pair.column.isEmpty() && !columnIndex(pair.column))) {
            return fail(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping",
                                               "pair %1 has a “column” that is not column letters"))
                    .arg(number));
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
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "The mapping file “%1” cannot be read: %2."))
                .arg(path)
                .arg(file.errorString()));
        return read;
    }
    read = parseMappingFile(file.readAll());
    if (!read.status) {
        read.status = Status::failure(
            E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Mapping", "“%1” is not a mapping this program can load: %2."))
                .arg(path)
                .arg(read.status.sentence()));
    }
    return read;
}

Status writeMappingFile(const QString& path, const QList<SavedPair>& pairs) {
    // Written aside and renamed: a failed save leaves an earlier file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(mappingFileJson(pairs)) < 0 ||
        !file.commit()) {
        return Status::failure(
            E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Mapping", "The mapping file “%1” cannot be written: %2."))
                .arg(path)
                .arg(file.errorString()));
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
        Sentence why;
        switch (left.reason) {
        case AppliedMapping::Reason::HeaderNotInSheet:
            why = E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "the header is not in this sheet"));
            break;
        case AppliedMapping::Reason::UnknownField:
            why = E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Mapping", "the field is not one of this program's"));
            break;
        case AppliedMapping::Reason::AlreadyMapped:
            why = E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Mapping", "the column or the field is mapped already"));
            break;
        }
        const Sentence line =
            left.pair.column.isEmpty()
                ? E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "“%1” → %2: %3"))
                      .arg(left.pair.header)
                      .arg(left.pair.field)
                      .arg(std::move(why))
                : E2V_SENTENCE(QT_TRANSLATE_NOOP("Mapping", "“%1” (column %2) → %3: %4"))
                      .arg(left.pair.header)
                      .arg(left.pair.column)
                      .arg(left.pair.field)
                      .arg(std::move(why));
        lines.append(line.toString());
    }
    return lines.join(u'\n');
}
