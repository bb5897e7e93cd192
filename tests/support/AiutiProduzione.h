#pragma once
// What the production tools' tests share.
#include <QtTest>

// A data column read where it is used (QFETCH only declares).
#define DATO(T, n) (*static_cast<T*>(QTest::qData(#n, ::qMetaTypeId<T>())))
