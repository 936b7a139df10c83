#pragma once

// Runs kestrel-cli as a separate process against a temporary installation root and helps with the
// files its commands read and write.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <vector>

#include "CliRunner.h"
#include "platform/ProgramPaths.h"
#include "platform/TextCodec.h"
#include "workflow/WorkingDocument.h"

namespace kestrel::test {

// One row of a single-list CSV: the six goal classes of slots 1..6.
using Row = std::array<int, 6>;

inline QString RowText(const Row& row) {
    QStringList fields;
    for (int g : row) {
        fields << QString::number(g);
    }
    return fields.join(QLatin1Char(','));
}

// Number of slots in which two singles differ.
inline int Distance(const Row& a, const Row& b) {
    int d = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        d += a[i] != b[i] ? 1 : 0;
    }
    return d;
}

// True when every single of wanted lies within one difference of some single of chosen.
inline bool CoversAtDistanceOne(const std::vector<Row>& wanted, const std::vector<Row>& chosen) {
    for (const Row& w : wanted) {
        bool hit = false;
        for (const Row& c : chosen) {
            if (Distance(w, c) <= 1) {
                hit = true;
                break;
            }
        }
        if (!hit) {
            return false;
        }
    }
    return true;
}

// The single number the program uses: slot 1 is the least significant base-4 digit.
inline Row RowOfSingle(int32_t single) {
    Row row{};
    for (int i = 0; i < 6; ++i) {
        row[static_cast<size_t>(i)] = (single >> (2 * i)) & 3;
    }
    return row;
}

// Every single of the given goal classes per slot, slot 1 varying fastest.
inline std::vector<Row> Product(const std::array<std::vector<int>, 6>& classes) {
    std::vector<Row> rows{Row{}};
    for (int slot = 0; slot < 6; ++slot) {
        std::vector<Row> next;
        for (int g : classes[static_cast<size_t>(slot)]) {
            for (Row r : rows) {
                r[static_cast<size_t>(slot)] = g;
                next.push_back(r);
            }
        }
        rows = std::move(next);
    }
    return rows;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ExpectCliBuilt());
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(Root()));
        CopyTree(QStringLiteral(KESTREL_BIN_DIR "/SysData"), Root() + "/SysData");
    }

    QString Root() const { return m_dir.path() + "/root"; }
    QString Path(const QString& name) const { return m_dir.path() + "/" + name; }
    ProgramPaths Paths() const { return ProgramPaths(Root()); }

    // Runs a command with the temporary root and a fixed seed.
    CliRun Run(const QStringList& args) const {
        return RunCli(QStringList{"--root", Root(), "--seed", "1"} + args);
    }

    // A CSV single list as the program writes it: CR LF line ends, no header.
    QString WriteCsv(const QString& name, const std::vector<Row>& rows) const {
        QByteArray bytes;
        for (const Row& r : rows) {
            bytes += RowText(r).toLatin1() + "\r\n";
        }
        return WriteFile(name, bytes);
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        const QString path = Path(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    static QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The rows of a CSV single list; a line that is not six goal classes fails the test.
    static std::vector<Row> ReadCsv(const QString& path) {
        std::vector<Row> rows;
        const QString text = QString::fromLatin1(ReadBytes(path));
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char(','));
            EXPECT_EQ(fields.size(), 6) << line.toStdString();
            if (fields.size() != 6) {
                continue;
            }
            Row row{};
            for (int i = 0; i < 6; ++i) {
                bool ok = false;
                row[static_cast<size_t>(i)] = fields[i].toInt(&ok);
                EXPECT_TRUE(ok && row[static_cast<size_t>(i)] >= 0 &&
                            row[static_cast<size_t>(i)] <= 3)
                    << line.toStdString();
            }
            rows.push_back(row);
        }
        return rows;
    }

    // The lines of a data file (CP932, CR LF).
    static QStringList ReadTpdLines(const QString& path) {
        return TextCodec::DecodeCp932(ReadBytes(path)).split(QStringLiteral("\r\n"));
    }

    // A data file read back through the program's own loader.
    bool LoadDocument(const QString& path, WorkingDocument& doc) const {
        return FileLoadTPD(doc, Paths(), path, true, false);
    }

    static std::vector<Row> RowsOfSingles(const std::vector<int32_t>& singles) {
        std::vector<Row> rows;
        for (int32_t s : singles) {
            rows.push_back(RowOfSingle(s));
        }
        return rows;
    }

    static QString Fixture(const char* name) {
        return QStringLiteral(KESTREL_TEST_DATA "/cli/") + QString::fromUtf8(name);
    }

    // Copies a fixture into the temporary folder (commands may rewrite it).
    QString CopyFixture(const char* name, const QString& as) const {
        const QString path = Path(as);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(Fixture(name), path));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

private:
    static void CopyTree(const QString& from, const QString& to) {
        QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = to + source.mid(from.size());
            ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
            ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
        }
    }

    QTemporaryDir m_dir;
};

} // namespace kestrel::test
