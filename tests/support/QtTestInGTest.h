#pragma once

// QtTest's checks report to QtTest's own result log and then simply return, which under
// GoogleTest lets a timed-out QTRY_VERIFY or QTRY_COMPARE pass silently. The window tests
// use QtTest's event helpers, so its checks are routed into GoogleTest failures here; every
// QTRY_* macro expands to these at its point of use.
#include <QTest>
#include <gtest/gtest.h>

#undef QVERIFY
#define QVERIFY(statement)                                                                      \
    do {                                                                                        \
        if (!static_cast<bool>(statement)) {                                                    \
            ADD_FAILURE() << "QVERIFY(" #statement ") failed";                                  \
            return;                                                                             \
        }                                                                                       \
    } while (false)

#undef QCOMPARE
#define QCOMPARE(actual, expected)                                                              \
    do {                                                                                        \
        const bool kestrelSame = ((actual) == (expected));                                      \
        EXPECT_TRUE(kestrelSame) << "QCOMPARE(" #actual ", " #expected ") failed";              \
        if (!kestrelSame) return;                                                               \
    } while (false)

#undef QFAIL
#define QFAIL(message)                                                                          \
    do {                                                                                        \
        ADD_FAILURE() << (message);                                                             \
        return;                                                                                 \
    } while (false)
