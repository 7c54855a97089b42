#pragma once
#include <QTest>
#include <utility>

// Why: the tests wait with this, not with QTRY_VERIFY or QTRY_COMPARE, whose timeout Qt 6.8 narrows
// to int, which -Wconversion reports as an error in every test that uses them.
// Can go when: every Qt the game builds with (Debian 12's and 13's) takes QTRY_*'s timeout
// without that narrowing; then QVERIFY(WaitFor(c)) becomes QTRY_VERIFY(c()).
// Spins the event loop until condition() holds or timeoutMs pass; whether it holds.
template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs = 5000) {
    return QTest::qWaitFor(std::move(condition), timeoutMs);
}
