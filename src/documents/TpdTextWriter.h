#pragma once

#include <QString>

#include "platform/RunControl.h"
#include "documents/DocumentRecord.h"

namespace kestrel {

// Builds the text of a data file (the whole document) or of a condition file (header and
// conditions), in the fixed line order, every line ended by CR LF.
class TpdTextWriter {
public:
    TpdTextWriter(bool blnData, const RunControl* control);

    QString Build(const DocumentRecord& document);

private:
    void Line(const QString& line);
    void Key(const QString& key, const QString& value);
    void Empty();
    void Header();
    void Conditions(const ConditionSet& conditions);
    void Settings(const DocumentRecord& document);
    void Singles(const std::vector<int32_t>& singles);
    void Report(const QString& report);

    bool m_data;
    const RunControl* m_control;
    QString m_text;
};

} // namespace kestrel
