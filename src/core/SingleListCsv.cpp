#include "core/SingleListCsv.h"

#include <QStringList>

#include "core/LotteryConstants.h"
#include "platform/TextFile.h"

namespace kestrel {

bool SingleListCsv::ParseLine(const QString& line, int32_t& lngNo) {
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() != kSlotCount) {
        return false;
    }
    int32_t no = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        const QString f = fields[i].trimmed();
        if (f.size() != 1 || f[0] < QLatin1Char('0') || f[0] > QLatin1Char('3')) {
            return false;
        }
        no += (f[0].unicode() - u'0') << (2 * i); // slot 1 is the least significant digit
    }
    lngNo = no;
    return true;
}

bool SingleListCsv::Read(const QString& path, std::vector<int32_t>& lngSingle, QString* error) {
    QString text;
    if (!TextFile::Read(path, text, error)) {
        return false;
    }
    for (const QString& line : TextFile::SplitLines(text)) {
        int32_t no = 0;
        if (ParseLine(line, no)) {
            lngSingle.push_back(no);
        }
    }
    return true;
}

} // namespace kestrel
