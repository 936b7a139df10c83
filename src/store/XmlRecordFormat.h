#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlField.h"
#include "store/XmlLineReader.h"
#include "store/XmlStoreFile.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

// How one kind of round record is kept as a store file: where its files lie, and its elements
// in written order. Reading and writing both go through the same element tables, and so do
// the store operations every round store shares (file name, all-or-nothing load, atomic save).
//
// A file is the declaration, the stylesheet line, "<totoGOAL3>", the block, "</totoGOAL3>".
// The block holds "<開催回>" and, when the group is not empty, "<組>", then the head fields,
// each of the six slots as "<指定試合>" with its "<番号>" first and its slot fields, and the
// tail fields. Slot values go to the slot named by the most recent "<番号>".
template <typename Record> struct XmlRecordFormat {
    using Slot = typename decltype(Record::Slots)::value_type;
    using Field = XmlField<Record>;
    using SlotField = XmlField<Slot>;
    using Fields = std::vector<Field>;

    // "Schedule", "Vote" or "Result": the files lie in SysData/totoGOAL3_<kind> as
    // totogoal3_<kind in lower case>_NNN[_G].xml and name the stylesheet
    // totogoal3_<kind in lower case>.xsl.
    QString kind;
    QString block; // the record's element inside "<totoGOAL3>"
    Fields head;   // after "<開催回>" and "<組>"
    std::vector<SlotField> slot;
    Fields tail;
    // Whether a record whose every element read can stand; a record it refuses is malformed.
    bool (*plausible)(const Record&) = nullptr;

    // Sale start and end.
    static Fields SaleDateFields(typename Field::Condition when = {}) {
        return {Field::Of(QStringLiteral("<販売開始日>"), &Record::SaleStart, when),
                Field::Of(QStringLiteral("<販売終了日>"), &Record::SaleEnd, when)};
    }
    // Result announcement ("<結果速報発表日>" is its older name), payout start and deadline.
    static Fields PayoutDateFields(typename Field::Condition when = {}) {
        return {Field::Of(QStringLiteral("<結果発表日>"), &Record::ResultDate, when),
                Field::Of(QStringLiteral("<払戻開始日>"), &Record::PayStart, when),
                Field::Of(QStringLiteral("<払戻期限>"), &Record::PayEnd, when),
                Field::OlderName(QStringLiteral("<結果速報発表日>"), &Record::ResultDate)};
    }
    // "<開催状態>中止</開催状態>", written when the round is cancelled; each kind reads the
    // element back its own way.
    static Field CancelledField(typename Field::Reader read, typename Field::Condition cancelled) {
        return Field(
            QStringLiteral("<開催状態>"), std::move(read),
            [](const Record&) { return CancelledText(); }, std::move(cancelled));
    }
    static QString CancelledText() { return QStringLiteral("中止"); }

    static Fields Joined(std::initializer_list<Fields> parts) {
        Fields all;
        for (const Fields& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }

    // <SysData>/totoGOAL3_<kind>/totogoal3_<kind>_<round "000"><"_" group>.xml
    QString FileName(const ProgramPaths& paths, int32_t round, const QString& group) const {
        return XmlStoreFile::FileName(paths, QStringLiteral("totoGOAL3_") + kind,
                                      LowerName() + QLatin1Char('_'), round, group);
    }

    // The whole file text of the record.
    QString Text(const Record& record) const {
        XmlTextWriter w;
        w.Header(LowerName() + QStringLiteral(".xsl"));
        w.Open(QStringLiteral("totoGOAL3"));
        WriteBlock(record, w);
        w.Close(QStringLiteral("totoGOAL3"));
        return w.Text();
    }

    // The block alone, from "<block>" to "</block>".
    void WriteBlock(const Record& record, XmlTextWriter& w) const {
        w.Open(block);
        WriteFields(RoundFields(), record, w);
        WriteFields(head, record, w);
        for (int i = 0; i < static_cast<int>(record.Slots.size()); ++i) {
            w.Open(QStringLiteral("指定試合"));
            w.Element(QStringLiteral("番号"), QString::number(i + 1));
            WriteFields(slot, record.Slots[i], w);
            w.Close(QStringLiteral("指定試合"));
        }
        WriteFields(tail, record, w);
        w.Close(block);
    }

    // Reads store text into record field by field, without reporting.
    XmlReadStatus Parse(const QString& text, Record& record, XmlFieldError& error) const {
        int slotIndex = -1;
        XmlLineReader reader(Tag(block),
                             [&](const QString& path, const QString& value, XmlFieldError& e) {
                                 return TakeValue(path, value, record, slotIndex, e);
                             });
        const XmlReadStatus status = reader.Read(text);
        error = reader.Error();
        if (status == XmlReadStatus::Ok && plausible != nullptr && !plausible(record)) {
            return XmlReadStatus::Malformed; // "XMLデータが異常です。"
        }
        return status;
    }

    // Parses text into a fresh record and makes it current only when the whole text reads;
    // failures are reported under "XmlLoad". With valueError given, a value that does not
    // convert is not reported but its description goes there for the caller to report.
    bool SetText(const QString& text, Record& current, const ErrorReporter& reporter,
                 QString* valueError = nullptr) const {
        Record fresh;
        XmlFieldError error;
        const XmlReadStatus status = Parse(text, fresh, error);
        if (status == XmlReadStatus::BadValue && valueError != nullptr) {
            *valueError = error.description;
            return false;
        }
        if (!XmlStoreFile::ReportRead(status, error, reporter)) {
            return false;
        }
        current = fresh;
        return true;
    }

    // False without a message for an empty path or a missing file.
    bool Load(const QString& path, Record& current, const ErrorReporter& reporter) const {
        QString text;
        if (XmlStoreFile::ReadForLoad(path, text, reporter) != XmlStoreFile::ReadResult::Ok) {
            return false;
        }
        return SetText(text, current, reporter);
    }

    bool Save(const QString& path, const Record& record, const ErrorReporter& reporter) const {
        return XmlStoreFile::Save(path, Text(record), reporter, QStringLiteral("XmlSave"));
    }

private:
    // "<開催回>", and "<組>" when the group is not empty: the start of every kind's block.
    static const Fields& RoundFields() {
        static const Fields fields = {Field::Of(QStringLiteral("<開催回>"), &Record::Kaisaikai),
                                      Field::Of(QStringLiteral("<組>"), &Record::Kumi,
                                                [](const Record& r) { return !r.Kumi.isEmpty(); })};
        return fields;
    }

    // "totogoal3_schedule"
    QString LowerName() const { return QStringLiteral("totogoal3_") + kind.toLower(); }

    static QString Tag(const QString& name) { return QLatin1Char('<') + name + QLatin1Char('>'); }

    // Writes the fields in order, opening and closing the groups their paths name.
    template <typename T>
    static void WriteFields(const std::vector<XmlField<T>>& fields, const T& t, XmlTextWriter& w) {
        QStringList open;
        for (const XmlField<T>& field : fields) {
            if (!field.IsWritten(t)) {
                continue;
            }
            const QStringList& names = field.Names();
            const qsizetype groups = names.size() - 1;
            while (open.size() > groups || open != names.mid(0, open.size())) {
                w.Close(open.takeLast());
            }
            for (qsizetype i = open.size(); i < groups; ++i) {
                w.Open(names[i]);
                open.append(names[i]);
            }
            w.Element(names.last(), field.Write(t));
        }
        while (!open.isEmpty()) {
            w.Close(open.takeLast());
        }
    }

    template <typename T>
    static const XmlField<T>* Find(const std::vector<XmlField<T>>& fields, const QString& path) {
        for (const XmlField<T>& field : fields) {
            if (field.Path() == path) {
                return &field;
            }
        }
        return nullptr;
    }

    bool TakeValue(const QString& path, const QString& value, Record& record, int& slotIndex,
                   XmlFieldError& error) const {
        const QString slotTag = QStringLiteral("<指定試合>");
        if (!path.startsWith(slotTag)) {
            const Field* field = Find(RoundFields(), path);
            if (field == nullptr) {
                field = Find(head, path);
            }
            if (field == nullptr) {
                field = Find(tail, path);
            }
            return field == nullptr || field->Read(record, value, error);
        }
        const QString slotPath = path.mid(slotTag.size());
        if (slotPath == QStringLiteral("<番号>")) {
            return XmlValue::ToSlotIndex(value, slotIndex, error);
        }
        const SlotField* field = Find(slot, slotPath);
        if (field == nullptr) {
            return true;
        }
        if (slotIndex < 0) {
            error = XmlFieldError::OutOfRange();
            return false;
        }
        return field->Read(record.Slots[slotIndex], value, error);
    }
};

} // namespace kestrel
